#include "media/OpeningFile.h"

#include <atomic>

namespace {

std::atomic<int> opening{0};

}  // namespace

OpeningFile::OpeningFile() { ++opening; }

OpeningFile::~OpeningFile() { --opening; }

bool OpeningFile::active() { return opening.load() > 0; }
