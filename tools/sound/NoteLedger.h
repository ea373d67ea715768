#pragma once

#include <array>

namespace sound {

// Follows the notes a player sends, to catch notes that never end and keys
// struck again while still sounding.
class NoteLedger {
public:
    void noteOn(int channel, int key);
    void noteOff(int channel, int key);

    int notes() const;
    int notes(int channel) const { return started_.at(static_cast<std::size_t>(channel)); }
    int stillSounding() const;
    int restrikes() const { return restrikes_; }
    int strayNoteOffs() const { return strayOffs_; }

private:
    std::array<std::array<bool, 128>, 16> sounding_{};
    std::array<int, 16> started_{};
    int restrikes_ = 0;
    int strayOffs_ = 0;
};

}  // namespace sound
