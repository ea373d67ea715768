// The canvas typesetter's choice of a font for a face, as fontconfig makes
// it natively: the aliases' order of families, then the weight.
#include <gtest/gtest.h>

#include "frame/web/FaceAliases.h"
#include "frame/web/WebFaces.h"

namespace {

using Families = std::vector<std::string>;

TEST(FaceAliases, PreferredFamiliesGoBeforeAcceptedAfterAndDefaultsLast) {
    FaceAliases aliases;
    aliases.add("alias\tPapyrus\nprefer\tKaushan Script\nprefer\tBrush\naccept\tCursive One\ndefault\tSans\n");
    EXPECT_EQ(aliases.families("Papyrus"), (Families{"Kaushan Script", "Brush", "Papyrus", "Cursive One", "Sans"}));
    EXPECT_EQ(aliases.families("Arial"), (Families{"Arial"}));
}

TEST(FaceAliases, FamiliesMatchWithoutCaseOrBlanksAndOnlyTheFirstPlaceIsEdited) {
    FaceAliases aliases;
    aliases.add("alias\tWestminster\nprefer\tOCRA\n");
    EXPECT_EQ(aliases.families("west minster"), (Families{"OCRA", "west minster"}));
    EXPECT_TRUE(FaceAliases::sameFamily("OCR A", "ocra"));
    EXPECT_FALSE(FaceAliases::sameFamily("OCR A", "OCR B"));
}

TEST(FaceAliases, LaterAliasesApplyToWhatEarlierOnesAdded) {
    FaceAliases aliases;
    aliases.add("alias\tMS Sans Serif\nprefer\tArial\n");
    aliases.add("alias\tArial\nprefer\tLiberation Sans\nalias\tNobody\nprefer\tNothing\n");
    EXPECT_EQ(aliases.families("MS Sans Serif"), (Families{"Liberation Sans", "Arial", "MS Sans Serif"}));
}

TEST(FaceAliases, LinesOfNoRuleAreIgnored) {
    FaceAliases aliases;
    aliases.add("prefer\tOrphan\nnonsense\nalias\tA\nprefer\tB\nunknown\tC\n");
    EXPECT_EQ(aliases.families("A"), (Families{"B", "A"}));
}

const char* const kFonts =
    "LiberationSans-Regular.ttf\t80\tLiberation Sans\n"
    "LiberationSans-Bold.ttf\t200\tLiberation Sans\n"
    "KaushanScript-Regular.otf\t80\tKaushan Script\n"
    "OCRA.ttf\t100\tOCRA\tOCR A\n"
    "broken line\n";

std::string chosen(const WebFaces& faces, const Families& families, bool bold) {
    const WebFaces::Face* face = faces.choose(families, bold);
    return face ? face->file + " " + std::to_string(face->index) : "none";
}

TEST(WebFaces, TheFirstFamilyAFontHasWinsThenTheNearestWeight) {
    WebFaces faces(kFonts);
    EXPECT_EQ(chosen(faces, {"MS Sans Serif", "Liberation Sans", "DejaVu Sans"}, false),
              "LiberationSans-Regular.ttf 0");
    EXPECT_EQ(chosen(faces, {"MS Sans Serif", "Liberation Sans"}, true), "LiberationSans-Bold.ttf 1");
    EXPECT_EQ(chosen(faces, {"Kaushan Script", "Liberation Sans"}, true), "KaushanScript-Regular.otf 2");
    EXPECT_EQ(chosen(faces, {"ocr a"}, true), "OCRA.ttf 3");
}

TEST(WebFaces, WithNoneOfTheFamiliesTheFirstFontStandsInAndWithNoFontsNothing) {
    WebFaces faces(kFonts);
    EXPECT_EQ(chosen(faces, {"Papyrus"}, true), "LiberationSans-Bold.ttf 1");
    EXPECT_EQ(chosen(faces, {}, false), "LiberationSans-Regular.ttf 0");
    EXPECT_EQ(chosen(WebFaces(""), {"Liberation Sans"}, false), "none");
}

}  // namespace
