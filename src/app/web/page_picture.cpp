#include "app/web/page_picture.h"

namespace plotmere {

using emscripten::val;

// The browser has no writer of PDF.
bool PagePicture::Writes(FileFormat format) { return format != FileFormat::Pdf; }

SaveResult PagePicture::Save(const std::string& path) {
    const FileFormat format = FormatOf(path);
    const bool fromCanvas = format == FileFormat::Png || format == FileFormat::Jpeg;
    const SaveResult result = fromCanvas ? SaveResult::Saved : RasterPicture::Save(path);
    if (result == SaveResult::Saved) {
        val e = PageHost::event(fromCanvas ? "encode" : "download");
        e.set("path", path);
        e.set("mime", RowOf(format).mime);
        host_.send(e);
    }
    return result;
}

val PagePicture::TakeChanges() {
    if (!changed_) return val::null();
    changed_ = false;
    const Raster& r = raster();
    const PixelSize size = r.size();
    rgba_.resize(static_cast<size_t>(size.width) * size.height * 4);
    auto out = rgba_.begin();
    for (int y = 0; y < size.height; ++y) {
        for (int x = 0; x < size.width; ++x) {
            const Rgb c = r.at(x, y);
            *out++ = c.r;
            *out++ = c.g;
            *out++ = c.b;
            *out++ = 255;
        }
    }
    val picture = val::object();
    picture.set("width", size.width);
    picture.set("height", size.height);
    picture.set("rgba", val(emscripten::typed_memory_view(rgba_.size(), rgba_.data())));
    return picture;
}

}  // namespace plotmere
