#include "screens/Unit2.h"

#include "frame/Application.h"
#include "screens/Layout.h"
#include "screens/Unit2Texts.h"

TForm2* Form2 = nullptr;

const char* const kPublisherAddress = "https://nebulka.example.org/";
const char* const kAuthorAddress = "https://example.org/~hvezdar/";

namespace {

const TFont kScreenFont{"MS Sans Serif", 11, false, clWindowText};
const TFont kStatusFont{"MS Sans Serif", 11, true, clCream};
const TFont kBannerFont{"Papyrus", 53, true, clMoneyGreen};
const TFont kSmallLight{"MS Sans Serif", 11, false, clWindow};
const TFont kTinyLight{"MS Sans Serif", 9, false, clWindow};
const TFont kLinkFont{"MS Sans Serif", 11, true, clAqua};
const TFont kAliasFont{"MS Sans Serif", 8, true, clAqua};

constexpr TColor kBeamFill = 8454143;  // pale yellow
constexpr TColor kBeamPen = 8453888;   // spring green

const Common kHidden{.hidden = true};
const Common kHand{.hand = true};
const PanelLook kStatusBox{.outer = TBevelCut::bvNone, .inner = TBevelCut::bvLowered, .color = clBackground};

}  // namespace

TForm2::TForm2(TApplication& application, MediaService& media) : TForm(application, "Form2"), media_(media) {}

void TForm2::createControls() {
    setCaption("Orbitrove");
    setColor(clBlack);
    setFont(kScreenFont);
    setClientSize({632, 446});
    LayoutBuilder b(*this, media_);
    createPlayField(b);
    createStatusBar(b);
    createPanels(b);
    createAboutBox(b);
    createMusicPlayer(b);
    createTimers(b);
    connectHandlers();
    connectRules();
}

void TForm2::createPlayField(LayoutBuilder& b) {
    const ImageLook crate{.picture = "crate.bmp", .transparent = true};
    b.image(Image1, "Image1", this, {-56, -16, 640, 480}, {.picture = "background.bmp", .autoSize = true});
    b.image(enemy, "enemy", this, {1, 1, 45, 33}, {.picture = "ship.bmp", .autoSize = true, .transparent = true});
    b.image(bedna1, "bedna1", this, {552, 35, 49, 33}, crate);
    b.image(bedna2, "bedna2", this, {552, 67, 49, 33}, crate);
    b.image(bedna3, "bedna3", this, {552, 100, 49, 33}, crate);
    b.image(bedna4, "bedna4", this, {551, 163, 49, 33}, crate);
    b.image(bedna5, "bedna5", this, {551, 195, 49, 33}, crate);
    b.image(bedna6, "bedna6", this, {551, 293, 49, 33}, crate);
    b.image(bedna7, "bedna7", this, {551, 323, 49, 33}, crate);
    b.image(bedna8, "bedna8", this, {551, 356, 49, 33}, crate);
    b.image(Image2, "Image2", this, {424, 0, 211, 421},
            {.picture = "station.bmp", .autoSize = true, .transparent = true});
    b.shape(shape1, "shape1", this, {488, 11, 15, 2}, kBeamFill, kBeamPen);
    b.shape(Shape2, "Shape2", this, {504, 146, 15, 2}, kBeamFill, kBeamPen);
    b.shape(Shape3, "Shape3", this, {425, 247, 15, 2}, kBeamFill, kBeamPen);
    b.shape(Shape4, "Shape4", this, {435, 409, 15, 2}, kBeamFill, kBeamPen);
}

