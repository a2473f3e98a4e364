#pragma once
// A box of the viewing window's bounds. The numbers written there (a zoom
// box's corners have fifteen digits) are often wider than the box: then its
// tool tip shows the whole number.

#include <QLineEdit>

namespace plotmere {

class BoundBox : public QLineEdit {
public:
    explicit BoundBox(QWidget* parent);

private:
    void showWholeTextWhenCut();
};

}  // namespace plotmere
