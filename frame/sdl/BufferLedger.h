#pragma once
#include <SDL.h>

#include <cstddef>
#include <optional>
#include <vector>

// Which of a window's buffers another party (the compositor) holds, and
// what each missed of the window's picture while it was held. A buffer
// handed over must show the whole picture as it is now: before it goes,
// what it missed is copied into it along with what is shown.
class BufferLedger {
public:
    // A buffer that holds nothing yet; its number.
    std::size_t add();
    std::size_t size() const { return buffers_.size(); }
    void clear() { buffers_.clear(); }
    // The other party let go of it.
    void release(std::size_t buffer);
    bool allHeld() const;

    // A free buffer to show `rects` of the picture `whole` in, marked held,
    // with `copy` set to what must be copied into it first; every other
    // buffer misses `rects`. None when every buffer is held: then they all
    // miss them.
    std::optional<std::size_t> take(const std::vector<SDL_Rect>& rects, const SDL_Rect& whole,
                                    std::vector<SDL_Rect>& copy);

private:
    struct Entry {
        bool held = false;
        bool missedAll = true;
        std::vector<SDL_Rect> missed;
    };

    std::vector<Entry> buffers_;
};
