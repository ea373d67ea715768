#pragma once
#include <iostream>

#include "frame/headless/HeadlessPlatform.h"
#include "frame/sdl/BmpFile.h"
#include "frame/sdl/SdlTypesetter.h"
#include "media/HeadlessMediaService.h"
#include "screens/Program.h"
#include "screens/Unit1.h"
#include "screens/Unit2.h"

// The whole program on the headless back end, as the simulator runs it, with
// the input a test sends it.
struct HeadlessProgram {
    bool start(std::ostream& errors = std::cerr) { return program.start(errors); }
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

    SdlTypesetter typesetter;
    BmpReader pictures;
    HeadlessPlatform platform{typesetter, pictures};
    Program program{platform, "orbitrove",
                    [](Scheduler& loop) { return std::make_unique<HeadlessMediaService>(loop); }};
    TApplication& application = program.application();
};
