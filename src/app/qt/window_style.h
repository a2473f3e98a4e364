#pragma once
// The look of the windows on every desktop: the Fusion style with the classic
// 13-pixel check and option indicators (at a view scale of 100 %), so that the
// designed 13-pixel-high check boxes and option buttons show them whole.

class QStyle;

namespace plotmere {

// A new style for QApplication::setStyle, which takes ownership.
QStyle* NewWindowStyle();

}  // namespace plotmere
