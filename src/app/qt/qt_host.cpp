#include "app/qt/qt_host.h"

#include <QApplication>
#include <QClipboard>

namespace plotmere {

QtHost::QtHost(MessageBoxes& boxes) : boxes_(boxes) {
    for (TimerId id : {TimerId::TextReset, TimerId::GfxSpeed}) {
        timer(id).setTimerType(Qt::PreciseTimer);  // a coarse timer may run 5 % long
        connect(&timer(id), &QTimer::timeout, this, [this, id] { emit tick(id); });
    }
}

void QtHost::MsgBox(const std::string& text, const std::string& title, MsgIcon icon) {
    if (ended_) return;
    emit refresh();
    QString shown = QString::fromStdString(text);
    shown.replace('\r', '\n');
    boxes_.Show(boxParent_, shown, QString::fromStdString(title), icon);
}

void QtHost::Beep() { QApplication::beep(); }

void QtHost::DoEvents() {
    if (ended_) return;
    emit refresh();
    QCoreApplication::processEvents();
}

void QtHost::SetClipboardText(const std::string& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(QString::fromStdString(text));
}

void QtHost::TimerChanged(const Timer& t) {
    if (t.Enabled)
        timer(t.Id).start(t.Interval);
    else
        timer(t.Id).stop();
}

void QtHost::EndProgram() {
    ended_ = true;
    textReset_.stop();
    gfxSpeed_.stop();
    emit programEnded();
}

}  // namespace plotmere
