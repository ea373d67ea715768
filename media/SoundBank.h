#pragma once
#include <string>
#include <vector>

// Where the music's sound bank is looked for, best first: the bank cut to
// what the game's pieces play, beside the program (as the build leaves it)
// and where the install puts it relative to the program; then the whole
// bank it is cut from, and any default General MIDI bank the system has.
// `programFolder` empty: only the system's banks.
std::vector<std::string> soundBankCandidates(const std::string& programFolder);

// The first of `candidates` that is a regular file (FileAccess); empty when
// none is, and the music then renders silence.
std::string firstSoundBank(const std::vector<std::string>& candidates);
