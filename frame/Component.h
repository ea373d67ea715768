#pragma once
#include <functional>
#include <string>

#include "frame/Input.h"

// Anything a screen owns by name: controls and timers.
class TComponent {
public:
    explicit TComponent(std::string name) : name_(std::move(name)) {}
    virtual ~TComponent() = default;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    const std::string& name() const { return name_; }

private:
    std::string name_;
};

using TNotifyEvent = std::function<void(TComponent* sender)>;
using TMouseMoveEvent = std::function<void(TComponent* sender, TShiftState shift, int x, int y)>;
using TKeyEvent = std::function<void(TComponent* sender, std::uint16_t& key, TShiftState shift)>;
