#include <fstream>
#include <iostream>

#include "main/Simulator.h"

int main(int argc, char** argv) {
    if (argc > 2) {
        std::cerr << "usage: orbitrove-sim [SCRIPT]\n";
        return 2;
    }
    Simulator simulator(argv[0], std::cout, std::cerr);
    if (argc == 1) return simulator.run(std::cin);
    std::ifstream script(argv[1]);
    if (!script) {
        std::cerr << "orbitrove-sim: cannot read " << argv[1] << '\n';
        return 2;
    }
    return simulator.run(script);
}
