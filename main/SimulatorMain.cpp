#include "main/SimulatorMain.h"

#include <fstream>
#include <iostream>

#include "main/Simulator.h"

int simulatorMain(int argc, char** argv, std::unique_ptr<SimulatorServices> services) {
    if (argc > 2) {
        std::cerr << "usage: orbitrove-sim [SCRIPT]\n";
        return 2;
    }
    Simulator simulator(argv[0], std::cout, std::cerr, std::move(services));
    if (argc == 1) return simulator.run(std::cin);
    std::ifstream script(argv[1]);
    if (!script) {
        std::cerr << "orbitrove-sim: cannot read " << argv[1] << '\n';
        return 2;
    }
    return simulator.run(script);
}
