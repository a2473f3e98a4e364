#include "app/qt/scale_controls.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

#include "app/qt/view_scale.h"

namespace plotmere {

namespace {

void addKeys(QWidget& window, const QList<QKeySequence>& keys, ViewScale& scale, void (ViewScale::*step)()) {
    auto* action = new QAction(&window);
    action->setShortcuts(keys);
    QObject::connect(action, &QAction::triggered, &scale, step);
    window.addAction(action);
}

}  // namespace

void AddScaleControls(QWidget& window, ViewScale& scale) {
    // Ctrl+= too: the plus sign needs Shift on many keyboards.
    addKeys(window, {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)}, scale, &ViewScale::Next);
    addKeys(window, {QKeySequence::ZoomOut}, scale, &ViewScale::Previous);
    addKeys(window, {QKeySequence(Qt::CTRL | Qt::Key_0)}, scale, &ViewScale::Reset);
    window.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(&window, &QWidget::customContextMenuRequested, &scale,
                     [&window, &scale](const QPoint& at) {
                         QMenu* menu = ScaleMenu(scale, &window);
                         menu->setAttribute(Qt::WA_DeleteOnClose);
                         menu->popup(window.mapToGlobal(at));
                     });
}

QMenu* ScaleMenu(ViewScale& scale, QWidget* parent) {
    auto* menu = new QMenu(parent);
    for (int percent : ViewScale::Steps) {
        if (percent > scale.largest()) break;
        QAction* step = menu->addAction(QString("%1 %").arg(percent));
        step->setCheckable(true);
        step->setChecked(percent == scale.percent());
        QObject::connect(step, &QAction::triggered, &scale, [&scale, percent] { scale.Set(percent); });
    }
    return menu;
}

}  // namespace plotmere
