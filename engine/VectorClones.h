#pragma once

// Word loops marked with this run in a version for AVX2 where the processor
// has it, which the compiler fills with vector instructions.
#if defined(__x86_64__) && defined(__GNUC__)
#define ORVALIS_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define ORVALIS_VECTOR_CLONES
#endif
