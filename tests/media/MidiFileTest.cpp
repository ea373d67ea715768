#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>
#include <vector>

#include "MediaFiles.h"
#include "SmfBytes.h"
#include "media/MediaErrors.h"
#include "media/MediaProbe.h"
#include "media/MidiFile.h"
#include "media/MidiSequence.h"
#include "media/MidiSynth.h"

namespace {

using Fault = MidiFile::Fault;

MidiFile parse(const std::string& bytes) { return MidiFile::parse({bytes.begin(), bytes.end()}); }

// The reference: the synthesizer plays the file without sound to its end,
// one block of its own at a time.
std::uint64_t renderedFrames(const std::string& fileName, int sampleRate) {
    MidiSynth synth(sampleRate, {});
    MidiSequence silent(fileName);
    silent.prepare(synth, 0);
    silent.run();
    std::vector<std::int16_t> scratch(2 * 64);
    std::uint64_t frames = 0;
    for (; !silent.finished(); frames += 64) synth.render(scratch.data(), 64);
    return frames;
}

// The computed length at several rates against the rendered one.
void expectLengthAsPlayed(const std::string& fileName) {
    for (int rate : {44100, 48000, 22050}) {
        SCOPED_TRACE(fileName + " at " + std::to_string(rate) + " Hz");
        std::optional<std::uint64_t> frames = MidiSequence::lengthInFrames(fileName, rate);
        ASSERT_TRUE(frames.has_value());
        EXPECT_EQ(*frames, renderedFrames(fileName, rate));
    }
}

TEST(MidiFile, ReadsTheTracksTheTempoMapAndTheExactLength) {
    smf::Track first, second;
    first.tempo(0, 600000).note(96, 60).at(0, {64, 100}).sysex(48, 10).tempo(48, 300000).end(192);
    second.note(0, 48).tempo(144, 1000000).at(0, {0xFF, 0x01, 2, 'h', 'i'}).end();
    MidiFile file = parse(smf::file(96, {first, second}));
    ASSERT_EQ(file.fault(), Fault::None);
    EXPECT_EQ(file.division(), 96);
    EXPECT_EQ(file.trackCount(), 2);
    EXPECT_EQ(file.eventCount(), 10u);
    EXPECT_EQ(file.endTick(), 384u);
    ASSERT_EQ(file.tempoChanges().size(), 3u);
    EXPECT_EQ(file.tempoChanges()[1].tick, 144u);  // the second track's change comes between the first's
    EXPECT_EQ(file.tempoChanges()[1].microsPerBeat, 1000000u);
    // 144 ticks at 0.6 s a beat, 48 at 1 s, 192 at 0.3 s; 96 ticks a beat.
    EXPECT_EQ(file.microseconds(), (144 * 600000ull + 48 * 1000000ull + 192 * 300000ull) / 96);
}

TEST(MidiFile, WithoutTempoEventsABeatIsHalfASecond) {
    smf::Track track;
    track.note(0, 60).note(480, 62).end(960);
    EXPECT_EQ(parse(smf::file(480, {track})).microseconds(), 1500000u);
}

TEST(MidiSequence, TheLengthIsWhatTheSynthesizerPlays) {
    MediaFiles files;
    // A slowing tempo, a change at every note.
    smf::Track ritardando;
    for (int i = 0; i < 64; ++i)
        ritardando.tempo(0, 200000 + 9000 * i).note(0, 60 + i % 12).at(120, {0x80, 60 + i % 12, 0});
    expectLengthAsPlayed(files.text("ritardando.mid", smf::file(480, {ritardando.end()})));

    // Several tracks ending at different ticks, their tempo changes in two of
    // them, some at the same tick and some within one block of each other.
    smf::Track conductor, melody, bass;
    conductor.tempo(0, 400000).tempo(960, 700000).tempo(1, 350000).tempo(959, 1200000).end(100);
    melody.note(0, 72).tempo(960, 250000).note(3, 74).tempo(2, 900000).note(700, 76).end(5000);
    bass.note(0, 36).at(480, {0x80, 36, 0}).end();
    expectLengthAsPlayed(files.text("tracks.mid", smf::file(480, {conductor, melody, bass})));

    // Running status, system exclusive and text events between the notes.
    smf::Track running;
    running.note(0, 60).at(240, {62, 90}).at(240, {64, 80}).sysex(0, 6).at(10, {0xFF, 0x01, 3, 'a', 'b', 'c'});
    running.note(230, 65).at(0, {67, 70}).tempo(480, 650000).at(0, {0xB0, 7, 100}).at(240, {10, 64}).end(480);
    expectLengthAsPlayed(files.text("running.mid", smf::file(480, {running})));

    // A long silence before the end of the track.
    smf::Track trailing;
    trailing.note(0, 60).at(480, {0x80, 60, 0}).end(480 * 40);
    expectLengthAsPlayed(files.text("trailing.mid", smf::file(480, {trailing})));

    // Coarse ticks of a long beat, and fine ticks of a short one.
    smf::Track coarse, fine;
    coarse.tempo(0, 0xFFFFFF).note(1, 60).end(1);
    fine.tempo(0, 1).note(0x0FFFFFFF, 60).note(0x0FFFFFFF, 62).end(0x0FFFFFF);
    expectLengthAsPlayed(files.text("coarse.mid", smf::file(1, {coarse})));
    expectLengthAsPlayed(files.text("fine.mid", smf::file(32767, {fine})));
}

TEST(MidiSequence, TheGameMusicLengthIsWhatTheSynthesizerPlays) {
    expectLengthAsPlayed("data/intro.mid");
    expectLengthAsPlayed("data/song.mid");
}

// Random pieces from a fixed seed: tracks, tempo changes anywhere, short
// deltas that put several changes in one block, trailing silences.
TEST(MidiSequence, RandomPiecesLastAsTheSynthesizerPlaysThem) {
    MediaFiles files;
    std::mt19937 random(20240611);
    auto pick = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    for (int piece = 0; piece < 24; ++piece) {
        int division = pick(0, 2) == 0 ? pick(1, 24) : pick(24, 3000);
        std::vector<smf::Track> tracks(static_cast<std::size_t>(pick(1, 4)));
        for (smf::Track& track : tracks) {
            int events = pick(0, 60);
            for (int i = 0; i < events; ++i) {
                std::uint32_t delta = pick(0, 3) == 0 ? pick(0, 2) : pick(0, division);
                if (pick(0, 3) == 0) track.tempo(delta, pick(0, 4) == 0 ? pick(1, 5000) : pick(150000, 1500000));
                else track.note(delta, pick(30, 90));
            }
            track.end(pick(0, 1) ? 0 : pick(0, 4 * division));
        }
        expectLengthAsPlayed(files.text("random" + std::to_string(piece) + ".mid", smf::file(division, tracks)));
    }
}

TEST(MidiSequence, AHugeSystemExclusiveMessagePlays) {
    MediaFiles files;
    smf::Track track;
    track.sysex(0, 1 << 20).note(480, 60).end(480);
    std::string fileName = files.text("sysex.mid", smf::file(480, {track}));
    EXPECT_EQ(MidiSequence::lengthInFrames(fileName, 44100), renderedFrames(fileName, 44100));
}

// One delta of 2^28 - 1 ticks of 16.8 s: 142 years. Refused at once, since
// the synthesizer's clock cannot count that far.
TEST(MidiSequence, A142YearPieceIsRefusedAtOnce) {
    MediaFiles files;
    smf::Track track;
    track.tempo(0, 0xFFFFFF).end(0x0FFFFFFF);
    std::string fileName = files.text("years.mid", smf::file(1, {track}));
    EXPECT_EQ(MidiFile::read(fileName).microseconds(), 0x0FFFFFFFull * 0xFFFFFF);
    EXPECT_FALSE(MidiSequence::lengthInFrames(fileName, 44100).has_value());
    EXPECT_EQ(probeMedia(fileName).error, media_error::kDamagedFile);

    // 4097 such deltas pass 2^64 microseconds.
    smf::Track longer;
    longer.tempo(0, 0xFFFFFF);
    for (int i = 0; i < 4097; ++i) longer.note(0x0FFFFFFF, 60);
    EXPECT_EQ(parse(smf::file(1, {longer.end()})).fault(), Fault::TooLong);
}

// 16.777215 s a tick: 2574 ticks are just under 12 hours, 2575 just over.
// The synthesizer rounds to the nearest tick, so it reaches the end half a
// tick early, then plays on for 2 s.
TEST(MidiSequence, TwelveHoursIsTheLongestPiece) {
    MediaFiles files;
    smf::Track under, over;
    under.tempo(0, 0xFFFFFF).end(2574);
    over.tempo(0, 0xFFFFFF).end(2575);
    MediaFacts facts = probeMedia(files.text("under.mid", smf::file(1, {under})));
    EXPECT_EQ(facts.error, media_error::kNone);
    EXPECT_NEAR(static_cast<double>(facts.length), 2573.5 * 16777.215 + 2000, 3.0);
    for (int rate : {8000, 44100, 96000})
        EXPECT_TRUE(MidiSequence::lengthInFrames(files.text("under.mid", smf::file(1, {under})), rate).has_value());
    EXPECT_EQ(probeMedia(files.text("over.mid", smf::file(1, {over}))).error, media_error::kDamagedFile);
}

struct Damage {
    const char* name;
    std::string bytes;
    Fault fault;
};

void PrintTo(const Damage& damage, std::ostream* out) { *out << damage.name; }

smf::Track tune() {
    smf::Track track;
    track.tempo(0, 500000).note(0, 60).at(480, {0x80, 60, 0});
    return track;
}

const std::vector<Damage>& damages() {
    static const std::vector<Damage> all = [] {
        const std::string track = tune().end().bytes();
        const std::string whole = smf::chunk("MTrk", track);
        smf::Track endless = tune();
        smf::Track cutNote = tune();
        cutNote.at(0, {0x90, 60});
        return std::vector<Damage>{
            {"empty", "", Fault::NotMidi},
            {"notMidi", "RIFF....WAVEfmt ", Fault::NotMidi},
            {"longHeader", smf::chunk("MThd", smf::bigEndian(0x00010001, 4) + smf::bigEndian(480, 2) + "x") + whole,
             Fault::BadHeader},
            {"format3", smf::header(1, 480, 3) + whole, Fault::BadHeader},
            {"noTracks", smf::header(0, 480), Fault::TrackCount},
            {"tooManyTracks", smf::header(128, 480) + whole, Fault::TrackCount},
            {"zeroDivision", smf::header(1, 0) + whole, Fault::NoDivision},
            {"smpteDivision", smf::header(1, 0xE728) + whole, Fault::SmpteDivision},
            {"fewerTracks", smf::header(3, 480) + whole + whole, Fault::MissingTrack},
            {"cutChunkHeader", smf::header(2, 480) + whole + "MTr", Fault::MissingTrack},
            {"otherChunk", smf::header(1, 480) + smf::chunk("XFIH", "abcd") + whole, Fault::MissingTrack},
            {"chunkPastEnd", smf::header(1, 480) + "MTrk" + smf::bigEndian(track.size() + 1, 4) + track,
             Fault::ChunkPastEnd},
            {"noEndOfTrack", smf::file(480, {endless}), Fault::NoEndOfTrack},
            {"notePastChunk", smf::file(480, {cutNote}), Fault::EventPastChunk},
            {"notePastChunkIntoNext", smf::file(480, {cutNote, tune().end()}), Fault::EventPastChunk},
            {"deltaPastChunk", smf::file(480, {tune().raw("\x81")}), Fault::EventPastChunk},
            {"sysexPastChunk", smf::file(480, {tune().at(0, {0xF0}).raw(smf::number(1000000) + "abc").end()}),
             Fault::EventPastChunk},
            {"metaPastChunk", smf::file(480, {tune().at(0, {0xFF, 0x01, 20, 'a'})}), Fault::EventPastChunk},
            {"fiveByteDelta", smf::file(480, {tune().raw(std::string("\x81\x80\x80\x80\x00\x90\x3C\x40", 8)).end()}),
             Fault::BadEvent},
            {"runningStatusFirst", smf::file(480, {smf::Track().at(0, {60, 100}).end()}), Fault::BadEvent},
            {"runningStatusAfterMeta", smf::file(480, {tune().tempo(0, 400000).at(0, {60, 100}).end()}),
             Fault::BadEvent},
            {"statusInData", smf::file(480, {tune().at(0, {0x90, 0x80, 0x40}).end()}), Fault::BadEvent},
            {"escape", smf::file(480, {tune().at(0, {0xF7, 1, 0x42}).end()}), Fault::BadEvent},
            {"systemMessage", smf::file(480, {tune().at(0, {0xF8}).end()}), Fault::BadEvent},
            {"shortTempo", smf::file(480, {tune().at(0, {0xFF, 0x51, 2, 7, 0xA1}).end()}), Fault::BadEvent},
            {"longEndOfTrack", smf::file(480, {tune().at(0, {0xFF, 0x2F, 1, 0})}), Fault::BadEvent},
            {"zeroTempo", smf::file(480, {tune().tempo(0, 0).end()}), Fault::ZeroTempo},
        };
    }();
    return all;
}

class DamagedMidi : public testing::TestWithParam<Damage> {};

TEST_P(DamagedMidi, IsRefusedAsDamaged) {
    EXPECT_EQ(parse(GetParam().bytes).fault(), GetParam().fault);
    auto fileName =
        std::filesystem::temp_directory_path() / ("orbitrove-damaged-" + std::string(GetParam().name) + ".mid");
    std::ofstream(fileName, std::ios::binary) << GetParam().bytes;
    EXPECT_FALSE(MidiSequence::lengthInFrames(fileName.string(), 44100).has_value());
    EXPECT_EQ(probeMedia(fileName.string()).error, media_error::kDamagedFile);
    std::filesystem::remove(fileName);
}

INSTANTIATE_TEST_SUITE_P(EachCase, DamagedMidi, testing::ValuesIn(damages()),
                         [](const testing::TestParamInfo<Damage>& info) { return info.param.name; });

// The header announces nine tracks; the first chunk is cut short.
TEST(DamagedMidi, TheIntroMusicCutTo40BytesIsRefused) {
    MediaFiles files;
    std::ifstream in("data/intro.mid", std::ios::binary);
    std::string bytes(std::istreambuf_iterator<char>(in), {});
    ASSERT_GT(bytes.size(), 40u);
    EXPECT_EQ(parse(bytes).fault(), Fault::None);
    bytes.resize(40);
    EXPECT_EQ(parse(bytes).fault(), Fault::ChunkPastEnd);
    EXPECT_EQ(probeMedia(files.text("intro.mid", bytes)).error, media_error::kDamagedFile);
}

// Whatever follows the announced tracks is never loaded: a piece padded
// with 64 MB reads as the piece alone, and plays as long.
TEST(MidiFile, OnlyTheAnnouncedChunksAreRead) {
    MediaFiles files;
    smf::Track track;
    track.note(0, 60).end(480);
    std::string piece = smf::file(480, {track, track});
    std::string padded = files.text("padded.mid", piece);
    std::filesystem::resize_file(padded, piece.size() + (64u << 20));
    std::vector<unsigned char> read = MidiFile::announcedBytes(padded);
    EXPECT_EQ(std::string(read.begin(), read.end()), piece);
    EXPECT_EQ(MidiSequence::lengthInFrames(padded, 44100), renderedFrames(files.text("plain.mid", piece), 44100));

    // A chunk announced longer than the file: what is there, and refused.
    std::string cut = piece.substr(0, piece.size() - 3);
    read = MidiFile::announcedBytes(files.text("cut.mid", cut));
    EXPECT_EQ(std::string(read.begin(), read.end()), cut);
    EXPECT_EQ(MidiFile::parse(read).fault(), Fault::ChunkPastEnd);
}

TEST(DamagedMidi, AFileThatCannotBeReadIsRefused) {
    EXPECT_EQ(MidiFile::read("no/such/file.mid").fault(), Fault::Unreadable);
}

}  // namespace
