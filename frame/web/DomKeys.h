#pragma once
#include <cstdint>
#include <optional>
#include <string>

// The page's keys as the frame knows them. `key` is a keyboard event's
// `key` value: the character the key types in the user's layout, or the
// key's name ("ArrowLeft", "Enter", "F11").

// The virtual key code the desktop build gives the same key (letters by
// their capital whatever the Shift key, digits, F1 to F12, the arrows,
// Enter, Escape and the editing and modifier keys); 0 for the keys the
// frame does not know.
std::uint16_t virtualKeyOf(const std::string& key);

// The text a key types, when it types one character and no Ctrl or Meta
// key makes it a shortcut.
std::optional<std::string> typedText(const std::string& key, bool ctrl, bool meta);

// Whether a key switches the focused screen in or out of fullscreen: F11
// and Alt+Enter always do, Escape only leaves it.
bool togglesFullscreen(std::uint16_t virtualKey, bool alt, bool fullscreen);

// Whether the page keeps the browser from a key's own action (scrolling
// with the arrows and Space, going back with Backspace): every key the
// frame knows, but for shortcuts with Ctrl or Meta and the function keys
// other than F11 (reloading, the developer tools), which stay the browser's.
bool keepsFromBrowser(std::uint16_t virtualKey, bool ctrl, bool meta);
