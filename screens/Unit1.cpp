#include "screens/Unit1.h"

#include "frame/Application.h"
#include "screens/Layout.h"
#include "screens/Unit2.h"

TForm1* Form1 = nullptr;

namespace {
const TFont kScreenFont{"MS Sans Serif", 11, false, clWindowText};
// A picture at its own size, black see-through.
ImageLook sprite(const char* picture) { return {.picture = picture, .autoSize = true, .transparent = true}; }
}  // namespace

TForm1::TForm1(TApplication& application, MediaService& media) : TForm(application, "Form1"), media_(media) {}

void TForm1::createControls() {
    setCaption("Orbitrove");
    setColor(clBtnText);
    setFont(kScreenFont);
    setClientSize({632, 454});
    LayoutBuilder b(*this, media_);
    createTitle(b);
    createIntro(b);
    b.timer(Timer1, "Timer1", 8000, true);
    connectHandlers();
}

void TForm1::createTitle(LayoutBuilder& b) {
    b.image(Image1, "Image1", this, {0, 0, 640, 480}, {.picture = "space.bmp", .autoSize = true, .center = true});
    b.label(exit, "exit", this, {5, 435, 21, 15}, {.caption = "Exit", .font = {"Westminster", 12, true, clMaroon}},
            {.hand = true});
    b.image(logo, "logo", this, {48, 336, 518, 86}, sprite("logo.bmp"));
    b.image(start, "start", this, {472, 8, 153, 113}, sprite("start.bmp"), {.hand = true});
    b.image(start1, "start1", this, {469, 8, 159, 115}, sprite("start_lit.bmp"), {.hidden = true, .hand = true});
    b.image(Image2, "Image2", this, {153, 355, 63, 62}, sprite("radiation.bmp"));
    b.image(Image3, "Image3", this, {432, 408, 83, 21}, sprite("title_small.bmp"));
}

void TForm1::createIntro(LayoutBuilder& b) {
    b.panel(Panel1, "Panel1", this, {0, 0, 633, 457},
            {.outer = TBevelCut::bvNone, .color = clBlack, .caption = "Panel1", .tabOrder = 0});
    b.label(Label1, "Label1", Panel1, {288, 430, 45, 13},
            {.caption = "Přeskočit",
             .font = {"MS Sans Serif", 11, false, clBackground},
             .alignment = TAlignment::taCenter,
             .color = clBlack},
            {.hand = true});
    b.panel(Panel2, "Panel2", Panel1, {224, 184, 185, 113},
            {.outer = TBevelCut::bvNone, .color = clBlack, .caption = "Panel2", .tabOrder = 0});
    b.mediaPlayer(MediaPlayer2, "MediaPlayer2", Panel1, {144, 48, 29, 30},
                  {.fileName = "data/intro.avi", .tabOrder = 1, .display = Panel2}, {.hidden = true});
    b.mediaPlayer(MediaPlayer1, "MediaPlayer1", this, {144, 88, 29, 30}, {.fileName = "data/intro.mid", .tabOrder = 1},
                  {.hidden = true});
}

void TForm1::connectHandlers() {
    OnCreate = [this](TComponent* sender) { FormCreate(sender); };
    Timer1->setOnTimer([this](TComponent* sender) { Timer1Timer(sender); });
    Label1->OnClick = [this](TComponent* sender) { Label1Click(sender); };
    start->OnMouseMove = [this](TComponent* sender, TShiftState shift, int x, int y) {
        startMouseMove(sender, shift, x, y);
    };
    Image1->OnMouseMove = [this](TComponent* sender, TShiftState shift, int x, int y) {
        Image1MouseMove(sender, shift, x, y);
    };
    start1->OnClick = [this](TComponent* sender) { start1Click(sender); };
    exit->OnClick = [this](TComponent* sender) { exitClick(sender); };
}

void TForm1::FormCreate(TComponent*) {
    MediaPlayer1->Play();
    MediaPlayer2->Play();
}

// The intro ends; its music plays on over the title.
void TForm1::Timer1Timer(TComponent*) {
    Panel1->hide();
    Timer1->setEnabled(false);
}

// The video is not stopped: it plays on, unseen, in the hidden overlay.
void TForm1::Label1Click(TComponent*) {
    Panel1->hide();
    MediaPlayer1->Stop();
    Timer1->setEnabled(false);
}

void TForm1::startMouseMove(TComponent*, TShiftState, int, int) { start1->show(); }

void TForm1::Image1MouseMove(TComponent*, TShiftState, int, int) { start1->hide(); }

void TForm1::start1Click(TComponent*) {
    hideForm();
    Form2->showForm();
    Form2->Panel3->show();
    Form2->Game.LevelStep = 0;
}

void TForm1::exitClick(TComponent*) { close(); }
