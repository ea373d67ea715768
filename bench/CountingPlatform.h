#pragma once
#include "frame/Platform.h"

// Forwards to another platform and counts what the benchmark reports: the
// loop's returns from waiting and the pixels its windows upload.
class CountingPlatform : public Platform {
public:
    explicit CountingPlatform(Platform& inner) : inner_(inner) {}

    std::uint64_t now() override { return inner_.now(); }
    std::uint32_t utcMillisecondOfDay() override { return inner_.utcMillisecondOfDay(); }
    Size screenSize() override { return inner_.screenSize(); }
    std::unique_ptr<PlatformWindow> createWindow(Size size, WindowKind kind) override;
    Typesetter& typesetter() override { return inner_.typesetter(); }
    PictureReader& pictures() override { return inner_.pictures(); }
    // Every call that may wait counts as a wake-up once it returns.
    bool nextEvent(InputEvent& event, int timeoutMs) override;
    void showFatalError(const std::string& title, const std::string& text) override {
        inner_.showFatalError(title, text);
    }
    void openDocument(const std::string& address) override { inner_.openDocument(address); }

    // For loops that sleep outside nextEvent.
    void countWakeUp() { ++wakeUps_; }
    std::uint64_t wakeUps() const { return wakeUps_; }
    std::uint64_t pixelsPresented() const { return pixels_; }
    void resetCounts();

private:
    Platform& inner_;
    std::uint64_t wakeUps_ = 0;
    std::uint64_t pixels_ = 0;
};
