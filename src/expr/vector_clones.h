#pragma once
// A batch loop marked so is built twice on x86-64, for its widest vectors and
// for any processor, and the loader picks what the processor runs. Elsewhere
// (WebAssembly) it is built once.

#if defined(__x86_64__)
#define PLOTMERE_VECTOR_CLONES [[gnu::target_clones("arch=x86-64-v3", "default")]]
#else
#define PLOTMERE_VECTOR_CLONES
#endif
