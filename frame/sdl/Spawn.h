#pragma once
#include <string>

// Starts `program` (looked up on PATH) with one argument, never through a
// shell, and does not wait for it; a thread reaps it when it ends. False
// when it could not be started.
bool spawnDetached(const std::string& program, const std::string& argument);
