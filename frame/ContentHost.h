#pragma once
#include "frame/WindowContent.h"

// The narrow side of a windowed control that something outside the frame,
// such as a playing video, draws through.
class ContentHost {
public:
    virtual ~ContentHost() = default;
    // Drawn into the client area from now on; null: nothing.
    virtual void setContent(WindowContent* content) = 0;
    // The content has changed and wants painting.
    virtual void contentChanged() = 0;
    // Whether it can be seen now, its parents and screen too.
    virtual bool showing() const = 0;
};
