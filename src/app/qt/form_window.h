#pragma once
// A window built from its design: every control made, named, placed and
// styled as the table says, with the design's default (Enter) and cancel
// (Esc) buttons and first focus, and Tab in reading order.

#include <QWidget>
#include <vector>

#include "app/design/form_design.h"

namespace plotmere {

class ImagePicture;

// Pixels for a length in twips at a view scale (1 is 100 %).
int Pixels(int twips, double scale = 1);

class FormWindow : public QWidget {
    Q_OBJECT
public:
    // picture: what a Picture control of the design shows.
    FormWindow(const FormDesign& design, ImagePicture* picture);

    // Every place, size and font of the design times scale (1 is 100 %).
    void SetScale(double scale);
    // The inner area at a scale.
    QSize SizeAt(double scale) const;

signals:
    // The user closed the window (through the window manager).
    void closed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void build(ImagePicture* picture);

    const FormDesign& design_;
    std::vector<QWidget*> controls_;  // one for each row of the design
};

}  // namespace plotmere
