#pragma once
#include "frame/Canvas.h"

// Pictures that something other than the control draws into a windowed
// control's client area, such as a playing video. It is painted over the
// control's background and under its children.
class WindowContent {
public:
    virtual ~WindowContent() = default;
    // Paints in the control's own coordinates; the canvas clips to it.
    virtual void paint(Canvas& canvas) = 0;
};
