// Eigen peers of the addition benchmarks: a loop over fixed-size 4x4 matrices mapped onto
// the benchmark's packed arrays (64-byte aligned objects).
#include <Eigen/Core>

#include "peers.hpp"

namespace rukbench::peers {

template <class T>
void eigen_add_4x4(const T* a, const T* b, T* d, std::int64_t count) {
    using M = Eigen::Matrix<T, 4, 4>;
    for (std::int64_t k = 0; k < count; ++k) {
        Eigen::Map<M, Eigen::Aligned64>(d + 16 * k) =
            Eigen::Map<const M, Eigen::Aligned64>(a + 16 * k) + Eigen::Map<const M, Eigen::Aligned64>(b + 16 * k);
    }
}

template void eigen_add_4x4(const float*, const float*, float*, std::int64_t);
template void eigen_add_4x4(const double*, const double*, double*, std::int64_t);

}  // namespace rukbench::peers
