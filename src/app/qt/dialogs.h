#pragma once
// How the window shows its modal boxes: messages and the save dialog. The
// program shows real ones; tests plug in their own and answer without a
// modal loop.

#include <QRect>
#include <QString>
#include <functional>
#include <utility>

#include "state/controls.h"
#include "state/host.h"

class QWidget;

namespace plotmere {

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Shows the box with an OK button over parent; returns when it is answered.
    virtual void ShowMessage(QWidget* parent, const QString& text, const QString& title, MsgIcon icon) = 0;
    // Shows the save dialog; true when the user confirmed a file, whose full
    // name is then in dialog.FileName.
    virtual bool ChooseSaveFile(QWidget* parent, SaveDialog& dialog) = 0;
};

class ModalDialogs : public Dialogs {
public:
    // The area the save dialog over parent may take: by default the available
    // geometry of the parent's screen (of the primary one, without a parent).
    using Area = std::function<QRect(const QWidget* parent)>;
    ModalDialogs();
    void SetArea(Area area) { area_ = std::move(area); }

    void ShowMessage(QWidget* parent, const QString& text, const QString& title, MsgIcon icon) override;
    bool ChooseSaveFile(QWidget* parent, SaveDialog& dialog) override;

private:
    Area area_;
};

}  // namespace plotmere
