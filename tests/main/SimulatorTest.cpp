#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include "frame/sdl/BmpFile.h"
#include "main/PortableServices.h"
#include "main/Simulator.h"

namespace {

struct SimRun {
    int status;
    std::string out;
    std::string err;
};

SimRun simulate(const std::string& script) {
    std::ostringstream out, err;
    Simulator simulator("orbitrove-sim", out, err);
    std::istringstream in(script);
    int status = simulator.run(in);
    return {status, out.str(), err.str()};
}

// Past the intro, the pointer lights the start button and clicks it.
const std::string kStartGame = "click Form1.Label1\nmove Form1.start\nclick Form1.start1\n";

TEST(Simulator, PrintsTheStateOfTheStartedProgram) {
    SimRun run = simulate(
        "# comments and blank lines are skipped\n\n"
        "print Form1.Visible Form1.Width Form1.Height Form2.Visible focus\n" +
        kStartGame +
        "print Form2.Visible Form2.Width Form2.Height time focus\n"
        "print Form2.Timer14.Enabled Form2.Timer14.Interval Form2.ridic.Enabled\n"
        "print Form2.Label5.Caption Form2.Panel9.Showing Form2.Label7.Enabled Form2.enemy.Left\n");
    EXPECT_EQ(run.out,
              "Form1.Visible=true\nForm1.Width=632\nForm1.Height=454\nForm2.Visible=false\nfocus=Form1\n"
              "Form2.Visible=true\nForm2.Width=632\nForm2.Height=446\ntime=0\nfocus=Form2\n"
              "Form2.Timer14.Enabled=true\nForm2.Timer14.Interval=245000\nForm2.ridic.Enabled=false\n"
              "Form2.Label5.Caption=Level 1\nForm2.Panel9.Showing=false\nForm2.Label7.Enabled=false\n"
              "Form2.enemy.Left=1\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
}

TEST(Simulator, PrintsThePlayersOnTheVirtualClock) {
    SimRun run = simulate(kStartGame +
                          "print Form2.MediaPlayer1.Open Form2.MediaPlayer1.Plays Form2.MediaPlayer1.Playing\n"
                          "wait 1500\n"
                          "print Form2.MediaPlayer2.Plays Form2.MediaPlayer2.Stops Form2.MediaPlayer2.Playing\n"
                          "print Form2.MediaPlayer2.Position Form2.MediaPlayer2.Visible Form2.MediaPlayer2.Length\n");
    EXPECT_EQ(run.out.substr(0, run.out.rfind('=') + 1),
              "Form2.MediaPlayer1.Open=true\nForm2.MediaPlayer1.Plays=0\nForm2.MediaPlayer1.Playing=false\n"
              "Form2.MediaPlayer2.Plays=1\nForm2.MediaPlayer2.Stops=0\nForm2.MediaPlayer2.Playing=true\n"
              "Form2.MediaPlayer2.Position=1500\nForm2.MediaPlayer2.Visible=false\nForm2.MediaPlayer2.Length=");
    EXPECT_GT(std::stoul(run.out.substr(run.out.rfind('=') + 1)), 1500u);
    EXPECT_EQ(run.err, "");
}

TEST(Simulator, ASeedFirstSetsTheClockOfDayTheGameSeedsFrom) {
    SimRun run = simulate("seed 41000000\nprint RandomSeed time\n");
    EXPECT_EQ(run.out, "RandomSeed=41000000\ntime=0\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(simulate("seed 7\n").status, 0);  // a script of just the seed still runs the program
}

TEST(Simulator, WaitsAdvanceTheVirtualClock) {
    SimRun run = simulate("wait 2999\nwait 1\nprint time\n");
    EXPECT_EQ(run.out, "time=3000\n");
}

TEST(Simulator, ClicksAndKeysReachTheControlsUnderThem) {
    SimRun run = simulate(kStartGame +
                          "click Form2.BitBtn1\nprint Form2.Panel9.Visible focus\n"
                          "click Form2.ListBox1\nkey 13\nprint Form2.Panel9.Visible focus\n"
                          "press Form2.BitBtn1\nmove Form2 5 5\nrelease Form2 5 5\nprint Form2.Panel9.Visible\n");
    EXPECT_EQ(run.out,
              "Form2.Panel9.Visible=true\nfocus=Form2.BitBtn1\n"
              "Form2.Panel9.Visible=false\nfocus=Form2\n"
              "Form2.Panel9.Visible=false\n");
    EXPECT_EQ(run.status, 0);
}

TEST(Simulator, ClosingTheMainScreenEndsTheRun) {
    SimRun run = simulate("close Form1\nprint time\n");
    EXPECT_EQ(run.out, "exit=0\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(simulate(kStartGame + "click Form2.Image3\n").out, "exit=0\n");
    EXPECT_EQ(simulate(kStartGame + "close Form2\n").out, "exit=0\n");
}

TEST(Simulator, MistakesAreReportedAndTheScriptGoesOn) {
    SimRun run = simulate(
        kStartGame + "jump 3\nprint Form2.Nothing.Left Form2.Left\nseed 5\nmove Form9.X\nkey\nwait -4\nprint time\n");
    EXPECT_EQ(run.out, "Form2.Left=196\ntime=0\n");
    EXPECT_EQ(run.status, 2);
    for (const char* word : {"jump", "Form2.Nothing.Left", "seed", "Form9", "key", "wait"})
        EXPECT_NE(run.err.find(word), std::string::npos) << word;
}

// Each bad argument is named on standard error; the script goes on and the
// status is 2. None of them may end the simulator early.
TEST(Simulator, BadArgumentsAreNamedAndTheScriptGoesOn) {
    struct Case {
        std::string line;
        std::string named;
    };
    const Case cases[] = {
        {"move Form1", "Form1"},
        {"click Form1.", "Form1."},
        {"move Form1 -2147483648 5", "-2147483648"},
        {"press Form1 5 32768", "32768"},
        {"release Form1 -32768 0", "-32768"},
        {"move Form1 99999999999999999999 0", "99999999999999999999"},
        {"wait -1", "-1"},
        {"wait 2.5", "2.5"},
        {"wait 31536000001", "31536000001"},
        {"wait 1e9", "1e9"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        SimRun run = simulate(c.line + "\nprint time\n");
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "time=0\n");
        EXPECT_NE(run.err.find(c.named), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
    // The extremes themselves are fine.
    SimRun edge = simulate("move Form1 -32767 32767\nclick Form1 32767 -32767\nwait 0\nprint time\n");
    EXPECT_EQ(edge.status, 0) << edge.err;
    EXPECT_EQ(edge.out, "time=0\n");
}

TEST(Simulator, ASeedOutsideTheDayIsAnError) {
    for (const char* seed : {"-1", "86400000", "4294967296", "x"}) {
        SCOPED_TRACE(seed);
        SimRun run = simulate(std::string("seed ") + seed + "\nprint RandomSeed time\n");
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "RandomSeed=0\ntime=0\n");  // the default clock of day
        EXPECT_NE(run.err.find(seed), std::string::npos) << run.err;
    }
    SimRun last = simulate("seed 86399999\nprint RandomSeed\n");
    EXPECT_EQ(last.status, 0);
    EXPECT_EQ(last.out, "RandomSeed=86399999\n");
}

TEST(Simulator, ShotsWriteTheVisibleScreen) {
    auto dir = std::filesystem::temp_directory_path() / "orbitrove-shot-test";
    std::filesystem::create_directories(dir);
    SimRun run =
        simulate(kStartGame + "shot " + (dir / "a.png").string() + "\nshot " + (dir / "a.bmp").string() + "\n");
    EXPECT_EQ(run.status, 0) << run.err;
    std::ifstream png(dir / "a.png", std::ios::binary);
    char magic[4] = {};
    png.read(magic, 4);
    EXPECT_EQ(std::string(magic + 1, 3), "PNG");
    Bitmap shot = loadBitmap((dir / "a.bmp").string());
    EXPECT_EQ(shot.width, 632);
    EXPECT_EQ(shot.height, 446);
    EXPECT_EQ(shot.at(488, 11), 0x00FF80u);  // a beam at its start
    std::filesystem::remove_all(dir);
}

// Each is an error with status 2, and nothing waits for a reader.
TEST(Simulator, AScriptOrOutputThatCannotBeUsedIsAnError) {
    std::ifstream folder(std::filesystem::temp_directory_path());
    std::ostringstream out, err;
    EXPECT_EQ(Simulator("orbitrove-sim", out, err).run(folder), 2);
    EXPECT_EQ(err.str(), "orbitrove-sim: cannot read the script\n");

    std::ofstream full("/dev/full");
    std::istringstream script("print time\nprint Level\n");
    std::ostringstream fullErr;
    EXPECT_EQ(Simulator("orbitrove-sim", full, fullErr).run(script), 2);
    EXPECT_EQ(fullErr.str(), "orbitrove-sim: cannot write the output\n");
}

TEST(Simulator, AShotIntoANamedPipeIsRefusedAtOnce) {
    auto dir = std::filesystem::temp_directory_path() / ("orbitrove-pipe-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::string pipe = (dir / "shot.png").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    SimRun run = simulate("shot " + pipe + "\n");  // would block for ever if the pipe were opened
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "orbitrove-sim: cannot write " + pipe + "\n");
    EXPECT_TRUE(std::filesystem::is_fifo(pipe));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);
    std::filesystem::remove_all(dir);
}

// A full disk: the error, and no cut picture left behind (nor an old one
// damaged). Needs a file system small enough to fill, which only root mounts.
struct SmallDisk {
    SmallDisk() {
        std::filesystem::create_directories(dir);
        mounted = ::mount("tmpfs", dir.c_str(), "tmpfs", 0, "size=16k") == 0;
    }
    ~SmallDisk() {
        if (mounted) ::umount(dir.c_str());
        std::filesystem::remove_all(dir);
    }
    std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("orbitrove-full-" + std::to_string(::getpid()));
    bool mounted = false;
};

TEST(Simulator, AShotOnAFullDiskLeavesNoFile) {
    SmallDisk disk;
    if (!disk.mounted) GTEST_SKIP() << "cannot mount a small file system here";
    std::string fresh = (disk.dir / "new.bmp").string(), old = (disk.dir / "old.bmp").string();
    std::ofstream(old) << "an older picture";
    SimRun run = simulate("shot " + fresh + "\nshot " + old + "\n");  // each far larger than the disk
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "orbitrove-sim: cannot write " + fresh + "\norbitrove-sim: cannot write " + old + "\n");
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(disk.dir)) left.push_back(entry.path().filename());
    EXPECT_EQ(left, std::vector<std::string>{"old.bmp"});
    std::ifstream kept(old);
    EXPECT_TRUE(std::string(std::istreambuf_iterator<char>(kept), {}) == "an older picture") << "the old one damaged";
}

TEST(Simulator, AFailedStartReportsAndExitsWithOne) {
    auto here = std::filesystem::current_path();
    auto empty = std::filesystem::temp_directory_path() / "orbitrove-empty";
    std::filesystem::create_directories(empty);
    std::filesystem::current_path(empty);
    SimRun run = simulate("print time\n");
    std::filesystem::current_path(here);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("Application Error"), std::string::npos);
}

// Recorded games: each script in tests/main/replays must print exactly what
// it printed when it was recorded, so any change to the rules' behaviour
// shows up here. With the portable services (the web build's) too: blank
// pictures and media measured by their headers play the same game.
void expectReplays(const std::function<std::unique_ptr<SimulatorServices>()>& services) {
    int scripts = 0;
    for (const auto& entry : std::filesystem::directory_iterator("tests/main/replays")) {
        if (entry.path().extension() != ".sim") continue;
        SCOPED_TRACE(entry.path().string());
        std::ifstream script(entry.path());
        std::ifstream recorded(std::filesystem::path(entry.path()).replace_extension(".out"));
        std::ostringstream out, err, expected;
        expected << recorded.rdbuf();
        Simulator simulator("orbitrove-sim", out, err, services());
        EXPECT_EQ(simulator.run(script), 0) << err.str();
        EXPECT_EQ(out.str(), expected.str());
        ++scripts;
    }
    EXPECT_GE(scripts, 2);
}

TEST(Replays, EachRecordedGamePlaysOutTheSame) { expectReplays(libraryServices); }

TEST(Replays, ThePortableServicesPlayThemOutTheSame) { expectReplays(portableServices); }

}  // namespace
