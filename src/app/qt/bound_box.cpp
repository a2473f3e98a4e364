#include "app/qt/bound_box.h"

#include <QStyle>
#include <QStyleOptionFrame>

namespace plotmere {

BoundBox::BoundBox(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, &BoundBox::showWholeTextWhenCut);
}

// Measured as QLineEdit lays out its text: inside the frame's contents, less
// its text margins and the two pixels it keeps on either side, the text with
// a pixel for the cursor.
void BoundBox::showWholeTextWhenCut() {
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    const QRect area =
        style()->subElementRect(QStyle::SE_LineEditContents, &panel, this).marginsRemoved(textMargins());
    constexpr int margin = 2;
    const bool cut = fontMetrics().horizontalAdvance(text()) + 1 > area.width() - 2 * margin;
    setToolTip(cut ? text() : QString());
}

}  // namespace plotmere
