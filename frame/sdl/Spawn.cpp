#include "frame/sdl/Spawn.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <thread>

extern char** environ;

bool spawnDetached(const std::string& program, const std::string& argument) {
    std::string name = program, value = argument;
    char* argv[] = {name.data(), value.data(), nullptr};
    // What it says is its own: the game's terminal is not the browser's.
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    for (int fd : {0, 1, 2}) posix_spawn_file_actions_addopen(&quiet, fd, "/dev/null", fd == 0 ? O_RDONLY : O_WRONLY, 0);
    // The game ignores a broken pipe; the program gets the usual default.
    posix_spawnattr_t defaults;
    posix_spawnattr_init(&defaults);
    sigset_t pipe;
    sigemptyset(&pipe);
    sigaddset(&pipe, SIGPIPE);
    posix_spawnattr_setsigdefault(&defaults, &pipe);
    posix_spawnattr_setflags(&defaults, POSIX_SPAWN_SETSIGDEF);
    pid_t pid = 0;
    int failed = posix_spawnp(&pid, name.c_str(), &quiet, &defaults, argv, environ);
    posix_spawnattr_destroy(&defaults);
    posix_spawn_file_actions_destroy(&quiet);
    if (failed) return false;
    std::thread([pid] { waitpid(pid, nullptr, 0); }).detach();
    return true;
}
