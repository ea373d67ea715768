#include <array>
#include <set>
#include <stdexcept>

#include "ScreenFixture.h"
#include "frame/TextLayout.h"
#include "game/LaneTables.h"

namespace {

// The controls of the game screen in creation order: the later ones are drawn over the earlier.
const char* const kCreationOrder[] = {
    "Image1",  "enemy",   "bedna1",  "bedna2",      "bedna3",      "bedna4",   "bedna5",      "bedna6",       "bedna7",
    "bedna8",  "Image2",  "shape1",  "Shape2",      "Shape3",      "Shape4",   "Panel1",      "Image3",       "Image4",
    "Image5",  "Panel4",  "Label4",  "zivoty",      "Panel5",      "Label3",   "score",       "Panel6",       "Label1",
    "BitBtn1", "Panel2",  "Label2",  "Label41",     "Label42",     "Panel3",   "Label5",      "Label7",       "Label8",
    "Label10", "Panel7",  "Label6",  "Label9",      "Label11",     "Label12",  "Memo1",       "MediaPlayer1", "Panel8",
    "Memo2",   "Panel9",  "Panel10", "ProgramIcon", "ProductName", "Version",  "AuthorLine",  "Comments",     "Label14",
    "Label15", "Label16", "Label17", "Image6",      "OKButton",    "ListBox1", "MediaPlayer2"};

struct Row {
    const char* name;
    const char* parent;
    Rect bounds;
};

// Rows that play and the rules depend on, with their exact places.
// clang-format off
const Row kRowsThatMatter[] = {
    {"enemy",        "Form2",  {1, 1, 45, 33}},
    {"bedna1",       "Form2",  {552, 35, 49, 33}},
    {"bedna2",       "Form2",  {552, 67, 49, 33}},
    {"bedna3",       "Form2",  {552, 100, 49, 33}},
    {"bedna4",       "Form2",  {551, 163, 49, 33}},
    {"bedna5",       "Form2",  {551, 195, 49, 33}},
    {"bedna6",       "Form2",  {551, 293, 49, 33}},
    {"bedna7",       "Form2",  {551, 323, 49, 33}},
    {"bedna8",       "Form2",  {551, 356, 49, 33}},
    {"Image2",       "Form2",  {424, 0, 211, 421}},
    {"shape1",       "Form2",  {488, 11, 15, 2}},
    {"Shape2",       "Form2",  {504, 146, 15, 2}},
    {"Shape3",       "Form2",  {425, 247, 15, 2}},
    {"Shape4",       "Form2",  {435, 409, 15, 2}},
    {"Panel1",       "Form2",  {0, 421, 632, 25}},
    {"zivoty",       "Panel4", {44, 4, 26, 13}},
    {"score",        "Panel5", {40, 4, 57, 13}},
    {"Label41",      "Panel2", {45, 4, 15, 13}},
    {"Label42",      "Panel2", {60, 4, 22, 13}},
    {"Panel3",       "Form2",  {184, 160, 241, 89}},
    {"Label10",      "Panel3", {88, 70, 57, 13}},
    {"Panel7",       "Form2",  {88, 56, 433, 249}},
    {"Label12",      "Panel7", {144, 184, 201, 29}},
    {"Panel8",       "Form2",  {172, 96, 265, 57}},
    {"Panel9",       "Form2",  {128, 32, 369, 369}},
    {"OKButton",     "Panel9", {151, 337, 75, 25}},
    {"MediaPlayer1", "Form2",  {152, 24, 29, 30}},
    {"MediaPlayer2", "Form2",  {32, 56, 29, 30}},
};
// clang-format on

std::vector<TControl*> controlsInCreationOrder() {
    std::vector<TControl*> controls;
    for (auto& c : Form2->components())
        if (auto* control = dynamic_cast<TControl*>(c)) controls.push_back(control);
    return controls;
}

TControl& control(const char* name) {
    auto* found = dynamic_cast<TControl*>(Form2->component(name));
    if (!found) throw std::runtime_error(std::string("no control ") + name);
    return *found;
}

bool inside(const Rect& inner, const Rect& outer) {
    return inner.x >= outer.x && inner.y >= outer.y && inner.right() <= outer.right() &&
           inner.bottom() <= outer.bottom();
}

// Where the crates and beams fly: the client area above the status bar.
Rect playField() { return {0, 0, Form2->clientRect().width, Form2->Panel1->top()}; }

std::array<TImage*, 8> crates() {
    return {Form2->bedna1, Form2->bedna2, Form2->bedna3, Form2->bedna4,
            Form2->bedna5, Form2->bedna6, Form2->bedna7, Form2->bedna8};
}

class LayoutTest : public ScreenFixture {
protected:
    int pixelsShownInTheBay(const TImage& crate);
};

TEST_F(LayoutTest, ControlsAreCreatedInTheirOrder) {
    std::vector<std::string> names;
    for (TControl* c : controlsInCreationOrder()) names.push_back(c->name());
    EXPECT_EQ(names, std::vector<std::string>(std::begin(kCreationOrder), std::end(kCreationOrder)));
}

TEST_F(LayoutTest, TheRowsThatPlayDependsOnHaveTheirParentsAndBounds) {
    for (const Row& row : kRowsThatMatter) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(control(row.name).parent()->name(), row.parent);
        EXPECT_EQ(control(row.name).bounds(), row.bounds);
    }
}

