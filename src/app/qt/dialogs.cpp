#include "app/qt/dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScreen>

#include "app/qt/file_dialog_scale.h"
#include "app/qt/window_style.h"

namespace plotmere {

namespace {

// "Description | *.ext" pairs, one after another, as name filters:
// "Description (*.ext)".
QStringList nameFilters(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        filters << parts[i].trimmed() + " (" + parts[i + 1].trimmed() + ")";
    }
    return filters;
}

// The first extension of a name filter: "jpg" of "JPEG image (*.jpg *.jpeg)".
QString extensionOf(const QString& nameFilter) {
    static const QRegularExpression pattern(R"(\(\*\.(\w+)[^(]*\)$)");
    return pattern.match(nameFilter).captured(1);
}

// The folder the dialog starts in: where the last file went, else the home folder.
QString startFolder(const SaveDialog& dialog) {
    const QFileInfo last(QString::fromStdString(dialog.FileName));
    return last.isAbsolute() ? last.absolutePath() : QDir::homePath();
}

QRect screenArea(const QWidget* parent) {
    return (parent ? parent->screen() : QGuiApplication::primaryScreen())->availableGeometry();
}

}  // namespace

ModalDialogs::ModalDialogs() : area_(screenArea) {}

void ModalDialogs::ShowMessage(QWidget* parent, const QString& text, const QString& title, MsgIcon icon) {
    QMessageBox box(icon == MsgIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon, title, text,
                    QMessageBox::Ok, parent);
    box.exec();
}

bool ModalDialogs::ChooseSaveFile(QWidget* parent, SaveDialog& dialog) {
    const double scale = ApplicationScale();
    ScalingFileIcons icons(scale);  // read by the dialog's own thread until it goes
    QFileDialog box(parent, QString::fromStdString(dialog.DialogTitle), startFolder(dialog));
    box.setAcceptMode(QFileDialog::AcceptSave);
    box.setNameFilters(nameFilters(dialog.Filter));
    // A name without an extension gets the one of the chosen filter.
    box.setDefaultSuffix(QString::fromStdString(dialog.DefaultExt));
    QObject::connect(&box, &QFileDialog::filterSelected, &box,
                     [&box](const QString& filter) { box.setDefaultSuffix(extensionOf(filter)); });
    box.selectFile(QFileInfo(QString::fromStdString(dialog.FileName)).fileName());
    box.setIconProvider(&icons);
    // Room for its frame and title bar too, taken as wide as the parent's.
    const QSize frame = parent ? parent->frameSize() - parent->size() : QSize();
    const FileDialogAtScale scaled(box, scale, area_(parent).size() - frame);
    if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty()) return false;
    dialog.FileName = box.selectedFiles().front().toStdString();
    return true;
}

}  // namespace plotmere
