// Eigen peers of the product benchmarks: loops over fixed-size matrices (and vectors) mapped
// onto the benchmark's packed arrays. Objects whose size is a multiple of 16 bytes are mapped
// with the alignment Eigen gives their type (the arrays are 4096-byte aligned and packed, so
// every such object is aligned to its own size's power of two).
//
// The matrix products exist in both storage orders: the row-major objects as row-major
// matrices, and as the column-major transposes multiplied the other way round (c' = b' a',
// the same numbers). The matrix-vector product holds its one matrix column-major, Eigen's
// fastest form of A * x (row-major beside it, for comparison).
#include <Eigen/Core>

#include "eigen_align.hpp"
#include "peers.hpp"

namespace rukbench::peers {
namespace {

template <class T, int N, int Order>
void mul_mama(const T* a, const T* b, T* c, std::int64_t count) {
    using M = Eigen::Matrix<T, N, N, Order>;
    static_assert(sizeof(M) == N * N * sizeof(T), "packed objects map one to one");
    using In = Eigen::Map<const M, map_alignment<M>()>;
    using Out = Eigen::Map<M, map_alignment<M>()>;
    for (std::int64_t k = 0; k < count; ++k) {
        if constexpr (Order == Eigen::RowMajor) Out(c + N * N * k).noalias() = In(a + N * N * k) * In(b + N * N * k);
        else Out(c + N * N * k).noalias() = In(b + N * N * k) * In(a + N * N * k);
    }
}

template <class T, int Order>
void mul_mama(int order, const T* a, const T* b, T* c, std::int64_t count) {
    switch (order) {
    case 3: return mul_mama<T, 3, Order>(a, b, c, count);
    case 4: return mul_mama<T, 4, Order>(a, b, c, count);
    case 6: return mul_mama<T, 6, Order>(a, b, c, count);
    default: break;
    }
}

template <class T, int Order>
void mul_mva(const T* m, const T* x, T* y, std::int64_t count) {
    using M = Eigen::Matrix<T, 4, 4, Order>;
    using V = Eigen::Matrix<T, 4, 1>;
    const M a = Eigen::Map<const Eigen::Matrix<T, 4, 4, Eigen::RowMajor>>(m);
    using In = Eigen::Map<const V, map_alignment<V>()>;
    using Out = Eigen::Map<V, map_alignment<V>()>;
    for (std::int64_t k = 0; k < count; ++k) Out(y + 4 * k).noalias() = a * In(x + 4 * k);
}

}  // namespace

template <class T>
void eigen_mul_mama(int order, const T* a, const T* b, T* c, std::int64_t count) {
    mul_mama<T, Eigen::RowMajor>(order, a, b, c, count);
}
template <class T>
void eigen_cm_mul_mama(int order, const T* a, const T* b, T* c, std::int64_t count) {
    mul_mama<T, Eigen::ColMajor>(order, a, b, c, count);
}
template <class T>
void eigen_mul_mva_4x4(const T* m, const T* x, T* y, std::int64_t count) {
    mul_mva<T, Eigen::ColMajor>(m, x, y, count);
}
template <class T>
void eigen_rm_mul_mva_4x4(const T* m, const T* x, T* y, std::int64_t count) {
    mul_mva<T, Eigen::RowMajor>(m, x, y, count);
}

#define RUKBENCH_INSTANTIATE(T)                                                            \
    template void eigen_mul_mama(int, const T*, const T*, T*, std::int64_t);             \
    template void eigen_cm_mul_mama(int, const T*, const T*, T*, std::int64_t);          \
    template void eigen_mul_mva_4x4(const T*, const T*, T*, std::int64_t);               \
    template void eigen_rm_mul_mva_4x4(const T*, const T*, T*, std::int64_t);
RUKBENCH_INSTANTIATE(float)
RUKBENCH_INSTANTIATE(double)

}  // namespace rukbench::peers
