#pragma once

// What copying a whole 632 x 446 screen to the window costs, as medians of
// many copies: into the window's surface (`PlatformWindow::present`), and
// from there to the X server.
struct CopyFigures {
    double copyMedianUs = 0;
    double uploadMedianUs = 0;
};

// Measures full-window copies in a real window on the display named by
// DISPLAY, at the scale the SDL back end chooses (ORBITROVE_SCALE sets it).
CopyFigures measureCopy(int repetitions);
