#include "main/LibraryServices.h"

#include "frame/sdl/BmpFile.h"
#include "frame/sdl/Screenshot.h"
#include "frame/sdl/SdlTypesetter.h"
#include "media/MediaProbe.h"

namespace {

class LibraryServices : public SimulatorServices {
public:
    Typesetter& typesetter() override { return typesetter_; }
    PictureReader& pictures() override { return pictures_; }
    const MediaReader& media() const override { return kLibraryReader; }
    bool saveShot(const Canvas& canvas, const std::string& path) override { return saveImage(canvas, path); }

private:
    SdlTypesetter typesetter_;
    BmpReader pictures_;
};

}  // namespace

std::unique_ptr<SimulatorServices> libraryServices() { return std::make_unique<LibraryServices>(); }
