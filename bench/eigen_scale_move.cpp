// Eigen peers of the scaling and transposition benchmarks: loops over fixed-size 4x4
// matrices mapped onto the benchmark's packed arrays (64-byte aligned objects).
#include <Eigen/Core>

#include "peers.hpp"

namespace rukbench::peers {
namespace {

using M = Eigen::Matrix<float, 4, 4, Eigen::RowMajor>;
using In = Eigen::Map<const M, Eigen::Aligned64>;
using Out = Eigen::Map<M, Eigen::Aligned64>;

}  // namespace

void eigen_scale_4x4(const float* a, float s, float* d, std::int64_t count) {
    for (std::int64_t k = 0; k < count; ++k) Out(d + 16 * k) = In(a + 16 * k) * s;
}

void eigen_transpose_4x4(const float* a, float* d, std::int64_t count) {
    for (std::int64_t k = 0; k < count; ++k) Out(d + 16 * k) = In(a + 16 * k).transpose();
}

}  // namespace rukbench::peers
