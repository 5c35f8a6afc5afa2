// The peers of the library in the benchmarks, each in a translation unit of its own with the
// flags it is measured with: eigen_*.cpp and glm_*.cpp with -O3 -march=native (Eigen and glm
// at their best on this processor), plain_*.cpp with -O2 and no processor-specific flags
// (what a plain loop gets from a default optimised build).
#pragma once

#include <cstdint>

namespace rukbench::peers {

// d[k] = a[k] + b[k] for `count` packed row-major 4x4 matrices (16 elements each).
void eigen_add_4x4(const float* a, const float* b, float* d, std::int64_t count);
void eigen_add_4x4(const double* a, const double* b, double* d, std::int64_t count);
void plain_add_4x4(const float* a, const float* b, float* d, std::int64_t count);
void plain_add_4x4(const double* a, const double* b, double* d, std::int64_t count);

// d[k] = a[k] * s for `count` packed 4x4 matrices.
void eigen_scale_4x4(const float* a, float s, float* d, std::int64_t count);
void plain_scale_4x4(const float* a, float s, float* d, std::int64_t count);
// d[k] = transpose of a[k] for `count` packed 4x4 matrices.
void eigen_transpose_4x4(const float* a, float* d, std::int64_t count);
void plain_transpose_4x4(const float* a, float* d, std::int64_t count);
// d(k, i, j) = a(k, i, j) for `count` 4x4 matrices whose element (i, j) of object k lies at
// index k * obj + i * row + j * elem of its array (strides in elements).
void plain_copy_4x4(const float* a, float* d, std::int64_t obj, std::int64_t row, std::int64_t elem,
                    std::int64_t count);

// c[k] = a[k] * b[k] for `count` packed row-major square matrices of order 3, 4 or 6. The
// LIBXSMM peer (built only where the library is found) returns false when it has no kernel
// for the order.
void eigen_mul_mama(int order, const float* a, const float* b, float* c, std::int64_t count);
void eigen_mul_mama(int order, const double* a, const double* b, double* c, std::int64_t count);
void plain_mul_mama(int order, const float* a, const float* b, float* c, std::int64_t count);
void plain_mul_mama(int order, const double* a, const double* b, double* c, std::int64_t count);
bool xsmm_mul_mama(int order, const float* a, const float* b, float* c, std::int64_t count);
bool xsmm_mul_mama(int order, const double* a, const double* b, double* c, std::int64_t count);
// y[k] = m * x[k] for one packed row-major 4x4 matrix and `count` packed 4-vectors.
void eigen_mul_mva_4x4(const float* m, const float* x, float* y, std::int64_t count);
void plain_mul_mva_4x4(const float* m, const float* x, float* y, std::int64_t count);

// d[k] = dot(a[k], b[k]) for `count` packed pairs of vectors of length 3 or 4.
void eigen_dot(int len, const float* a, const float* b, float* d, std::int64_t count);
void glm_dot(int len, const float* a, const float* b, float* d, std::int64_t count);
void plain_dot(int len, const float* a, const float* b, float* d, std::int64_t count);
// d[k] = a[k] x b[k] for `count` packed pairs of 3-vectors.
void eigen_cross(const float* a, const float* b, float* d, std::int64_t count);
void glm_cross(const float* a, const float* b, float* d, std::int64_t count);
void plain_cross(const float* a, const float* b, float* d, std::int64_t count);
// For `count` packed points (x, y, z): (r0, r1, r2, w) = m * (x, y, z, 1) with one packed
// row-major 4x4 matrix m, and out = (r0, r1, r2) / w.
void eigen_transform_3dh(const float* m, const float* p, float* out, std::int64_t count);
void glm_transform_3dh(const float* m, const float* p, float* out, std::int64_t count);
void plain_transform_3dh(const float* m, const float* p, float* out, std::int64_t count);
// d[k] = det(a[k]) for `count` packed row-major square matrices of order 3 or 4.
void eigen_det(int order, const float* a, float* d, std::int64_t count);
void plain_det(int order, const float* a, float* d, std::int64_t count);

// Single objects, one call per object: Eigen functions that the caller cannot inline, for
// orders (lengths) 3 to 6, null for another order. The matrices are packed in the row-major
// order, or read in the column-major one where colMajor says so (eigen_single.cpp).
template <class T>
using Binary = void (*)(const T* a, const T* b, T* d);
template <class T>
using Unary = void (*)(const T* a, T* d);
template <class T>
using Scaled = void (*)(const T* a, T s, T* d);
template <class T>
Binary<T> eigen_single_mul_mm(int order, bool colMajor);  // d = a * b (row-major result)
template <class T>
Binary<T> eigen_single_mul_mv(int order, bool colMajor);  // d = a * x (a as mapped)
template <class T>
Unary<T> eigen_single_det(int order, bool colMajor);      // *d = det(a)
template <class T>
Binary<T> eigen_single_add(int order);                    // d = a + b
template <class T>
Scaled<T> eigen_single_scale(int order);                  // d = a * s
template <class T>
Binary<T> eigen_single_dot(int len);                      // *d = a . b
template <class T>
Binary<T> eigen_single_cross();                           // d = a x b (3-vectors)

}  // namespace rukbench::peers
