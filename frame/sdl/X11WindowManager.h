#pragma once
#include <X11/Xlib.h>

// Whether a window manager runs that moves the windows it manages only on
// its own: it offers its clients no _NET_MOVERESIZE_WINDOW, as weston's for
// XWayland, which also ignores the place in their configure requests.
bool movesWindowsOnlyItself(Display* display);
