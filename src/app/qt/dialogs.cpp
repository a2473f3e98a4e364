#include "app/qt/dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace plotmere {

namespace {

// "Description | *.ext" as a name filter: "Description (*.ext)".
QString nameFilter(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split('|');
    if (parts.size() != 2) return {};
    return parts[0].trimmed() + " (" + parts[1].trimmed() + ")";
}

// The folder the dialog starts in: where the last file went, else the home
// folder (the design's drive root has no meaning here).
QString startFolder(const SaveDialog& dialog) {
    const QFileInfo last(QString::fromStdString(dialog.FileName));
    return last.isAbsolute() ? last.absolutePath() : QDir::homePath();
}

}  // namespace

void ModalDialogs::ShowMessage(QWidget* parent, const QString& text, const QString& title, MsgIcon icon) {
    QMessageBox box(icon == MsgIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon, title, text,
                    QMessageBox::Ok, parent);
    box.exec();
}

bool ModalDialogs::ChooseSaveFile(QWidget* parent, SaveDialog& dialog) {
    QFileDialog box(parent, QString::fromStdString(dialog.DialogTitle), startFolder(dialog));
    box.setAcceptMode(QFileDialog::AcceptSave);
    box.setDefaultSuffix(QString::fromStdString(dialog.DefaultExt));
    box.setNameFilter(nameFilter(dialog.Filter));
    box.selectFile(QFileInfo(QString::fromStdString(dialog.FileName)).fileName());
    box.setOption(QFileDialog::DontConfirmOverwrite, false);  // ask before replacing a file
    if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty()) return false;
    dialog.FileName = box.selectedFiles().front().toStdString();
    return true;
}

}  // namespace plotmere
