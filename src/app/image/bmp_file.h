#pragma once
// The raster as a Windows bitmap, byte for byte as Qt writes one from an RGB
// image: 24 bits a pixel, rows from the bottom up, each padded to four bytes.

#include "app/image/byte_sink.h"
#include "app/image/raster.h"

namespace plotmere {

void WriteBmp(ByteSink& out, const Raster& raster);

}  // namespace plotmere
