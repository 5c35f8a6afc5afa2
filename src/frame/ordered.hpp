// Addition and multiplication of single elements whose first operand is the instruction's
// first source. Of two NaN operands the x86 instructions return the first source's payload
// (quieted); the compiler treats both operations as commutative and may exchange the operands
// (to fold a load, for instance), so a kernel that must give the same NaN whatever path it
// takes states the order here. simd.inc defines the same operations on registers.
#pragma once

namespace rukm {

#ifdef __AVX__
#define RUKM_ORDERED_SCALAR(fn, ins, T, sfx)                                      \
    inline T fn(T a, T b) {                                                       \
        T r;                                                                      \
        asm("v" ins sfx " %2, %1, %0" : "=x"(r) : "x"(a), "x"(b));                \
        return r;                                                                 \
    }
#else
#define RUKM_ORDERED_SCALAR(fn, ins, T, sfx)                                      \
    inline T fn(T a, T b) {                                                       \
        asm(ins sfx " %1, %0" : "+x"(a) : "x"(b));                                \
        return a;                                                                 \
    }
#endif
RUKM_ORDERED_SCALAR(add_first, "add", float, "ss")
RUKM_ORDERED_SCALAR(add_first, "add", double, "sd")
RUKM_ORDERED_SCALAR(mul_first, "mul", float, "ss")
RUKM_ORDERED_SCALAR(mul_first, "mul", double, "sd")
#undef RUKM_ORDERED_SCALAR

}  // namespace rukm
