#include "NoteLedger.h"

#include <numeric>

namespace sound {

void NoteLedger::noteOn(int channel, int key) {
    bool& sounding = sounding_.at(static_cast<std::size_t>(channel)).at(static_cast<std::size_t>(key));
    restrikes_ += sounding ? 1 : 0;
    sounding = true;
    ++started_.at(static_cast<std::size_t>(channel));
}

void NoteLedger::noteOff(int channel, int key) {
    bool& sounding = sounding_.at(static_cast<std::size_t>(channel)).at(static_cast<std::size_t>(key));
    strayOffs_ += sounding ? 0 : 1;
    sounding = false;
}

int NoteLedger::notes() const { return std::accumulate(started_.begin(), started_.end(), 0); }

int NoteLedger::stillSounding() const {
    int count = 0;
    for (const auto& channel : sounding_) {
        for (bool sounding : channel) {
            count += sounding ? 1 : 0;
        }
    }
    return count;
}

}  // namespace sound
