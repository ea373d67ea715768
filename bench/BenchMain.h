#pragma once
#include <cstdlib>
#include <exception>
#include <iostream>
#include <optional>
#include <string>

#include "bench/PositiveNumber.h"

// Reads `--seconds N` and `--use-display` into `options` (which has
// `seconds` and `useDisplay`); `extra(options, arg, i)` may take a flag of
// its own, moving `i` past its value, and answers whether it did. Nothing on a
// mistake.
template <class Options, class Extra>
std::optional<Options> parseBenchOptions(int argc, char** argv, Options options, Extra extra) {
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--use-display") {
            options.useDisplay = true;
        } else if (arg == "--seconds" && i + 1 < argc && positiveNumber(argv[i + 1])) {
            options.seconds = *positiveNumber(argv[++i]);
        } else if (!extra(options, arg, i)) {
            return std::nullopt;
        }
    }
    return options;
}

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
