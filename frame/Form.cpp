#include "frame/Form.h"

#include <algorithm>
#include <numeric>

#include "frame/Application.h"
#include "frame/Button.h"

namespace {
constexpr std::size_t kMostDirtyRects = 16;
}

TForm::TForm(TApplication& application, std::string name)
    : TWinControl(std::move(name), application.platform().typesetter()), application_(application), canvas_(0, 0) {
    TControl::setVisible(false);
}

TForm::~TForm() {
    activeControl_ = nullptr;
    capture_ = nullptr;
    // The controls go while the screen is whole, as their destructors may
    // still repaint (a video leaving its display); then the timers.
    index_.clear();
    destroyChildren();
    while (!owned_.empty()) owned_.pop_back();
}

void TForm::create() {
    createControls();
    window_ = application_.platform().createWindow({width(), height()}, WindowKind::Screen);
    for (TComponent* c : index_)
        if (auto* control = dynamic_cast<TControl*>(c)) control->loaded();
    if (OnCreate) OnCreate(this);
}

TComponent* TForm::component(const std::string& name) const {
    auto it = std::find_if(index_.begin(), index_.end(), [&](TComponent* c) { return c->name() == name; });
    return it == index_.end() ? nullptr : *it;
}

void TForm::setClientSize(Size size) {
    setBounds({left(), top(), size.width, size.height});
    canvas_ = Canvas(size.width, size.height);
}

void TForm::setVisible(bool visible) {
    if (visible) showForm();
    else hideForm();
}

void TForm::placeOnScreen() {
    if (placed_) return;
    placed_ = true;
    Size screen = application_.platform().screenSize();
    setBounds(
        {std::max(0, (screen.width - width()) / 2), std::max(0, (screen.height - height()) / 2), width(), height()});
    window_->setPosition({left(), top()});
}

void TForm::showForm() {
    bool wasHidden = !visible();
    placeOnScreen();
    TControl::setVisible(true);
    window_->show();
    dirty_.assign(1, clientRect());
    application_.formShown(*this);
    if (wasHidden && OnShow) OnShow(this);
}

void TForm::hideForm() {
    if (!visible()) return;
    TControl::setVisible(false);
    capture_ = nullptr;
    window_->hide();
    application_.formHidden(*this);
}

void TForm::close() {
    TCloseAction action = TCloseAction::caHide;
    if (OnClose) OnClose(this, action);
    if (action == TCloseAction::caNone) return;
    if (this == application_.mainForm()) application_.terminate();
    else if (action == TCloseAction::caFree) application_.release(*this);
    else hideForm();
}

void TForm::setActiveControl(TWinControl* control) {
    if (control == activeControl_) return;
    TWinControl* old = activeControl_;
    activeControl_ = control;
    if (old) old->invalidate();
    if (control) control->invalidate();
}

void TForm::activate() {
    if (!activeControl_) setActiveControl(firstTabStop());
}

void TForm::controlHidden(TWinControl* control) {
    if (control->contains(activeControl_)) setActiveControl(nullptr);
    if (control->contains(capture_)) capture_ = nullptr;
}

void TForm::invalidateChild(const Rect& rect) {
    Rect r = rect.intersected(clientRect());
    if (!visible() || r.empty()) return;
    for (Rect& d : dirty_) {
        if (d.intersects(r)) {
            d = d.united(r);
            return;
        }
    }
    if (dirty_.size() < kMostDirtyRects) dirty_.push_back(r);
    else
        dirty_.front() =
            std::accumulate(dirty_.begin(), dirty_.end(), r, [](Rect a, const Rect& b) { return a.united(b); });
}

void TForm::paintPending() {
    std::vector<Rect> rects;
    rects.swap(dirty_);
    for (const Rect& r : rects) {
        canvas_.setOrigin({0, 0});
        canvas_.setClip(r);
        paintTree(canvas_);
    }
    canvas_.setClip(clientRect());
    window_->present(canvas_, rects);
}

void TForm::keyDown(std::uint16_t key, TShiftState shift) {
    bool onButton = dynamic_cast<TButton*>(activeControl_) != nullptr;
    if (key == vk::Return && !shift.anyModifier() && !onButton) {
        if (TButton* button = defaultButton()) {
            button->click();
            return;
        }
    }
    if (activeControl_) {
        activeControl_->keyDown(key, shift);
        return;
    }
    if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TForm::textInput(const std::string& text) {
    if (activeControl_) activeControl_->textInput(text);
}

TControl* TForm::controlUnder(Point at) { return capture_ ? capture_ : controlAt(at); }

void TForm::pointerMove(TShiftState shift, Point at) {
    TControl* target = controlUnder(at);
    if (!target) return;
    Point offset = target->screenOffset();
    window_->setCursor(target->cursor());
    target->mouseMove(shift, {at.x - offset.x, at.y - offset.y});
}

void TForm::pointerDown(TMouseButton button, TShiftState shift, Point at) {
    TControl* target = controlAt(at);
    if (!target) return;
    if (button == TMouseButton::mbLeft) capture_ = target;
    auto* windowed = dynamic_cast<TWinControl*>(target);
    if (windowed && windowed->takesFocusOnClick()) setActiveControl(windowed);
    Point offset = target->screenOffset();
    target->mouseDown(button, shift, {at.x - offset.x, at.y - offset.y});
}

void TForm::pointerUp(TMouseButton button, TShiftState shift, Point at) {
    TControl* target = controlUnder(at);
    if (button == TMouseButton::mbLeft) capture_ = nullptr;
    if (!target) return;
    Point offset = target->screenOffset();
    target->mouseUp(button, shift, {at.x - offset.x, at.y - offset.y});
}

void TForm::pointerWheel(int notches, Point at) {
    if (TControl* target = controlAt(at)) target->mouseWheel(notches);
}

TButton* TForm::defaultButton() const {
    for (TComponent* c : index_) {
        auto* button = dynamic_cast<TButton*>(c);
        if (button && button->isDefault() && button->showing() && button->enabled()) return button;
    }
    return nullptr;
}
