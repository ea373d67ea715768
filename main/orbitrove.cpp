#include <iostream>

#include "frame/Application.h"
#include "frame/SdlPlatform.h"
#include "media/SdlMediaService.h"
#include "screens/Program.h"

int main(int, char** argv) {
    std::unique_ptr<SdlPlatform> platform;
    try {
        platform = std::make_unique<SdlPlatform>();
    } catch (const NoDisplayError& error) {
        std::cerr << "orbitrove: cannot open a display: " << error.what() << '\n';
        return 1;
    }
    SdlMediaService media;
    TApplication application(*platform, argv[0]);
    if (!startProgram(application, media, argv[0], std::cerr)) return 1;
    application.run();
    application.destroyForms();
    return 0;
}
