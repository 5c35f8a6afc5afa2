// Eigen peers of the addition benchmarks: a loop over fixed-size 4x4 matrices mapped onto
// the benchmark's packed arrays (64-byte aligned objects).
#include <Eigen/Core>

#include "peers.hpp"

namespace rukbench::peers {
namespace {

template <class T>
void add_4x4(const T* a, const T* b, T* d, std::int64_t count) {
    using M = Eigen::Matrix<T, 4, 4, Eigen::RowMajor>;
    for (std::int64_t k = 0; k < count; ++k) {
        Eigen::Map<M, Eigen::Aligned64>(d + 16 * k) =
            Eigen::Map<const M, Eigen::Aligned64>(a + 16 * k) + Eigen::Map<const M, Eigen::Aligned64>(b + 16 * k);
    }
}

}  // namespace

void eigen_add_4x4(const float* a, const float* b, float* d, std::int64_t count) { add_4x4(a, b, d, count); }
void eigen_add_4x4(const double* a, const double* b, double* d, std::int64_t count) { add_4x4(a, b, d, count); }

}  // namespace rukbench::peers
