#include <random>

#include "ScreenFixture.h"

namespace {

// Random pointer and key input over the whole program, many times over: odd
// seeds begin on the title screen, even ones in the game. Nothing may crash
// (the sanitizer build watches memory), and the keyboard focus may only ever
// rest on a control that can be seen.
class RandomInputTest : public testing::TestWithParam<unsigned> {};

InputEvent randomEvent(std::mt19937& random) {
    using Type = InputEvent::Type;
    const Type types[] = {Type::MouseMove, Type::MouseDown, Type::MouseUp,   Type::KeyDown,
                          Type::Text,      Type::Wheel,     Type::MouseLeave};
    const std::uint16_t keys[] = {vk::Left,   vk::Up,   vk::Right, vk::Down,  vk::Return, vk::Space, vk::Back,
                                  vk::Delete, vk::Home, vk::End,   vk::Prior, vk::Next,   vk::Tab,   'A'};
    const char* texts[] = {"a", "ž", " ", "Ř", "\xE2\x82\xAC"};
    InputEvent event;
    event.type = types[random() % std::size(types)];
    event.pos = {static_cast<int>(random() % 700) - 30, static_cast<int>(random() % 500) - 30};
    event.button = random() % 5 == 0 ? TMouseButton::mbRight : TMouseButton::mbLeft;
    event.key = keys[random() % std::size(keys)];
    event.shift.shift = random() % 6 == 0;
    event.wheel = static_cast<int>(random() % 7) - 3;
    event.text = texts[random() % std::size(texts)];
    return event;
}

TEST_P(RandomInputTest, NothingBreaksAndTheFocusStaysOnShowingControls) {
    HeadlessProgram program;
    ASSERT_TRUE(program.start());
    TApplication& application = program.application;
    application.showMainForm();
    if (GetParam() % 2 == 0) Form1->start1Click(Form1->start1);
    std::mt19937 random(GetParam());
    for (int i = 0; i < 600 && !application.terminated(); ++i) {
        InputEvent event = randomEvent(random);
        // Keep away from the quit icon and "Exit" most of the time, so a run lasts.
        bool onQuitIcon = event.pos.y > 421 && event.pos.x < 28;
        if (onQuitIcon && random() % 8 != 0) continue;
        // The panels the game rules open, so their controls get input too.
        if (random() % 50 == 0) Form2->Panel7->setVisible(!Form2->Panel7->visible());
        if (random() % 50 == 0) Form2->Panel8->setVisible(!Form2->Panel8->visible());
        event.window = application.activeForm()->window().id();
        program.platform.post(event);
        program.advance(random() % 40);
        for (TForm* form : {static_cast<TForm*>(Form1), static_cast<TForm*>(Form2)}) {
            TWinControl* focus = form->activeControl();
            ASSERT_TRUE(focus == nullptr || focus->showing()) << focus->name() << " at event " << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomInputTest, testing::Range(1u, 9u));

}  // namespace
