#pragma once
// The page's side of the browser build's media, in web_media.js: the sounds
// on the audio graph made at the start, and the pictures of the videos the
// browser decodes. Sounds and videos are numbered by the page.
#include <cstdint>

extern "C" {
// The audio graph's frames a second; 0 when the page cannot sound.
int orbitrove_sound_rate();
// Whether the page decoded the wave file at `path` before the start.
bool orbitrove_wave_decoded(const char* path);
int orbitrove_wave_open(const char* path);
// A MIDI file's bytes for the music worklet, played through for `frames`.
int orbitrove_music_open(const unsigned char* bytes, int size, double frames);
void orbitrove_sound_play(int sound, double fromMs);
void orbitrove_sound_stop(int sound);
void orbitrove_sound_rewind(int sound);
void orbitrove_sound_close(int sound);

// The browser's version of the video file at `path`, drawn at its header's
// size and frame interval; 0 when the page has none it can decode.
int orbitrove_video_open(const char* path, int width, int height, int intervalMs);
// Writes the last picture due by `ms` that the browser has decoded, as
// 0x00RRGGBB words, unless it was the one written before: its number then,
// or -1 when nothing was written.
int orbitrove_video_picture(int video, double ms, std::uint32_t* pixels);
void orbitrove_video_close(int video);
}
