#include "app/manual_address.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace plotmere {

std::string ManualAddress() {
    // The program itself, however it was started.
    const QDir folder = QFileInfo(QFileInfo("/proc/self/exe").canonicalFilePath()).absoluteDir();
    QString manual = folder.filePath("doc/manual.html");
    if (!QFileInfo::exists(manual)) manual = folder.filePath(PLOTMERE_DOC_FROM_BIN "/manual.html");
    return QUrl::fromLocalFile(QDir::cleanPath(manual)).toString(QUrl::FullyEncoded).toStdString();
}

}  // namespace plotmere
