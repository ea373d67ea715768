#include "SoundFolder.h"

#include "sound/GameSong.h"
#include "sound/IntroTheme.h"
#include "sound/LaserShot.h"
#include "sound/MidiRenderer.h"
#include "sound/MinorKey.h"
#include "sound/Motif.h"
#include "sound/R128Meter.h"
#include "sound/SmfWriter.h"
#include "sound/Sounds.h"

#include <stdexcept>

namespace {

TEST(SoundScale, DegreesCountAcrossOctavesInBothDirections) {
    const sound::MinorKey d(50);
    EXPECT_EQ(d.i.pitch(0), 50);
    EXPECT_EQ(d.i.pitch(7), 62);
    EXPECT_EQ(d.i.pitch(9), 65);
    EXPECT_EQ(d.i.pitch(-1), 48);
    EXPECT_EQ(d.i.pitch(-7), 38);
    EXPECT_EQ(d.i.pitch(-8), 36);
}

TEST(SoundScale, ChordsKeepTheNotesOfTheirKey) {
    const sound::MinorKey d(50);
    EXPECT_EQ(d.VI.tonic(), 58);   // B flat
    EXPECT_EQ(d.VI.pitch(3), 64);  // E natural: still D minor
    EXPECT_EQ(d.V.pitch(2), 61);   // C sharp, the leading note
    EXPECT_EQ(d.I.pitch(2), 54);   // F sharp of the bright ending
    EXPECT_EQ(d.iv.near(40).tonic(), 43);
    EXPECT_EQ(d.iv.near(44).tonic(), 55);
    EXPECT_EQ(d.i.below(50), 48);
    EXPECT_EQ(d.i.below(51), 50);
    EXPECT_EQ(d.V.below(74), 73);
    EXPECT_EQ(sound::placeIn(40, 45), 52);
    EXPECT_EQ(sound::placeIn(70, 45), 46);
    EXPECT_EQ(sound::placeIn(45, 45), 45);
}

TEST(SoundMotif, ReadsRhythmAndRejectsMismatchedWriting) {
    const sound::Motif motif("x--.x-", {0, 4});
    ASSERT_EQ(motif.hits().size(), 2u);
    EXPECT_EQ(motif.hits()[0].step, 0);
    EXPECT_EQ(motif.hits()[0].length, 3);
    EXPECT_EQ(motif.hits()[1].step, 4);
    EXPECT_EQ(motif.hits()[1].length, 2);
    EXPECT_EQ(motif.hits()[1].degree, 4);
    EXPECT_EQ(motif.steps(), 6);
    EXPECT_THROW(sound::Motif("x-x-", {0}), std::invalid_argument);
    EXPECT_THROW(sound::Motif("x---", {0, 2}), std::invalid_argument);
    EXPECT_THROW(sound::Motif("x.-x", {0, 2}), std::invalid_argument);
    EXPECT_THROW(sound::Motif("x-y-", {0}), std::invalid_argument);
}

// Ornaments split long notes but never move the tune's own notes, overlap,
// or stretch the figure.
TEST(SoundMotif, OrnamentsOnlySplitLongNotesAndKeepTheFigure) {
    const sound::Motif plain("x---x---x-------", {0, 4, 2});
    int added = 0;
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        sound::Dice dice(seed);
        const sound::Motif varied = plain.ornamented(dice);
        EXPECT_EQ(varied.steps(), plain.steps());
        int end = 0;
        std::size_t original = 0;
        for (const sound::Motif::Hit& hit : varied.hits()) {
            EXPECT_EQ(hit.step, end);
            end = hit.step + hit.length;
            if (original < plain.hits().size() && hit.step == plain.hits()[original].step) {
                EXPECT_EQ(hit.degree, plain.hits()[original].degree);
                ++original;
            }
        }
        EXPECT_EQ(end, 16);
        EXPECT_EQ(original, plain.hits().size());
        EXPECT_EQ(varied.hits().back().length, 8) << "the last note has nothing to lead into";
        added += static_cast<int>(varied.hits().size() - plain.hits().size());
    }
    EXPECT_GT(added, 0);
}

class SoundPieces : public SoundFolder {
protected:
    sound::Rendering render(const std::string& name, const sound::Score& score) {
        sound::SmfWriter(folder).write(name, score);
        return sound::MidiRenderer(kSoundfont).render(folder / name);
    }
};

void expectCleanAndBalanced(const sound::Rendering& rendering) {
    EXPECT_EQ(rendering.notes.stillSounding(), 0);
    EXPECT_EQ(rendering.notes.restrikes(), 0);
    EXPECT_EQ(rendering.notes.strayNoteOffs(), 0);
    EXPECT_LT(rendering.peak, 32767) << "clipped";
    EXPECT_GT(rendering.rmsDbfs, -32.0);
    EXPECT_LT(rendering.rmsDbfs, -14.0);
}

TEST_F(SoundPieces, IntroFillsTheTitleScreenAndEndsCleanly) {
    const sound::Rendering intro = render("intro.mid", sound::IntroTheme().score());
    EXPECT_GE(intro.seconds, 45.0);
    EXPECT_LE(intro.seconds, 75.0);
    expectCleanAndBalanced(intro);
}

// The game starts the song over every 245 seconds.
TEST_F(SoundPieces, SongEndsBeforeTheGameRestartsItWithDrumsOnChannelTen) {
    const sound::Rendering song = render("song.mid", sound::GameSong().score());
    EXPECT_GE(song.seconds, 150.0);
    EXPECT_LE(song.seconds, 230.0);
    expectCleanAndBalanced(song);
    EXPECT_GT(song.notes.notes(9), 500);
}

// The shot stays clear over the music without drowning it: its loudness,
// as the mixer plays it on both speakers, 4 to 6 LU above each piece's.
TEST_F(SoundPieces, TheLaserSoundsALittleAboveEachPiece) {
    const double shot = sound::loudestMomentaryLufs(sound::LaserShot().render());
    for (const sound::Rendering& piece :
         {render("intro.mid", sound::IntroTheme().score()), render("song.mid", sound::GameSong().score())}) {
        EXPECT_GE(shot - piece.integratedLufs, 4.0);
        EXPECT_LE(shot - piece.integratedLufs, 6.0);
    }
}

// Twice in a row the same, and the same as what is committed in data/.
TEST_F(SoundFolder, EveryFileComesOutTheSameEachTime) {
    sound::writeSounds(folder / "a");
    sound::writeSounds(folder / "b");
    for (const char* name : {"laser.wav", "intro.mid", "song.mid"}) {
        EXPECT_EQ(fileBytes(folder / "a" / name), fileBytes(folder / "b" / name)) << name;
        EXPECT_EQ(fileBytes(folder / "a" / name), fileBytes(std::filesystem::path("data") / name)) << name;
    }
}

}  // namespace
