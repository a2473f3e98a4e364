#include "app/qt/image_picture.h"

#include <QPainter>
#include <cmath>

namespace plotmere {

namespace {

QColor toQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

QSize deviceSize(double scale) {
    return QSize(static_cast<int>(std::lround(ImagePicture::Width / ImagePicture::UnitsPerPixel * scale)),
                 static_cast<int>(std::lround(ImagePicture::Height / ImagePicture::UnitsPerPixel * scale)));
}

}  // namespace

ImagePicture::ImagePicture(double scale) : scale_(scale), image_(deviceSize(scale), QImage::Format_RGB32) {
    image_.fill(back_);
}

QPointF ImagePicture::toDevice(float x, float y) const {
    return QPointF(x * image_.width() / Width, y * image_.height() / Height);
}

void ImagePicture::Cls() {
    image_.fill(back_);
    if (!background_.isNull()) {
        QPainter painter(&image_);
        painter.drawImage(QRectF(QPointF(0, 0), background_.deviceIndependentSize() * scale_), background_);
    }
}

void ImagePicture::Line(float x1, float y1, float x2, float y2, Rgb color) {
    QPainter painter(&image_);
    QPen pen(toQColor(color));
    pen.setWidthF(std::max(1.0, std::round(scale_)));
    pen.setCapStyle(Qt::SquareCap);
    painter.setPen(pen);
    painter.drawLine(toDevice(x1, y1), toDevice(x2, y2));
}

void ImagePicture::PSet(float x, float y, Rgb color) {
    const QPointF p = toDevice(x, y);
    if (!(p.x() >= 0 && p.y() >= 0 && p.x() < image_.width() && p.y() < image_.height())) return;
    const int size = std::max(1, static_cast<int>(std::lround(scale_)));
    const int left = static_cast<int>(p.x()), top = static_cast<int>(p.y());
    const QRgb rgb = qRgb(color.r, color.g, color.b);
    for (int row = top; row < std::min(top + size, image_.height()); ++row) {
        auto* line = reinterpret_cast<QRgb*>(image_.scanLine(row));
        for (int col = left; col < std::min(left + size, image_.width()); ++col) line[col] = rgb;
    }
}

void ImagePicture::SetBackColor(Rgb color) {
    back_ = toQColor(color);
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

bool ImagePicture::SaveBmp(const std::string& path) const {
    return image_.save(QString::fromStdString(path), "BMP");
}

}  // namespace plotmere
