#pragma once
#include <string>
#include <vector>

// Face aliases as fontconfig reads them from a program's file: an alias puts
// its preferred families before the family it names, its accepted ones
// after it and its default ones at the end of the list. Families compare as
// fontconfig compares them, without case or blanks ("OCR A" is "OCRA").
class FaceAliases {
public:
    // Rules as lines: "alias\tFAMILY", each followed by its "prefer\tFAMILY",
    // "accept\tFAMILY" and "default\tFAMILY" lines.
    void add(const std::string& lines);
    // The families to look for, best first, for a face the layouts name.
    std::vector<std::string> families(const std::string& family) const;

    static bool sameFamily(const std::string& a, const std::string& b);

private:
    struct Alias {
        std::string family;
        std::vector<std::string> prefer, accept, fallback;
    };
    void apply(const Alias& alias, std::vector<std::string>& families) const;

    std::vector<Alias> aliases_;
};
