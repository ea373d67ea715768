#include "frame/Application.h"

#include <cstdio>
#include <iostream>

#include "frame/ErrorBox.h"
#include "frame/Exception.h"

namespace {

std::string fileName(const std::string& path) {
    auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string asciiLower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

}  // namespace

std::string applicationTitle(const std::string& executablePath) {
    std::string name = fileName(executablePath);
    name = name.substr(0, name.find('.'));
    return name.empty() ? name : name.substr(0, 1) + asciiLower(name.substr(1));
}

std::string errorBoxText(const std::string& message) {
    bool endsAfterDot = !message.empty() && static_cast<unsigned char>(message.back()) > '.';
    return endsAfterDot ? message + "." : message;
}

std::string startupErrorText(const std::exception& error, const std::string& executablePath, const std::string& note) {
    const auto* own = dynamic_cast<const Exception*>(&error);
    std::string message = error.what();
    char address[32];
    std::snprintf(address, sizeof address, "%016llX",
                  static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(own ? own->address() : nullptr)));
    bool endsWithDot = !message.empty() && message.back() == '.';
    return "Exception " + (own ? own->className() : std::string("Exception")) + " in module " +
           fileName(executablePath) + " at " + address + ".\n" + message + (endsWithDot ? "" : ".") +
           (note.empty() ? "" : " " + note);
}

TApplication::TApplication(Platform& platform, const std::string& executablePath)
    : platform_(platform), title_(applicationTitle(executablePath)) {}

TApplication::~TApplication() { destroyForms(); }

TForm* TApplication::form(const std::string& name) const {
    for (auto& f : forms_)
        if (f->name() == name) return f.get();
    return nullptr;
}

namespace {

template <class Action>
void guarded(TApplication& app, Action&& action) {
    try {
        action();
    } catch (const std::exception& error) {
        app.showException(error);
    }
}

}  // namespace

void TApplication::showMainForm() {
    if (TForm* main = mainForm()) guarded(*this, [&] { main->showForm(); });
}

void TApplication::run() {
    showMainForm();
    loop();
}

void TApplication::loop() {
    while (!terminated_) {
        processPending();
        if (terminated_) break;
        auto due = timers_.nextDue();
        std::uint64_t now = platform_.now();
        int timeout = !due ? -1 : *due <= now ? 0 : static_cast<int>(*due - now);
        InputEvent event;
        if (platform_.nextEvent(event, timeout)) dispatch(event);
    }
}

void TApplication::processPending() {
    while (!terminated_ && handleOne()) freeReleased();
    freeReleased();
}

bool TApplication::handleOne() {
    InputEvent event;
    if (platform_.nextEvent(event, 0)) {
        dispatch(event);
        return true;
    }
    return paintOne() || tickOne();
}

// Painting runs under the same guard as input and ticks: a failing paint
// shows the error box (which may add a screen, so nothing of the loop over
// the screens is touched after it) and the loop goes on.
bool TApplication::paintOne() {
    for (auto& form : forms_) {
        if (form->visible() && form->needsPaint()) {
            TForm& due = *form;
            guarded(*this, [&] { due.paintPending(); });
            return true;
        }
    }
    bool painted = false;
    guarded(*this, [&] { painted = hints_.paintPending(); });
    return painted;
}

bool TApplication::tickOne() {
    TimerQueue::Client* client = timers_.takeDue(platform_.now());
    if (!client) return false;
    guarded(*this, [&] { client->tick(); });
    return true;
}

TForm* TApplication::formOfWindow(int id) const {
    for (auto& f : forms_)
        if (f->visible() && f->window().id() == id) return f.get();
    return nullptr;
}

bool TApplication::modal() const {
    for (auto& f : forms_)
        if (f->visible() && dynamic_cast<ErrorBox*>(f.get())) return true;
    return false;
}

void TApplication::dispatch(const InputEvent& event) {
    // Window 0 is the process itself: a termination request closes the main screen.
    TForm* form = event.window == 0 ? mainForm() : formOfWindow(event.window);
    if (!form) return;
    if (event.type == InputEvent::Type::Expose) {
        form->invalidate();
        return;
    }
    if (modal() && !dynamic_cast<ErrorBox*>(form)) return;
    guarded(*this, [&] { dispatchToForm(*form, event); });
}

void TApplication::dispatchToForm(TForm& form, const InputEvent& event) {
    using Type = InputEvent::Type;
    switch (event.type) {
    case Type::KeyDown: form.keyDown(event.key, event.shift); break;
    case Type::Text: form.textInput(event.text); break;
    case Type::MouseMove:
        hints_.pointerOver(form.controlUnder(event.pos), form.window().position(), event.pos);
        form.pointerMove(event.shift, event.pos);
        break;
    case Type::MouseDown:
        hints_.cancel();
        form.pointerDown(event.button, event.shift, event.pos);
        break;
    case Type::MouseUp: form.pointerUp(event.button, event.shift, event.pos); break;
    case Type::Wheel: form.pointerWheel(event.wheel, event.pos); break;
    case Type::MouseLeave: hints_.cancel(); break;
    case Type::Close: form.close(); break;
    case Type::FocusGained:
        activeForm_ = &form;
        form.activate();
        break;
    case Type::Expose: break;
    }
}

void TApplication::showException(const std::exception& error) {
    std::string text = errorBoxText(error.what());
    std::cerr << title_ << ": " << text << '\n';
    forms_.push_back(std::make_unique<ErrorBox>(*this, text));
    TForm& box = *forms_.back();
    box.create();
    box.showForm();
}

void TApplication::formShown(TForm& form) {
    activeForm_ = &form;
    form.activate();
}

void TApplication::formHidden(TForm& form) {
    hints_.cancel();
    if (activeForm_ != &form) return;
    activeForm_ = nullptr;
    for (auto it = forms_.rbegin(); it != forms_.rend(); ++it)
        if ((*it)->visible()) activeForm_ = it->get();
}

void TApplication::release(TForm& form) {
    form.hideForm();
    released_.push_back(&form);
}

void TApplication::freeReleased() {
    for (TForm* form : released_) std::erase_if(forms_, [&](auto& f) { return f.get() == form; });
    released_.clear();
}

void TApplication::destroyForms() {
    hints_.cancel();
    activeForm_ = nullptr;
    while (!forms_.empty()) forms_.erase(forms_.begin());
}
