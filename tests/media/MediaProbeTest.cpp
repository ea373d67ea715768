#include <gtest/gtest.h>

#include <vector>

#include "MediaFiles.h"
#include "media/MediaErrors.h"
#include "media/MediaProbe.h"
#include "media/MidiSequence.h"
#include "media/MidiSynth.h"

namespace {

TEST(MediaProbe, TheExtensionChoosesTheDeviceInAnyCase) {
    EXPECT_EQ(mediaKindOf("data/laser.WAV"), MediaKind::Wave);
    EXPECT_EQ(mediaKindOf("song.mid"), MediaKind::Midi);
    EXPECT_EQ(mediaKindOf("data/intro.Avi"), MediaKind::Video);
    EXPECT_EQ(mediaKindOf("data/readme.txt"), std::nullopt);
    EXPECT_EQ(mediaKindOf("data/wav"), std::nullopt);
}

TEST(MediaProbe, FailuresSayWhatIsWrong) {
    MediaFiles files;
    EXPECT_EQ(probeMedia("no/such/file.wav").error, media_error::kFileNotFound);
    EXPECT_EQ(probeMedia(files.text("notes.txt", "hello")).error, media_error::kUnsupportedType);
    EXPECT_EQ(probeMedia(files.text("broken.wav", "RIFF....WAVEjunk")).error, media_error::kDamagedFile);
    EXPECT_EQ(probeMedia(files.text("broken.mid", "not a sequence")).error, media_error::kDamagedFile);
    EXPECT_EQ(probeMedia(files.text("broken.avi", "RIFF....AVI junk")).error, media_error::kDamagedFile);
    for (auto error : {media_error::kFileNotFound, media_error::kUnsupportedType, media_error::kDamagedFile})
        EXPECT_FALSE(media_error::text(error).empty());
    EXPECT_TRUE(media_error::text(12345).empty());
}

TEST(MediaProbe, AWaveLastsItsFramesAtItsRate) {
    MediaFiles files;
    MediaFacts facts = probeMedia(files.wave("half.wav", 11025, 22050));
    EXPECT_EQ(facts.error, media_error::kNone);
    EXPECT_EQ(facts.kind, MediaKind::Wave);
    EXPECT_EQ(facts.length, 500u);
}

// Eight beats at 120 a minute are four seconds; the player lets the last
// notes ring out a little past that.
TEST(MediaProbe, AMidiPieceLastsAsLongAsItsEvents) {
    MediaFiles files;
    MediaFacts facts = probeMedia(files.midi("eight.mid", 8));
    EXPECT_EQ(facts.kind, MediaKind::Midi);
    EXPECT_GE(facts.length, 4000u);
    EXPECT_LT(facts.length, 7000u);
    MediaFacts longer = probeMedia(files.midi("sixteen.mid", 16));
    EXPECT_NEAR(static_cast<double>(longer.length - facts.length), 4000.0, 5.0);
}

// The device renders with voices and the probe without. Sounding notes keep
// the synthesizer going a little longer, so the device ends the piece at the
// probed length: that must lie past the last note and not past the sound.
TEST(MidiSequence, TheSilentLengthEndsAfterTheNotesAndANewPlayerReplays) {
    MediaFiles files;
    std::string piece = files.midi("four.mid", 4);
    MidiSynth synth(44100, "/usr/share/sounds/sf2/TimGM6mb.sf2");
    MidiSequence sounding(piece);
    std::vector<std::int16_t> block(2 * 1024);
    auto playOut = [&](long& peak) {
        sounding.prepare(synth, 0);
        sounding.run();
        std::uint64_t frames = 0;
        for (; !sounding.finished(); frames += 1024) {
            synth.render(block.data(), 1024);
            for (std::int16_t sample : block) peak = std::max(peak, std::labs(sample));
        }
        return frames;
    };
    long peak = 0;
    std::uint64_t frames = playOut(peak);
    EXPECT_GT(peak, 500);  // the notes were heard
    std::uint64_t silent = MidiSequence::lengthInFrames(piece, 44100).value();
    EXPECT_LE(silent, frames);
    EXPECT_GE(silent, 2u * 44100);  // four beats at 120 a minute
    synth.reset();
    EXPECT_EQ(playOut(peak), frames);
}

}  // namespace
