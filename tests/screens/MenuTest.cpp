#include "ScreenFixture.h"

namespace {

class MenuTest : public ScreenFixture {};

TEST_F(MenuTest, TheQuitIconEndsTheProgramEvenWithTheAboutBoxOpen) {
    click(*Form2->BitBtn1);
    ASSERT_TRUE(Form2->Panel9->showing());
    click(*Form2->Image3);
    EXPECT_TRUE(application.terminated());
}

TEST_F(MenuTest, TheBannersQuitLabelIsUnreachableWhileHiddenAndDisabled) {
    click(*Form2->Label7);
    EXPECT_FALSE(application.terminated());
    Form2->Label7->show();
    click(*Form2->Label7);
    EXPECT_FALSE(application.terminated());
    Form2->Label7->setEnabled(true);
    click(*Form2->Label7);
    EXPECT_TRUE(application.terminated());
}

TEST_F(MenuTest, TheVictoryPanelsQuitLabelEndsTheProgram) {
    Form2->Panel7->show();
    click(*Form2->Label6);
    EXPECT_TRUE(application.terminated());
}

TEST_F(MenuTest, TheAboutBoxTakesTheKeyboardUntilOkHidesIt) {
    EXPECT_EQ(Form2->activeControl(), nullptr);
    click(*Form2->BitBtn1);
    EXPECT_TRUE(Form2->Panel9->showing());
    EXPECT_EQ(Form2->activeControl(), Form2->BitBtn1);
    click(*Form2->BitBtn1);  // showing it again changes nothing
    EXPECT_TRUE(Form2->Panel9->showing());
    click(*Form2->ListBox1);
    EXPECT_EQ(Form2->activeControl(), Form2->ListBox1);
    int selected = Form2->ListBox1->itemIndex();
    key(vk::Down);
    EXPECT_EQ(Form2->ListBox1->itemIndex(), selected + 1);
    key(vk::Return);  // the default OK button, the list holding the focus
    EXPECT_FALSE(Form2->Panel9->visible());
    EXPECT_EQ(Form2->activeControl(), nullptr);
    click(*Form2->BitBtn1);
    click(*Form2->OKButton);
    EXPECT_FALSE(Form2->Panel9->visible());
    EXPECT_EQ(Form2->activeControl(), nullptr);
}

TEST_F(MenuTest, HidingAPanelGivesTheFocusOfItsMemoBackToTheScreen) {
    Form2->Panel7->show();
    click(*Form2->Memo1);
    EXPECT_EQ(Form2->activeControl(), Form2->Memo1);
    Form2->Panel7->hide();
    EXPECT_EQ(Form2->activeControl(), nullptr);
    Form2->Panel8->show();
    click(*Form2->Memo2);
    EXPECT_EQ(Form2->activeControl(), Form2->Memo2);
}

TEST_F(MenuTest, LinksOpenTheirAddresses) {
    click(*Form2->BitBtn1);
    click(*Form2->Label16);
    click(*Form2->Image6);
    click(*Form2->Label17);
    EXPECT_EQ(platform.openedDocuments,
              (std::vector<std::string>{kPublisherAddress, kPublisherAddress, kAuthorAddress}));
    EXPECT_EQ(Form2->Image6->hint(), kPublisherAddress);
}

TEST_F(MenuTest, HintsAppearAfterARestAndLeaveAfterTheirTime) {
    Point over = Form2->Image3->screenOffset();
    InputEvent move;
    move.type = InputEvent::Type::MouseMove;
    move.pos = {over.x + 3, over.y + 3};
    send(move, *Form2);
    EXPECT_EQ(static_cast<HeadlessPlatform::Window&>(Form2->window()).cursor, TCursor::crHandPoint);
    advance(499);
    EXPECT_FALSE(application.hints().showingHint());
    advance(1);
    EXPECT_TRUE(application.hints().showingHint());
    EXPECT_EQ(application.hints().text(), "Ukončit hru!");
    Point pause = Form2->Image4->screenOffset();
    move.pos = {pause.x + 3, pause.y + 3};
    send(move, *Form2);  // handed over at once
    EXPECT_EQ(application.hints().text(), "Pause");
    advance(2500);
    EXPECT_FALSE(application.hints().showingHint());
}

}  // namespace
