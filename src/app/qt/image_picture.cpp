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
    return QSize(static_cast<int>(std::ceil(PictureWidth / ImagePicture::UnitsPerPixel * scale)),
                 static_cast<int>(std::ceil(PictureHeight / ImagePicture::UnitsPerPixel * scale)));
}

int dotSize(double scale) { return std::max(1, static_cast<int>(std::lround(scale))); }

// The device pixels a point covers.
QRect dot(float x, float y, double scale) {
    const double perUnit = scale / ImagePicture::UnitsPerPixel;
    return QRect(static_cast<int>(std::floor(x * perUnit)), static_cast<int>(std::floor(y * perUnit)),
                 dotSize(scale), dotSize(scale));
}

void clear(QImage& image, double scale, QColor back, const QImage& underlay) {
    image.fill(back);
    if (underlay.isNull()) return;
    QPainter painter(&image);
    painter.drawImage(QRectF(QPointF(0, 0), underlay.deviceIndependentSize() * scale), underlay);
}

void drawLine(QPainter& painter, const DrawnShape& line, double scale) {
    QPen pen(ToQColor(line.color));
    pen.setWidth(dotSize(scale));
    pen.setCapStyle(Qt::SquareCap);
    painter.setPen(pen);
    // Through the middle of the end dots, so that a line covers the same
    // pixels as the points set along it. Far ends stay in floating point.
    const double perUnit = scale / ImagePicture::UnitsPerPixel, middle = dotSize(scale) / 2.0;
    auto end = [&](float x, float y) {
        return QPointF(std::floor(x * perUnit) + middle, std::floor(y * perUnit) + middle);
    };
    painter.drawLine(end(line.x1, line.y1), end(line.x2, line.y2));
}

}  // namespace

ImagePicture::ImagePicture(double scale) : ratio_(scale), image_(deviceSize(scale), QImage::Format_RGB32) {
    image_.fill(back_);
}

void ImagePicture::Cls() {
    const UpperVectorStateCleared cleared;
    drawing_.Clear();
    underlay_ = background_;
    clear(image_, scale(), back_, underlay_);
}

void ImagePicture::Line(float x1, float y1, float x2, float y2, Rgb color) {
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) return;
    const UpperVectorStateCleared cleared;
    drawing_.AddLine(x1, y1, x2, y2, color);
    QPainter painter(&image_);
    drawLine(painter, {DrawnShape::Kind::Line, color, x1, y1, x2, y2}, scale());
}

void ImagePicture::PSet(float x, float y, Rgb color) {
    if (!(x >= 0 && y >= 0 && x < PictureWidth && y < PictureHeight)) return;
    drawing_.AddPoint(x, y, color);
    const QRect p = dot(x, y, scale()) & image_.rect();
    const QRgb rgb = qRgb(color.r, color.g, color.b);
    for (int row = p.top(); row <= p.bottom(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(image_.scanLine(row));
        for (int col = p.left(); col <= p.right(); ++col) line[col] = rgb;
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

void ImagePicture::ReplaceBackgroundPicture(const QImage& picture) {
    if (!background_.isNull()) background_ = picture;
    if (!underlay_.isNull()) underlay_ = picture;
}

void ImagePicture::SetScale(double ratio, double view) {
    if (ratio == ratio_ && view == view_) return;
    image_ = render(ratio * view);
    ratio_ = ratio;
    view_ = view;
}

// Shapes past the drawing's limit are only in the image, which is stretched instead.
QImage ImagePicture::render(double scale) const {
    if (!drawing_.Complete())
        return image_.scaled(deviceSize(scale), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const UpperVectorStateCleared cleared;
    QImage image(deviceSize(scale), QImage::Format_RGB32);
    clear(image, scale, back_, underlay_);
    QPainter painter(&image);
    for (const DrawnShape& shape : drawing_.Shapes()) {
        if (shape.kind == DrawnShape::Kind::Line) {
            drawLine(painter, shape, scale);
        } else {
            painter.fillRect(dot(shape.x1, shape.y1, scale), ToQColor(shape.color));
        }
    }
    return image;
}

// Drawn in memory first, then written beside the target and renamed over it
// only when whole, so that a full disk leaves the old file as it was and no
// part of a new one. Unbuffered: a disk that fills shows only as a short
// write, which the buffer of the file would hide.
bool ImagePicture::Save(const std::string& path) {
    const QString name = QString::fromStdString(path);
    const QString suffix = QFileInfo(name).suffix().toLower();
    QBuffer content;
    const auto bitmap = [this] { return view_ == 1 ? image_ : render(ratio_); };  // as at 100 %
    const bool drawn = suffix == "svg" ? WriteSvg(content, drawing_, back_, background_)
                                       : bitmap().save(&content, suffix == "png" ? "PNG" : "BMP");
    QSaveFile file(name);
    return drawn && file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
           file.write(content.data()) == content.size() && file.commit();
}

}  // namespace plotmere