void TForm2::createStatusBar(LayoutBuilder& b) {
    b.panel(Panel1, "Panel1", this, {0, 421, 632, 25}, {.outer = TBevelCut::bvLowered, .tabOrder = 0});
    b.image(Image3, "Image3", Panel1, {5, 4, 19, 18}, {.picture = "quit.bmp", .autoSize = true, .transparent = true},
            {.hand = true, .hint = "Ukončit hru!"});
    b.image(Image4, "Image4", Panel1, {29, 4, 19, 18}, {.picture = "pause.bmp", .autoSize = true, .transparent = true},
            {.hand = true, .hint = "Pause"});
    b.image(Image5, "Image5", Panel1, {68, 3, 338, 89},
            {.picture = "title.bmp", .autoSize = true, .transparent = true});
    b.panel(Panel4, "Panel4", Panel1, {411, 2, 74, 21}, kStatusBox);
    b.label(Label4, "Label4", Panel4, {2, 4, 40, 13}, {.caption = "Životy:", .font = kStatusFont});
    b.label(zivoty, "zivoty", Panel4, {44, 4, 26, 13}, {.font = kStatusFont, .fixedSize = true});
    b.panel(Panel5, "Panel5", Panel1, {52, 2, 101, 21}, kStatusBox);
    b.label(Label3, "Label3", Panel5, {2, 4, 38, 13}, {.caption = "Skóre:", .font = kStatusFont});
    b.label(score, "score", Panel5, {40, 4, 57, 13}, {.font = kStatusFont, .fixedSize = true});
    b.panel(Panel6, "Panel6", Panel1, {154, 2, 70, 21}, kStatusBox);
    b.label(Label1, "Label1", Panel6, {2, 4, 36, 13}, {.caption = "Level:", .font = kStatusFont});
    b.bitButton(BitBtn1, "BitBtn1", Panel1, {570, 2, 60, 22},
                {.caption = "O hře",
                 .font = {"MS Sans Serif", 11, true, clBackground},
                 .tabStop = false,
                 .glyph = "help.bmp",
                 .disabledGlyph = "help_disabled.bmp"},
                kHand);
    b.panel(Panel2, "Panel2", Panel1, {486, 2, 83, 21}, kStatusBox);
    b.label(Label2, "Label2", Panel2, {2, 4, 45, 13}, {.caption = "Náklad:", .font = kStatusFont});
    b.label(Label41, "Label41", Panel2, {45, 4, 15, 13}, {.font = kStatusFont, .fixedSize = true});
    b.label(Label42, "Label42", Panel2, {60, 4, 22, 13}, {.font = kStatusFont, .fixedSize = true});
}

void TForm2::createPanels(LayoutBuilder& b) {
    b.panel(Panel3, "Panel3", this, {184, 160, 241, 89},
            {.inner = TBevelCut::bvRaised, .color = clBlack, .caption = "Panel3", .tabOrder = 1});
    b.label(Label5, "Label5", Panel3, {2, 3, 237, 84},
            {.caption = "Level 1",
             .font = kBannerFont,
             .alignment = TAlignment::taCenter,
             .align = TAlign::alBottom,
             .color = clBlack});
    const Common quitOrNew{.hidden = true, .disabled = true, .hand = true};
    b.label(Label7, "Label7", Panel3, {8, 72, 19, 13}, {.caption = "Quit", .font = kSmallLight, .transparent = true},
            quitOrNew);
    b.label(Label8, "Label8", Panel3, {184, 72, 51, 13},
            {.caption = "New game", .font = kSmallLight, .transparent = true}, quitOrNew);
    b.label(Label10, "Label10", Panel3, {88, 70, 57, 13},
            {.font = kTinyLight, .transparent = true, .fixedSize = true, .alignment = TAlignment::taCenter},
            {.hint = "Tvé dosažené skóre"});

    b.panel(Panel7, "Panel7", this, {88, 56, 433, 249},
            {.outer = TBevelCut::bvLowered,
             .inner = TBevelCut::bvSpace,
             .color = clBlack,
             .caption = "Panel7",
             .tabOrder = 2},
            kHidden);
    b.label(Label6, "Label6", Panel7, {8, 224, 19, 13}, {.caption = "Quit", .font = kSmallLight}, kHand);
    b.label(Label9, "Label9", Panel7, {368, 224, 53, 13}, {.caption = "New Game", .font = kSmallLight}, kHand);
    b.label(Label11, "Label11", Panel7, {38, 192, 92, 14},
            {.caption = "Dosáhl jsi skóre:", .font = {"Arial", 11, true, clWindow}});
    b.label(Label12, "Label12", Panel7, {144, 184, 201, 29},
            {.font = {"MS Sans Serif", 23, false, clWindow}, .fixedSize = true});
    b.memo(Memo1, "Memo1", Panel7, {40, 16, 353, 161},
           {.font = kSmallLight, .color = clNone, .alignment = TAlignment::taCenter}, kVictoryText);

    b.mediaPlayer(MediaPlayer1, "MediaPlayer1", this, {152, 24, 29, 30}, {.fileName = "data/laser.wav", .tabOrder = 3},
                  kHidden);

    b.panel(Panel8, "Panel8", this, {172, 96, 265, 57},
            {.inner = TBevelCut::bvLowered, .color = clBlack, .caption = "Panel8", .tabOrder = 4}, kHidden);
    b.memo(Memo2, "Memo2", Panel8, {3, 8, 260, 41},
           {.font = {"MS Sans Serif", 11, false, clMoneyGreen}, .color = clBlack, .alignment = TAlignment::taCenter},
           kGameOverText);
}

