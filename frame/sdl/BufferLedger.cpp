#include "frame/sdl/BufferLedger.h"

namespace {

// Past this many rectangles a buffer missed, it is brought up to date whole.
constexpr std::size_t kMostMissed = 64;

}  // namespace

std::size_t BufferLedger::add() {
    buffers_.emplace_back();
    return buffers_.size() - 1;
}

void BufferLedger::release(std::size_t buffer) {
    if (buffer < buffers_.size()) buffers_[buffer].held = false;
}

bool BufferLedger::allHeld() const {
    for (const Entry& entry : buffers_)
        if (!entry.held) return false;
    return true;
}

std::optional<std::size_t> BufferLedger::take(const std::vector<SDL_Rect>& rects, const SDL_Rect& whole,
                                              std::vector<SDL_Rect>& copy) {
    std::optional<std::size_t> taken;
    for (std::size_t i = 0; i < buffers_.size() && !taken; ++i)
        if (!buffers_[i].held) taken = i;
    for (std::size_t i = 0; i < buffers_.size(); ++i) {
        Entry& entry = buffers_[i];
        if (i == taken) continue;
        entry.missed.insert(entry.missed.end(), rects.begin(), rects.end());
        if (entry.missed.size() > kMostMissed) entry.missedAll = true;
    }
    copy.clear();
    if (!taken) return taken;
    Entry& entry = buffers_[*taken];
    if (entry.missedAll) {
        copy.push_back(whole);
    } else {
        copy = entry.missed;
        copy.insert(copy.end(), rects.begin(), rects.end());
    }
    entry = {true, false, {}};
    return taken;
}
