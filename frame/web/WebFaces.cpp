#include "frame/web/WebFaces.h"

#include <cstdlib>
#include <sstream>

#include "frame/web/FaceAliases.h"

namespace {

std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> parts;
    std::istringstream in(line);
    for (std::string part; std::getline(in, part, '\t');) parts.push_back(part);
    return parts;
}

}  // namespace

WebFaces::WebFaces(const std::string& lines) {
    std::istringstream in(lines);
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> parts = fields(line);
        if (parts.size() < 3) continue;
        Face face{static_cast<int>(faces_.size()), parts[0], std::atoi(parts[1].c_str()), {}};
        face.families.assign(parts.begin() + 2, parts.end());
        faces_.push_back(face);
    }
}

const WebFaces::Face* WebFaces::choose(const std::vector<std::string>& families, bool bold) const {
    int weight = bold ? kBold : kRegular;
    for (const std::string& family : families)
        if (const Face* face = nearestWeight(family, weight)) return face;
    return faces_.empty() ? nullptr : nearestWeight(faces_.front().families.front(), weight);
}

const WebFaces::Face* WebFaces::nearestWeight(const std::string& family, int weight) const {
    const Face* best = nullptr;
    for (const Face& face : faces_) {
        bool named = false;
        for (const std::string& name : face.families) named = named || FaceAliases::sameFamily(name, family);
        if (named && (!best || std::abs(face.weight - weight) < std::abs(best->weight - weight))) best = &face;
    }
    return best;
}
