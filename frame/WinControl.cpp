#include "frame/WinControl.h"

#include <algorithm>

#include "frame/Form.h"

TWinControl::TWinControl(std::string name) : TControl(std::move(name)) {}

TWinControl::TWinControl(std::string name, Typesetter& typesetter) : TControl(std::move(name), typesetter) {}

TWinControl::~TWinControl() { destroyChildren(); }

void TWinControl::destroyChildren() {
    while (!children_.empty()) {
        std::unique_ptr<TControl> child = std::move(children_.back());
        children_.pop_back();
        std::erase(graphics_, child.get());
        std::erase_if(windows_, [&](const TControl* w) { return w == child.get(); });
    }
}

void TWinControl::setColor(TColor color) {
    if (color == color_) return;
    color_ = color;
    invalidate();
}

bool TWinControl::focused() const {
    TForm* f = form();
    return f && f->activeControl() == this;
}

bool TWinControl::contains(const TControl* control) const {
    for (; control; control = control->parent())
        if (control == this) return true;
    return false;
}

void TWinControl::setVisible(bool visible) {
    if (visible == this->visible()) return;
    TControl::setVisible(visible);
    if (TForm* f = form(); f && !visible) f->controlHidden(this);
}

void TWinControl::setBounds(const Rect& bounds) {
    TControl::setBounds(bounds);
    for (TControl* c : graphics_) c->applyAlign();
    for (TWinControl* c : windows_) c->applyAlign();
}

void TWinControl::invalidateRect(const Rect& rect) { invalidateChild(rect.intersected(clientRect())); }

void TWinControl::invalidateChild(const Rect& rect) {
    if (!visible() || !parent()) return;
    parent()->invalidateChild(rect.intersected(clientRect()).translated(left(), top()));
}

void TWinControl::paint(Canvas& canvas) {
    if (color_ != clNone) canvas.fillRect(clientRect(), colorToRgb(color_));
}

void TWinControl::setContent(WindowContent* content) {
    content_ = content;
    invalidate();
}

void TWinControl::paintTree(Canvas& canvas) {
    paint(canvas);
    if (content_) content_->paint(canvas);
    Rect clip = canvas.clip().translated(-canvas.origin().x, -canvas.origin().y);
    for (TControl* child : graphics_) {
        if (!child->visible() || !child->bounds().intersects(clip)) continue;
        ClipScope scope(canvas, child->bounds());
        child->paint(canvas);
    }
    for (TWinControl* child : windows_) {
        if (!child->visible() || !child->bounds().intersects(clip)) continue;
        ClipScope scope(canvas, child->bounds());
        child->paintTree(canvas);
    }
}

TControl* TWinControl::controlAt(Point at) {
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
        TWinControl* child = *it;
        if (!child->visible() || !child->bounds().contains(at)) continue;
        return child->enabled() ? child->controlAt({at.x - child->left(), at.y - child->top()}) : nullptr;
    }
    for (auto it = graphics_.rbegin(); it != graphics_.rend(); ++it) {
        TControl* child = *it;
        if (child->visible() && child->enabled() && child->bounds().contains(at)) return child;
    }
    return this;
}

std::vector<TWinControl*> TWinControl::tabOrdered() const {
    std::vector<TWinControl*> ordered = windows_;
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const TWinControl* a, const TWinControl* b) { return a->tabOrder() < b->tabOrder(); });
    return ordered;
}

TWinControl* TWinControl::nextSiblingFocus(TWinControl* from, bool forward) const {
    std::vector<TWinControl*> ordered = tabOrdered();
    if (!forward) std::reverse(ordered.begin(), ordered.end());
    auto start = std::find(ordered.begin(), ordered.end(), from);
    if (start == ordered.end()) return from;
    for (std::size_t i = 1; i < ordered.size(); ++i) {
        TWinControl* candidate = *(ordered.begin() + (start - ordered.begin() + i) % ordered.size());
        if (candidate->tabStop() && candidate->canFocus()) return candidate;
    }
    return from;
}

TWinControl* TWinControl::firstTabStop() {
    for (TWinControl* child : tabOrdered()) {
        if (!child->canFocus()) continue;
        if (child->tabStop()) return child;
        if (TWinControl* inner = child->firstTabStop()) return inner;
    }
    return nullptr;
}

bool TWinControl::enabledUpToScreen() const {
    for (const TControl* c = this; c; c = c->parent())
        if (!c->enabled()) return false;
    return true;
}

void TWinControl::addChild(std::unique_ptr<TControl> child) {
    child->parent_ = this;
    child->typesetter_ = typesetter_;
    if (auto* windowed = dynamic_cast<TWinControl*>(child.get())) windows_.push_back(windowed);
    else graphics_.push_back(child.get());
    children_.push_back(std::move(child));
}
