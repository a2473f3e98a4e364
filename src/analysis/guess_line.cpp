#include "analysis/guess_line.h"

namespace plotmere {

void DrawGuess(Context& ctx, const Viewport& view, double guess) {
    const float px = ToSingle(view.toPictureX(guess));
    ctx.picture.Line(px, 0, px, PictureHeight + 1, QBColor(1));
}

}  // namespace plotmere
