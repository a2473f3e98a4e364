#pragma once
// The program's own pictures, drawn in code so that they are sharp at any scale.

#include <QIcon>
#include <QImage>

namespace plotmere {

// The start-up picture of Picture1: 292 x 122 pixels, at the given device
// pixel ratio.
QImage StartupPicture(double devicePixelRatio);

// The window icon: 32 x 32 pixels in the sixteen standard colours, with a
// 64-pixel twin for doubled screens.
QIcon WindowIcon();

}  // namespace plotmere
