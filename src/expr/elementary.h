#pragma once
// The elementary functions of the core, the same to the last bit on every
// machine and in every build: glibc's own double-precision code, built with
// the program, without fused multiply-add (src/elementary). The C library's
// would differ between the desktop and WebAssembly, and glibc's between
// processors. Square roots, floor, ceil and fabs are exact anywhere: the
// standard library's stay.

extern "C" {
double plotmere_glibc_sin(double);
double plotmere_glibc_cos(double);
double plotmere_glibc_tan(double);
double plotmere_glibc_atan(double);
double plotmere_glibc_atan2(double, double);
double plotmere_glibc_log(double);
double plotmere_glibc_log10(double);
double plotmere_glibc_pow(double, double);
double plotmere_glibc_hypot(double, double);
}

namespace plotmere::elementary {

inline double sin(double x) { return plotmere_glibc_sin(x); }
inline double cos(double x) { return plotmere_glibc_cos(x); }
inline double tan(double x) { return plotmere_glibc_tan(x); }
inline double atan(double x) { return plotmere_glibc_atan(x); }
inline double atan2(double y, double x) { return plotmere_glibc_atan2(y, x); }
inline double log(double x) { return plotmere_glibc_log(x); }
inline double log10(double x) { return plotmere_glibc_log10(x); }
inline double pow(double base, double exponent) { return plotmere_glibc_pow(base, exponent); }
inline double hypot(double x, double y) { return plotmere_glibc_hypot(x, y); }

}  // namespace plotmere::elementary
