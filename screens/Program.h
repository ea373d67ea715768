#pragma once
#include <iosfwd>
#include <string>

class TApplication;

// Start-up shared by the game and the simulator: loads the face aliases and
// creates the screens in order. On failure the "Application Error" box has
// been shown (and its text written to `errors`) and false is returned.
bool startProgram(TApplication& application, const std::string& executablePath, std::ostream& errors);
