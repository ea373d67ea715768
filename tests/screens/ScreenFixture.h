#pragma once
#include <gtest/gtest.h>

#include <iostream>

#include "frame/Application.h"
#include "frame/HeadlessPlatform.h"
#include "media/HeadlessMediaService.h"
#include "screens/Program.h"
#include "screens/Unit1.h"
#include "screens/Unit2.h"

// The program started on the headless back end, as the simulator starts it,
// and the game started from the title screen at once.
class ScreenFixture : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(startProgram(application, media, "orbitrove", std::cerr));
        application.showMainForm();
        application.processPending();
        Form1->start1Click(Form1->start1);
        application.processPending();
    }
    void advance(std::uint64_t ms) { runFor(application, platform, ms); }
    void send(InputEvent event, TForm& form) {
        event.window = form.window().id();
        platform.post(event);
        application.processPending();
    }
    void click(TControl& control) {
        Point offset = control.screenOffset();
        InputEvent event;
        event.pos = {offset.x + control.width() / 2, offset.y + control.height() / 2};
        event.type = InputEvent::Type::MouseDown;
        send(event, *control.form());
        event.type = InputEvent::Type::MouseUp;
        send(event, *control.form());
    }
    void key(std::uint16_t code) {
        InputEvent event;
        event.type = InputEvent::Type::KeyDown;
        event.key = code;
        send(event, *application.activeForm());
    }
    Rgb pixel(int x, int y) {
        application.processPending();
        return Form2->canvas().pixel(x, y);
    }

    HeadlessPlatform platform;
    HeadlessMediaService media{[this] { return platform.now(); }};
    TApplication application{platform, "orbitrove"};
};
