#include "app/qt/svg_device.h"

#include <QBuffer>
#include <QIODevice>
#include <cmath>
#include <cstdint>
#include <optional>

#include "app/image/svg_drawing.h"

namespace plotmere {

namespace {

class DeviceSink : public ByteSink {
public:
    explicit DeviceSink(QIODevice& device) : device_(device) {}
    bool Write(std::string_view bytes) override {
        const auto size = static_cast<qint64>(bytes.size());
        return device_.write(bytes.data(), size) == size;
    }

private:
    QIODevice& device_;
};

// Shown at its own size in pixels of the picture, whatever its resolution.
std::optional<EmbeddedPng> embedded(const QImage& picture, double scale) {
    if (picture.isNull()) return std::nullopt;
    QBuffer png;
    picture.save(&png, "PNG");
    const QSizeF size = picture.deviceIndependentSize() * scale;
    return EmbeddedPng{std::llround(size.width()), std::llround(size.height()),
                       png.data().toBase64().toStdString()};
}

}  // namespace

bool WriteSvg(QIODevice& out, const Drawing& drawing, const PixelGrid& grid, QColor back,
              const QImage& startup) {
    DeviceSink sink(out);
    const Rgb color{static_cast<std::uint8_t>(back.red()), static_cast<std::uint8_t>(back.green()),
                    static_cast<std::uint8_t>(back.blue())};
    return WriteSvg(sink, drawing, grid, color, embedded(startup, grid.scale()));
}

}  // namespace plotmere
