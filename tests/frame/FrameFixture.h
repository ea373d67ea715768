#pragma once
#include <gtest/gtest.h>

#include "frame/Application.h"
#include "frame/headless/HeadlessPlatform.h"

// An empty black screen on the headless back end, shown, with a virtual clock.
class TestForm : public TForm {
public:
    explicit TestForm(TApplication& application) : TForm(application, "Test") {}

protected:
    void createControls() override {
        setClientSize({200, 100});
        setColor(clBlack);
    }
};

class FrameFixture : public testing::Test {
protected:
    void SetUp() override {
        application.createForm(form);
        form->showForm();
        application.processPending();
    }
    void advance(std::uint64_t ms) { runFor(application, platform, ms); }
    void post(InputEvent::Type type, Point at = {}, TForm* target = nullptr) {
        InputEvent event;
        event.type = type;
        event.pos = at;
        event.window = (target ? target : form)->window().id();
        platform.post(event);
        application.processPending();
    }
    void click(Point at, TForm* target = nullptr) {
        post(InputEvent::Type::MouseDown, at, target);
        post(InputEvent::Type::MouseUp, at, target);
    }
    void key(std::uint16_t code, TShiftState shift = {}) {
        InputEvent event;
        event.type = InputEvent::Type::KeyDown;
        event.key = code;
        event.shift = shift;
        event.window = application.activeForm()->window().id();
        platform.post(event);
        application.processPending();
    }

    HeadlessPlatform platform;
    TApplication application{platform, "/usr/games/orbitrove"};
    TestForm* form = nullptr;
};
