#include "app/qt/file_dialog_scale.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QIconEngine>
#include <QPainter>
#include <QSettings>
#include <QSplitter>
#include <QTreeView>
#include <cmath>
#include <utility>

namespace plotmere {

namespace {

// Qt draws a picture of an icon no larger than it is: a small picture, magnified,
// fills what the icon takes at the scale.
class MagnifiedIcon : public QIconEngine {
public:
    MagnifiedIcon(QIcon icon, double scale) : icon_(std::move(icon)), scale_(scale) {}

    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return (icon_.actualSize(size / scale_, mode, state) * scale_).boundedTo(size);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        const QPixmap picture =
            icon_.pixmap(rect.size(), painter->device()->devicePixelRatioF(), mode, state);
        painter->save();
        painter->setRenderHint(QPainter::SmoothPixmapTransform);
        painter->drawPixmap(rect, picture);
        painter->restore();
    }
    // Qt's own leaves what the picture does not cover undefined.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap picture(actualSize(size, mode, state));
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        paint(&painter, picture.rect(), mode, state);
        return picture;
    }
    QIconEngine* clone() const override { return new MagnifiedIcon(icon_, scale_); }

private:
    QIcon icon_;
    double scale_;
};

QIcon magnified(const QIcon& icon, double scale) {
    return icon.isNull() ? icon : QIcon(new MagnifiedIcon(icon, scale));
}

QHeaderView* columnsOf(const QFileDialog& box) {
    const auto* list = box.findChild<QTreeView*>("treeView");
    return list ? list->header() : nullptr;
}

int scaled(int pixels, double factor) { return static_cast<int>(std::lround(pixels * factor)); }

}  // namespace

QIcon ScalingFileIcons::icon(IconType type) const { return magnified(QFileIconProvider::icon(type), scale_); }

QIcon ScalingFileIcons::icon(const QFileInfo& info) const {
    return magnified(QFileIconProvider::icon(info), scale_);
}

FileDialogAtScale::FileDialogAtScale(QFileDialog& box, double scale, QSize room)
    : box_(box), scale_(scale), splitter_(box.findChild<QSplitter*>("splitter")), columns_(columnsOf(box)) {
    box.resize((QSizeF(FullSize) * scale).toSize().boundedTo(room));
    // Qt lays out a first dialog by the font and metrics, and keeps the widths
    // of the last where all Qt programs keep the dialog's state, at 100 % here.
    // The sidebar's is read from there: Qt has widened it to the sidebar's
    // minimum at the scale.
    const QSettings qt(QSettings::UserScope, "QtProject");
    const int sidebar = qt.value("FileDialog/sidebarWidth", -1).toInt();
    if (!splitter_ || !columns_ || sidebar < 0) return;
    splitter_->setSizes({scaled(sidebar, scale), 1});  // the file list takes the rest
    scaleColumns(scale);
}

// Back to 100 % before Qt keeps the widths, no minimum at the scale widening one.
FileDialogAtScale::~FileDialogAtScale() {
    if (!splitter_ || !columns_) return;
    splitter_->widget(0)->setMinimumWidth(1);
    splitter_->setSizes({scaled(splitter_->sizes().front(), 1 / scale_), 1});
    columns_->setMinimumSectionSize(0);
    scaleColumns(1 / scale_);
    columns_->setMinimumSectionSize(-1);  // Qt's own: as the font needs
}

void FileDialogAtScale::scaleColumns(double factor) {
    for (int i = 0; i < columns_->count(); ++i)
        columns_->resizeSection(i, scaled(columns_->sectionSize(i), factor));
}

}  // namespace plotmere
