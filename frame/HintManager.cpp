#include "frame/HintManager.h"

#include "frame/Control.h"

namespace {
const TFont kHintFont{"MS Sans Serif", 11, false, clInfoText};
constexpr int kPadding = 3;
constexpr int kBelowPointer = 20;
}  // namespace

HintManager::HintManager(Platform& platform, Scheduler& loop)
    : platform_(platform), loop_(loop), showAlarm_([this] { showNow(); }), hideAlarm_([this] { hideNow(); }) {}

HintManager::~HintManager() {
    loop_.stop(showAlarm_);
    loop_.stop(hideAlarm_);
}

void HintManager::pointerOver(TControl* control, Point windowOrigin, Point clientPos) {
    bool hinted = control && control->showHint() && !control->hint().empty();
    if (control == control_) return;
    control_ = hinted ? control : nullptr;
    if (!hinted) {
        cancel();
        return;
    }
    text_ = control->hint();
    anchor_ = {windowOrigin.x + clientPos.x, windowOrigin.y + clientPos.y + kBelowPointer};
    // With no timer left for the delay, the hint is simply not shown.
    if (shown_) showNow();
    else (void)loop_.start(showAlarm_, kShowDelay);
}

void HintManager::cancel() {
    loop_.stop(showAlarm_);
    hideNow();
    control_ = nullptr;
}

void HintManager::showNow() {
    loop_.stop(showAlarm_);
    Typesetter& typesetter = platform_.typesetter();
    Size text = typesetter.measure(kHintFont, text_);
    Size size{text.width + 2 * kPadding, text.height + 2 * kPadding};
    window_ = platform_.createWindow(size, WindowKind::Tooltip);
    // A tip the window system cannot make is simply not shown.
    if (!window_) return hideNow();
    window_->setPosition(anchor_);
    canvas_ = std::make_unique<Canvas>(size.width, size.height);
    canvas_->fillRect({0, 0, size.width, size.height}, colorToRgb(clInfoBk));
    canvas_->frameRect({0, 0, size.width, size.height}, colorToRgb(clInfoText));
    typesetter.draw(*canvas_, kHintFont, text_, kPadding, kPadding, colorToRgb(clInfoText));
    // A hint that no timer could take away again is not shown at all.
    if (!loop_.start(hideAlarm_, kShowTime)) return hideNow();
    window_->show();
    shown_ = true;
    needsPaint_ = true;
}

void HintManager::hideNow() {
    loop_.stop(hideAlarm_);
    window_.reset();
    canvas_.reset();
    shown_ = false;
    needsPaint_ = false;
}

bool HintManager::paintPending() {
    if (!needsPaint_) return false;
    needsPaint_ = false;
    window_->present(*canvas_, {{0, 0, canvas_->width(), canvas_->height()}});
    return true;
}
