#include "frame/headless/HeadlessPlatform.h"

#include <algorithm>

#include "frame/Application.h"

std::unique_ptr<PlatformWindow> HeadlessPlatform::createWindow(Size, WindowKind) {
    return std::make_unique<Window>(nextWindowId_++);
}

bool HeadlessPlatform::nextEvent(InputEvent& event, int) {
    if (queue_.empty()) return false;
    event = queue_.front();
    queue_.pop_front();
    return true;
}

void runFor(TApplication& application, HeadlessPlatform& platform, std::uint64_t ms) {
    std::uint64_t target = platform.now() + ms;
    application.processPending();
    for (auto due = application.timers().nextDue(); due && *due <= target && !application.terminated();
         due = application.timers().nextDue()) {
        platform.setNow(std::max(*due, platform.now()));
        application.processPending();
    }
    platform.setNow(target);
    application.processPending();
}
