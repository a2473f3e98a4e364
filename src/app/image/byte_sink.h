#pragma once
// Where a file's bytes go, a piece at a time.

#include <string_view>

namespace plotmere {

class ByteSink {
public:
    virtual ~ByteSink() = default;
    // False when the bytes were not all taken.
    virtual bool Write(std::string_view bytes) = 0;
};

}  // namespace plotmere
