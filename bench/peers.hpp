// The peers of the library in the benchmarks, each in a translation unit of its own with the
// flags it is measured with: eigen_*.cpp, glm_*.cpp and lapack_*.cpp with -O3 -march=native
// (Eigen, glm and LAPACKE at their best on this processor), plain_*.cpp with -O2 and no
// processor-specific flags (what a plain loop gets from a default optimised build).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <vector>

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

// The linear solvers over an array of `count` matrices of `rows` x `cols` (square but for QR,
// which takes rows >= cols). An ArraySolver owns its copy of the sources, in the storage order
// its implementation is fastest with, and keeps its factorizations (or inverses) between
// calls, as a program that factors once and solves many times keeps them. Vectors are packed
// arrays: right-hand sides of `rows` elements, solutions of `cols`.
enum class Solver { LU, Inverse, Cholesky, QR };

// Arrays of the solvers' own copies, aligned to a cache line like the benchmarks' arrays.
template <class T>
struct LineAligned {
    using value_type = T;
    LineAligned() = default;
    template <class U>
    LineAligned(const LineAligned<U>&) {}
    T* allocate(std::size_t n) { return static_cast<T*>(::operator new(n * sizeof(T), std::align_val_t{64})); }
    void deallocate(T* p, std::size_t) { ::operator delete(p, std::align_val_t{64}); }
    friend bool operator==(const LineAligned&, const LineAligned&) { return true; }
};
template <class T>
using Storage = std::vector<T, LineAligned<T>>;

template <class T>
class ArraySolver {
public:
    virtual ~ArraySolver() = default;
    // Factors (or inverts) every source; false when the implementation reports a failure.
    virtual bool factor() = 0;
    // x[k] = the solution with factorization k of right-hand side b[k], for every k.
    virtual bool solve(const T* b, T* x) = 0;
    // x[k] = the solution with factorization 0 of b[k], for k < `vectors` (LU only).
    virtual bool solve_many(const T* b, T* x, std::int64_t vectors) = 0;
    // x = the solution with factorization k of b, for checks outside the timed loops.
    virtual void solve_one(std::int64_t k, const T* b, T* x) = 0;
    // The inverse of matrix k, packed row-major (Inverse only).
    virtual void inverse(std::int64_t k, T* out) const = 0;
};

// The Eigen and LAPACKE solvers of `count` packed row-major sources `a`, copied into the
// peer's storage order before any timing: for Eigen row-major or column-major as asked, for
// LAPACKE column-major. Null for a shape the peer has no case for. The LAPACKE peer is built
// only where LAPACKE and OpenBLAS are found (RUKM_BENCH_LAPACK).
std::unique_ptr<ArraySolver<float>> eigen_solver(Solver s, int rows, int cols, const float* a, std::int64_t count,
                                                 bool row_major);
std::unique_ptr<ArraySolver<double>> eigen_solver(Solver s, int rows, int cols, const double* a, std::int64_t count,
                                                  bool row_major);
std::unique_ptr<ArraySolver<float>> lapack_solver(Solver s, int rows, int cols, const float* a, std::int64_t count);
std::unique_ptr<ArraySolver<double>> lapack_solver(Solver s, int rows, int cols, const double* a, std::int64_t count);

}  // namespace rukbench::peers
