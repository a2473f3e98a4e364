#pragma once
// The picture box Picture1: a sunken border around the picture's image, drawn
// one image pixel to one device pixel so that it stays sharp at any scale.

#include <QWidget>

#include "app/qt/image_picture.h"

namespace plotmere {

class PictureWidget : public QWidget {
    Q_OBJECT
public:
    PictureWidget(ImagePicture& picture, QWidget* parent);

    // The window's view scale (1 is 100 %): the picture is drawn again that
    // much larger, and its border grows with it.
    void SetViewScale(double scale);

signals:
    // A press of any mouse button on the drawing area, in picture units
    // (ImagePicture::UnitsPerPixel to a pixel at 100 %, whatever the scales).
    void pressed(float u, float v);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void followScale();

    ImagePicture& picture_;
    double viewScale_ = 1;
};

}  // namespace plotmere
