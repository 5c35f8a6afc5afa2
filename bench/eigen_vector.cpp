// Eigen peers of the vector-algebra, 3-D transform and determinant benchmarks: loops over
// fixed-size vectors and matrices mapped onto the benchmark's packed arrays. Objects whose
// size is a multiple of 16 bytes are mapped with the alignment Eigen gives their type (the
// arrays are 4096-byte aligned and packed); 3-vectors and 3x3 matrices are not. The transform
// holds its matrix column-major, Eigen's fastest form of a matrix-vector product.
#include <Eigen/Core>
#include <Eigen/Geometry>
#include <Eigen/LU>

#include "eigen_align.hpp"
#include "peers.hpp"

namespace rukbench::peers {
namespace {

template <class T, int N>
using VecIn = Eigen::Map<const Eigen::Matrix<T, N, 1>, map_alignment<Eigen::Matrix<T, N, 1>>()>;

template <class T, int N>
void dot(const T* a, const T* b, T* d, std::int64_t count) {
    for (std::int64_t k = 0; k < count; ++k) d[k] = VecIn<T, N>(a + N * k).dot(VecIn<T, N>(b + N * k));
}

template <class T, int N>
void det(const T* a, T* d, std::int64_t count) {
    // The determinant of the transpose is the same number: Eigen's default column-major maps.
    using M = Eigen::Matrix<T, N, N>;
    using In = Eigen::Map<const M, map_alignment<M>()>;
    for (std::int64_t k = 0; k < count; ++k) d[k] = In(a + N * N * k).determinant();
}

}  // namespace

template <class T>
void eigen_dot(int len, const T* a, const T* b, T* d, std::int64_t count) {
    if (len == 3) dot<T, 3>(a, b, d, count);
    else if (len == 4) dot<T, 4>(a, b, d, count);
}

void eigen_cross(const float* a, const float* b, float* d, std::int64_t count) {
    for (std::int64_t k = 0; k < count; ++k)
        Eigen::Map<Eigen::Vector3f>(d + 3 * k) = VecIn<float, 3>(a + 3 * k).cross(VecIn<float, 3>(b + 3 * k));
}

void eigen_transform_3dh(const float* m, const float* p, float* out, std::int64_t count) {
    const Eigen::Matrix4f M = Eigen::Map<const Eigen::Matrix<float, 4, 4, Eigen::RowMajor>>(m);
    for (std::int64_t k = 0; k < count; ++k)
        Eigen::Map<Eigen::Vector3f>(out + 3 * k) = (M * VecIn<float, 3>(p + 3 * k).homogeneous()).hnormalized();
}

template <class T>
void eigen_det(int order, const T* a, T* d, std::int64_t count) {
    if (order == 3) det<T, 3>(a, d, count);
    else if (order == 4) det<T, 4>(a, d, count);
}

template void eigen_dot(int, const float*, const float*, float*, std::int64_t);
template void eigen_dot(int, const double*, const double*, double*, std::int64_t);
template void eigen_det(int, const float*, float*, std::int64_t);
template void eigen_det(int, const double*, double*, std::int64_t);

}  // namespace rukbench::peers
