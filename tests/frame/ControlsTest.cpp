#include "FrameFixture.h"
#include "frame/Button.h"
#include "frame/ListBox.h"
#include "frame/Panel.h"
#include "frame/TextLayout.h"
#include "frame/headless/BoxTypesetter.h"

namespace {

class ListBoxTest : public FrameFixture {
protected:
    void SetUp() override {
        FrameFixture::SetUp();
        list = &form->make<TListBox>(form, "List");
        list->setBounds({0, 0, 150, 4 + 5 * list->itemHeight()});
        std::vector<std::string> items;
        for (int i = 0; i < 20; ++i) items.push_back("line " + std::to_string(i));
        list->setItems(items);
    }
    Point bar(int y) const { return {list->width() - 10, y}; }

    TListBox* list = nullptr;
};

TEST_F(ListBoxTest, TheScrollBarScrollsByLineByPageAndByDrag) {
    ASSERT_EQ(list->visibleCount(), 5);
    click(bar(5));  // the up arrow at the top: nothing above
    EXPECT_EQ(list->topIndex(), 0);
    click(bar(list->height() - 5));  // down arrow
    EXPECT_EQ(list->topIndex(), 1);
    click(bar(list->height() - 20));  // the track below the thumb: a page
    EXPECT_EQ(list->topIndex(), 6);
    // Drag the thumb to the bottom of the track: the last page.
    post(InputEvent::Type::MouseDown, bar(list->height() / 2 - 2));
    post(InputEvent::Type::MouseMove, bar(list->height() + 40));
    post(InputEvent::Type::MouseUp, bar(list->height() + 40));
    EXPECT_EQ(list->topIndex(), 15);
    EXPECT_EQ(list->itemIndex(), -1);  // scrolling selects nothing
}

TEST_F(ListBoxTest, TheWheelScrollsAndClicksSelectTheLineUnderThePointer) {
    InputEvent wheel;
    wheel.type = InputEvent::Type::Wheel;
    wheel.wheel = -2;
    wheel.pos = {20, 20};
    wheel.window = form->window().id();
    platform.post(wheel);
    application.processPending();
    EXPECT_EQ(list->topIndex(), 6);
    click({20, 2 + 2 * list->itemHeight() + 1});
    EXPECT_EQ(list->itemIndex(), 8);
    EXPECT_EQ(form->activeControl(), list);
    key(vk::End);
    EXPECT_EQ(list->itemIndex(), 19);
    EXPECT_EQ(list->topIndex(), 15);
    key(vk::Home);
    EXPECT_EQ(list->topIndex(), 0);
    key(vk::Up);  // already at the first line
    EXPECT_EQ(list->itemIndex(), 0);
}

TEST(TextLayout, WrapsAtSpacesAndKeepsLongWordsWhole) {
    BoxTypesetter boxes;
    TFont font;
    int wide = boxes.measure(font, "alpha beta").width;
    EXPECT_EQ(wrapText(boxes, font, "alpha beta gamma", wide), (std::vector<std::string>{"alpha beta", "gamma"}));
    EXPECT_EQ(wrapText(boxes, font, "extraordinarily", 5), (std::vector<std::string>{"extraordinarily"}));
    EXPECT_EQ(wrapText(boxes, font, "a\nb", 500), (std::vector<std::string>{"a", "b"}));
    // The headless boxes count characters, not the bytes of their UTF-8.
    EXPECT_EQ(boxes.measure(font, "Životy:").width, 7 * BoxTypesetter::advance(font));
    EXPECT_EQ(alignedX(TAlignment::taCenter, 10, 31), 10);
    EXPECT_EQ(alignedX(TAlignment::taRightJustify, 10, 31), 21);
}

class WidgetPaintTest : public FrameFixture {
protected:
    Rgb at(int x, int y) {
        application.processPending();
        return form->canvas().pixel(x, y);
    }
};

TEST_F(WidgetPaintTest, BevelsLightTheRaisedSideAndShadeTheLoweredOne) {
    TPanel& raised = form->make<TPanel>(form, "Raised");
    raised.setBounds({0, 0, 40, 20});
    TPanel& lowered = form->make<TPanel>(form, "Lowered");
    lowered.setBevelOuter(TBevelCut::bvLowered);
    lowered.setBevelInner(TBevelCut::bvRaised);
    lowered.setColor(clBlack);
    lowered.setBounds({50, 0, 40, 20});
    Rgb light = colorToRgb(clBtnHighlight), dark = colorToRgb(clBtnShadow);
    EXPECT_EQ(at(0, 0), light);
    EXPECT_EQ(at(39, 19), dark);
    EXPECT_EQ(at(20, 10), colorToRgb(clBtnFace));
    EXPECT_EQ(at(50, 5), dark);
    EXPECT_EQ(at(51, 5), light);  // the inner ring, raised
    EXPECT_EQ(at(70, 10), 0u);
    EXPECT_EQ(lowered.alignRect(), (Rect{2, 2, 36, 16}));
}

TEST_F(WidgetPaintTest, APressedButtonSinksWhileThePointerStaysOnIt) {
    TButton& button = form->make<TButton>(form, "Button");
    button.setBounds({10, 10, 60, 24});
    Rgb restingCorner = at(10, 10);
    post(InputEvent::Type::MouseDown, {30, 20});
    Rgb pressedCorner = at(11, 11);
    post(InputEvent::Type::MouseMove, {150, 80});
    Rgb draggedOff = at(11, 11);
    post(InputEvent::Type::MouseUp, {150, 80});
    EXPECT_EQ(restingCorner, colorToRgb(clBtnHighlight));
    EXPECT_EQ(pressedCorner, colorToRgb(clBtnShadow));
    EXPECT_NE(draggedOff, pressedCorner);
}

}  // namespace

