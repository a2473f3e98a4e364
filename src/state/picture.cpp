#include "state/picture.h"

#include <array>

namespace plotmere {

Rgb QBColor(int index) {
    // clang-format off
    static constexpr std::array<Rgb, 16> palette{{
        {0, 0, 0},       {0, 0, 128},     {0, 128, 0},     {0, 128, 128},
        {128, 0, 0},     {128, 0, 128},   {128, 128, 0},   {192, 192, 192},
        {128, 128, 128}, {0, 0, 255},     {0, 255, 0},     {0, 255, 255},
        {255, 0, 0},     {255, 0, 255},   {255, 255, 0},   {255, 255, 255},
    }};
    // clang-format on
    return palette[static_cast<unsigned>(index) % palette.size()];
}

}  // namespace plotmere
