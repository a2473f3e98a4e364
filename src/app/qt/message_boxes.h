#pragma once
// How the window shows a message box. The program shows real modal boxes;
// tests plug in their own and answer without a modal loop.

#include <QString>

#include "state/host.h"

class QWidget;

namespace plotmere {

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows the box with an OK button over parent; returns when it is answered.
    virtual void Show(QWidget* parent, const QString& text, const QString& title, MsgIcon icon) = 0;
};

class ModalMessageBoxes : public MessageBoxes {
public:
    void Show(QWidget* parent, const QString& text, const QString& title, MsgIcon icon) override;
};

}  // namespace plotmere
