#pragma once
#include "frame/Form.h"
#include "frame/Image.h"
#include "frame/Label.h"
#include "frame/Panel.h"
#include "frame/Timer.h"
#include "media/MediaPlayer.h"

// The title screen and main window: an eight-second intro with video and
// music, then the title picture with its start button and "Exit".
class TForm1 : public TForm {
public:
    // Its players play through `media`.
    TForm1(TApplication& application, MediaService& media);

    TImage* Image1 = nullptr;
    TLabel* exit = nullptr;
    TImage* logo = nullptr;
    TImage* start = nullptr;
    TImage* start1 = nullptr;
    TImage* Image2 = nullptr;
    TImage* Image3 = nullptr;
    // The intro overlay.
    TPanel* Panel1 = nullptr;
    TLabel* Label1 = nullptr;
    TPanel* Panel2 = nullptr;
    TMediaPlayer* MediaPlayer2 = nullptr;
    TMediaPlayer* MediaPlayer1 = nullptr;
    TTimer* Timer1 = nullptr;

    void FormCreate(TComponent* sender);
    void Timer1Timer(TComponent* sender);
    void Label1Click(TComponent* sender);
    void startMouseMove(TComponent* sender, TShiftState shift, int x, int y);
    void Image1MouseMove(TComponent* sender, TShiftState shift, int x, int y);
    void start1Click(TComponent* sender);
    void exitClick(TComponent* sender);

protected:
    void createControls() override;

private:
    void createTitle(class LayoutBuilder& b);
    void createIntro(LayoutBuilder& b);
    void connectHandlers();

    MediaService& media_;
};

extern TForm1* Form1;
