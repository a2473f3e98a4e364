#include "app/image/bmp_file.h"

#include <cstdint>
#include <string>
#include <utility>

namespace plotmere {

namespace {

// Little-endian, as every number of the format.
void put(std::string& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes += static_cast<char>(value >> (8 * i) & 0xff);
}

}  // namespace

void WriteBmp(ByteSink& out, const Raster& raster) {
    constexpr std::uint32_t headers = 14 + 40;
    constexpr std::uint32_t dotsPerMetre = 3780;  // 96 dpi, as the program's images have
    const auto [width, height] = raster.size();
    const auto across = static_cast<std::uint32_t>(width), down = static_cast<std::uint32_t>(height);
    const std::uint32_t rowBytes = (3 * across + 3) / 4 * 4, pixels = rowBytes * down;
    std::string bytes = "BM";
    const std::pair<std::uint32_t, int> fields[] = {{headers + pixels, 4},
                                                    {0, 4},
                                                    {headers, 4},  // the file
                                                    {40, 4},
                                                    {across, 4},
                                                    {down, 4},
                                                    {1, 2},
                                                    {24, 2},
                                                    {0, 4},
                                                    {pixels, 4},
                                                    {dotsPerMetre, 4},
                                                    {dotsPerMetre, 4},
                                                    {0, 4},
                                                    {0, 4}};  // the image
    for (const auto& [value, size] : fields) put(bytes, value, size);
    out.Write(bytes);
    for (int y = height - 1; y >= 0; --y) {
        bytes.clear();
        for (int x = 0; x < width; ++x) {
            const Rgb pixel = raster.at(x, y);
            bytes += {static_cast<char>(pixel.b), static_cast<char>(pixel.g), static_cast<char>(pixel.r)};
        }
        bytes.resize(rowBytes, '\0');
        out.Write(bytes);
    }
}

}  // namespace plotmere
