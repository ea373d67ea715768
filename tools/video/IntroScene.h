#pragma once

#include "AlienShip.h"
#include "Choreography.h"
#include "OrbitalStation.h"
#include "Starfield.h"
#include "TitleCard.h"
#include "VideoFormat.h"
#include "art/Grid.h"
#include "art/SdlLettering.h"

namespace video {

// The title screen's intro, frame by frame. The game shows it unscaled in a
// 185 x 113 panel and hides it after eight seconds.
class IntroScene {
public:
    static constexpr VideoFormat kFormat{184, 112, 25, 2};
    static constexpr int kFrameCount = 8 * kFormat.framesPerSecond;

    explicit IntroScene(const art::SdlLettering& lettering);

    art::RgbImage frame(int index) const;

private:
    // Moon, station and ship on a clear layer, so they can fade out as one.
    art::Raster foreground(float t) const;

    Choreography timing_;
    Starfield stars_;
    OrbitalStation station_;
    AlienShip ship_;
    TitleCard title_;
};

}  // namespace video
