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

std::string SaveFailureReason(SaveResult result) {
    switch (result) {
        case SaveResult::PermissionDenied: return "Permission denied";
        case SaveResult::NoSuchFolder: return "No such folder";
        case SaveResult::ReadOnlyFolder: return "The folder is read-only";
        case SaveResult::DiskFull: return "The disk is full";
        case SaveResult::NotEncoded: return "The picture could not be written in this format";
        case SaveResult::TooManyShapes: return "Too many shapes for SVG or PDF; save a PNG instead";
        default: return {};
    }
}

}  // namespace plotmere
