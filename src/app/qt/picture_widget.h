#pragma once
// The picture box Picture1: a sunken border around the picture's image, drawn
// one image pixel to one device pixel so that it stays sharp at any scale.

#include <QFrame>

#include "app/qt/image_picture.h"

namespace plotmere {

class PictureWidget : public QFrame {
public:
    PictureWidget(ImagePicture& picture, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    // Mouse presses on the picture (the zoom box) are delivered from a
    // mousePressEvent here, in picture units: ImagePicture::UnitsPerPixel a pixel.

private:
    ImagePicture& picture_;
};

}  // namespace plotmere
