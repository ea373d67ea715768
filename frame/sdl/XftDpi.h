#pragma once
#include <optional>

// The desktop's text resolution as its X resource database says
// (`Xft.dpi`), the setting desktops change when they scale.
std::optional<double> xftDpi(const char* resources);
// The same from the resources of the display named by DISPLAY.
std::optional<double> desktopXftDpi();
