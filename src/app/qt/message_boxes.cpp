#include "app/qt/message_boxes.h"

#include <QMessageBox>

namespace plotmere {

void ModalMessageBoxes::Show(QWidget* parent, const QString& text, const QString& title, MsgIcon icon) {
    QMessageBox box(icon == MsgIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon, title, text,
                    QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace plotmere
