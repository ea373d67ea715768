#pragma once
#include "frame/Button.h"
#include "frame/Form.h"
#include "frame/Image.h"
#include "frame/Label.h"
#include "frame/ListBox.h"
#include "frame/Memo.h"
#include "frame/Panel.h"
#include "frame/Shape.h"
#include "frame/Timer.h"
#include "game/CargoLanes.h"
#include "game/GameState.h"
#include "game/GameView.h"
#include "game/LaserLanes.h"
#include "game/LevelCycle.h"
#include "game/PauseControl.h"
#include "game/ShipControl.h"
#include "media/MediaPlayer.h"

// The game screen: play field, status bar, level banner, victory and
// game-over panels, about box and the game's timers.
class TForm2 : public TForm {
public:
    // Its players play through `media`.
    TForm2(TApplication& application, MediaService& media);

    // Play field.
    TImage* Image1 = nullptr;
    TImage* enemy = nullptr;
    TImage* bedna1 = nullptr;
    TImage* bedna2 = nullptr;
    TImage* bedna3 = nullptr;
    TImage* bedna4 = nullptr;
    TImage* bedna5 = nullptr;
    TImage* bedna6 = nullptr;
    TImage* bedna7 = nullptr;
    TImage* bedna8 = nullptr;
    TImage* Image2 = nullptr;
    TShape* shape1 = nullptr;
    TShape* Shape2 = nullptr;
    TShape* Shape3 = nullptr;
    TShape* Shape4 = nullptr;
    // Status bar.
    TPanel* Panel1 = nullptr;
    TImage* Image3 = nullptr;
    TImage* Image4 = nullptr;
    TImage* Image5 = nullptr;
    TPanel* Panel4 = nullptr;
    TLabel* Label4 = nullptr;
    TLabel* zivoty = nullptr;
    TPanel* Panel5 = nullptr;
    TLabel* Label3 = nullptr;
    TLabel* score = nullptr;
    TPanel* Panel6 = nullptr;
    TLabel* Label1 = nullptr;
    TBitBtn* BitBtn1 = nullptr;
    TPanel* Panel2 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label41 = nullptr;
    TLabel* Label42 = nullptr;
    // Level banner.
    TPanel* Panel3 = nullptr;
    TLabel* Label5 = nullptr;
    TLabel* Label7 = nullptr;
    TLabel* Label8 = nullptr;
    TLabel* Label10 = nullptr;
    // Victory panel.
    TPanel* Panel7 = nullptr;
    TLabel* Label6 = nullptr;
    TLabel* Label9 = nullptr;
    TLabel* Label11 = nullptr;
    TLabel* Label12 = nullptr;
    TMemo* Memo1 = nullptr;
    // Laser sound.
    TMediaPlayer* MediaPlayer1 = nullptr;
    // Game-over story panel.
    TPanel* Panel8 = nullptr;
    TMemo* Memo2 = nullptr;
    // About box.
    TPanel* Panel9 = nullptr;
    TPanel* Panel10 = nullptr;
    TImage* ProgramIcon = nullptr;
    TLabel* ProductName = nullptr;
    TLabel* Version = nullptr;
    TLabel* AuthorLine = nullptr;
    TLabel* Comments = nullptr;
    TLabel* Label14 = nullptr;
    TLabel* Label15 = nullptr;
    TLabel* Label16 = nullptr;
    TLabel* Label17 = nullptr;
    TImage* Image6 = nullptr;
    TButton* OKButton = nullptr;
    TListBox* ListBox1 = nullptr;
    // Game music.
    TMediaPlayer* MediaPlayer2 = nullptr;
    // Timers.
    TTimer* Timer1 = nullptr;
    TTimer* Timer2 = nullptr;
    TTimer* Timer3 = nullptr;
    TTimer* Timer4 = nullptr;
    TTimer* Timer5 = nullptr;
    TTimer* Timer6 = nullptr;
    TTimer* Timer7 = nullptr;
    TTimer* Timer8 = nullptr;
    TTimer* ridic = nullptr;
    TTimer* Timer9 = nullptr;
    TTimer* Timer10 = nullptr;
    TTimer* Timer11 = nullptr;
    TTimer* Timer12 = nullptr;
    TTimer* ridic1 = nullptr;
    TTimer* Timer13 = nullptr;
    TTimer* Timer14 = nullptr;

    // The state of the game played on this screen.
    GameState Game;

    void FormCreate(TComponent* sender);
    void FormShow(TComponent* sender);
    void FormKeyDown(TComponent* sender, std::uint16_t& key, TShiftState shift);
    void FormClose(TComponent* sender, TCloseAction& action);
    void Image4Click(TComponent* sender);
    void Label8Click(TComponent* sender);
    void Label9Click(TComponent* sender);
    void ridicTimer(TComponent* sender);
    void ridic1Timer(TComponent* sender);
    void Timer13Timer(TComponent* sender);
    // The ends of a game and of a level, as the lane ticks run them.
    void GameOver() { cycle_.GameOver(); }
    void LevelCleared() { cycle_.LevelCleared(); }
    void Victory() { cycle_.Victory(); }
    void Image3Click(TComponent* sender);
    void Label7Click(TComponent* sender);
    void Label6Click(TComponent* sender);
    void BitBtn1Click(TComponent* sender);
    void OKButtonClick(TComponent* sender);
    void Label16Click(TComponent* sender);
    void Image6Click(TComponent* sender);
    void Label17Click(TComponent* sender);
    void Timer14Timer(TComponent* sender);

protected:
    void createControls() override;

private:
    void createPlayField(class LayoutBuilder& b);
    void createStatusBar(LayoutBuilder& b);
    void createPanels(LayoutBuilder& b);
    void createAboutBox(LayoutBuilder& b);
    void createMusicPlayer(LayoutBuilder& b);
    void createTimers(LayoutBuilder& b);
    void connectHandlers();
    void connectRules();

    MediaService& media_;
    GameView view_{};
    LevelCycle cycle_{Game, view_};
    ShipControl ship_{Game, view_};
    CargoLanes cargo_{Game, view_, cycle_};
    LaserLanes lasers_{Game, view_, cycle_};
    PauseControl pause_{Game, view_};
};

extern TForm2* Form2;

// Where the about box's links lead.
extern const char* const kPublisherAddress;
extern const char* const kAuthorAddress;
