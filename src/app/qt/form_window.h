#pragma once
// A window built from its design: every control made, named, placed and
// styled as the table says, with the design's default (Enter) and cancel
// (Esc) buttons and first focus.

#include <QWidget>

#include "app/qt/form_design.h"

namespace plotmere {

class ImagePicture;

// Pixels at 100 % scale for a length in twips.
int Pixels(int twips);

class FormWindow : public QWidget {
    Q_OBJECT
public:
    // picture: what a Picture control of the design shows.
    FormWindow(const FormDesign& design, ImagePicture* picture);

    // The first time it is shown, the window comes up to the right of other.
    void PlaceBeside(const QWidget* other) { beside_ = other; }

signals:
    // The user closed the window (through the window manager).
    void closed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void build(ImagePicture* picture);

    const FormDesign& design_;
    const QWidget* beside_ = nullptr;
};

}  // namespace plotmere
