#include "media/FirstMix.h"

#include <SDL_mixer.h>

// The hook goes before the opener may free this: it is the last thing here
// to use it.
void FirstMix::mix(void* self, std::uint8_t* stream, int bytes) {
    auto& first = *static_cast<FirstMix*>(self);
    std::lock_guard guard(first.mutex_);
    first.begun_ = true;
    if (first.givenUp_) Mix_HookMusic(nullptr, nullptr);
    else first.setUp_(stream, bytes);
    first.mixed_.notify_all();
}

void FirstMix::await() {
    std::unique_lock lock(mutex_);
    mixed_.wait(lock, [this] { return begun_; });
}

bool FirstMix::giveUp() {
    std::lock_guard guard(mutex_);
    givenUp_ = !begun_;
    return givenUp_;
}
