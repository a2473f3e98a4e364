#include "app/manual_address.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace plotmere {

std::string ManualAddress(const char* argv0) {
    const QString self = QFileInfo("/proc/self/exe").canonicalFilePath();  // however it was started
    const QDir folder = QFileInfo(self.isEmpty() ? QString::fromLocal8Bit(argv0) : self).absoluteDir();
    QString manual = folder.filePath("doc/manual.html");
    if (!QFileInfo::exists(manual)) manual = folder.filePath(PLOTMERE_DOC_FROM_BIN "/manual.html");
    return QUrl::fromLocalFile(QDir::cleanPath(manual)).toString(QUrl::FullyEncoded).toStdString();
}

}  // namespace plotmere