// The background, the station and the title lettering are larger than
// what shows of them; everything else lies inside its parent.
TEST_F(LayoutTest, EveryOtherControlLiesInsideItsParent) {
    const std::set<std::string> overhanging = {"Image1", "Image2", "Image5"};
    for (TControl* c : controlsInCreationOrder()) {
        if (overhanging.contains(c->name())) continue;
        EXPECT_TRUE(inside(c->bounds(), c->parent()->clientRect())) << c->name() << " in " << c->parent()->name();
    }
}

TEST_F(LayoutTest, TheStatusBarSpansTheBottomOfTheClientArea) {
    const Rect client = Form2->clientRect();
    EXPECT_EQ(Form2->Panel1->left(), 0);
    EXPECT_EQ(Form2->Panel1->width(), client.width);
    EXPECT_EQ(Form2->Panel1->bounds().bottom(), client.bottom());
}

// No overlay hides the quit and pause icons.
TEST_F(LayoutTest, TheOverlayPanelsLieAboveTheStatusBar) {
    for (TPanel* panel : {Form2->Panel3, Form2->Panel7, Form2->Panel8, Form2->Panel9})
        EXPECT_TRUE(inside(panel->bounds(), playField())) << panel->name();
}

// On its catch row the ship's 33 rows cover the crate's picture, and the
// lanes' pictures lie one under another without touching.
TEST_F(LayoutTest, EachCrateStartsInTheFieldOnItsLanesRow) {
    const std::array<TImage*, 8> all = crates();
    const int pictureHeight = Form2->bedna1->picture()->height;
    for (std::size_t lane = 0; lane < all.size(); ++lane) {
        const TImage& crate = *all[lane];
        SCOPED_TRACE(crate.name());
        EXPECT_TRUE(inside(crate.bounds(), playField()));
        EXPECT_TRUE(crate.left() == lanes::kCrateLaunchLeft || crate.left() == lanes::kCrateReturnLeft);
        EXPECT_GE(crate.top(), lanes::kCatchRows[lane]);
        EXPECT_LE(crate.top() + pictureHeight, lanes::kCatchRows[lane] + Form2->enemy->height());
        if (lane > 0) {
            EXPECT_GE(crate.top(), all[lane - 1]->top() + pictureHeight);
        }
    }
}

TEST_F(LayoutTest, EachBeamStartsAtItsLanesGunOnItsHitRow) {
    const std::array<TShape*, 4> beams = {Form2->shape1, Form2->Shape2, Form2->Shape3, Form2->Shape4};
    for (std::size_t lane = 0; lane < beams.size(); ++lane) {
        const TShape& beam = *beams[lane];
        SCOPED_TRACE(beam.name());
        EXPECT_EQ(beam.left(), lanes::kLaserLanes[lane].start);
        EXPECT_GE(beam.top(), lanes::kLaserLanes[lane].hitRow);
        EXPECT_LE(beam.bounds().bottom(), lanes::kLaserLanes[lane].hitRow + Form2->enemy->height());
    }
}

TEST_F(LayoutTest, TheAboutBoxReadsTopToBottom) {
    EXPECT_LE(Form2->Panel10->bounds().bottom(), Form2->ListBox1->top());
    EXPECT_LE(Form2->ListBox1->bounds().bottom(), Form2->OKButton->top());
}

