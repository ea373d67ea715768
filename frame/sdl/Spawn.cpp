#include "frame/sdl/Spawn.h"

#include <spawn.h>
#include <sys/wait.h>

#include <thread>

extern char** environ;

bool spawnDetached(const std::string& program, const std::string& argument) {
    std::string name = program, value = argument;
    char* argv[] = {name.data(), value.data(), nullptr};
    pid_t pid = 0;
    if (posix_spawnp(&pid, name.c_str(), nullptr, nullptr, argv, environ) != 0) return false;
    std::thread([pid] { waitpid(pid, nullptr, 0); }).detach();
    return true;
}
