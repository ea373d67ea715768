#pragma once
#include <memory>
#include <string>
#include <vector>

#include "frame/Platform.h"
#include "frame/WinControl.h"

class TApplication;
class TButton;

enum class TCloseAction { caNone, caHide, caFree };
enum class TPosition { poDesigned, poScreenCenter };
using TCloseEvent = std::function<void(TComponent* sender, TCloseAction& action)>;

// A top-level screen: a borderless window whose controls are built from the
// screen's layout when the application creates it.
class TForm : public TWinControl {
public:
    TForm(TApplication& application, std::string name);
    ~TForm() override;

    TApplication& application() const { return application_; }
    // Builds the controls, then runs OnCreate. Called by the application.
    void create();

    // Creates a component owned by this screen.
    template <class T, class... Args>
    T& make(Args&&... args) {
        auto owned = std::make_unique<T>(std::forward<Args>(args)...);
        T& ref = *owned;
        components_.push_back(std::move(owned));
        return ref;
    }
    TComponent* component(const std::string& name) const;
    const std::vector<std::unique_ptr<TComponent>>& components() const { return components_; }

    void setClientSize(Size size);
    void setPosition(TPosition position) { position_ = position; }

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
    std::vector<std::unique_ptr<TComponent>> components_;
    std::unique_ptr<PlatformWindow> window_;
    Canvas canvas_;
    std::vector<Rect> dirty_;
    TPosition position_ = TPosition::poScreenCenter;
    bool placed_ = false;
    TWinControl* activeControl_ = nullptr;
    TControl* capture_ = nullptr;
};
