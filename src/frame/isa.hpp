// Instruction-set variants of the kernels.
//
// Kernels that gain from wider vectors are compiled once per instruction set (SSE2, the
// baseline of every x86-64; AVX2; AVX-512 F/VL/BW/DQ). The best variant the processor
// supports is chosen once, when the library is loaded; every variant gives the same
// results.
#pragma once

#include <atomic>

namespace rukm {

enum class Isa : int { Sse2 = 0, Avx2 = 1, Avx512 = 2 };
inline constexpr int kIsaCount = 3;

// The best variant this processor supports.
Isa detected_isa();

namespace detail {
// The variant in use; set when the library is loaded and by pin_isa.
extern std::atomic<Isa> g_active_isa;
}  // namespace detail

// The variant the exports use: detected_isa(), unless a test has pinned another one. Read
// inline, so choosing a kernel costs one load.
inline Isa active_isa() { return detail::g_active_isa.load(std::memory_order_relaxed); }

// For tests: make the exports use variant `isa` (not above detected_isa()).
void pin_isa(Isa isa);

// For tests: unpins (back to detected_isa()) when it goes out of scope.
struct IsaRestore {
    IsaRestore() = default;
    IsaRestore(const IsaRestore&) = delete;
    IsaRestore& operator=(const IsaRestore&) = delete;
    ~IsaRestore() { pin_isa(detected_isa()); }
};

// Picks entry [active_isa()] of a table with one entry per variant.
template <class Table>
const Table& for_isa(const Table (&tables)[kIsaCount]) {
    return tables[static_cast<int>(active_isa())];
}

// A family's kernel tables, one per variant and element type. A family's kernel file
// defines them with RUKM_TYPED_TABLES (see variants.inc).
template <template <class> class Table>
struct TypedTables {
    Table<float> f32[kIsaCount];
    Table<double> f64[kIsaCount];
};

// Picks the active variant's table for element type T.
template <class T, template <class> class Table>
const Table<T>& for_isa(const TypedTables<Table>& tables) {
    if constexpr (sizeof(T) == 4) return for_isa(tables.f32);
    else return for_isa(tables.f64);
}

// Kernels picked by two yes/no properties of a call (which operands are transposed, ...).
template <class Fn>
struct KernelPairs {
    Fn fn[2][2];
};

}  // namespace rukm