TEST_F(LayoutTest, PicturesButtonsAndTextsCarryTheirFlags) {
    for (TImage* sprite : {Form2->enemy, Form2->bedna1, Form2->bedna8, Form2->Image2, Form2->Image3, Form2->Image5})
        EXPECT_TRUE(sprite->transparent()) << sprite->name();
    for (TImage* opaque : {Form2->Image1, Form2->Image6}) EXPECT_FALSE(opaque->transparent()) << opaque->name();
    EXPECT_FALSE(Form2->bedna1->autoSize());  // 49 x 33 boxes round a 48 x 27 picture
    EXPECT_TRUE(Form2->ProgramIcon->stretch());
    EXPECT_EQ(Form2->ProgramIcon->picture(), Form2->enemy->picture());
    EXPECT_EQ(Form2->shape1->brushColor(), 8454143u);
    EXPECT_EQ(Form2->shape1->penColor(), 8453888u);
    EXPECT_EQ(Form2->Label5->align(), TAlign::alBottom);
    EXPECT_EQ(Form2->Label10->alignment(), TAlignment::taCenter);
    EXPECT_TRUE(Form2->Comments->wordWrap());
    EXPECT_TRUE(Form2->Label7->transparent());
    EXPECT_FALSE(Form2->score->transparent());
    EXPECT_TRUE(Form2->OKButton->isDefault());
    EXPECT_EQ(Form2->OKButton->modalResult(), 1);
    EXPECT_FALSE(Form2->BitBtn1->tabStop());
    EXPECT_EQ(Form2->BitBtn1->cursor(), TCursor::crHandPoint);
}

TEST_F(LayoutTest, TheScreenIsAFixedBlackWindowCentredOnFirstShow) {
    EXPECT_EQ(Form2->bounds(), (Rect{(1024 - 632) / 2, (768 - 446) / 2, 632, 446}));
    EXPECT_EQ(Form2->caption(), "Orbitrove");
    EXPECT_EQ(Form2->color(), clBlack);
}

TEST_F(LayoutTest, TheBannerReadsLevelOneAndItsEndLabelsWaitHiddenAndDisabled) {
    EXPECT_TRUE(Form2->Panel3->showing());
    EXPECT_EQ(Form2->Label5->caption(), "Level 1");
    EXPECT_EQ(Form2->Label5->bounds().bottom(), 87);
    EXPECT_EQ(Form2->Label5->width(), 237);
    for (TLabel* label : {Form2->Label7, Form2->Label8}) {
        EXPECT_FALSE(label->visible());
        EXPECT_FALSE(label->enabled());
        EXPECT_EQ(label->cursor(), TCursor::crHandPoint);
    }
    EXPECT_EQ(Form2->Label10->hint(), "Tvé dosažené skóre");
    EXPECT_TRUE(Form2->Label10->showHint());
}

// As loaded: the banner waits with its end labels hidden, the other overlays and the players are hidden.
TEST(LoadedControls, OnlyTheEndLabelsOverlaysAndPlayersAreHiddenOrDisabled) {
    HeadlessProgram program;
    ASSERT_TRUE(program.start());
    const std::set<std::string> hidden = {"Label7", "Label8", "Panel7",      "MediaPlayer1",
                                          "Panel8", "Panel9", "MediaPlayer2"};
    const std::set<std::string> disabled = {"Label7", "Label8", "MediaPlayer2"};
    for (TControl* c : controlsInCreationOrder()) {
        EXPECT_EQ(c->visible(), !hidden.contains(c->name())) << c->name();
        EXPECT_EQ(c->enabled(), !disabled.contains(c->name())) << c->name();
    }
}

// As loaded, before the screen is first shown (showing starts the level timer).
TEST(LoadedTimers, InCreationOrderWithTheirIntervals) {
    HeadlessProgram program;
    ASSERT_TRUE(program.start());
    const std::pair<const char*, std::uint32_t> expected[] = {
        {"Timer1", 50},  {"Timer2", 50},   {"Timer3", 50},    {"Timer4", 50},     {"Timer5", 50},  {"Timer6", 50},
        {"Timer7", 60},  {"Timer8", 50},   {"ridic", 3000},   {"Timer9", 20},     {"Timer10", 20}, {"Timer11", 20},
        {"Timer12", 20}, {"ridic1", 2000}, {"Timer13", 3000}, {"Timer14", 245000}};
    std::vector<TTimer*> timers;
    for (auto& c : Form2->components())
        if (auto* t = dynamic_cast<TTimer*>(c)) timers.push_back(t);
    ASSERT_EQ(timers.size(), std::size(expected));
    for (std::size_t i = 0; i < timers.size(); ++i) {
        EXPECT_EQ(timers[i]->name(), expected[i].first);
        EXPECT_EQ(timers[i]->interval(), expected[i].second);
        EXPECT_EQ(timers[i]->enabled(), i + 1 == timers.size());
    }
}

