#pragma once

#include <string>

namespace video {

// Throws with FFmpeg's own wording when a call returned an error code.
int checkAv(int result, const std::string& what);

}  // namespace video
