#include "app/qt/qt_host.h"

#include <QApplication>
#include <QClipboard>
#include <QEventLoop>
#include <QPalette>

#include "app/qt/vector_state.h"

namespace plotmere {

QtHost::QtHost(Dialogs& boxes) : dialogs_(boxes) {
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
    dialogs_.ShowMessage(boxParent_, shown, QString::fromStdString(title), icon);
}

void QtHost::Beep() { QApplication::beep(); }

void QtHost::DoEvents() {
    if (ended_) return;
    const UpperVectorStateCleared cleared;  // the windows repaint: the graph goes on after
    emit refresh();
    QCoreApplication::processEvents();
}

void QtHost::Pause(int ms) {
    if (ended_) return;
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

Rgb QtHost::SystemColor(SystemColorId id) {
    const QPalette palette = QApplication::palette();
    const QColor c = palette.color(id == SystemColorId::MenuText    ? QPalette::WindowText
                                   : id == SystemColorId::Highlight ? QPalette::Highlight
                                                                    : QPalette::Base);
    return {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
            static_cast<std::uint8_t>(c.blue())};
}

bool QtHost::ShowSave(SaveDialog& dialog) {
    if (ended_) return false;
    emit refresh();
    return dialogs_.ChooseSaveFile(boxParent_, dialog);
}

void QtHost::SetClipboardText(const std::string& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(QString::fromStdString(text));
}

void QtHost::TimerChanged(const Timer& t) {
    if (t.Enabled) timer(t.Id).start(t.Interval);
    else timer(t.Id).stop();
}

void QtHost::EndProgram() {
    ended_ = true;
    textReset_.stop();
    gfxSpeed_.stop();
    emit programEnded();
}

}  // namespace plotmere