namespace {

// A control that writes its name down when it goes.
class Witness : public TControl {
public:
    Witness(std::string name, std::vector<std::string>& log) : TControl(std::move(name)), log_(log) {}
    ~Witness() override { log_.push_back(name()); }
    void paint(Canvas&) override {}

private:
    std::vector<std::string>& log_;
};

TEST_F(FrameFixture, ChildrenGoWithTheirParentTheLastMadeFirst) {
    std::vector<std::string> log;
    auto& panel = form->make<TPanel>(form, "Panel");
    form->make<Witness>(&panel, "A", log);
    form->make<Witness>(form, "B", log);
    form->make<Witness>(&panel, "C", log);
    EXPECT_EQ(form->component("C"), panel.graphicChildren().back());
    application.destroyForms();
    EXPECT_EQ(log, (std::vector<std::string>{"B", "C", "A"}));
}

}  // namespace

namespace {

// A window system that makes screens but no tool-tips.
class NoTipPlatform : public HeadlessPlatform {
public:
    std::unique_ptr<PlatformWindow> createWindow(Size size, WindowKind kind) override {
        if (kind == WindowKind::Tooltip) return nullptr;
        return HeadlessPlatform::createWindow(size, kind);
    }
};

TEST(HintTest, ATipWithNoWindowIsNotShownAndTheScreenGoesOn) {
    NoTipPlatform platform;
    TApplication application(platform, "/usr/games/orbitrove");
    TestForm* form = nullptr;
    application.createForm(form);
    form->showForm();
    TButton& button = form->make<TButton>(form, "Button");
    button.setBounds({10, 10, 60, 24});
    button.setHint("Quit");
    button.setShowHint(true);
    int clicks = 0;
    button.OnClick = [&](TComponent*) { ++clicks; };
    application.processPending();
    InputEvent event;
    event.type = InputEvent::Type::MouseMove;
    event.window = form->window().id();
    event.pos = {20, 20};
    platform.post(event);
    runFor(application, platform, HintManager::kShowDelay + 10);
    EXPECT_FALSE(application.hints().showingHint());
    for (auto type : {InputEvent::Type::MouseDown, InputEvent::Type::MouseUp}) {
        event.type = type;
        platform.post(event);
    }
    application.processPending();
    EXPECT_EQ(clicks, 1);
}

}  // namespace
