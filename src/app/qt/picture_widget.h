#pragma once
// The picture box Picture1: a sunken border around the picture's image, drawn
// one image pixel to one device pixel so that it stays sharp at any scale.

#include <QFrame>

#include "app/qt/image_picture.h"

namespace plotmere {

class PictureWidget : public QFrame {
    Q_OBJECT
public:
    PictureWidget(ImagePicture& picture, QWidget* parent);

signals:
    // A press of any mouse button on the drawing area, in picture units
    // (ImagePicture::UnitsPerPixel to a pixel, whatever the screen's scale).
    void pressed(float u, float v);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    ImagePicture& picture_;
};

}  // namespace plotmere
