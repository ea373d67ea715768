#include <regex>

#include "FrameFixture.h"
#include "frame/ErrorBox.h"
#include "frame/Exception.h"
#include "frame/Label.h"
#include "frame/Timer.h"

namespace {

class ErrorTest : public FrameFixture {
protected:
    ErrorBox* box() const { return dynamic_cast<ErrorBox*>(application.form("ErrorBox")); }
    std::string boxText() const {
        return box() ? static_cast<TLabel*>(box()->component("Message"))->caption() : std::string("(no box)");
    }
};

TEST_F(ErrorTest, AnErrorInAHandlerOpensAModalBoxWhileTicksGoOn) {
    int clicks = 0, ticks = 0;
    TLabel& label = form->make<TLabel>(form, "Label");
    label.setAutoSize(false);
    label.setBounds({0, 0, 50, 50});
    label.OnClick = [&](TComponent*) {
        ++clicks;
        throw Exception("ETest", "Broken");
    };
    TTimer& timer = form->make<TTimer>(application.scheduler(), "Timer");
    timer.setInterval(10);
    timer.setOnTimer([&](TComponent*) { ++ticks; });
    click({5, 5});
    ASSERT_NE(box(), nullptr);
    EXPECT_EQ(boxText(), "Broken.");
    EXPECT_EQ(static_cast<TControl*>(box()->component("Title"))->caption(), "orbitrove");
    advance(100);
    EXPECT_EQ(ticks, 10);
    click({5, 5});  // the box is modal: the screen below gets nothing
    EXPECT_EQ(clicks, 1);
    key(vk::Return);  // OK is the box's default button
    EXPECT_EQ(box(), nullptr);
    EXPECT_EQ(application.activeForm(), form);
    click({5, 5});
    EXPECT_EQ(clicks, 2);
}

TEST_F(ErrorTest, ATimerKeepsRunningAndReportsEachTick) {
    TTimer& timer = form->make<TTimer>(application.scheduler(), "Timer");
    timer.setInterval(10);
    int ticks = 0;
    timer.setOnTimer([&](TComponent*) {
        ++ticks;
        throw std::runtime_error("tick failed");
    });
    advance(30);
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(boxText(), "tick failed.");
}

// A control that cannot paint itself.
class BrokenPicture : public TControl {
public:
    using TControl::TControl;
    void paint(Canvas&) override { throw Exception("EInvalidGraphic", "Cannot draw the picture"); }
};

TEST_F(ErrorTest, AFailingPaintOpensTheBoxAndTheLoopGoesOn) {
    TTimer& timer = form->make<TTimer>(application.scheduler(), "Timer");
    timer.setInterval(10);
    int ticks = 0;
    timer.setOnTimer([&](TComponent*) { ++ticks; });
    BrokenPicture& broken = form->make<BrokenPicture>(form, "Broken");
    broken.setBounds({0, 0, 20, 20});
    application.processPending();
    EXPECT_EQ(boxText(), "Cannot draw the picture.");
    advance(50);
    EXPECT_EQ(ticks, 5);
    key(vk::Return);
    EXPECT_EQ(box(), nullptr);
}

TEST(ErrorText, TheDotRuleLooksAtTheLastCharacter) {
    EXPECT_EQ(errorBoxText("No MCI device open"), "No MCI device open.");
    EXPECT_EQ(errorBoxText("Done."), "Done.");
    EXPECT_EQ(errorBoxText("Stop!"), "Stop!");
    EXPECT_EQ(errorBoxText("Zvuk nelze přehrát: chyba č"), "Zvuk nelze přehrát: chyba č.");
    EXPECT_EQ(errorBoxText(""), "");
}

TEST(ErrorText, StartupFailureNamesClassModuleAndAddress) {
    Exception error("EMCIDeviceError", "The file could not be found");
    std::string text = startupErrorText(error, "/usr/games/orbitrove");
    EXPECT_TRUE(std::regex_match(
        text,
        std::regex("Exception EMCIDeviceError in module orbitrove at [0-9A-F]{16}\\.\nThe file could not be found\\.")))
        << text;
    std::runtime_error plain("Out of memory.");
    EXPECT_TRUE(std::regex_search(startupErrorText(plain, "orbitrove"), std::regex("\nOut of memory\\.$")));
}

TEST(ErrorText, TitleIsTheFileNameCutAtItsFirstDot) {
    EXPECT_EQ(applicationTitle("/usr/games/ORBITROVE.bin.x"), "Orbitrove");
    EXPECT_EQ(applicationTitle("orbitrove"), "orbitrove");
    EXPECT_EQ(applicationTitle("./Orbitrove-Sim"), "Orbitrove-sim");
}

class FailingShowForm : public TForm {
public:
    explicit FailingShowForm(TApplication& application) : TForm(application, "Failing") {
        OnShow = [](TComponent*) { throw std::runtime_error("show failed"); };
    }

protected:
    void createControls() override { setClientSize({10, 10}); }
};

TEST_F(ErrorTest, AScreenWhoseShowHandlerFailsIsShownAllTheSame) {
    FailingShowForm* failing = nullptr;
    application.createForm(failing);
    form->OnKeyDown = [&](TComponent*, std::uint16_t&, TShiftState) { failing->showForm(); };
    key(vk::Space);
    EXPECT_TRUE(failing->visible());
    EXPECT_EQ(boxText(), "show failed.");
}

}  // namespace
