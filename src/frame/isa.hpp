// Instruction-set variants of the kernels.
//
// Kernels that gain from wider vectors are compiled once per instruction set (SSE2, the
// baseline of every x86-64; AVX2; AVX-512 F/VL/BW/DQ). The best variant the processor
// supports is chosen once, when the library is loaded; every variant gives the same
// results.
#pragma once

namespace rukm {

enum class Isa : int { Sse2 = 0, Avx2 = 1, Avx512 = 2 };
inline constexpr int kIsaCount = 3;

// The best variant this processor supports.
Isa detected_isa();

// The variant the exports use: detected_isa(), unless a test has pinned another one.
Isa active_isa();

// For tests: make the exports use variant `isa` (not above detected_isa()).
void pin_isa(Isa isa);

// Picks entry [active_isa()] of a table with one entry per variant.
template <class Table>
const Table& for_isa(const Table (&tables)[kIsaCount]) {
    return tables[static_cast<int>(active_isa())];
}

}  // namespace rukm
