// The game in a browser page: the program on the browser back end, with the
// page's pictures, the canvas typesetter's text, and its media on the page:
// sounds on Web Audio, music on js-synthesizer's FluidSynth, the video's
// pictures from the browser's decoder.
#include <iostream>
#include <memory>

#include "frame/web/CanvasTypesetter.h"
#include "frame/web/WebPictureReader.h"
#include "frame/web/WebPlatform.h"
#include "media/HeaderReader.h"
#include "media/web/BrowserSoundOutput.h"
#include "media/web/WebMediaService.h"
#include "media/web/WebVideoSource.h"
#include "screens/Program.h"

namespace {

// What the program runs on, kept for the page's life: the browser calls
// into it long after main has returned. The platform outlives the program,
// and its text, pictures and sound outlive the platform.
struct Page {
    CanvasTypesetter typesetter;
    WebPictureReader pictures;
    BrowserSoundOutput sound;
    WebPlatform platform{typesetter, pictures};
    std::unique_ptr<Program> program;

    // The program has ended: its screens go, and the page says so.
    void end(int status) {
        program.reset();
        platform.announceEnd(status);
    }
};

}  // namespace

int main() {
    static Page page;
    page.program = std::make_unique<Program>(page.platform, "orbitrove", [](Scheduler& loop) {
        if (page.sound.rate() == 0) std::cerr << "orbitrove: no sound device can be opened; the game plays silently\n";
        return std::make_unique<WebMediaService>(loop, page.sound,
                                                 MediaReader{kHeaderReader.wave, WebVideoSource::open});
    });
    if (!page.program->start(std::cerr)) {
        page.platform.afterErrorBox([] { page.end(1); });
        return 0;
    }
    page.platform.run(page.program->application(), [] { page.end(0); });
    return 0;
}
