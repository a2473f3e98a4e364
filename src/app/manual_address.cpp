#include "app/manual_address.h"

#include <cctype>
#include <cstdio>
#include <string_view>

namespace plotmere {

namespace {

// A path's bytes as an address's: letters, digits and the few marks an
// address path keeps as they are; every other byte as %XX.
std::string addressPath(const std::string& path) {
    constexpr std::string_view kept = "-._~!$&'()*+,;=:@/";
    std::string address;
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 128 && std::isalnum(byte)) || kept.find(c) != std::string_view::npos) {
            address += c;
        } else {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", byte);
            address += escaped;
        }
    }
    return address;
}

}  // namespace

std::string ManualAddress(const std::filesystem::path& programFolder) {
    std::filesystem::path manual = programFolder / "doc/manual.html";
    if (!std::filesystem::exists(manual)) manual = programFolder / PLOTMERE_DOC_FROM_BIN / "manual.html";
    return "file://" + addressPath(manual.lexically_normal().string());
}

}  // namespace plotmere
