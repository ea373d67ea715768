// Writes scripts of the fuzz test's generator into a folder, for comparing
// simulators: sim_scripts SEED COUNT LINES FOLDER SHOTS makes FOLDER/00.sim
// on, whose shots go into SHOTS as BMP files (which every build writes).
// Each ends by printing the game's state and a shot of the screen, so that
// where every script leads is compared too.
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include "ScriptMaker.h"

namespace {

std::string endState(const std::string& shots) {
    return "print time focus RandomSeed Lives Score CrateValue Level LevelStep Speed Caught Paused Form1.Visible "
           "Form2.Visible Form2.enemy.Left Form2.enemy.Top Form2.ridic.Enabled Form2.Label5.Caption Form1.Label1.Width "
           "Form2.Label8.Width "
           "Form1.MediaPlayer1.Position Form1.MediaPlayer1.Length Form1.MediaPlayer2.Playing "
           "Form1.MediaPlayer2.Position Form1.MediaPlayer2.Length Form2.MediaPlayer1.Plays "
           "Form2.MediaPlayer1.Length Form2.MediaPlayer2.Position Form2.MediaPlayer2.Length\n"
           "shot " +
           shots + "/end.bmp\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 6) {
        std::cerr << "usage: sim_scripts SEED COUNT LINES FOLDER SHOTS\n";
        return 2;
    }
    ScriptMaker maker(std::strtoull(argv[1], nullptr, 10), ".bmp");
    int count = std::atoi(argv[2]), lines = std::atoi(argv[3]);
    for (int n = 0; n < count; ++n) {
        std::string name = std::string(argv[4]) + "/" + (n < 10 ? "0" : "") + std::to_string(n) + ".sim";
        std::ofstream script(name, std::ios::binary);
        script << maker.script(lines, argv[5]) << endState(argv[5]);
        if (!script) {
            std::cerr << "sim_scripts: cannot write " << name << '\n';
            return 1;
        }
    }
    return 0;
}
