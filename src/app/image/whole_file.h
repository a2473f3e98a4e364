#pragma once
// A file written whole or not at all: beside the target first, then renamed
// over it, so that a full disk leaves the old file as it was and no part of a
// new one. An old file keeps its permissions; a symbolic link stays and the
// file it names is replaced, as Qt's saves do.

#include <functional>
#include <string>

#include "app/image/byte_sink.h"
#include "state/picture.h"

namespace plotmere {

// write gives the file's bytes; why the file could not be written is the
// system's reason.
SaveResult WriteWholeFile(const std::string& path, const std::function<void(ByteSink&)>& write);

}  // namespace plotmere
