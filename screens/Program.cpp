#include "screens/Program.h"

#include <filesystem>
#include <ostream>

#include "screens/Unit1.h"
#include "screens/Unit2.h"

Program::Program(Platform& platform, const std::string& executablePath, const MediaFactory& makeMedia)
    : executablePath_(executablePath),
      application_(platform, executablePath),
      media_(makeMedia(application_.scheduler())) {}

namespace {

// Where the program looks for its files, relative to the current folder.
constexpr const char* kDataFolder = "data";

// The installed launcher beside this program, which starts it from the
// folder that holds data/: PREFIX/games/orbitrove for the program in
// PREFIX/lib/orbitrove/. Empty when this program is not an installed one.
std::string installedLauncher() {
    namespace fs = std::filesystem;
    std::error_code error;
    fs::path self = fs::read_symlink("/proc/self/exe", error);
    if (error) return {};
    fs::path folder = self.parent_path();
    if (folder.filename() != "orbitrove" || folder.parent_path().filename() != "lib") return {};
    fs::path launcher = folder.parent_path().parent_path() / "games" / "orbitrove";
    return fs::is_regular_file(launcher, error) ? launcher.string() : std::string();
}

// Said when the current folder has no data/: the files are all there, the
// program was only started from the wrong place.
std::string startFolderNote() {
    std::error_code error;
    if (std::filesystem::is_directory(kDataFolder, error)) return {};
    std::string launcher = installedLauncher();
    return "The game must be started from the folder that holds data/, or through its launcher " +
           (launcher.empty() ? std::string("(games/orbitrove in the installed game)") : launcher) + ".";
}

}  // namespace

Program::~Program() { application_.destroyForms(); }

bool Program::start(std::ostream& errors) {
    try {
        application_.platform().typesetter().addFaceAliases("data/fonts.conf");
        application_.createForm(Form1, *media_);
        application_.createForm(Form2, *media_);
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
