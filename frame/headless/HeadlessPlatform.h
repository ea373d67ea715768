#pragma once
#include <deque>
#include <vector>

#include "frame/Platform.h"
#include "frame/headless/BoxTypesetter.h"
#include "frame/headless/NoPictureReader.h"

class TApplication;

// Runs the frame with no display and no sound device: a virtual clock that
// moves only when told, input posted by the caller, windows that only
// remember their state. Used by the tests and the simulator. Text and
// pictures come from the typesetter and reader it is handed, which must
// outlive it, or else its own boxes and no pictures at all.
class HeadlessPlatform : public Platform {
public:
    struct Window : PlatformWindow {
        explicit Window(int id) : id_(id) {}
        int id() const override { return id_; }
        Point position() const override { return position_; }
        void setPosition(Point topLeft) override { position_ = topLeft; }
        void show() override { shown = true; }
        void hide() override { shown = false; }
        void present(const Canvas&, const std::vector<Rect>& rects) override { presented = rects; }
        void setCursor(TCursor c) override { cursor = c; }

        int id_;
        Point position_;
        bool shown = false;
        TCursor cursor = TCursor::crDefault;
        std::vector<Rect> presented;
    };

    explicit HeadlessPlatform(std::uint32_t utcMillisecondOfDay = 0, Size screen = {1024, 768})
        : HeadlessPlatform(ownTypesetter_, ownPictures_, utcMillisecondOfDay, screen) {}
    HeadlessPlatform(Typesetter& typesetter, PictureReader& pictures, std::uint32_t utcMillisecondOfDay = 0,
                     Size screen = {1024, 768})
        : typesetter_(typesetter), pictures_(pictures), utc_(utcMillisecondOfDay), screen_(screen) {}
    HeadlessPlatform(const HeadlessPlatform&) = delete;
    HeadlessPlatform& operator=(const HeadlessPlatform&) = delete;

    std::uint64_t now() override { return now_; }
    void setNow(std::uint64_t now) { now_ = now; }
    std::uint32_t utcMillisecondOfDay() override { return utc_; }
    void setUtcMillisecondOfDay(std::uint32_t ms) { utc_ = ms; }
    Size screenSize() override { return screen_; }
    std::unique_ptr<PlatformWindow> createWindow(Size size, WindowKind kind) override;
    Typesetter& typesetter() override { return typesetter_; }
    PictureReader& pictures() override { return pictures_; }
    bool nextEvent(InputEvent& event, int timeoutMs) override;
    // Nobody to show it to: the caller has written the text to standard error.
    void showFatalError(const std::string&, const std::string&) override {}
    void openDocument(const std::string& address) override { openedDocuments.push_back(address); }

    void post(const InputEvent& event) { queue_.push_back(event); }

    std::vector<std::string> openedDocuments;

private:
    BoxTypesetter ownTypesetter_;
    NoPictureReader ownPictures_;
    Typesetter& typesetter_;
    PictureReader& pictures_;
    std::uint64_t now_ = 0;
    std::uint32_t utc_;
    Size screen_;
    int nextWindowId_ = 1;
    std::deque<InputEvent> queue_;
};

// Advances the virtual clock by `ms`, stopping at each due tick on the way so
// that ticks are handled in order of due time, as on a real clock.
void runFor(TApplication& application, HeadlessPlatform& platform, std::uint64_t ms);
