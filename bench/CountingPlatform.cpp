#include "bench/CountingPlatform.h"

namespace {

class CountingWindow : public PlatformWindow {
public:
    CountingWindow(std::unique_ptr<PlatformWindow> inner, std::uint64_t& pixels)
        : inner_(std::move(inner)), pixels_(pixels) {}

    int id() const override { return inner_->id(); }
    Point position() const override { return inner_->position(); }
    void setPosition(Point topLeft) override { inner_->setPosition(topLeft); }
    void show() override { inner_->show(); }
    void hide() override { inner_->hide(); }
    void present(const Canvas& canvas, const std::vector<Rect>& rects) override {
        for (const Rect& r : rects) pixels_ += static_cast<std::uint64_t>(r.width) * r.height;
        inner_->present(canvas, rects);
    }
    void setCursor(TCursor cursor) override { inner_->setCursor(cursor); }

private:
    std::unique_ptr<PlatformWindow> inner_;
    std::uint64_t& pixels_;
};

}  // namespace

std::unique_ptr<PlatformWindow> CountingPlatform::createWindow(Size size, WindowKind kind) {
    return std::make_unique<CountingWindow>(inner_.createWindow(size, kind), pixels_);
}

bool CountingPlatform::nextEvent(InputEvent& event, int timeoutMs) {
    bool got = inner_.nextEvent(event, timeoutMs);
    if (timeoutMs != 0) ++wakeUps_;
    return got;
}

void CountingPlatform::resetCounts() {
    wakeUps_ = 0;
    pixels_ = 0;
}
