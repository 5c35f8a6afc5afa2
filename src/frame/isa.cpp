#include "isa.hpp"

#include <atomic>

namespace rukm {

Isa detected_isa() {
    static const Isa isa = [] {
        __builtin_cpu_init();
        if (__builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512vl") &&
            __builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512dq"))
            return Isa::Avx512;
        if (__builtin_cpu_supports("avx2")) return Isa::Avx2;
        return Isa::Sse2;
    }();
    return isa;
}

namespace {
// Chosen when the library is loaded.
std::atomic<Isa> g_active{detected_isa()};
}  // namespace

Isa active_isa() { return g_active.load(std::memory_order_relaxed); }

void pin_isa(Isa isa) {
    if (static_cast<int>(isa) > static_cast<int>(detected_isa())) isa = detected_isa();
    g_active.store(isa, std::memory_order_relaxed);
}

}  // namespace rukm
