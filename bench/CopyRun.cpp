#include "bench/CopyRun.h"

#include <vector>

#include "bench/Figures.h"
#include "bench/TickGrid.h"
#include "frame/sdl/SdlPlatform.h"
#include "frame/sdl/SdlWindow.h"

namespace {

constexpr Size kScreen{632, 446};
constexpr int kWarmUp = 10;

// Stripes of every channel value, so that no copy can skip equal pixels.
Canvas stripes() {
    Canvas canvas(kScreen.width, kScreen.height);
    for (int y = 0; y < kScreen.height; ++y)
        canvas.hLine(0, y, kScreen.width, static_cast<Rgb>(y * 0x010305 & 0xFFFFFF));
    return canvas;
}

double medianUs(std::vector<std::int64_t> ns) { return spreadOf(std::move(ns)).medianMs * 1000; }

}  // namespace

CopyFigures measureCopy(int repetitions) {
    SdlPlatform platform;
    auto window = platform.createWindow(kScreen, WindowKind::Screen);
    auto& sdlWindow = static_cast<SdlWindow&>(*window);
    window->show();
    Canvas canvas = stripes();
    std::vector<std::int64_t> copies, uploads;
    for (int i = -kWarmUp; i < repetitions; ++i) {
        std::int64_t start = steadyNanoseconds();
        window->present(canvas, {{0, 0, kScreen.width, kScreen.height}});
        std::int64_t copied = steadyNanoseconds();
        sdlWindow.uploadPending();
        std::int64_t uploaded = steadyNanoseconds();
        if (i < 0) continue;
        copies.push_back(copied - start);
        uploads.push_back(uploaded - copied);
    }
    return {medianUs(std::move(copies)), medianUs(std::move(uploads))};
}
