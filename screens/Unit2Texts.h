#pragma once
#include <string>
#include <vector>

// The game screen's longer texts.
extern const std::vector<std::string> kVictoryText;   // Memo1
extern const std::vector<std::string> kGameOverText;  // Memo2
extern const std::vector<std::string> kAboutText;     // ListBox1
