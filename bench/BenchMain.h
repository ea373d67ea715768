#pragma once
#include <cstdlib>
#include <exception>
#include <iostream>
#include <optional>

// The shared end of both benchmarks' main: usage on bad arguments (status
// 2), a display check for --use-display, and a failure's message (status 1).
// `Options` has a `useDisplay` flag.
template <class Options, class Bench>
int benchMain(const char* program, const char* usage, const std::optional<Options>& options, Bench bench) {
    if (!options) {
        std::cerr << "usage: " << program << ' ' << usage;
        return 2;
    }
    if (options->useDisplay && !std::getenv("DISPLAY")) {
        std::cerr << program << ": --use-display needs DISPLAY to be set\n";
        return 2;
    }
    try {
        return bench(*options);
    } catch (const std::exception& error) {
        std::cerr << program << ": " << error.what() << '\n';
        return 1;
    }
}
