#pragma once
#include <cstdint>
#include <random>
#include <string>
#include <vector>

// Random and malformed simulator scripts from a seed: the same seed makes
// the same scripts. Shots go into `shotFolder`, named 0 to 2 with
// `shotExtension`.
class ScriptMaker {
public:
    explicit ScriptMaker(std::uint64_t seed, std::string shotExtension = ".png")
        : random_(seed), shotExtension_(std::move(shotExtension)) {}

    std::string script(int lines, const std::string& shotFolder) {
        std::string text;
        if (chance(4)) text += "seed " + number() + "\n";
        for (int i = 0; i < lines; ++i) text += line(shotFolder) + "\n";
        return text;
    }

private:
    bool chance(int oneIn) { return below(oneIn) == 0; }
    std::size_t below(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_); }
    template <class T>
    const T& pick(const std::vector<T>& items) {
        return items[below(items.size())];
    }

    // Numbers that probe the edges: huge, negative, fractional, not numbers.
    std::string number() {
        static const std::vector<std::string> odd = {"-1",
                                                     "0",
                                                     "1",
                                                     "32767",
                                                     "32768",
                                                     "-32767",
                                                     "-32768",
                                                     "2147483647",
                                                     "-2147483648",
                                                     "4294967296",
                                                     "86399999",
                                                     "86400000",
                                                     "31536000000",
                                                     "31536000001",
                                                     "9223372036854775807",
                                                     "-9223372036854775808",
                                                     "99999999999999999999",
                                                     "1.5",
                                                     "1e3",
                                                     "0x10",
                                                     "+5",
                                                     "",
                                                     "abc",
                                                     "-",
                                                     "--1",
                                                     "\xff\xfe",
                                                     "nan"};
        switch (below(3)) {
        case 0: return pick(odd);
        case 1: return std::to_string(static_cast<long long>(below(700)) - 50);
        default: return std::to_string(below(2000));
        }
    }

    // Waits the simulator refuses: a long one that it took would only cost
    // time (a year of game ticks), so those stay out.
    std::string badWait() {
        static const std::vector<std::string> refused = {"-1",          "-9223372036854775808",
                                                         "1.5",         "1e3",
                                                         "31536000001", "99999999999999999999",
                                                         "abc",         "",
                                                         "0x10",        "+5",
                                                         "--1",         "nan",
                                                         "\xff"};
        return pick(refused);
    }

    std::string target() {
        static const std::vector<std::string> names = {"Form1.start",
                                                       "Form1.start1",
                                                       "Form1.Label1",
                                                       "Form1.Label2",
                                                       "Form2.BitBtn1",
                                                       "Form2.Image3",
                                                       "Form2.Image4",
                                                       "Form2.ListBox1",
                                                       "Form2.Memo1",
                                                       "Form2.Button1",
                                                       "Form2.Label8",
                                                       "Form2.Panel9",
                                                       "Form2.Nothing",
                                                       "Form1",
                                                       "Form2",
                                                       "Form3",
                                                       "Form1.",
                                                       ".",
                                                       "",
                                                       "Form1..start",
                                                       "Form2.Timer13",
                                                       "Form2.MediaPlayer1"};
        std::string name = pick(names);
        if (chance(3)) name += " " + number() + " " + number();
        return name;
    }

    std::string path() {
        static const std::vector<std::string> paths = {"time",
                                                       "focus",
                                                       "RandomSeed",
                                                       "Lives",
                                                       "Score",
                                                       "Level",
                                                       "Caught",
                                                       "Paused",
                                                       "CrateFlying[1]",
                                                       "CrateFlying[9]",
                                                       "LaserFlying[0]",
                                                       "Form1.Visible",
                                                       "Form2.Left",
                                                       "Form2.enemy.Top",
                                                       "Form2.Label5.Caption",
                                                       "Form2.Memo1.Caption",
                                                       "Form2.ListBox1.Caption",
                                                       "Form2.Timer14.Interval",
                                                       "Form1.MediaPlayer2.Position",
                                                       "Form2.MediaPlayer2.Length",
                                                       "Form2..",
                                                       "Form9.X.Y",
                                                       ".",
                                                       "Form2.enemy.Nope"};
        return pick(paths);
    }

    std::string line(const std::string& shotFolder) {
        switch (below(14)) {
        case 0:
        case 1: return "wait " + (chance(3) ? badWait() : std::to_string(below(1500)));
        case 2:
        case 3: {
            static const std::vector<std::string> keys = {"37", "38", "39", "40", "13", "27", "9", "32"};
            std::string line = "key " + (chance(5) ? number() : pick(keys));
            static const std::vector<std::string> mods = {"shift", "ctrl", "alt", "meta", ""};
            if (chance(4)) line += " " + pick(mods);
            return line;
        }
        case 4:
        case 5: {
            static const std::vector<std::string> verbs = {"move", "click", "press", "release"};
            return pick(verbs) + " " + target();
        }
        case 6: return "print " + path() + (chance(2) ? " " + path() : "");
        case 7: return chance(8) ? "close Form" + std::to_string(below(3) + 1) : "close " + target();
        case 8: return chance(3) ? "shot" : "shot " + shotFolder + "/" + std::to_string(below(3)) + shotExtension_;
        case 9: return "seed " + number();
        case 10: return "# " + number();
        case 11: {
            std::string junk;
            for (std::size_t n = below(40); n > 0; --n) junk += static_cast<char>(below(255) + 1);
            return junk;
        }
        case 12: return std::string(below(3), ' ') + "\t" + pick(std::vector<std::string>{"wait", "key", "move"});
        default: return "click Form1.Label1\nmove Form1.start\nclick Form1.start1";  // into the game
        }
    }

    std::mt19937_64 random_;
    std::string shotExtension_;
};
