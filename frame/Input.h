#pragma once
#include <cstdint>
#include <string>

#include "frame/Geometry.h"

// Modifier keys and mouse buttons held during an input event.
struct TShiftState {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
    bool left = false;
    bool right = false;
    bool middle = false;

    bool anyModifier() const { return shift || ctrl || alt; }
    bool operator==(const TShiftState&) const = default;
};

// Virtual key codes as the handlers see them.
namespace vk {
constexpr std::uint16_t Back = 8, Tab = 9, Return = 13, Shift = 16, Control = 17, Menu = 18, Escape = 27, Space = 32,
                        Prior = 33, Next = 34, End = 35, Home = 36, Left = 37, Up = 38, Right = 39, Down = 40,
                        Delete = 46;
}

enum class TCursor { crDefault, crHandPoint };
enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// One event from the window system, addressed to a window by its id.
struct InputEvent {
    enum class Type { KeyDown, Text, MouseMove, MouseDown, MouseUp, Wheel, MouseLeave, Close, FocusGained, Expose };
    Type type = Type::MouseMove;
    int window = 0;
    std::uint16_t key = 0;
    TShiftState shift;
    Point pos;
    TMouseButton button = TMouseButton::mbLeft;
    int wheel = 0;     // notches, positive away from the user
    std::string text;  // typed characters, UTF-8
};
