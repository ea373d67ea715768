#include "Dice.h"

#include <stdexcept>

namespace sound {

int Dice::below(int count) {
    if (count <= 0) {
        throw std::invalid_argument("nothing to choose from");
    }
    return static_cast<int>(engine_() % static_cast<std::uint32_t>(count));
}

double Dice::signedUnit() { return static_cast<double>(engine_()) / 2147483648.0 - 1.0; }

}  // namespace sound
