#pragma once
// The picture as a persistent image: drawn in picture units (twips) through a
// scale onto device pixels, so that a sharper screen or a print scale gives a
// larger image of the same drawing.

#include <QColor>
#include <QImage>
#include <string>

#include "app/qt/qt_pixels.h"
#include "state/drawing.h"
#include "state/picture.h"

namespace plotmere {

inline QColor ToQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

class ImagePicture : public Picture {
public:
    // scale: device pixels per pixel of the nominal 274 x 124 picture.
    explicit ImagePicture(double scale = 1.0);

    void Cls() override;
    void Line(float x1, float y1, float x2, float y2, Rgb color) override;
    void PSet(float x, float y, Rgb color) override;
    void SetBackColor(Rgb color) override;
    void ClearBackgroundPicture() override;

    // The start-up picture, drawn under everything until it is removed; its
    // device pixel ratio says how many of its pixels make one pixel.
    void SetBackgroundPicture(const QImage& picture);
    // The same start-up picture at another resolution, where it is shown or
    // still to come; nothing is cleared.
    void ReplaceBackgroundPicture(const QImage& picture);
    // Draws again at a device pixel ratio times a view scale: from the list of
    // what was drawn, so that it stays sharp; files keep the ratio alone.
    void SetScale(double ratio, double view = 1);
    double scale() const { return ratio_ * view_; }
    const QImage& image() const { return image_; }
    QColor backColor() const { return back_; }
    // What was drawn since the last clear, as every format replays it.
    const Drawing& drawing() const { return drawing_; }
    SaveResult Save(const std::string& path) override;

private:
    QImage render(double scale) const;

    double ratio_;
    double view_ = 1;
    QImage image_;
    Drawing drawing_;
    QImage background_;
    QImage underlay_;  // the start-up picture as it was at the last clear
    QColor back_{255, 255, 255};
};

}  // namespace plotmere
