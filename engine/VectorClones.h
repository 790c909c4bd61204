#pragma once

// Word loops marked with this run in a version for AVX-512 (x86-64-v4) or
// AVX2 where the processor has it, which the compiler fills with vector
// instructions; AVX-512's three-input logic halves the bit planes' adders.
#if defined(__x86_64__) && defined(__GNUC__)
#define ORVALIS_VECTOR_CLONES __attribute__((target_clones("arch=x86-64-v4", "avx2", "default")))
#else
#define ORVALIS_VECTOR_CLONES
#endif
