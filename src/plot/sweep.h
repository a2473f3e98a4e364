#pragma once

namespace plotmere {

// Steps x from `from` by repeated addition of `step` while it has not passed
// `to` (x <= to for a positive step, x >= to for a negative one) and calls
// body(x), which returns false to stop early. Ends whatever the numbers: a
// zero step, or one too small to move x, ends the sweep.
template <class Body>
void Sweep(double from, double to, double step, Body body) {
    if (!(step > 0 || step < 0)) return;
    for (double x = from; step > 0 ? x <= to : x >= to;) {
        if (!body(x)) return;
        const double next = x + step;
        if (next == x) return;
        x = next;
    }
}

}  // namespace plotmere
