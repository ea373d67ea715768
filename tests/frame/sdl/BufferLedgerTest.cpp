#include "frame/sdl/BufferLedger.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

constexpr int kWidth = 40, kHeight = 30;
using Pixels = std::vector<int>;

void copyInto(Pixels& to, const Pixels& from, const SDL_Rect& rect) {
    for (int y = rect.y; y < rect.y + rect.h; ++y)
        for (int x = rect.x; x < rect.x + rect.w; ++x) to[y * kWidth + x] = from[y * kWidth + x];
}

// A window painted in random rectangles, each painting shown through the
// ledger while a compositor holds the buffers for random spells: every
// buffer handed over must show the picture as it is then.
void playOut(unsigned seed, int paintingsPerUpload) {
    std::mt19937 random(seed);
    const SDL_Rect whole{0, 0, kWidth, kHeight};
    BufferLedger ledger;
    Pixels picture(kWidth * kHeight, 0);
    std::vector<Pixels> buffers;
    std::vector<bool> held;
    for (int step = 0; step < 400; ++step) {
        std::vector<SDL_Rect> painted;
        for (int i = 0; i < paintingsPerUpload; ++i) {
            SDL_Rect r{int(random() % kWidth), int(random() % kHeight), 0, 0};
            r.w = 1 + int(random() % (kWidth - r.x));
            r.h = 1 + int(random() % (kHeight - r.y));
            for (int y = r.y; y < r.y + r.h; ++y)
                for (int x = r.x; x < r.x + r.w; ++x) picture[y * kWidth + x] = step * 100 + i;
            painted.push_back(r);
        }
        for (std::size_t b = 0; b < buffers.size(); ++b)
            if (held[b] && random() % 3 == 0) {
                held[b] = false;
                ledger.release(b);
            }
        if (ledger.allHeld() && buffers.size() < 3) {
            EXPECT_EQ(ledger.add(), buffers.size());
            buffers.emplace_back(kWidth * kHeight, -1);
            held.push_back(false);
        }
        std::vector<SDL_Rect> copy;
        auto taken = ledger.take(painted, whole, copy);
        if (!taken) continue;
        ASSERT_FALSE(held[*taken]);
        for (const SDL_Rect& r : copy) copyInto(buffers[*taken], picture, r);
        held[*taken] = true;
        ASSERT_EQ(buffers[*taken], picture) << "step " << step << ", buffer " << *taken;
    }
}

TEST(BufferLedgerTest, EveryBufferHandedOverShowsThePictureAsItIsThen) {
    for (unsigned seed = 1; seed <= 20; ++seed) playOut(seed, 1);
}

// Buffer 0 held while buffer 1 shows `misses` small rectangles one by one.
std::vector<SDL_Rect> copyAfterMissing(int misses) {
    const SDL_Rect whole{0, 0, kWidth, kHeight};
    BufferLedger ledger;
    ledger.add();
    ledger.add();
    std::vector<SDL_Rect> copy;
    EXPECT_EQ(ledger.take({whole}, whole, copy), 0u);
    for (int i = 0; i < misses; ++i) {
        EXPECT_EQ(ledger.take({{i % kWidth, 0, 1, 1}}, whole, copy), 1u);
        ledger.release(1);
    }
    EXPECT_EQ(ledger.take({{0, 5, 1, 1}}, whole, copy), 1u);
    EXPECT_EQ(ledger.take({{0, 7, 1, 1}}, whole, copy), std::nullopt);  // both held
    ledger.release(0);
    EXPECT_EQ(ledger.take({{0, 9, 1, 1}}, whole, copy), 0u);
    return copy;
}

// What a buffer missed is copied into it before what is shown; past the
// most it keeps, the whole picture is.
TEST(BufferLedgerTest, ABufferGetsWhatItMissedOrTheWholePicture) {
    std::vector<SDL_Rect> few = copyAfterMissing(3);
    ASSERT_EQ(few.size(), 6u);
    EXPECT_EQ(few[0].x, 0);
    EXPECT_EQ(few[2].x, 2);
    EXPECT_EQ(few[3].y, 5);
    EXPECT_EQ(few[4].y, 7);
    EXPECT_EQ(few[5].y, 9);
    std::vector<SDL_Rect> many = copyAfterMissing(80);
    ASSERT_EQ(many.size(), 1u);
    EXPECT_EQ(many[0].w, kWidth);
    EXPECT_EQ(many[0].h, kHeight);
    for (unsigned seed = 1; seed <= 5; ++seed) playOut(seed, 30);
}

}  // namespace
