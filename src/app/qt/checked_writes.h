#pragma once
// Writes passed on to another device, with the errno of the first that fell
// short: the PDF engine does not look, and a Qt file keeps no reason for a
// write that a full disk cut short.

#include <QIODevice>
#include <cerrno>
#include <optional>

namespace plotmere {

class CheckedWrites : public QIODevice {
public:
    explicit CheckedWrites(QIODevice& to) : to_(to) { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }
    bool isSequential() const override { return true; }
    // The errno of the first write that fell short; none while all were whole.
    std::optional<int> failure() const { return failure_; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        const qint64 written = to_.write(data, size);
        if (written != size && !failure_) failure_ = errno;
        return written;
    }

private:
    QIODevice& to_;
    std::optional<int> failure_;
};

}  // namespace plotmere
