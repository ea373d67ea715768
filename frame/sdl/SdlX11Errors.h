#pragma once

// SDL wakes its waiting loop by sending an event to a window over a second
// X connection; when that window has just been destroyed (the program is
// ending) the server answers BadWindow, which Xlib's default handler turns
// into exit status 1. Installs a handler that drops that one harmless error
// and passes every other to the handler before it. Call it before SDL_Init:
// SDL restores the handler it found when it quits, and the error arrives
// only then.
void dropStaleX11Wakeups();
