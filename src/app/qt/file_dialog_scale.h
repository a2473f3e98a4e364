#pragma once
// A Qt file dialog at the view scale. Qt lays it out with the scaled font and
// metrics, but sizes it little larger than at 100 %, keeps the widths of its
// sidebar and columns in pixels between runs (in a file all Qt programs
// share), and draws an icon no larger than its largest picture.

#include <QFileIconProvider>
#include <QSize>

class QFileDialog;
class QFileInfo;
class QHeaderView;
class QSplitter;

namespace plotmere {

// File icons as at 100 % and magnified by the scale (1 is 100 %).
class ScalingFileIcons : public QFileIconProvider {
public:
    explicit ScalingFileIcons(double scale) : scale_(scale) {}
    QIcon icon(IconType type) const override;
    QIcon icon(const QFileInfo& info) const override;

private:
    double scale_;
};

// The dialog at a scale while this lives: its 100 % size times the scale, as
// far as room holds it, and its sidebar and columns as they were kept, times
// the scale. They are kept at 100 % again when this goes, before the dialog.
class FileDialogAtScale {
public:
    // The dialog's size at 100 %, as Qt lays it out with the program's font.
    static constexpr QSize FullSize{624, 412};

    FileDialogAtScale(QFileDialog& box, double scale, QSize room);
    ~FileDialogAtScale();
    FileDialogAtScale(const FileDialogAtScale&) = delete;
    FileDialogAtScale& operator=(const FileDialogAtScale&) = delete;

private:
    void scaleColumns(double factor);

    QFileDialog& box_;
    double scale_;
    QSplitter* splitter_;   // of the sidebar and the file list; none in a dialog of the platform's own
    QHeaderView* columns_;  // of the file list in detail
};

}  // namespace plotmere
