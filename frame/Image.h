#pragma once
#include <memory>

#include "frame/Bitmap.h"
#include "frame/Control.h"

// A picture on its parent, optionally see-through by its bottom-left colour.
class TImage : public TControl {
public:
    using TControl::TControl;

    const Bitmap* picture() const { return picture_.get(); }
    void setPicture(std::shared_ptr<const Bitmap> picture);
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool autoSize);
    bool center() const { return center_; }
    void setCenter(bool center);
    bool stretch() const { return stretch_; }
    void setStretch(bool stretch);
    bool transparent() const { return transparent_; }
    void setTransparent(bool transparent);

    void paint(Canvas& canvas) override;

private:
    void fitToPicture();

    std::shared_ptr<const Bitmap> picture_;
    bool autoSize_ = false;
    bool center_ = false;
    bool stretch_ = false;
    bool transparent_ = false;
};
