#pragma once
// The page's picture: drawn without a toolkit at the device's resolution, and
// saved by the page as a download. The page encodes PNG and JPEG from its
// canvas; a bitmap and an SVG are written here and handed over.

#include <emscripten/val.h>

#include <cstdint>
#include <vector>

#include "app/image/raster_picture.h"
#include "app/web/page_host.h"
#include "state/picture_formats.h"

namespace plotmere {

class PagePicture : public RasterPicture {
public:
    PagePicture(PageHost& host, double scale) : RasterPicture(scale), host_(host) {}

    void Cls() override {
        RasterPicture::Cls();
        changed_ = true;
    }
    void Line(float x1, float y1, float x2, float y2, Rgb color) override {
        RasterPicture::Line(x1, y1, x2, y2, color);
        changed_ = true;
    }
    void PSet(float x, float y, Rgb color) override {
        RasterPicture::PSet(x, y, color);
        changed_ = true;
    }
    void SetBackColor(Rgb color) override {
        RasterPicture::SetBackColor(color);
        changed_ = true;
    }
    void Rescale(double scale) {
        RasterPicture::Rescale(scale);
        changed_ = true;
    }
    SaveResult Save(const std::string& path) override;
    // Whether the page saves a picture in that format.
    static bool Writes(FileFormat format);

    // {width, height, rgba} when it changed since the last call, else null;
    // rgba is a view of memory the next call reuses.
    emscripten::val TakeChanges();

private:
    PageHost& host_;
    bool changed_ = true;
    std::vector<std::uint8_t> rgba_;
};

}  // namespace plotmere
