#pragma once
#include <SDL.h>

#include <string>
#include <vector>

// The program's icon for the window system's task bar and window list,
// read from a PNG file with its transparency.
class WindowIcon {
public:
    // No icon when the file is missing or unreadable: the windows then show
    // the desktop's default one, and the game runs all the same.
    explicit WindowIcon(const std::string& path);
    ~WindowIcon();
    WindowIcon(const WindowIcon&) = delete;
    WindowIcon& operator=(const WindowIcon&) = delete;

    // Null when there is no icon.
    SDL_Surface* surface() const { return surface_; }

private:
    std::vector<Uint32> pixels_;
    SDL_Surface* surface_ = nullptr;
};
