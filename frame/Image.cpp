#include "frame/Image.h"

void TImage::setPicture(std::shared_ptr<const Bitmap> picture) {
    picture_ = std::move(picture);
    fitToPicture();
    invalidate();
}

void TImage::setAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    fitToPicture();
}

void TImage::setCenter(bool center) {
    center_ = center;
    invalidate();
}

void TImage::setStretch(bool stretch) {
    stretch_ = stretch;
    invalidate();
}

void TImage::setTransparent(bool transparent) {
    transparent_ = transparent;
    invalidate();
}

void TImage::fitToPicture() {
    if (autoSize_ && picture_) setBounds({left(), top(), picture_->width, picture_->height});
}

void TImage::paint(Canvas& canvas) {
    if (!picture_) return;
    if (stretch_) {
        canvas.stretchBitmap(*picture_, clientRect(), transparent_);
        return;
    }
    int x = center_ ? (width() - picture_->width) / 2 : 0;
    int y = center_ ? (height() - picture_->height) / 2 : 0;
    canvas.drawBitmap(*picture_, x, y, transparent_);
}
