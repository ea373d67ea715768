#include "Motif.h"

#include "Timing.h"

#include <stdexcept>

namespace sound {

namespace {

constexpr int kShortestOrnamented = 4;
constexpr int kOrnamentLength = 2;
constexpr int kOrnamentChance = 50;

// Steps into the next note from its neighbour; a step away is anticipated
// instead, and a repeated note gets its upper neighbour.
int leadingDegree(int from, int to) {
    if (to == from) {
        return from + 1;
    }
    const int neighbour = to > from ? to - 1 : to + 1;
    return neighbour == from ? to : neighbour;
}

}  // namespace

Motif::Motif(const std::string& rhythm, const std::vector<int>& degrees) : steps_(static_cast<int>(rhythm.size())) {
    bool sounding = false;
    for (int step = 0; step < steps_; ++step) {
        const char mark = rhythm[static_cast<std::size_t>(step)];
        if (mark == 'x') {
            if (hits_.size() == degrees.size()) {
                throw std::invalid_argument("motif " + rhythm + " has more strikes than degrees");
            }
            hits_.push_back({step, 1, degrees[hits_.size()]});
            sounding = true;
        } else if (mark == '-' && sounding) {
            ++hits_.back().length;
        } else if (mark == '.') {
            sounding = false;
        } else {
            throw std::invalid_argument("motif " + rhythm + " holds nothing or has a stray mark");
        }
    }
    if (hits_.size() != degrees.size()) {
        throw std::invalid_argument("motif " + rhythm + " has fewer strikes than degrees");
    }
}

Motif Motif::held(int bars, int degree) {
    std::string rhythm(static_cast<std::size_t>(bars * kStepsPerBar), '-');
    rhythm.front() = 'x';
    return Motif(rhythm, {degree});
}

Motif Motif::ornamented(Dice& dice) const {
    Motif varied;
    varied.steps_ = steps_;
    for (std::size_t i = 0; i < hits_.size(); ++i) {
        Hit hit = hits_[i];
        const bool followed = i + 1 < hits_.size() && hits_[i + 1].step == hit.step + hit.length;
        if (followed && hit.length >= kShortestOrnamented && dice.chance(kOrnamentChance)) {
            hit.length -= kOrnamentLength;
            varied.hits_.push_back(hit);
            hit = {hit.step + hit.length, kOrnamentLength, leadingDegree(hit.degree, hits_[i + 1].degree)};
        }
        varied.hits_.push_back(hit);
    }
    return varied;
}

}  // namespace sound
