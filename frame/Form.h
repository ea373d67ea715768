#pragma once
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "frame/Platform.h"
#include "frame/WinControl.h"

class TApplication;
class TButton;

enum class TCloseAction { caNone, caHide, caFree };
using TCloseEvent = std::function<void(TComponent* sender, TCloseAction& action)>;

// A top-level screen: a borderless window whose controls are built from the
// screen's layout when the application creates it. Controls belong to their
// parents and timers to the screen; the screen keeps a non-owning index of
// both, by name, in creation order.
class TForm : public TWinControl {
public:
    TForm(TApplication& application, std::string name);
    ~TForm() override;

    TApplication& application() const { return application_; }
    // Builds the controls, then runs OnCreate. Called by the application.
    void create();

    // Creates a control owned by `parent` (a windowed control of this screen).
    template <class T, class... Args>
    T& make(TWinControl* parent, std::string name, Args&&... args) requires std::is_base_of_v<TControl, T> {
        T& control = parent->adopt(std::make_unique<T>(std::move(name), std::forward<Args>(args)...));
        index_.push_back(&control);
        return control;
    }
    // Creates a component other than a control, such as a timer, owned by
    // this screen.
    template <class T, class... Args>
    T& make(Args&&... args) requires(!std::is_base_of_v<TControl, T>) {
        auto owned = std::make_unique<T>(std::forward<Args>(args)...);
        T& ref = *owned;
        owned_.push_back(std::move(owned));
        index_.push_back(&ref);
        return ref;
    }
    TComponent* component(const std::string& name) const;
    // Every component made on this screen, in creation order.
    const std::vector<TComponent*>& components() const { return index_; }

    void setClientSize(Size size);

    bool showing() const override { return visible(); }
    void setVisible(bool visible) override;
    void showForm();
    void hideForm();
    void close();

    TWinControl* activeControl() const { return activeControl_; }
    void setActiveControl(TWinControl* control);
    // Focus rule on becoming the active window.
    void activate();
    void controlHidden(TWinControl* control);

    void invalidateChild(const Rect& rect) override;
    bool needsPaint() const { return !dirty_.empty(); }
    void paintPending();
    const Canvas& canvas() const { return canvas_; }
    PlatformWindow& window() const { return *window_; }

    // Input from the window system, in client coordinates.
    void keyDown(std::uint16_t key, TShiftState shift) override;
    void textInput(const std::string& text) override;
    void pointerMove(TShiftState shift, Point at);
    void pointerDown(TMouseButton button, TShiftState shift, Point at);
    void pointerUp(TMouseButton button, TShiftState shift, Point at);
    void pointerWheel(int notches, Point at);
    TControl* controlUnder(Point at);

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TCloseEvent OnClose;
    TKeyEvent OnKeyDown;

protected:
    virtual void createControls() {}

private:
    void placeOnScreen();
    TButton* defaultButton() const;

    TApplication& application_;
    std::vector<TComponent*> index_;
    std::vector<std::unique_ptr<TComponent>> owned_;
    std::unique_ptr<PlatformWindow> window_;
    Canvas canvas_;
    std::vector<Rect> dirty_;
    bool placed_ = false;
    TWinControl* activeControl_ = nullptr;
    TControl* capture_ = nullptr;
};
