#pragma once
#include <array>
#include <vector>

#include "frame/Image.h"
#include "frame/Label.h"
#include "frame/Panel.h"
#include "frame/Shape.h"
#include "frame/Timer.h"
#include "media/MediaPlayer.h"

// The controls of the game screen that the rules read and write, handed to
// them by the screen.
struct GameView {
    struct CargoLane {
        TImage* crate;
        TTimer* mover;
    };
    struct LaserLane {
        TShape* beam;
        TTimer* mover;
    };

    TImage* ship;
    std::array<CargoLane, 8> cargo;
    std::array<LaserLane, 4> lasers;
    TTimer* crateDispatcher;
    TTimer* laserDispatcher;
    TTimer* levelStart;
    // The level banner and what it shows at game over.
    TPanel* banner;
    TLabel* bannerText;
    TLabel* quit;
    TLabel* newGame;
    TLabel* finalScore;
    TPanel* storyPanel;
    TPanel* victoryPanel;
    TLabel* victoryScore;
    // The status bar.
    TLabel* lives;
    TLabel* score;
    TLabel* caught;
    TLabel* target;
    TLabel* level;
    TMediaPlayer* laserSound;
    TMediaPlayer* music;

    // Every timer the rules run: the two dispatchers, the level start and
    // the lane movers.
    std::vector<TTimer*> timers() const;
};
