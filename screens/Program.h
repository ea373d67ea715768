#pragma once
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>

#include "frame/Application.h"
#include "frame/StageLog.h"
#include "media/MediaService.h"

// The running program: the application on a platform, the multimedia
// service its players play through, and the two screens. The members' order
// is the lifetime rule: the screens go first (their players close their
// devices), then the service, then the application whose timers the
// service's tracks use.
class Program {
public:
    using MediaFactory = std::function<std::unique_ptr<MediaService>(Scheduler& loop)>;
    // `stages` hears each start-up stage as it is reached; none: quiet.
    Program(Platform& platform, const std::string& executablePath, const MediaFactory& makeMedia,
            StageLog* stages = nullptr);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Loads the face aliases and creates the title screen, the main one, then
    // the game screen. On failure the "Application Error" box has been shown
    // (and its text written to `errors`) and false is returned.
    bool start(std::ostream& errors);

    // Shows the main screen and runs the loop until the program ends.
    void run();

    TApplication& application() { return application_; }
    MediaService& media() { return *media_; }

private:
    StageLog quiet_;
    StageLog& stages_;
    std::string executablePath_;
    TApplication application_;
    std::unique_ptr<MediaService> media_;
};
