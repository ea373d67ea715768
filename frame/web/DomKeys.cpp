#include "frame/web/DomKeys.h"

#include <map>

#include "frame/Input.h"

namespace {

constexpr std::uint16_t kF1 = 112, kF11 = 122, kF12 = 123;

const std::map<std::string, std::uint16_t>& namedKeys() {
    static const std::map<std::string, std::uint16_t> keys{
        {"ArrowLeft", vk::Left}, {"ArrowUp", vk::Up},    {"ArrowRight", vk::Right}, {"ArrowDown", vk::Down},
        {"Enter", vk::Return},   {"Escape", vk::Escape}, {" ", vk::Space},          {"Backspace", vk::Back},
        {"Tab", vk::Tab},        {"Delete", vk::Delete}, {"Home", vk::Home},        {"End", vk::End},
        {"PageUp", vk::Prior},   {"PageDown", vk::Next}, {"Shift", vk::Shift},      {"Control", vk::Control},
        {"Alt", vk::Menu},       {"AltGraph", vk::Menu},
    };
    return keys;
}

std::uint16_t functionKey(const std::string& key) {
    if (key.size() < 2 || key.size() > 3 || key[0] != 'F') return 0;
    int number = 0;
    for (char c : key.substr(1)) {
        if (c < '0' || c > '9') return 0;
        number = number * 10 + (c - '0');
    }
    return number >= 1 && number <= 12 ? static_cast<std::uint16_t>(kF1 + number - 1) : 0;
}

// The number of bytes of the UTF-8 sequence that starts with `lead`.
std::size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    return 4;
}

}  // namespace

std::uint16_t virtualKeyOf(const std::string& key) {
    if (key.size() == 1) {
        char c = key[0];
        if (c >= 'a' && c <= 'z') return static_cast<std::uint16_t>('A' + (c - 'a'));
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return static_cast<std::uint16_t>(c);
    }
    if (auto it = namedKeys().find(key); it != namedKeys().end()) return it->second;
    return functionKey(key);
}

std::optional<std::string> typedText(const std::string& key, bool ctrl, bool meta) {
    if (ctrl || meta || key.empty() || sequenceLength(static_cast<unsigned char>(key[0])) != key.size())
        return std::nullopt;
    return key;
}

bool togglesFullscreen(std::uint16_t virtualKey, bool alt, bool fullscreen) {
    return virtualKey == kF11 || (virtualKey == vk::Return && alt) || (virtualKey == vk::Escape && fullscreen);
}

bool keepsFromBrowser(std::uint16_t virtualKey, bool ctrl, bool meta) {
    bool function = virtualKey >= kF1 && virtualKey <= kF12;
    return virtualKey != 0 && !ctrl && !meta && (!function || virtualKey == kF11);
}
