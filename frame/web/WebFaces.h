#pragma once
#include <string>
#include <vector>

// The web fonts loaded before the program started, and the choice of one
// for a face as fontconfig chooses a file: the first family on the face's
// list that a font has, then the weight nearest the one asked for. With none
// of the families there the first font stands in, as fontconfig's default
// face does natively.
class WebFaces {
public:
    struct Face {
        int index = 0;
        std::string file;
        int weight = 0;  // fontconfig's scale: 80 regular, 200 bold
        std::vector<std::string> families;
    };
    // fontconfig's weights for bold, the lightest that counts as bold, and
    // regular.
    static constexpr int kBold = 200;
    static constexpr int kDemiBold = 180;
    static constexpr int kRegular = 80;

    // From lines "file\tweight\tfamily\t...", a font a line, in order.
    explicit WebFaces(const std::string& lines);

    // Null when no font was loaded at all.
    const Face* choose(const std::vector<std::string>& families, bool bold) const;

private:
    const Face* nearestWeight(const std::string& family, int weight) const;

    std::vector<Face> faces_;
};
