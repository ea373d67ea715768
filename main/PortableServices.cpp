#include "main/PortableServices.h"

#include "frame/BmpWriter.h"
#include "frame/FileAccess.h"
#include "frame/headless/BlankPictureReader.h"
#include "frame/headless/BoxTypesetter.h"
#include "media/HeaderReader.h"

namespace {

class PortableServices : public SimulatorServices {
public:
    Typesetter& typesetter() override { return typesetter_; }
    PictureReader& pictures() override { return pictures_; }
    const MediaReader& media() const override { return kHeaderReader; }
    bool saveShot(const Canvas& canvas, const std::string& path) override {
        return namesBmp(path) && replaceFile(path, encodeBmp(canvas));
    }

private:
    BoxTypesetter typesetter_;
    BlankPictureReader pictures_;
};

}  // namespace

std::unique_ptr<SimulatorServices> portableServices() { return std::make_unique<PortableServices>(); }