void TForm2::createAboutBox(LayoutBuilder& b) {
    const PanelLook framed{
        .outer = TBevelCut::bvLowered, .inner = TBevelCut::bvRaised, .borderWidth = 1, .color = clBlack};
    PanelLook aboutBox = framed;
    aboutBox.caption = "Panel9";
    aboutBox.tabOrder = 5;
    b.panel(Panel9, "Panel9", this, {128, 32, 369, 369}, aboutBox, kHidden);
    b.panel(Panel10, "Panel10", Panel9, {20, 8, 329, 161}, framed);
    Panel10->setFont({"MS Sans Serif", 8, false, clWindowText});
    b.image(ProgramIcon, "ProgramIcon", Panel10, {16, 8, 45, 33},
            {.picture = "ship.bmp", .autoSize = true, .transparent = true, .stretch = true});
    b.label(ProductName, "ProductName", Panel10, {96, 8, 122, 13},
            {.caption = "Ferrowind: Orbitrove", .font = kSmallLight});
    b.label(Version, "Version", Panel10, {96, 24, 116, 13},
            {.caption = "Verze: beta-verze 0.9.10", .font = kSmallLight});
    b.label(AuthorLine, "AuthorLine", Panel10, {16, 40, 94, 13},
            {.caption = "Autor: Jan Hvězda", .font = kSmallLight, .transparent = true});
    b.label(Comments, "Comments", Panel10, {8, 104, 312, 39},
            {.caption = "Tato hra je svobodný software: smíte ji šířit a upravovat podle licence GNU GPL "
                        "verze 3 nebo kterékoli pozdější. Šíří se bez jakékoli záruky.",
             .font = {"Times New Roman", 11, true, clWindow},
             .wordWrap = true});
    b.label(Label14, "Label14", Panel10, {160, 40, 75, 13}, {.caption = "Created in 2002", .font = kSmallLight});
    b.label(Label15, "Label15", Panel10, {16, 64, 126, 13},
            {.caption = "Vytvořeno ve spolupráci s:", .font = kSmallLight, .transparent = true});
    b.label(Label16, "Label16", Panel10, {40, 80, 75, 13}, {.caption = "Studio Nebulka", .font = kLinkFont}, kHand);
    b.label(Label17, "Label17", Panel10, {112, 40, 44, 13}, {.caption = "(Hvězdář)", .font = kAliasFont}, kHand);
    b.image(Image6, "Image6", Panel10, {152, 53, 100, 48}, {.picture = "publisher.bmp", .autoSize = true},
            {.hand = true, .hint = kPublisherAddress});
    b.button(OKButton, "OKButton", Panel9, {151, 337, 75, 25},
             {.caption = "OK", .font = kScreenFont, .tabOrder = 1, .isDefault = true, .modalResult = 1}, kHand);
    b.listBox(ListBox1, "ListBox1", Panel9, {20, 180, 330, 153}, {.font = kSmallLight, .color = clBlack, .tabOrder = 2},
              kAboutText);
}

void TForm2::createMusicPlayer(LayoutBuilder& b) {
    b.mediaPlayer(MediaPlayer2, "MediaPlayer2", this, {32, 56, 29, 30}, {.fileName = "data/song.mid", .tabOrder = 6},
                  {.hidden = true, .disabled = true});
}

void TForm2::createTimers(LayoutBuilder& b) {
    b.timer(Timer1, "Timer1", 50, false);
    b.timer(Timer2, "Timer2", 50, false);
    b.timer(Timer3, "Timer3", 50, false);
    b.timer(Timer4, "Timer4", 50, false);
    b.timer(Timer5, "Timer5", 50, false);
    b.timer(Timer6, "Timer6", 50, false);
    b.timer(Timer7, "Timer7", 60, false);
    b.timer(Timer8, "Timer8", 50, false);
    b.timer(ridic, "ridic", 3000, false);
    b.timer(Timer9, "Timer9", 20, false);
    b.timer(Timer10, "Timer10", 20, false);
    b.timer(Timer11, "Timer11", 20, false);
    b.timer(Timer12, "Timer12", 20, false);
    b.timer(ridic1, "ridic1", 2000, false);
    b.timer(Timer13, "Timer13", 3000, false);
    b.timer(Timer14, "Timer14", 245000, true);
}

