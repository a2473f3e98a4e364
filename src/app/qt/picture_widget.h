#pragma once
// The picture box Picture1: a sunken border around the picture's image, drawn
// one image pixel to one device pixel so that it stays sharp at any scale,
// and the readout of the coordinates beside the pointer over it.

#include <QWidget>
#include <optional>

#include "app/qt/image_picture.h"

class QLabel;

namespace plotmere {

class PictureWidget : public QWidget {
    Q_OBJECT
public:
    PictureWidget(ImagePicture& picture, QWidget* parent);

    // The window's view scale (1 is 100 %): the picture is drawn again that
    // much larger, and its border grows with it.
    void SetViewScale(double scale);
    // Device pixels to a pixel of the picture at 100 %.
    double scale() const { return picture_.scale(); }

    // Where the pointer rests on the drawing area, in picture units; none
    // outside it, while a button is held, and after a press until it moves.
    std::optional<QPointF> pointer() const;
    // Shows the text beside the pointer; an empty text hides it.
    void ShowReadout(const QString& text);

signals:
    // A press of any mouse button on the drawing area, in picture units
    // (UnitsPerPixel to a pixel at 100 %, whatever the scales).
    void pressed(float u, float v);
    // The pointer moved, onto the drawing area or off it.
    void pointerMoved();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void followScale();
    std::optional<QPointF> unitsAt(QPointF position) const;
    QPoint besidePointer(QSize size) const;
    void forgetPointer();

    ImagePicture& picture_;
    double viewScale_ = 1;
    std::optional<QPointF> hover_;  // in the widget's pixels
    QLabel* readout_;
};

}  // namespace plotmere
