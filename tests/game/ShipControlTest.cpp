#include "GameFixture.h"

namespace {

class ShipControlTest : public GameFixture {
protected:
    Point ship() { return {Form2->enemy->left(), Form2->enemy->top()}; }
};

TEST_F(ShipControlTest, RowsWrapAroundAndColumnsStopAtTheEdges) {
    for (int row = 1; row <= 12; ++row) key(vk::Down);
    EXPECT_EQ(ship().y, 385);
    key(vk::Down);
    EXPECT_EQ(ship().y, 1);
    key(vk::Up);
    EXPECT_EQ(ship().y, 385);
    key(vk::Left);
    EXPECT_EQ(ship().x, 1);
    for (int column = 1; column <= 10; ++column) key(vk::Right);
    EXPECT_EQ(ship().x, 361);
    key(vk::Left);
    EXPECT_EQ(ship().x, 316);
}

TEST_F(ShipControlTest, ModifiersDoNotMatterAndOtherKeysDoNothing) {
    InputEvent event;
    event.type = InputEvent::Type::KeyDown;
    event.key = vk::Right;
    event.shift.ctrl = true;
    event.shift.shift = true;
    send(event, *Form2);
    EXPECT_EQ(ship().x, 46);
    for (std::uint16_t other : {vk::Space, vk::Return, vk::Home, std::uint16_t{65}}) key(other);
    EXPECT_EQ(ship(), (Point{46, 1}));
}

TEST_F(ShipControlTest, NoMoveWhilePausedOrWhileTheBannerShows) {
    click(*Form2->Image4);
    key(vk::Down);
    EXPECT_EQ(ship().y, 1);
    click(*Form2->Image4);
    Form2->Panel3->show();
    key(vk::Down);
    EXPECT_EQ(ship().y, 1);
    Form2->Panel3->hide();
    key(vk::Down);
    EXPECT_EQ(ship().y, 33);
}

TEST_F(ShipControlTest, ArrowsGoToAFocusedControlNotTheShip) {
    click(*Form2->BitBtn1);
    click(*Form2->ListBox1);
    key(vk::Down);
    EXPECT_EQ(ship().y, 1);
    click(*Form2->OKButton);
    key(vk::Down);
    EXPECT_EQ(ship().y, 33);
}

}  // namespace
