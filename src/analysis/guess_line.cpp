#include "analysis/guess_line.h"

namespace plotmere {

void DrawGuess(Context& ctx, double guess) {
    const float px = ToSingle(((guess - ctx.s.XMin) * 4110) / ctx.s.domain);
    ctx.picture.Line(px, 0, px, 1851, QBColor(1));
}

}  // namespace plotmere