TEST_F(LayoutTest, BeamsShowAsSpringGreenBarsOverTheStation) {
    for (TShape* beam : {Form2->shape1, Form2->Shape2, Form2->Shape3, Form2->Shape4})
        for (int dy = 0; dy < 2; ++dy)
            for (int dx = 0; dx < 15; ++dx) EXPECT_EQ(pixel(beam->left() + dx, beam->top() + dy), 0x00FF80u);
}

// A crate's picture lies behind the station's wall except where its bay is
// cut: the wall's colour covers the rest of its box.
int LayoutTest::pixelsShownInTheBay(const TImage& crate) {
    const Bitmap* picture = crate.picture();
    const Bitmap* station = Form2->Image2->picture();
    int shownInBay = 0;
    for (int y = 0; y < picture->height; ++y) {
        for (int x = 0; x < picture->width; ++x) {
            int wx = crate.left() + x, wy = crate.top() + y;
            Rgb stationPixel = station->at(wx - Form2->Image2->left(), wy - Form2->Image2->top());
            bool bay = stationPixel == station->bottomLeft();
            if (!bay) EXPECT_EQ(pixel(wx, wy), stationPixel) << wx << "," << wy;
            else if (picture->at(x, y) != picture->bottomLeft()) {
                ++shownInBay;
                EXPECT_EQ(pixel(wx, wy), picture->at(x, y)) << wx << "," << wy;
            }
        }
    }
    return shownInBay;
}

TEST_F(LayoutTest, EachCrateAtItsStartShowsOnlyInItsBay) {
    for (const TImage* crate : crates()) EXPECT_GT(pixelsShownInTheBay(*crate), 20) << crate->name();
}

TEST_F(LayoutTest, TheStatusBarReadsLeftToRight) {
    std::vector<TControl*> order = {Form2->Image3, Form2->Image4, Form2->Panel5, Form2->Panel6,
                                    Form2->Panel4, Form2->Panel2, Form2->BitBtn1};
    for (std::size_t i = 1; i < order.size(); ++i)
        EXPECT_GE(order[i]->left(), order[i - 1]->left() + order[i - 1]->width()) << order[i]->name();
    // The title lettering's visible part falls in the gap between the level box and the lives box.
    int letteringLeft = Form2->Image5->left() + 158;
    EXPECT_GE(letteringLeft, Form2->Panel6->left() + Form2->Panel6->width());
    EXPECT_LE(Form2->Image5->left() + Form2->Image5->width(), Form2->Panel4->left());
    EXPECT_EQ(Form2->Label4->caption(), "Životy:");
    EXPECT_EQ(Form2->Label3->caption(), "Skóre:");
    EXPECT_EQ(Form2->Label1->caption(), "Level:");
    EXPECT_EQ(Form2->Label2->caption(), "Náklad:");
}

TEST_F(LayoutTest, TheAboutBoxTextsHaveTheirStructure) {
    EXPECT_EQ(Form2->Memo1->lines().size(), 14u);
    EXPECT_EQ(Form2->Memo1->lines().front(), "GAME OVER");
    EXPECT_EQ(Form2->Memo1->lines()[12], " ");
    EXPECT_EQ(Form2->Memo2->lines().size(), 4u);
    EXPECT_EQ(Form2->Memo2->lines().back(), "");
    const auto& about = Form2->ListBox1->items();
    ASSERT_EQ(about.size(), 33u);
    EXPECT_EQ(about[0], "Úvod:");
    EXPECT_EQ(about[21], "");
    EXPECT_EQ(about[22], "Ovládání:");
    EXPECT_EQ(about[25], "Nápověda:");
    EXPECT_EQ(Form2->ListBox1->visibleCount(), 11);
    EXPECT_EQ(Form2->ProductName->caption(), "Ferrowind: Orbitrove");
    EXPECT_EQ(Form2->Version->caption(), "Verze: beta-verze 0.9.10");
    EXPECT_EQ(Form2->Label14->caption(), "Created in 2002");
    EXPECT_EQ(Form2->Comments->height(), 39);  // three wrapped lines
}

TEST_F(LayoutTest, TheUsageNoticeNamesTheLicenceInItsThreeLines) {
    const TLabel& notice = *Form2->Comments;
    EXPECT_NE(notice.caption().find("svobodný software"), std::string::npos);
    EXPECT_NE(notice.caption().find("GNU GPL verze 3 nebo kterékoli pozdější"), std::string::npos);
    EXPECT_EQ(wrapText(notice.typesetter(), notice.font(), notice.caption(), notice.width()).size(), 3u);
}

}  // namespace
