#include "app/qt/image_picture.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPainter>
#include <QSaveFile>
#include <QStorageInfo>
#include <cerrno>

#include "app/qt/checked_writes.h"
#include "app/qt/pdf_drawing.h"
#include "app/qt/svg_device.h"
#include "app/qt/vector_state.h"
#include "state/picture_formats.h"

namespace plotmere {

namespace {

void clear(QImage& image, double scale, QColor back, const QImage& underlay) {
    image.fill(back);
    if (underlay.isNull()) return;
    QPainter painter(&image);
    painter.drawImage(QRectF(QPointF(0, 0), underlay.deviceIndependentSize() * scale), underlay);
}

// Far ends stay in floating point. A line of no length is its end dot, which
// Qt's thin lines would put a pixel off.
void drawLine(QPainter& painter, const DrawnShape& line, const PixelGrid& grid) {
    const PixelPoint from = grid.lineEnd(line.x1, line.y1), to = grid.lineEnd(line.x2, line.y2);
    if (from == to) return painter.fillRect(ToQRect(grid.dotAt(line.x1, line.y1)), ToQColor(line.color));
    painter.setPen(QPen(ToQColor(line.color), grid.dot(), Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(ToQPointF(from), ToQPointF(to));
}

using VectorWriter = bool (*)(QIODevice&, const Drawing&, const PixelGrid&, QColor, const QImage&);

// How a file's format is written: by an image format of Qt's, or by a
// writer of the drawing.
struct Encoding {
    const char* image = "BMP";
    int quality = -1;
    VectorWriter vector = nullptr;
};

Encoding encodingOf(const std::string& path) {
    switch (FormatOf(path)) {
        case FileFormat::Png: return {"PNG"};
        case FileFormat::Jpeg: return {"JPEG", 95};
        case FileFormat::Svg: return {nullptr, -1, WriteSvg};
        case FileFormat::Pdf: return {nullptr, -1, WritePdf};
        case FileFormat::Bmp: break;
    }
    return {};
}

// Encoded in memory first, as Qt's JPEG encoder leaks when its device fails.
bool writeImage(QIODevice& file, const QImage& image, const Encoding& format) {
    QBuffer encoded;
    return image.save(&encoded, format.image, format.quality) && file.write(encoded.data()) == encoded.size();
}

// Why the file could not be opened for writing, as far as its folder tells.
SaveResult whyNotOpened(const QString& name) {
    const QFileInfo file(name), folder(file.absolutePath());
    if (!folder.isDir()) return SaveResult::NoSuchFolder;
    if (QStorageInfo(folder.absoluteFilePath()).isReadOnly()) return SaveResult::ReadOnlyFolder;
    if (!folder.isWritable() || (file.exists() && !file.isWritable())) return SaveResult::PermissionDenied;
    return SaveResult::Failed;
}

// A write that fell short only calls the disk full when the system said so.
SaveResult whyNotWritten(int error) {
    return error == ENOSPC || error == EDQUOT ? SaveResult::DiskFull : SaveResult::Failed;
}

}  // namespace

ImagePicture::ImagePicture(double scale)
    : ratio_(scale), image_(ToQSize(PixelGrid(scale).size()), QImage::Format_RGB32) {
    image_.fill(back_);
}

void ImagePicture::Cls() {
    const UpperVectorStateCleared cleared;
    drawing_.Clear();
    underlay_ = background_;
    clear(image_, scale(), back_, underlay_);
}

void ImagePicture::Line(float x1, float y1, float x2, float y2, Rgb color) {
    if (!FiniteEnds(x1, y1, x2, y2)) return;
    const UpperVectorStateCleared cleared;
    drawing_.AddLine(x1, y1, x2, y2, color);
    QPainter painter(&image_);
    drawLine(painter, {DrawnShape::Kind::Line, color, x1, y1, x2, y2}, PixelGrid(scale()));
}

void ImagePicture::PSet(float x, float y, Rgb color) {
    if (!OnPicture(x, y)) return;
    drawing_.AddPoint(x, y, color);
    const QRect p = ToQRect(PixelGrid(scale()).dotAt(x, y)) & image_.rect();
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
    const PixelGrid grid(scale);
    if (!drawing_.Complete())
        return image_.scaled(ToQSize(grid.size()), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const UpperVectorStateCleared cleared;
    QImage image(ToQSize(grid.size()), QImage::Format_RGB32);
    clear(image, scale, back_, underlay_);
    QPainter painter(&image);
    for (const DrawnShape& shape : drawing_.Shapes()) {
        if (shape.kind == DrawnShape::Kind::Line) {
            drawLine(painter, shape, grid);
        } else {
            painter.fillRect(ToQRect(grid.dotAt(shape.x1, shape.y1)), ToQColor(shape.color));
        }
    }
    return image;
}

// Written beside the target and renamed over it only when whole, so that a
// full disk leaves the old file as it was and no part of a new one.
// Unbuffered: a disk that fills shows as a write that falls short. Files have
// the size of 100 %.
SaveResult ImagePicture::Save(const std::string& path) {
    const QString name = QString::fromStdString(path);
    const Encoding format = encodingOf(path);
    if (format.vector && !drawing_.Complete()) return SaveResult::TooManyShapes;
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return whyNotOpened(name);
    CheckedWrites checked(file);
    const bool written = format.vector ? format.vector(checked, drawing_, PixelGrid(ratio_), back_, underlay_)
                                       : writeImage(checked, view_ == 1 ? image_ : render(ratio_), format);
    if (const auto error = checked.failure()) return whyNotWritten(*error);
    if (!written) return SaveResult::NotEncoded;  // every write was whole: the encoder refused
    return file.commit() ? SaveResult::Saved : SaveResult::Failed;
}

}  // namespace plotmere
