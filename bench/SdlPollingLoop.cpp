#include "bench/SdlPollingLoop.h"

#include <SDL.h>

#include "bench/CountingPlatform.h"
#include "frame/Application.h"

void runPollingLoop(TApplication& application, CountingPlatform& platform) {
    application.showMainForm();
    while (!application.terminated()) {
        application.processPending();
        SDL_Delay(1);
        platform.countWakeUp();
    }
}
