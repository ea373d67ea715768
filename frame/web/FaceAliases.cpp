#include "frame/web/FaceAliases.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace {

std::string folded(const std::string& family) {
    std::string key;
    for (unsigned char c : family)
        if (!std::isspace(c)) key += static_cast<char>(std::tolower(c));
    return key;
}

}  // namespace

bool FaceAliases::sameFamily(const std::string& a, const std::string& b) { return folded(a) == folded(b); }

void FaceAliases::add(const std::string& lines) {
    std::istringstream in(lines);
    for (std::string line; std::getline(in, line);) {
        std::size_t tab = line.find('\t');
        if (tab == std::string::npos) continue;
        std::string kind = line.substr(0, tab), family = line.substr(tab + 1);
        if (kind == "alias") aliases_.push_back({family, {}, {}, {}});
        if (aliases_.empty()) continue;
        if (kind == "prefer") aliases_.back().prefer.push_back(family);
        if (kind == "accept") aliases_.back().accept.push_back(family);
        if (kind == "default") aliases_.back().fallback.push_back(family);
    }
}

// In the file's order, each alias on the list the earlier ones left, as
// fontconfig edits a pattern: only the first place the family is found.
std::vector<std::string> FaceAliases::families(const std::string& family) const {
    std::vector<std::string> families{family};
    for (const Alias& alias : aliases_) apply(alias, families);
    return families;
}

void FaceAliases::apply(const Alias& alias, std::vector<std::string>& families) const {
    auto at = std::find_if(families.begin(), families.end(),
                           [&](const std::string& named) { return sameFamily(named, alias.family); });
    if (at == families.end()) return;
    at = families.insert(at + 1, alias.accept.begin(), alias.accept.end()) - 1;
    families.insert(at, alias.prefer.begin(), alias.prefer.end());
    families.insert(families.end(), alias.fallback.begin(), alias.fallback.end());
}
