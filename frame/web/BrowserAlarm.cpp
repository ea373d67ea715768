#include "frame/web/BrowserAlarm.h"

#include <emscripten/em_macros.h>
#include <emscripten/eventloop.h>

namespace {
unsigned long ringCount = 0;
}

extern "C" EMSCRIPTEN_KEEPALIVE unsigned long orbitrove_alarm_rings() { return ringCount; }

void BrowserAlarm::set(std::uint64_t delayMs) {
    clear();
    timeout_ = emscripten_set_timeout(&BrowserAlarm::due, static_cast<double>(delayMs), this);
}

void BrowserAlarm::clear() {
    if (timeout_) emscripten_clear_timeout(timeout_);
    timeout_ = 0;
}

void BrowserAlarm::due(void* alarm) {
    auto* self = static_cast<BrowserAlarm*>(alarm);
    self->timeout_ = 0;
    ++ringCount;
    self->ring_();
}
