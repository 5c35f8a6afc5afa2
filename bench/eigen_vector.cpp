// Eigen peers of the vector-algebra, 3-D transform and determinant benchmarks: loops over
// fixed-size vectors and matrices mapped onto the benchmark's packed arrays. 16- and 64-byte
// objects are mapped aligned (the arrays are 4096-byte aligned and packed); 3-vectors and
// 3x3 matrices are not. Eigen's vector code fuses multiply-add where the processor has it.
#include <Eigen/Core>
#include <Eigen/Geometry>
#include <Eigen/LU>

#include "peers.hpp"

namespace rukbench::peers {
namespace {

template <int N>
using VecIn = Eigen::Map<const Eigen::Matrix<float, N, 1>, N == 4 ? Eigen::Aligned16 : Eigen::Unaligned>;

template <int N>
void dot(const float* a, const float* b, float* d, std::int64_t count) {
    for (std::int64_t k = 0; k < count; ++k) d[k] = VecIn<N>(a + N * k).dot(VecIn<N>(b + N * k));
}

template <int N>
void det(const float* a, float* d, std::int64_t count) {
    using M = Eigen::Matrix<float, N, N, Eigen::RowMajor>;
    using In = Eigen::Map<const M, N == 4 ? Eigen::Aligned64 : Eigen::Unaligned>;
    for (std::int64_t k = 0; k < count; ++k) d[k] = In(a + N * N * k).determinant();
}

}  // namespace

void eigen_dot(int len, const float* a, const float* b, float* d, std::int64_t count) {
    if (len == 3) dot<3>(a, b, d, count);
    else if (len == 4) dot<4>(a, b, d, count);
}

void eigen_cross(const float* a, const float* b, float* d, std::int64_t count) {
    for (std::int64_t k = 0; k < count; ++k)
        Eigen::Map<Eigen::Vector3f>(d + 3 * k) = VecIn<3>(a + 3 * k).cross(VecIn<3>(b + 3 * k));
}

void eigen_transform_3dh(const float* m, const float* p, float* out, std::int64_t count) {
    const Eigen::Matrix4f M = Eigen::Map<const Eigen::Matrix<float, 4, 4, Eigen::RowMajor>>(m);
    for (std::int64_t k = 0; k < count; ++k) {
        const Eigen::Vector4f r = M * VecIn<3>(p + 3 * k).homogeneous();
        Eigen::Map<Eigen::Vector3f>(out + 3 * k) = r.head<3>() / r.w();
    }
}

void eigen_det(int order, const float* a, float* d, std::int64_t count) {
    if (order == 3) det<3>(a, d, count);
    else if (order == 4) det<4>(a, d, count);
}

}  // namespace rukbench::peers
