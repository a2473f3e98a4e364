#pragma once
// The picture of the headless console. The start-up picture has text, and text
// takes a GUI application and the fonts: it is made only when its pixels are
// first needed, to be drawn over or saved, so that a run that never shows it
// starts as quickly as the program can.

#include <QImage>
#include <functional>

#include "app/qt/image_picture.h"

namespace plotmere {

class HeadlessPicture : public Picture {
public:
    // startupPicture: makes the start-up picture at a device pixel ratio;
    // called once at most.
    HeadlessPicture(double scale, std::function<QImage(double)> startupPicture);

    void Cls() override;
    void Line(float x1, float y1, float x2, float y2, Rgb color) override;
    void PSet(float x, float y, Rgb color) override;
    void SetBackColor(Rgb color) override;
    void ClearBackgroundPicture() override;
    SaveResult Save(const std::string& path) override;

private:
    void makeStartupPictureIfShown();

    ImagePicture picture_;
    std::function<QImage(double)> startupPicture_;
    // Until it is made: whether it is under the drawing now, and after the next clear.
    bool shown_ = true;
    bool kept_ = true;
};

}  // namespace plotmere
