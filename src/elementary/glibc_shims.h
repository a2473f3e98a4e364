/* What glibc's double-precision math code takes from glibc's own build,
   given here for a build of that code on its own: the file is included
   before each of glibc's files, and glibc's internal headers are left empty.
   Every name the code defines for others is given one of ours, so that
   neither the C library of the desktop nor that of WebAssembly holds it. */
#ifndef PLOTMERE_GLIBC_SHIMS_H
#define PLOTMERE_GLIBC_SHIMS_H

#include <errno.h>
#include <stdint.h>
#include <string.h>

#if __BYTE_ORDER__ != __ORDER_LITTLE_ENDIAN__
#error "the halves of a double below are those of a little-endian machine"
#endif
#define LITTLE_ENDI 1
#define HIGH_HALF 1
#define LOW_HALF 0

/* The functions the core calls. */
#define __sin plotmere_glibc_sin
#define __cos plotmere_glibc_cos
#define __tan plotmere_glibc_tan
#define __atan plotmere_glibc_atan
#define __ieee754_atan2 plotmere_glibc_atan2
#define __log plotmere_glibc_log
#define __ieee754_log plotmere_glibc_log
#define __ieee754_log10 plotmere_glibc_log10
#define __pow plotmere_glibc_pow
#define __hypot plotmere_glibc_hypot

/* e_log10.c calls log by the name glibc's own headers declare. */
double __ieee754_log(double);

/* What the files share among themselves. */
#define __branred plotmere_glibc_branred
#define __sincostab plotmere_glibc_sincostab
#define __exp_data plotmere_glibc_exp_data
#define __log_data plotmere_glibc_log_data
#define __pow_log_data plotmere_glibc_pow_log_data
#define __math_oflow plotmere_glibc_math_oflow
#define __math_uflow plotmere_glibc_math_uflow
#define __math_may_uflow plotmere_glibc_math_may_uflow
#define __math_divzero plotmere_glibc_math_divzero
#define __math_invalid plotmere_glibc_math_invalid
#define __math_check_oflow plotmere_glibc_math_check_oflow
#define __math_check_uflow plotmere_glibc_math_check_uflow

/* Symbol versions and aliases belong to the shared library glibc builds. */
#define attribute_hidden
#define strong_alias(name, alias)
#define versioned_symbol(lib, local, symbol, version)
#define libm_alias_double(from, to)
#define libm_alias_double_other(from, to)
#define libm_alias_finite(from, to)
#define LIBM_SVID_COMPAT 0

#ifndef __glibc_unlikely
#define __glibc_unlikely(cond) __builtin_expect((cond), 0)
#define __glibc_likely(cond) __builtin_expect((cond), 1)
#endif
#ifndef __always_inline
#define __always_inline __inline __attribute__((__always_inline__))
#endif

#define __set_errno(value) (errno = (value))

/* The program never changes the rounding mode, and its arithmetic is double
   precision on both machines, so the code's guards for other modes and for
   wider registers have nothing to do. */
#define SET_RESTORE_ROUND(mode)
#define SET_RESTORE_ROUND_53BIT(mode)
#define math_narrow_eval(x) (x)

/* Nothing reads the floating-point exception flags; the barriers keep the
   compiler from moving or dropping the operations all the same. */
#define math_opt_barrier(x)                \
    ({                                     \
        volatile __typeof(x) value_ = (x); \
        value_;                            \
    })
#define math_force_eval(x)                 \
    do {                                   \
        volatile __typeof(x) value_ = (x); \
        (void)value_;                      \
    } while (0)
#define math_check_force_underflow(x) ((void)0)
#define math_check_force_underflow_nonneg(x) ((void)0)

/* As glibc has them for x86-64, and as they hold for WebAssembly too: the
   larger and smaller of two numbers by comparison, 0 converted to +0, a quiet
   NaN with the high bit of its significand set. */
#define USE_FMAX_BUILTIN 0
#define USE_FMIN_BUILTIN 0
#define FIX_INT_FP_CONVERT_ZERO 0
#define HIGH_ORDER_BIT_IS_SET_FOR_SNAN 0

#define EXTRACT_WORDS64(i, d) memcpy(&(i), &(d), sizeof(double))
#define INSERT_WORDS64(d, i) memcpy(&(d), &(i), sizeof(double))

#endif
