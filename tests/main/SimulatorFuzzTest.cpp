// Random and malformed simulator scripts with a fixed seed: whatever a line
// says, the simulator answers on its own channels and goes on. It never
// crashes (the sanitizer build stops at the first bad access or overflow),
// never hangs (the test's time limit), and its status is 0 or 2.
//
// ORBITROVE_SOAK=1 runs many more scripts; ORBITROVE_FUZZ_SEED picks
// another seed (the failing script is printed with its number).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

#include <unistd.h>

#include "ScriptMaker.h"
#include "main/Simulator.h"

namespace {

int envNumber(const char* name, int fallback) {
    const char* value = std::getenv(name);
    return value && *value ? std::atoi(value) : fallback;
}

TEST(SimulatorFuzz, RandomAndMalformedScriptsAreAnsweredAndNeverCrash) {
    bool soak = envNumber("ORBITROVE_SOAK", 0) != 0;
    int scripts = soak ? 400 : 12;
    int lines = soak ? 120 : 60;
    auto seed = static_cast<std::uint64_t>(envNumber("ORBITROVE_FUZZ_SEED", 20240611));
    auto shots = std::filesystem::temp_directory_path() / ("orbitrove-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(shots);
    ScriptMaker maker(seed);
    for (int n = 0; n < scripts; ++n) {
        std::string script = maker.script(lines, shots.string());
        SCOPED_TRACE("script " + std::to_string(n) + " of seed " + std::to_string(seed) + ":\n" + script);
        std::ostringstream out, err;
        std::istringstream in(script);
        int status = Simulator("orbitrove-sim", out, err).run(in);
        EXPECT_TRUE(status == 0 || status == 2) << status;
        std::istringstream printed(out.str());
        for (std::string line; std::getline(printed, line);)
            EXPECT_NE(line.find('='), std::string::npos) << "stray output: " << line;
        std::istringstream reported(err.str());
        for (std::string line; std::getline(reported, line);)
            EXPECT_EQ(line.rfind("orbitrove-sim: ", 0), 0u) << "stray error output: " << line;
        EXPECT_EQ(status == 2, !err.str().empty());
        if (HasFailure()) break;
    }
    std::filesystem::remove_all(shots);
}

}  // namespace
