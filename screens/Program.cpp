#include "screens/Program.h"

#include <filesystem>
#include <ostream>

#include "frame/FileAccess.h"
#include "screens/Unit1.h"
#include "screens/Unit2.h"

Program::Program(Platform& platform, const std::string& executablePath, const MediaFactory& makeMedia, StageLog* stages)
    : stages_(stages ? *stages : quiet_),
      executablePath_(executablePath),
      application_(platform, executablePath),
      media_(makeMedia(application_.scheduler())) {
    stages_.mark("media service made");
}

namespace {

// Where the program looks for its files, relative to the current folder.
constexpr const char* kDataFolder = "data";

#ifndef ORBITROVE_PROGRAM_TO_LAUNCHER
#define ORBITROVE_PROGRAM_TO_LAUNCHER "../../games/orbitrove"
#define ORBITROVE_LAUNCHER "games/orbitrove"
#endif

// The installed launcher of this program, which starts it from the folder
// that holds data/ (PREFIX/games/orbitrove for PREFIX/lib/orbitrove/orbitrove,
// as packaging/ lays them out). Empty when there is none beside it.
std::string installedLauncher() {
    namespace fs = std::filesystem;
    std::string folder = programFolder();
    if (folder.empty()) return {};
    fs::path launcher = (fs::path(folder) / ORBITROVE_PROGRAM_TO_LAUNCHER).lexically_normal();
    std::error_code error;
    return fs::is_regular_file(launcher, error) ? launcher.string() : std::string();
}

// Said when the current folder has no data/: the files are all there, the
// program was only started from the wrong place.
std::string startFolderNote() {
    std::error_code error;
    if (std::filesystem::is_directory(kDataFolder, error)) return {};
    std::string launcher = installedLauncher();
    return "The game must be started from the folder that holds data/, or through its launcher " +
           (launcher.empty() ? std::string("(" ORBITROVE_LAUNCHER " in the installed game)") : launcher) + ".";
}

}  // namespace

Program::~Program() { application_.destroyForms(); }

void Program::run() {
    application_.showMainForm();
    stages_.mark("title screen shown");
    media_->firstScreenShown();
    application_.loop();
}

bool Program::start(std::ostream& errors) {
    try {
        application_.platform().typesetter().addFaceAliases("data/fonts.conf");
        stages_.mark("face aliases read");
        application_.createForm(Form1, *media_);
        stages_.mark("title screen made");
        application_.createForm(Form2, *media_);
        stages_.mark("game screen made");
        return true;
    } catch (const std::exception& error) {
        // No screen is shown: what was made goes (the intro music stops).
        application_.destroyForms();
        std::string text = startupErrorText(error, executablePath_, startFolderNote());
        errors << "Application Error: " << text << '\n';
        application_.platform().showFatalError("Application Error", text);
        return false;
    }
}
