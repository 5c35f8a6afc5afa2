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

// Chosen when the library is loaded.
std::atomic<Isa> detail::g_active_isa{detected_isa()};

void pin_isa(Isa isa) {
    if (static_cast<int>(isa) > static_cast<int>(detected_isa())) isa = detected_isa();
    detail::g_active_isa.store(isa, std::memory_order_relaxed);
}

}  // namespace rukm
