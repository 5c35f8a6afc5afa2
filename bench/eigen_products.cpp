// Eigen peers of the product benchmarks: loops over fixed-size row-major matrices (and
// vectors) mapped onto the benchmark's packed arrays, aligned where Eigen's type is
// (eigen_maps.hpp).
// Eigen's vector code for the matrix products uses fused multiply-add where the processor
// has it; its scalar code and its row-by-vector dot products do not.
#include <Eigen/Core>

#include "eigen_maps.hpp"
#include "peers.hpp"

namespace rukbench::peers {
namespace {

template <class T, int N>
void mul_mama(const T* a, const T* b, T* c, std::int64_t count) {
    using M = Eigen::Matrix<T, N, N, Eigen::RowMajor>;
    static_assert(sizeof(M) == N * N * sizeof(T), "packed objects map one to one");
    for (std::int64_t k = 0; k < count; ++k)
        Out<M>(c + N * N * k).noalias() = In<M>(a + N * N * k) * In<M>(b + N * N * k);
}

template <class T>
void mul_mama(int order, const T* a, const T* b, T* c, std::int64_t count) {
    switch (order) {
    case 3: return mul_mama<T, 3>(a, b, c, count);
    case 4: return mul_mama<T, 4>(a, b, c, count);
    case 6: return mul_mama<T, 6>(a, b, c, count);
    default: break;
    }
}

}  // namespace

void eigen_mul_mama(int order, const float* a, const float* b, float* c, std::int64_t count) {
    mul_mama(order, a, b, c, count);
}
void eigen_mul_mama(int order, const double* a, const double* b, double* c, std::int64_t count) {
    mul_mama(order, a, b, c, count);
}

void eigen_mul_mva_4x4(const float* m, const float* x, float* y, std::int64_t count) {
    using M = Eigen::Matrix<float, 4, 4, Eigen::RowMajor>;
    using V = Eigen::Vector4f;
    const M a = Eigen::Map<const M>(m);
    for (std::int64_t k = 0; k < count; ++k)
        Eigen::Map<V, Eigen::Aligned16>(y + 4 * k).noalias() = a * Eigen::Map<const V, Eigen::Aligned16>(x + 4 * k);
}

}  // namespace rukbench::peers