void TForm2::connectHandlers() {
    OnCreate = [this](TComponent* sender) { FormCreate(sender); };
    OnShow = [this](TComponent* sender) { FormShow(sender); };
    OnKeyDown = [this](TComponent* sender, std::uint16_t& key, TShiftState shift) { FormKeyDown(sender, key, shift); };
    OnClose = [this](TComponent* sender, TCloseAction& action) { FormClose(sender, action); };
    Image3->OnClick = [this](TComponent* sender) { Image3Click(sender); };
    Label7->OnClick = [this](TComponent* sender) { Label7Click(sender); };
    Label6->OnClick = [this](TComponent* sender) { Label6Click(sender); };
    BitBtn1->OnClick = [this](TComponent* sender) { BitBtn1Click(sender); };
    OKButton->OnClick = [this](TComponent* sender) { OKButtonClick(sender); };
    Label16->OnClick = [this](TComponent* sender) { Label16Click(sender); };
    Image6->OnClick = [this](TComponent* sender) { Image6Click(sender); };
    Label17->OnClick = [this](TComponent* sender) { Label17Click(sender); };
    Image4->OnClick = [this](TComponent* sender) { Image4Click(sender); };
    Label8->OnClick = [this](TComponent* sender) { Label8Click(sender); };
    Label9->OnClick = [this](TComponent* sender) { Label9Click(sender); };
    ridic->setOnTimer([this](TComponent* sender) { ridicTimer(sender); });
    ridic1->setOnTimer([this](TComponent* sender) { ridic1Timer(sender); });
    Timer13->setOnTimer([this](TComponent* sender) { Timer13Timer(sender); });
    Timer14->setOnTimer([this](TComponent* sender) { Timer14Timer(sender); });
}

// The rules see the controls they touch through the view; each lane's mover
// runs the one lane procedure with the lane's number.
void TForm2::connectRules() {
    view_ = {.ship = enemy,
             .cargo = {{{bedna1, Timer1},
                        {bedna2, Timer2},
                        {bedna3, Timer3},
                        {bedna4, Timer4},
                        {bedna5, Timer5},
                        {bedna6, Timer6},
                        {bedna7, Timer7},
                        {bedna8, Timer8}}},
             .lasers = {{{shape1, Timer9}, {Shape2, Timer10}, {Shape3, Timer11}, {Shape4, Timer12}}},
             .crateDispatcher = ridic,
             .laserDispatcher = ridic1,
             .levelStart = Timer13,
             .banner = Panel3,
             .bannerText = Label5,
             .quit = Label7,
             .newGame = Label8,
             .finalScore = Label10,
             .storyPanel = Panel8,
             .victoryPanel = Panel7,
             .victoryScore = Label12,
             .lives = zivoty,
             .score = score,
             .caught = Label41,
             .target = Label42,
             .level = Label1,
             .laserSound = MediaPlayer1,
             .music = MediaPlayer2};
    for (int lane = 1; lane <= 8; ++lane)
        view_.cargo[static_cast<std::size_t>(lane - 1)].mover->setOnTimer(
            [this, lane](TComponent*) { cargo_.tick(lane); });
    for (int lane = 1; lane <= 4; ++lane)
        view_.lasers[static_cast<std::size_t>(lane - 1)].mover->setOnTimer(
            [this, lane](TComponent*) { lasers_.tick(lane); });
}

void TForm2::FormCreate(TComponent*) { cycle_.screenCreated(application().platform()); }

void TForm2::FormShow(TComponent*) { cycle_.screenShown(); }

void TForm2::FormKeyDown(TComponent*, std::uint16_t& key, TShiftState) { ship_.keyDown(key); }

void TForm2::Image4Click(TComponent*) { pause_.toggle(); }

void TForm2::Label8Click(TComponent*) { cycle_.newGameAfterGameOver(); }

void TForm2::Label9Click(TComponent*) { cycle_.newGameAfterVictory(); }

void TForm2::ridicTimer(TComponent*) { cargo_.dispatch(); }

void TForm2::ridic1Timer(TComponent*) { lasers_.dispatch(); }

void TForm2::Timer13Timer(TComponent*) { cycle_.levelStart(); }

void TForm2::FormClose(TComponent*, TCloseAction&) {
    // Closing the main screen is what ends the program.
    if (TForm* main = application().mainForm(); main != this) main->close();
}

void TForm2::Image3Click(TComponent*) { close(); }

void TForm2::Label7Click(TComponent*) { close(); }

void TForm2::Label6Click(TComponent*) { close(); }

void TForm2::BitBtn1Click(TComponent*) { Panel9->show(); }

void TForm2::OKButtonClick(TComponent*) { Panel9->hide(); }

void TForm2::Label16Click(TComponent*) { application().platform().openDocument(kPublisherAddress); }

void TForm2::Image6Click(TComponent*) { application().platform().openDocument(kPublisherAddress); }

void TForm2::Label17Click(TComponent*) { application().platform().openDocument(kAuthorAddress); }

// The music plays once to its end; this asks again every 245 s, which
// changes nothing while it still sounds.
void TForm2::Timer14Timer(TComponent*) { MediaPlayer2->Play(); }
