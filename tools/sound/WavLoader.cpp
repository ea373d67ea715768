#include "WavLoader.h"

#include <SDL.h>

#include <cstring>
#include <stdexcept>

namespace sound {

Pcm loadWav(const std::filesystem::path& path) {
    SDL_AudioSpec format{};
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    if (SDL_LoadWAV(path.c_str(), &format, &buffer, &length) == nullptr) {
        throw std::runtime_error(path.string() + ": " + SDL_GetError());
    }
    Pcm pcm{format.freq, format.channels, {}};
    const bool signed16 = format.format == AUDIO_S16LSB;
    if (signed16) {
        pcm.samples.resize(length / sizeof(std::int16_t));
        std::memcpy(pcm.samples.data(), buffer, pcm.samples.size() * sizeof(std::int16_t));
    }
    SDL_FreeWAV(buffer);
    if (!signed16) {
        throw std::runtime_error(path.string() + ": not 16-bit little-endian PCM");
    }
    return pcm;
}

}  // namespace sound
