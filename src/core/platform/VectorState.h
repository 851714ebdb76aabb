#pragma once
// Clears the upper halves of the AVX registers before scalar floating-point work.
//
// Library code (the maths library's FMA variants, the paint engine) can leave those halves
// dirty; until something clears them, every SSE instruction pays a merge penalty, which made
// each segment of the drawing more than ten times slower on some Xeons.

namespace VectorState {

inline void clearUpper()
{
#if defined(__x86_64__)
    static const bool hasAvx = __builtin_cpu_supports("avx");
    if (hasAvx)
        asm volatile("vzeroupper");
#endif
}

} // namespace VectorState
