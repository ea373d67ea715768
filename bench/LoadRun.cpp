#include "bench/LoadRun.h"

#include "bench/CountingPlatform.h"
#include "bench/LoadForm.h"
#include "bench/Measurement.h"
#include "bench/SdlPollingLoop.h"
#include "frame/Application.h"
#include "frame/sdl/SdlPlatform.h"

namespace {

ClockEdge startOnEdge(LoadForm& form, Platform& platform) {
    while (true) {
        ClockEdge edge = nextEdge(platform, steadyNanoseconds);
        if (form.start(edge)) return edge;
    }
}

std::int64_t nanoseconds(std::chrono::milliseconds ms) {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(ms).count();
}

}  // namespace

Figures measureLoop(Loop loop, RunLength length) {
    SdlPlatform sdl;
    CountingPlatform platform(sdl);
    TApplication application(platform, "orbitrove-bench");
    LoadForm* form = nullptr;
    application.createForm(form);
    ClockEdge edge = startOnEdge(*form, platform);
    Measurement measurement(application, platform, steadyNanoseconds, edge.ns + nanoseconds(length.warmUp),
                            nanoseconds(length.measured));
    form->setOnTick([&measurement](TickGrid& grid) { measurement.tick(grid); });
    if (loop == Loop::Frame) application.run();
    else runPollingLoop(application, platform);
    Size window{form->width(), form->height()};
    application.destroyForms();
    return measurement.figures(window);
}
