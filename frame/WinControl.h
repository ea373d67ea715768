#pragma once
#include <memory>
#include <vector>

#include "frame/ContentHost.h"
#include "frame/Control.h"

// A control with a window of its own: it lies above every graphic sibling,
// owns children of both kinds and may take the keyboard focus.
class TWinControl : public TControl, public ContentHost {
public:
    explicit TWinControl(std::string name);
    TWinControl(std::string name, Typesetter& typesetter);
    ~TWinControl() override;

    // Takes `child` as the last of its kind; it lives as long as this control.
    template <class T>
    T& adopt(std::unique_ptr<T> child) {
        T& ref = *child;
        addChild(std::move(child));
        return ref;
    }

    TColor color() const { return color_; }
    void setColor(TColor color);

    int tabOrder() const { return tabOrder_; }
    void setTabOrder(int order) { tabOrder_ = order; }
    bool tabStop() const { return tabStop_; }
    void setTabStop(bool stop) { tabStop_ = stop; }
    // Whether a click gives this control the keyboard focus.
    virtual bool takesFocusOnClick() const { return false; }
    bool canFocus() const { return showing() && enabledUpToScreen(); }
    bool focused() const;
    bool contains(const TControl* control) const;

    const std::vector<TControl*>& graphicChildren() const { return graphics_; }
    const std::vector<TWinControl*>& windowedChildren() const { return windows_; }
    void setContent(WindowContent* content) override;
    void contentChanged() override { invalidate(); }
    bool showing() const override { return TControl::showing(); }
    // The area children align to: the client rectangle less borders.
    virtual Rect alignRect() const { return clientRect(); }

    void setVisible(bool visible) override;
    void setBounds(const Rect& bounds) override;
    void invalidateRect(const Rect& rect) override;
    // Damage reported by a child, in this control's coordinates.
    virtual void invalidateChild(const Rect& rect);

    // Paints this control, then its graphic children, then its windowed ones.
    void paintTree(Canvas& canvas);
    // The control that receives the pointer at `at` (own coordinates), or
    // null where a disabled window swallows it.
    TControl* controlAt(Point at);
    // The next control after `from` among the siblings, in tab order, that
    // can take the focus; `from` itself when none.
    TWinControl* nextSiblingFocus(TWinControl* from, bool forward) const;
    // The first focusable control below, in tab order, with tab stop on.
    TWinControl* firstTabStop();

    void paint(Canvas& canvas) override;

protected:
    // Destroys the children, the last made first, so that a child never
    // outlives one it was made after (a video player and its display).
    void destroyChildren();

private:
    void addChild(std::unique_ptr<TControl> child);
    bool enabledUpToScreen() const;
    std::vector<TWinControl*> tabOrdered() const;

    std::vector<std::unique_ptr<TControl>> children_;  // in creation order
    std::vector<TControl*> graphics_;
    std::vector<TWinControl*> windows_;
    TColor color_ = clDefault;
    WindowContent* content_ = nullptr;
    int tabOrder_ = 0;
    bool tabStop_ = false;
};
