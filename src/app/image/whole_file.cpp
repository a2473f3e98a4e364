#include "app/image/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

namespace plotmere {

namespace {

SaveResult reasonFor(int error) {
    switch (error) {
        case ENOSPC:
        case EDQUOT: return SaveResult::DiskFull;
        case EROFS: return SaveResult::ReadOnlyFolder;
        case EACCES:
        case EPERM: return SaveResult::PermissionDenied;
        case ENOENT:
        case ENOTDIR: return SaveResult::NoSuchFolder;
        default: return SaveResult::Failed;
    }
}

// Keeps the errno of the write that fell short and takes nothing after it.
// Unbuffered: a disk that fills shows at once.
class FileSink : public ByteSink {
public:
    explicit FileSink(int file) : file_(file) {}
    int error() const { return error_; }

    bool Write(std::string_view bytes) override {
        while (!bytes.empty() && !error_) {
            const ssize_t written = ::write(file_, bytes.data(), bytes.size());
            if (written < 0) error_ = errno;
            else bytes.remove_prefix(static_cast<std::size_t>(written));
        }
        return !error_;
    }

private:
    int file_;
    int error_ = 0;
};

// A new file beside the target, under a name no other has.
int createBeside(const std::string& path, std::string& name) {
    for (int attempt = 0;; ++attempt) {
        name = path + ".part" + std::to_string(getpid()) + "-" + std::to_string(attempt);
        const int file = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (file >= 0 || errno != EEXIST) return file;
    }
}

}  // namespace

SaveResult WriteWholeFile(const std::string& name, const std::function<void(ByteSink&)>& write) {
    std::error_code unresolved;  // then the name as it is, for the reason it gives
    const std::filesystem::path resolved = std::filesystem::weakly_canonical(name, unresolved);
    const std::string path = unresolved ? name : resolved.string();
    struct stat old {};
    const bool replacing = stat(path.c_str(), &old) == 0;
    if (replacing && access(path.c_str(), W_OK) != 0) return reasonFor(errno);
    std::string part;
    const int file = createBeside(path, part);
    if (file < 0) return reasonFor(errno);
    if (replacing) fchmod(file, old.st_mode & 07777);
    FileSink sink(file);
    write(sink);
    int error = sink.error();
    if (!error && fsync(file) != 0) error = errno;
    close(file);
    if (!error && rename(part.c_str(), path.c_str()) == 0) return SaveResult::Saved;
    if (!error) error = errno;
    unlink(part.c_str());
    return reasonFor(error);
}

}  // namespace plotmere
