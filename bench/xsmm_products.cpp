// LIBXSMM peer of the product benchmarks: its just-in-time small-matrix kernel for the
// order, dispatched once per order and type, called once per object. LIBXSMM stores
// matrices by columns; a row-major product C = A * B is the column-major product
// C' = B' * A' of the same memory, so the kernel gets its operands swapped. Its kernels
// use fused multiply-add where the processor has it. Built only where LIBXSMM is found.
#include <libxsmm.h>

#include "peers.hpp"

namespace rukbench::peers {
namespace {

template <class T>
auto kernel(int order) {
    const libxsmm_blasint n = order;
    const T alpha = 1, beta = 0;
    const int flags = LIBXSMM_GEMM_FLAG_NONE, prefetch = LIBXSMM_GEMM_PREFETCH_NONE;
    if constexpr (sizeof(T) == 4) return libxsmm_smmdispatch(n, n, n, &n, &n, &n, &alpha, &beta, &flags, &prefetch);
    else return libxsmm_dmmdispatch(n, n, n, &n, &n, &n, &alpha, &beta, &flags, &prefetch);
}

}  // namespace

template <class T>
bool xsmm_mul_mama(int order, const T* a, const T* b, T* c, std::int64_t count) {
    if (order < 1 || order > 8) return false;
    // Dispatched on the first call for an order, outside every later timed loop.
    static decltype(kernel<T>(1)) cache[9] = {};
    if (cache[order] == nullptr) cache[order] = kernel<T>(order);
    const auto f = cache[order];
    if (f == nullptr) return false;
    const std::int64_t e = static_cast<std::int64_t>(order) * order;
    for (std::int64_t k = 0; k < count; ++k) f(b + e * k, a + e * k, c + e * k);
    return true;
}

template bool xsmm_mul_mama(int, const float*, const float*, float*, std::int64_t);
template bool xsmm_mul_mama(int, const double*, const double*, double*, std::int64_t);

}  // namespace rukbench::peers
