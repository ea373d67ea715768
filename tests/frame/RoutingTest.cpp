#include "FrameFixture.h"
#include "frame/Button.h"
#include "frame/Image.h"
#include "frame/Label.h"
#include "frame/ListBox.h"
#include "frame/Memo.h"
#include "frame/Panel.h"

namespace {

class RoutingTest : public FrameFixture {
protected:
    TLabel& label(TWinControl* parent, const char* name, Rect bounds, int& clicks) {
        TLabel& l = form->make<TLabel>(parent, name);
        l.setAutoSize(false);
        l.setBounds(bounds);
        l.OnClick = [&clicks](TComponent*) { ++clicks; };
        return l;
    }
    TButton& button(TWinControl* parent, const char* name, Rect bounds, int& clicks) {
        TButton& b = form->make<TButton>(parent, name);
        b.setBounds(bounds);
        b.OnClick = [&clicks](TComponent*) { ++clicks; };
        return b;
    }
    void keysToScreen() {
        form->OnKeyDown = [this](TComponent*, std::uint16_t& key, TShiftState) { screenKeys.push_back(key); };
    }
    std::vector<std::uint16_t> screenKeys;
};

TEST_F(RoutingTest, AClickNeedsPressAndReleaseInsideTheSameControl) {
    int clicks = 0, moves = 0;
    TLabel& target = label(form, "Target", {10, 10, 50, 20}, clicks);
    target.OnMouseMove = [&](TComponent*, TShiftState, int, int) { ++moves; };
    post(InputEvent::Type::MouseDown, {20, 15});
    post(InputEvent::Type::MouseMove, {150, 80});  // captured: still the label's
    post(InputEvent::Type::MouseUp, {150, 80});
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(moves, 1);
    click({59, 29});
    EXPECT_EQ(clicks, 1);
    post(InputEvent::Type::MouseMove, {150, 80});  // capture over: not the label's
    EXPECT_EQ(moves, 1);
}

TEST_F(RoutingTest, HiddenAndDisabledControlsLetTheClickThrough) {
    int below = 0, above = 0;
    label(form, "Below", {0, 0, 100, 50}, below);
    TLabel& top = label(form, "Above", {0, 0, 100, 50}, above);
    click({5, 5});
    EXPECT_EQ(above, 1);
    top.setEnabled(false);
    click({5, 5});
    top.setEnabled(true);
    top.hide();
    click({5, 5});
    EXPECT_EQ(below, 2);
    EXPECT_EQ(above, 1);
}

TEST_F(RoutingTest, SeeThroughPixelsStillBelongToTheImage) {
    auto picture = std::make_shared<Bitmap>(Bitmap{4, 4, std::vector<Rgb>(16, 0x000000)});
    TImage& image = form->make<TImage>(form, "Sprite");
    image.setAutoSize(true);
    image.setTransparent(true);
    image.setPicture(picture);
    image.setBounds({30, 30, 4, 4});
    int clicks = 0;
    image.OnClick = [&](TComponent*) { ++clicks; };
    click({31, 31});
    EXPECT_EQ(clicks, 1);
}

TEST_F(RoutingTest, ALabelShownInAHiddenPanelStaysUnreachable) {
    TPanel& panel = form->make<TPanel>(form, "Panel");
    panel.setBounds({0, 0, 100, 100});
    panel.hide();
    int panelLabel = 0;
    TLabel& inner = label(&panel, "Inner", {10, 10, 30, 13}, panelLabel);
    inner.hide();
    inner.show();
    EXPECT_TRUE(inner.visible());
    EXPECT_FALSE(inner.showing());
    click({15, 15});
    EXPECT_EQ(panelLabel, 0);
    panel.show();
    click({15, 15});
    EXPECT_EQ(panelLabel, 1);
}

TEST_F(RoutingTest, AClickedButtonKeepsTheArrowsUntilItsPanelHides) {
    keysToScreen();
    TPanel& panel = form->make<TPanel>(form, "Box");
    panel.setBounds({0, 0, 150, 60});
    int clicks = 0;
    TButton& ok = button(&panel, "OK", {10, 10, 60, 22}, clicks);
    ok.setTabStop(false);
    key(vk::Left);
    EXPECT_EQ(screenKeys, (std::vector<std::uint16_t>{vk::Left}));
    click({20, 20});
    EXPECT_EQ(form->activeControl(), &ok);
    key(vk::Up);
    EXPECT_EQ(screenKeys.size(), 1u);
    panel.hide();
    EXPECT_EQ(form->activeControl(), nullptr);
    key(vk::Down);
    EXPECT_EQ(screenKeys, (std::vector<std::uint16_t>{vk::Left, vk::Down}));
}

TEST_F(RoutingTest, ArrowsOnAButtonMoveTheFocusAmongItsSiblings) {
    int clicks = 0;
    button(form, "First", {0, 0, 50, 20}, clicks);
    TListBox& list = form->make<TListBox>(form, "List");
    list.setBounds({0, 30, 100, 60});
    list.setItems({"a", "b", "c"});
    list.setTabOrder(1);
    click({5, 5});
    key(vk::Down);
    EXPECT_EQ(form->activeControl(), &list);
    key(vk::Down);
    key(vk::Down);
    EXPECT_EQ(list.itemIndex(), 1);
    EXPECT_EQ(clicks, 1);
}

TEST_F(RoutingTest, EnterPressesTheDefaultButtonUnlessAnotherButtonHasTheFocus) {
    keysToScreen();
    int okClicks = 0, otherClicks = 0;
    TButton& ok = button(form, "OK", {0, 0, 50, 20}, okClicks);
    ok.setDefault(true);
    button(form, "Other", {60, 0, 50, 20}, otherClicks);
    TListBox& list = form->make<TListBox>(form, "List");
    list.setBounds({0, 30, 100, 60});
    key(vk::Return);
    EXPECT_EQ(okClicks, 1);
    click({70, 5});
    key(vk::Return);
    EXPECT_EQ(otherClicks, 2);
    EXPECT_EQ(okClicks, 1);
    click({5, 50});
    key(vk::Return);
    EXPECT_EQ(okClicks, 2);
    key(vk::Return, {.shift = true});  // goes to the list box like any key
    EXPECT_EQ(okClicks, 2);
    ok.hide();
    form->setActiveControl(nullptr);
    key(vk::Return);
    EXPECT_EQ(screenKeys, (std::vector<std::uint16_t>{vk::Return}));
}

TEST_F(RoutingTest, TypingAndArrowsEditAFocusedMemo) {
    keysToScreen();
    TMemo& memo = form->make<TMemo>(form, "Memo");
    memo.setBounds({0, 0, 200, 100});
    memo.setLines({"ab", "čd"});
    click({5, 5});
    key(vk::Down);
    key(vk::Right);
    EXPECT_EQ(memo.caret(), (TMemo::Caret{1, 2}));  // past the two-byte "č"
    InputEvent typed;
    typed.type = InputEvent::Type::Text;
    typed.text = "ž";
    typed.window = form->window().id();
    platform.post(typed);
    application.processPending();
    key(vk::Back);
    key(vk::Back);
    EXPECT_EQ(memo.lines(), (std::vector<std::string>{"ab", "d"}));
    key(vk::Back);
    key(vk::Back);
    EXPECT_EQ(memo.lines(), (std::vector<std::string>{"ad"}));
    EXPECT_TRUE(screenKeys.empty());
}

class FocusForm : public TForm {
public:
    explicit FocusForm(TApplication& application) : TForm(application, "Focus") {}
    TMemo* memo = nullptr;

protected:
    void createControls() override {
        setClientSize({100, 100});
        TPanel& panel = make<TPanel>(this, "Panel");
        panel.setBounds({0, 0, 100, 100});
        memo = &make<TMemo>(&panel, "Memo");
        memo->setBounds({0, 0, 50, 50});
    }
};

TEST_F(RoutingTest, AShownScreenFocusesItsFirstTabStop) {
    FocusForm* focusForm = nullptr;
    application.createForm(focusForm);
    focusForm->showForm();
    EXPECT_EQ(application.activeForm(), focusForm);
    EXPECT_EQ(focusForm->activeControl(), focusForm->memo);
    EXPECT_EQ(form->activeControl(), nullptr);  // nothing on it takes a tab stop
}

TEST_F(RoutingTest, ClosingTheMainScreenEndsTheLoopAndOthersOnlyHide) {
    FocusForm* second = nullptr;
    application.createForm(second);
    second->showForm();
    post(InputEvent::Type::Close, {}, second);
    EXPECT_FALSE(second->visible());
    EXPECT_FALSE(application.terminated());
    post(InputEvent::Type::Close, {}, form);
    EXPECT_TRUE(application.terminated());
}

}  // namespace
