#pragma once
#include <memory>
#include <string>
#include <vector>

#include "frame/Form.h"
#include "frame/HintManager.h"
#include "frame/Platform.h"
#include "frame/Scheduler.h"
#include "frame/TimerQueue.h"

// The one application object: screens in creation order, the main screen,
// the event loop and the error box.
class TApplication {
public:
    TApplication(Platform& platform, const std::string& executablePath);
    ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    Platform& platform() const { return platform_; }
    TimerQueue& timers() { return timers_; }
    Scheduler& scheduler() { return scheduler_; }
    HintManager& hints() { return hints_; }
    const std::string& title() const { return title_; }

    // Builds a screen: `ref` is set before its controls are created, then
    // its layout is built and OnCreate runs. The first becomes the main screen.
    // `services` go to the screen's constructor after the application.
    template <class F, class... Services>
    void createForm(F*& ref, Services&... services) {
        auto form = std::make_unique<F>(*this, services...);
        ref = form.get();
        forms_.push_back(std::move(form));
        ref->create();
    }
    TForm* mainForm() const { return forms_.empty() ? nullptr : forms_.front().get(); }
    TForm* form(const std::string& name) const;
    TForm* activeForm() const { return activeForm_; }

    // Shows the main screen and handles events until terminated.
    void run();
    // Handles events until terminated.
    void loop();
    void showMainForm();
    void terminate() { terminated_ = true; }
    bool terminated() const { return terminated_; }
    // Handles every event that is due now: waiting input first, then
    // painting, then timer ticks, one at a time. Returns when none is left.
    void processPending();
    // Destroys the screens, stopping their timers; the loop's end.
    void destroyForms();

    // Reports an error that reached the loop in the modal error box.
    void showException(const std::exception& error);
    bool modal() const;

    void formShown(TForm& form);
    void formHidden(TForm& form);
    // Frees a screen once the current event has been handled.
    void release(TForm& form);

private:
    bool handleOne();
    void dispatch(const InputEvent& event);
    void dispatchToForm(TForm& form, const InputEvent& event);
    bool paintOne();
    bool tickOne();
    TForm* formOfWindow(int id) const;
    void freeReleased();

    Platform& platform_;
    std::string title_;
    TimerQueue timers_;
    Scheduler scheduler_{timers_, platform_};
    HintManager hints_{platform_, scheduler_};
    std::vector<std::unique_ptr<TForm>> forms_;
    std::vector<TForm*> released_;
    TForm* activeForm_ = nullptr;
    bool terminated_ = false;
};

// The application title for an executable path: the file name cut at its
// first ".", every character after the first in lower case.
std::string applicationTitle(const std::string& executablePath);
// The error box text: the message with "." appended when its last character
// comes after "." in the character set.
std::string errorBoxText(const std::string& message);
// The text of the box shown when start-up fails: "Exception CLASS in module
// NAME at ADDRESS.\nMESSAGE." with `note`, a further sentence, after it.
std::string startupErrorText(const std::exception& error, const std::string& executablePath,
                             const std::string& note = {});
