#include "app/qt/headless_picture.h"

#include <utility>

namespace plotmere {

HeadlessPicture::HeadlessPicture(double scale, std::function<QImage(double)> startupPicture)
    : picture_(scale), startupPicture_(std::move(startupPicture)) {}

// Nothing is drawn while it shows and is still to be made, so setting it
// clears no shape.
void HeadlessPicture::makeStartupPictureIfShown() {
    if (!shown_) return;
    picture_.SetBackgroundPicture(startupPicture_(picture_.scale()));
    if (!kept_) picture_.ClearBackgroundPicture();
    shown_ = kept_ = false;  // the image picture keeps it from here on
}

void HeadlessPicture::Cls() {
    picture_.Cls();
    shown_ = kept_;
}

void HeadlessPicture::Line(float x1, float y1, float x2, float y2, Rgb color) {
    makeStartupPictureIfShown();
    picture_.Line(x1, y1, x2, y2, color);
}

void HeadlessPicture::PSet(float x, float y, Rgb color) {
    makeStartupPictureIfShown();
    picture_.PSet(x, y, color);
}

void HeadlessPicture::SetBackColor(Rgb color) {
    picture_.SetBackColor(color);
    shown_ = kept_;
}

void HeadlessPicture::ClearBackgroundPicture() {
    picture_.ClearBackgroundPicture();
    kept_ = false;
}

SaveResult HeadlessPicture::Save(const std::string& path) {
    makeStartupPictureIfShown();
    return picture_.Save(path);
}

}  // namespace plotmere
