#include "Sounds.h"

#include "GameSong.h"
#include "IntroTheme.h"
#include "LaserShot.h"
#include "SmfWriter.h"
#include "WavWriter.h"

namespace sound {

void writeSounds(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    WavWriter(folder).write("laser.wav", LaserShot().render());
    const SmfWriter music(folder);
    music.write("intro.mid", IntroTheme().score());
    music.write("song.mid", GameSong().score());
}

}  // namespace sound
