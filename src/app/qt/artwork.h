#pragma once
// The program's own pictures, both drawn from SVG so that they are sharp at
// any scale: the start-up picture and the icon.

#include <QIcon>
#include <QImage>

namespace plotmere {

// The start-up picture of Picture1: 292 x 122 pixels, at the given device
// pixel ratio.
QImage StartupPicture(double devicePixelRatio);

// The window icon: the program's icon, as the desktop shows it.
QIcon WindowIcon();

}  // namespace plotmere
