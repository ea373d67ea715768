#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

// Small media files of known length, each test in a folder of its own
// (the tests run side by side).
class MediaFiles {
public:
    MediaFiles() { std::filesystem::create_directories(folder_); }
    ~MediaFiles() { std::filesystem::remove_all(folder_); }

    // A 16-bit mono wave file of `frames` frames of a quiet tone.
    std::string wave(const std::string& name, std::uint32_t frames, std::uint32_t rate) const {
        std::vector<char> bytes;
        auto put = [&bytes](std::uint32_t value, int size) {
            for (int i = 0; i < size; ++i) bytes.push_back(static_cast<char>(value >> (8 * i)));
        };
        bytes.insert(bytes.end(), {'R', 'I', 'F', 'F'});
        put(36 + frames * 2, 4);
        bytes.insert(bytes.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
        put(16, 4), put(1, 2), put(1, 2), put(rate, 4), put(rate * 2, 4), put(2, 2), put(16, 2);
        bytes.insert(bytes.end(), {'d', 'a', 't', 'a'});
        put(frames * 2, 4);
        for (std::uint32_t i = 0; i < frames; ++i) put(i % 64 < 32 ? 900 : 0xFFFF - 900, 2);
        return write(name, bytes);
    }

    // A one-track MIDI file at 120 beats a minute: `notes` quarter notes.
    std::string midi(const std::string& name, int notes) const {
        std::vector<char> track = {0, '\xFF', 0x51, 3, 0x07, '\xA1', 0x20};  // 500000 us a beat
        for (int i = 0; i < notes; ++i) {
            char pitch = static_cast<char>(60 + i % 12);
            track.insert(track.end(), {0, '\x90', pitch, 100, '\x83', 0x60, '\x80', pitch, 0});  // 480 ticks
        }
        track.insert(track.end(), {0, '\xFF', 0x2F, 0});
        std::vector<char> bytes = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0x01, '\xE0', 'M', 'T', 'r', 'k'};
        auto size = static_cast<std::uint32_t>(track.size());
        for (int shift : {24, 16, 8, 0}) bytes.push_back(static_cast<char>(size >> shift));
        bytes.insert(bytes.end(), track.begin(), track.end());
        return write(name, bytes);
    }

    std::string text(const std::string& name, const std::string& content) const {
        return write(name, std::vector<char>(content.begin(), content.end()));
    }

private:
    std::string write(const std::string& name, const std::vector<char>& bytes) const {
        std::filesystem::path path = folder_ / name;
        std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return path.string();
    }

    std::filesystem::path folder_ =
        std::filesystem::temp_directory_path() /
        ("orbitrove-media-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
};
