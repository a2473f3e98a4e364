#pragma once
// How the user chooses the view scale in a window: Ctrl+Plus, Ctrl+Minus and
// Ctrl+0, and a right-click menu of the steps on the window's background and
// on what passes its right clicks on to it (labels, frames).

class QMenu;
class QWidget;

namespace plotmere {

class ViewScale;

void AddScaleControls(QWidget& window, ViewScale& scale);

// The steps the screen holds, the current one checked; choosing one sets it.
QMenu* ScaleMenu(ViewScale& scale, QWidget* parent);

}  // namespace plotmere
