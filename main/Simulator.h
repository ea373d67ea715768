#pragma once
#include <functional>
#include <iosfwd>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "frame/headless/HeadlessPlatform.h"
#include "main/LibraryServices.h"
#include "main/SimulatorServices.h"
#include "media/MediaPlayer.h"
#include "screens/Program.h"

// Runs the whole program headless on the virtual clock from a script of
// input events, one command a line, and prints the state asked for.
class Simulator {
public:
    // The libraries' services unless told; the default is made by the
    // caller, so that a build without the libraries never refers to them.
    Simulator(std::string executablePath, std::ostream& out, std::ostream& err,
              std::unique_ptr<SimulatorServices> services = libraryServices());
    ~Simulator();

    // Runs the script to its end or to the program's end; the exit status.
    int run(std::istream& script);

private:
    using Words = std::vector<std::string>;

    void addGameValues();
    bool start();
    bool execute(const Words& words);
    void runCommand(const Words& words);
    void wait(const std::string& text);
    void key(const Words& words);
    void pointer(const Words& words);
    void closeForm(const Words& words);
    void print(const Words& words);
    void shot(const Words& words);
    std::optional<std::string> value(const std::string& path) const;
    std::optional<std::string> formValue(TForm& form, const std::string& property) const;
    std::optional<std::string> componentValue(TForm& form, TComponent& component, const std::string& property) const;
    std::optional<std::string> playerValue(const TMediaPlayer& player, const std::string& property) const;
    std::string focus() const;
    TForm* visibleForm(const std::string& name);
    void post(InputEvent event, const TForm& form);
    void fail(const std::string& message);

    std::string executablePath_;
    std::ostream& out_;
    std::ostream& err_;
    // The platform outlives the program that runs on it, and its text and
    // pictures outlive the platform.
    std::unique_ptr<SimulatorServices> services_;
    HeadlessPlatform platform_{services_->typesetter(), services_->pictures()};
    std::unique_ptr<Program> program_;
    std::map<std::string, std::function<std::string()>> values_;
    bool failed_ = false;
};
