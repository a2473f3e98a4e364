#pragma once
// Qt's raster code (fills, lines, images) may leave the upper halves of the
// x86 vector registers in use. Until they are cleared, every call from our
// code into a maths function built for AVX pays for the switch: on this
// project's machines sin went from 6 ns to 120 ns for the rest of a graph.

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace plotmere {

#if defined(__x86_64__) || defined(__i386__)
[[gnu::target("avx")]] inline void clearUpperVectorState() { _mm256_zeroupper(); }

// Clears the upper halves, where the processor has them, when the scope ends.
struct UpperVectorStateCleared {
    UpperVectorStateCleared() = default;
    UpperVectorStateCleared(const UpperVectorStateCleared&) = delete;
    UpperVectorStateCleared& operator=(const UpperVectorStateCleared&) = delete;
    ~UpperVectorStateCleared() {
        static const bool hasAvx = __builtin_cpu_supports("avx");
        if (hasAvx) clearUpperVectorState();
    }
};
#else
struct UpperVectorStateCleared {};
#endif

}  // namespace plotmere
