#pragma once
#include <iosfwd>
#include <string>

class MediaService;
class TApplication;

// Start-up shared by the game and the simulator: loads the face aliases,
// plays media through `media` and creates the title screen, the main one,
// then the game screen. On failure the "Application Error" box has
// been shown (and its text written to `errors`) and false is returned.
bool startProgram(TApplication& application, MediaService& media, const std::string& executablePath,
                  std::ostream& errors);
