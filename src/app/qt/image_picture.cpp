#include "app/qt/image_picture.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPainter>
#include <QSaveFile>
#include <cmath>

#include "app/qt/svg_drawing.h"
#include "app/qt/vector_state.h"

namespace plotmere {

namespace {

// Every device pixel the drawing area touches, the partly covered last row too.
QSize deviceSize(double scale) {
    return QSize(static_cast<int>(std::ceil(ImagePicture::Width / ImagePicture::UnitsPerPixel * scale)),
                 static_cast<int>(std::ceil(ImagePicture::Height / ImagePicture::UnitsPerPixel * scale)));
}

}  // namespace

ImagePicture::ImagePicture(double scale) : scale_(scale), image_(deviceSize(scale), QImage::Format_RGB32) {
    image_.fill(back_);
}

int ImagePicture::dotSize() const { return std::max(1, static_cast<int>(std::lround(scale_))); }

// The device pixel a picture point falls in.
QPoint ImagePicture::toDevice(float x, float y) const {
    const double perUnit = scale_ / UnitsPerPixel;
    return QPoint(static_cast<int>(std::floor(x * perUnit)), static_cast<int>(std::floor(y * perUnit)));
}

void ImagePicture::Cls() {
    const UpperVectorStateCleared cleared;
    drawing_.Clear();
    image_.fill(back_);
    if (!background_.isNull()) {
        QPainter painter(&image_);
        painter.drawImage(QRectF(QPointF(0, 0), background_.deviceIndependentSize() * scale_), background_);
    }
}

void ImagePicture::Line(float x1, float y1, float x2, float y2, Rgb color) {
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) return;
    const UpperVectorStateCleared cleared;
    drawing_.AddLine(x1, y1, x2, y2, color);
    QPainter painter(&image_);
    QPen pen(ToQColor(color));
    pen.setWidth(dotSize());
    pen.setCapStyle(Qt::SquareCap);
    painter.setPen(pen);
    // Through the middle of the end dots, so that a line covers the same
    // pixels as the points set along it. Far ends stay in floating point.
    const double perUnit = scale_ / UnitsPerPixel, middle = dotSize() / 2.0;
    auto end = [&](float x, float y) {
        return QPointF(std::floor(x * perUnit) + middle, std::floor(y * perUnit) + middle);
    };
    painter.drawLine(end(x1, y1), end(x2, y2));
}

void ImagePicture::PSet(float x, float y, Rgb color) {
    if (!(x >= 0 && y >= 0 && x < Width && y < Height)) return;
    drawing_.AddPoint(x, y, color);
    const QPoint p = toDevice(x, y);
    const QRgb rgb = qRgb(color.r, color.g, color.b);
    for (int row = p.y(); row < std::min(p.y() + dotSize(), image_.height()); ++row) {
        auto* line = reinterpret_cast<QRgb*>(image_.scanLine(row));
        for (int col = p.x(); col < std::min(p.x() + dotSize(), image_.width()); ++col) line[col] = rgb;
    }
}

void ImagePicture::SetBackColor(Rgb color) {
    back_ = ToQColor(color);
    Cls();
}

void ImagePicture::ClearBackgroundPicture() { background_ = QImage(); }

void ImagePicture::SetBackgroundPicture(const QImage& picture) {
    background_ = picture;
    Cls();
}

void ImagePicture::SetScale(double scale) {
    if (scale == scale_) return;
    image_ = image_.scaled(deviceSize(scale), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    scale_ = scale;
}

// Drawn in memory first, then written beside the target and renamed over it
// only when whole, so that a full disk leaves the old file as it was and no
// part of a new one. Unbuffered: a disk that fills shows only as a short
// write, which the buffer of the file would hide.
bool ImagePicture::Save(const std::string& path) {
    const QString name = QString::fromStdString(path);
    const QString suffix = QFileInfo(name).suffix().toLower();
    QBuffer content;
    const bool drawn = suffix == "svg" ? WriteSvg(content, drawing_, back_, background_)
                                       : image_.save(&content, suffix == "png" ? "PNG" : "BMP");
    QSaveFile file(name);
    return drawn && file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
           file.write(content.data()) == content.size() && file.commit();
}

}  // namespace plotmere
