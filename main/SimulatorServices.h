#pragma once
#include <string>

#include "frame/Canvas.h"
#include "frame/PictureReader.h"
#include "frame/Typesetter.h"
#include "media/MediaFacts.h"

// What the simulator draws text with, reads pictures and media files with
// and writes its shots with: the libraries the game plays with, or the
// program's own code alone where they are not built (the web).
class SimulatorServices {
public:
    virtual ~SimulatorServices() = default;

    virtual Typesetter& typesetter() = 0;
    virtual PictureReader& pictures() = 0;
    virtual const MediaReader& media() const = 0;
    // Writes the canvas as a picture file; false when it cannot.
    virtual bool saveShot(const Canvas& canvas, const std::string& path) = 0;
};
