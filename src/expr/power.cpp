#include "expr/power.h"

namespace plotmere::power {

double OfLibrary(double base, double exponent) { return std::pow(base, exponent); }

}  // namespace plotmere::power
