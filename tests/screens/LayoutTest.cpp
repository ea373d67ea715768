#include "ScreenFixture.h"
#include "frame/TextLayout.h"

namespace {

struct Expected {
    const char* name;
    const char* parent;  // "" for the screen itself
    Rect bounds;
    bool visible = true;
    bool autoSized = false;  // the text decides the size: only the corner is fixed
};

// The game screen in creation order.
const Expected kControls[] = {
    {"Image1", "", {-56, -16, 640, 480}},
    {"enemy", "", {1, 1, 45, 33}},
    {"bedna1", "", {552, 35, 49, 33}},
    {"bedna2", "", {552, 67, 49, 33}},
    {"bedna3", "", {552, 100, 49, 33}},
    {"bedna4", "", {551, 163, 49, 33}},
    {"bedna5", "", {551, 195, 49, 33}},
    {"bedna6", "", {551, 293, 49, 33}},
    {"bedna7", "", {551, 323, 49, 33}},
    {"bedna8", "", {551, 356, 49, 33}},
    {"Image2", "", {424, 0, 211, 421}},
    {"shape1", "", {488, 11, 15, 2}},
    {"Shape2", "", {504, 146, 15, 2}},
    {"Shape3", "", {425, 247, 15, 2}},
    {"Shape4", "", {435, 409, 15, 2}},
    {"Panel1", "", {0, 421, 632, 25}},
    {"Image3", "Panel1", {5, 4, 19, 18}},
    {"Image4", "Panel1", {29, 4, 19, 18}},
    {"Image5", "Panel1", {68, 3, 338, 89}},
    {"Panel4", "Panel1", {411, 2, 74, 21}},
    {"Label4", "Panel4", {2, 4, 40, 13}, true, true},
    {"zivoty", "Panel4", {44, 4, 26, 13}},
    {"Panel5", "Panel1", {52, 2, 101, 21}},
    {"Label3", "Panel5", {2, 4, 38, 13}, true, true},
    {"score", "Panel5", {40, 4, 57, 13}},
    {"Panel6", "Panel1", {154, 2, 70, 21}},
    {"Label1", "Panel6", {2, 4, 36, 13}, true, true},
    {"BitBtn1", "Panel1", {570, 2, 60, 22}},
    {"Panel2", "Panel1", {486, 2, 83, 21}},
    {"Label2", "Panel2", {2, 4, 45, 13}, true, true},
    {"Label41", "Panel2", {45, 4, 15, 13}},
    {"Label42", "Panel2", {60, 4, 22, 13}},
    {"Panel3", "", {184, 160, 241, 89}},
    {"Label5", "Panel3", {2, 3, 237, 84}, true, true},
    {"Label7", "Panel3", {8, 72, 19, 13}, false, true},
    {"Label8", "Panel3", {184, 72, 51, 13}, false, true},
    {"Label10", "Panel3", {88, 70, 57, 13}},
    {"Panel7", "", {88, 56, 433, 249}, false},
    {"Label6", "Panel7", {8, 224, 19, 13}, true, true},
    {"Label9", "Panel7", {368, 224, 53, 13}, true, true},
    {"Label11", "Panel7", {38, 192, 92, 14}, true, true},
    {"Label12", "Panel7", {144, 184, 201, 29}},
    {"Memo1", "Panel7", {40, 16, 353, 161}},
    {"MediaPlayer1", "", {152, 24, 29, 30}, false},
    {"Panel8", "", {172, 96, 265, 57}, false},
    {"Memo2", "Panel8", {3, 8, 260, 41}},
    {"Panel9", "", {128, 32, 369, 369}, false},
    {"Panel10", "Panel9", {20, 8, 329, 161}},
    {"ProgramIcon", "Panel10", {16, 8, 45, 33}},
    {"ProductName", "Panel10", {96, 8, 122, 13}, true, true},
    {"Version", "Panel10", {96, 24, 116, 13}, true, true},
    {"AuthorLine", "Panel10", {16, 40, 94, 13}, true, true},
    {"Comments", "Panel10", {8, 104, 312, 39}},
    {"Label14", "Panel10", {160, 40, 75, 13}, true, true},
    {"Label15", "Panel10", {16, 64, 126, 13}, true, true},
    {"Label16", "Panel10", {40, 80, 75, 13}, true, true},
    {"Label17", "Panel10", {112, 40, 44, 13}, true, true},
    {"Image6", "Panel10", {152, 53, 100, 48}},
    {"OKButton", "Panel9", {151, 337, 75, 25}},
    {"ListBox1", "Panel9", {20, 180, 330, 153}},
    {"MediaPlayer2", "", {32, 56, 29, 30}, false},
};

class LayoutTest : public ScreenFixture {};

TEST_F(LayoutTest, EveryControlInCreationOrderWithItsParentAndBounds) {
    std::vector<std::string> order;
    for (auto& c : Form2->components())
        if (dynamic_cast<TControl*>(c.get())) order.push_back(c->name());
    ASSERT_EQ(order.size(), std::size(kControls));
    for (std::size_t i = 0; i < order.size(); ++i) {
        const Expected& e = kControls[i];
        SCOPED_TRACE(e.name);
        EXPECT_EQ(order[i], e.name);
        auto* control = dynamic_cast<TControl*>(Form2->component(e.name));
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->parent()->name(), *e.parent ? e.parent : "Form2");
        EXPECT_EQ(control->visible(), e.visible);
        if (e.autoSized) {
            EXPECT_EQ(control->left(), e.bounds.x);
            EXPECT_NEAR(control->width(), e.bounds.width, 25);
        } else {
            EXPECT_EQ(control->bounds(), e.bounds);
        }
    }
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
        if (auto* t = dynamic_cast<TTimer*>(c.get())) timers.push_back(t);
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

TEST_F(LayoutTest, ACrateAtItsStartShowsOnlyInItsBay) {
    // The crate's picture lies behind the station's wall except where the
    // bay is cut: the wall's colour covers the rest of its box.
    TImage* crate = Form2->bedna1;
    const Bitmap* picture = crate->picture();
    const Bitmap* station = Form2->Image2->picture();
    int shownInBay = 0;
    for (int y = 0; y < picture->height; ++y) {
        for (int x = 0; x < picture->width; ++x) {
            int wx = crate->left() + x, wy = crate->top() + y;
            Rgb stationPixel = station->at(wx - Form2->Image2->left(), wy - Form2->Image2->top());
            bool bay = stationPixel == station->bottomLeft();
            if (!bay) EXPECT_EQ(pixel(wx, wy), stationPixel) << wx << "," << wy;
            else if (picture->at(x, y) != picture->bottomLeft()) {
                ++shownInBay;
                EXPECT_EQ(pixel(wx, wy), picture->at(x, y)) << wx << "," << wy;
            }
        }
    }
    EXPECT_GT(shownInBay, 20);
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
    EXPECT_EQ(wrapText(notice.font(), notice.caption(), notice.width()).size(), 3u);
}

}  // namespace
