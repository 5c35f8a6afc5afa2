// The peers of the library in the benchmarks, each in a translation unit of its own with the
// flags it is measured with. Eigen, glm, LIBXSMM and LAPACKE are built the way a user who wants speed
// builds them: -O3 -march=native with the compiler's default floating-point contraction (so
// they fuse multiply-add where the processor has it), Eigen in its fastest storage order for
// the case, glm both in its default configuration (glm_default) and with its intrinsics
// (glm_simd: GLM_FORCE_INTRINSICS with aligned types). The plain loops are built -O2 for the
// baseline processor without contraction: what a hand-written loop gets from a default
// optimised build.
//
// Every function works on packed arrays of `count` objects: matrices of order n are n*n
// elements in row-major order, vectors and points their elements, one after the other.
// Functions templated on T exist for float and double.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <vector>

namespace rukbench::peers {

// d[k] = a[k] + b[k], packed 4x4 matrices.
template <class T>
void eigen_add_4x4(const T* a, const T* b, T* d, std::int64_t count);
template <class T>
void plain_add_4x4(const T* a, const T* b, T* d, std::int64_t count);

// d[k] = a[k] * s, and d[k] = transpose of a[k], packed 4x4 matrices.
void eigen_scale_4x4(const float* a, float s, float* d, std::int64_t count);
void plain_scale_4x4(const float* a, float s, float* d, std::int64_t count);
void eigen_transpose_4x4(const float* a, float* d, std::int64_t count);
void plain_transpose_4x4(const float* a, float* d, std::int64_t count);
// d(k, i, j) = a(k, i, j) for `count` 4x4 matrices whose element (i, j) of object k lies at
// index k * obj + i * row + j * elem of its array (strides in elements).
void plain_copy_4x4(const float* a, float* d, std::int64_t obj, std::int64_t row, std::int64_t elem,
                    std::int64_t count);

// c[k] = a[k] * b[k], packed square matrices of order 3, 4 or 6 (glm: 3 and 4). Eigen maps the
// row-major objects as row-major matrices (eigen_mul_mama) or, for the same product, as the
// column-major transposes multiplied the other way round (eigen_cm_mul_mama, c' = b' a'). The
// LIBXSMM peer (built only where the library is found) returns false when it has no kernel
// for the order.
template <class T>
void eigen_mul_mama(int order, const T* a, const T* b, T* c, std::int64_t count);
template <class T>
void eigen_cm_mul_mama(int order, const T* a, const T* b, T* c, std::int64_t count);
template <class T>
void plain_mul_mama(int order, const T* a, const T* b, T* c, std::int64_t count);
template <class T>
bool xsmm_mul_mama(int order, const T* a, const T* b, T* c, std::int64_t count);

// y[k] = m * x[k] for one 4x4 matrix m and packed 4-vectors. Eigen holds m column-major
// (eigen_mul_mva, its fastest form) or row-major (eigen_rm_mul_mva).
template <class T>
void eigen_mul_mva_4x4(const T* m, const T* x, T* y, std::int64_t count);
template <class T>
void eigen_rm_mul_mva_4x4(const T* m, const T* x, T* y, std::int64_t count);
template <class T>
void plain_mul_mva_4x4(const T* m, const T* x, T* y, std::int64_t count);

// d[k] = dot(a[k], b[k]), packed vectors of length 3 or 4.
template <class T>
void eigen_dot(int len, const T* a, const T* b, T* d, std::int64_t count);
template <class T>
void plain_dot(int len, const T* a, const T* b, T* d, std::int64_t count);
// d[k] = a[k] x b[k], packed 3-vectors.
void eigen_cross(const float* a, const float* b, float* d, std::int64_t count);
void plain_cross(const float* a, const float* b, float* d, std::int64_t count);
// For packed points (x, y, z): (r0, r1, r2, w) = m * (x, y, z, 1) with one row-major 4x4
// matrix m, and out = (r0, r1, r2) / w.
void eigen_transform_3dh(const float* m, const float* p, float* out, std::int64_t count);
void plain_transform_3dh(const float* m, const float* p, float* out, std::int64_t count);
// d[k] = det(a[k]), packed matrices of order 3 or 4.
template <class T>
void eigen_det(int order, const T* a, T* d, std::int64_t count);
template <class T>
void plain_det(int order, const T* a, T* d, std::int64_t count);

// glm's peers, the same operations (matrix orders 3 and 4), in both configurations.
#define RUKBENCH_GLM_PEERS                                                                          \
    template <class T>                                                                              \
    void mul_mama(int order, const T* a, const T* b, T* c, std::int64_t count);                     \
    template <class T>                                                                              \
    void mul_mva_4x4(const T* m, const T* x, T* y, std::int64_t count);                             \
    template <class T>                                                                              \
    void dot(int len, const T* a, const T* b, T* d, std::int64_t count);                            \
    void cross(const float* a, const float* b, float* d, std::int64_t count);                       \
    void transform_3dh(const float* m, const float* p, float* out, std::int64_t count);             \
    template <class T>                                                                              \
    void det(int order, const T* a, T* d, std::int64_t count);
namespace glm_default {
RUKBENCH_GLM_PEERS
}
namespace glm_simd {
RUKBENCH_GLM_PEERS
}
#undef RUKBENCH_GLM_PEERS

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

// The eigenvalue problems over an array of `count` packed row-major matrices of one order:
// symmetric values (ascending or descending, as the implementation gives them) and values
// with the orthonormal eigenvectors; general values, values with the right eigenvectors, and
// values with the right and the left ones. An ArrayEigen owns its copy of the sources, in the
// storage order its implementation is fastest with, and the outputs of its last run.
enum class Spectrum { SymValues, SymVectors, Values, RightVectors, BothVectors };

template <class T>
class ArrayEigen {
public:
    virtual ~ArrayEigen() = default;
    // The eigenvalues (and vectors) of every matrix; false when the implementation reports a
    // failure.
    virtual bool run() = 0;
    // The results of matrix k, for checks outside the timed loops: the eigenvalues re + i im in
    // the implementation's order (im zero for the symmetric problems), and the eigenvectors as
    // the columns of a packed row-major matrix, column j for eigenvalue j; a complex pair j, j+1
    // (j the first) has the real part of the vector of eigenvalue j in column j and its
    // imaginary part in column j+1. `left` is called for BothVectors only.
    virtual void values(std::int64_t k, T* re, T* im) const = 0;
    virtual void right(std::int64_t k, T* v) const = 0;
    virtual void left(std::int64_t k, T* v) const = 0;
};

// The Eigen and LAPACKE eigen solvers of `count` packed row-major matrices of order 3, 4 or 6
// `a`, copied into the peer's storage order before any timing: for Eigen row-major or
// column-major as asked, for LAPACKE column-major. Eigen's solver is SelfAdjointEigenSolver
// (its closed form computeDirect when `direct`, order 3 only) or EigenSolver; LAPACKE's syev
// or geev. Null for a problem or order the peer has no case for (Eigen computes no left
// eigenvectors).
std::unique_ptr<ArrayEigen<float>> eigen_spectrum(Spectrum s, int order, const float* a, std::int64_t count,
                                                  bool row_major, bool direct);
std::unique_ptr<ArrayEigen<double>> eigen_spectrum(Spectrum s, int order, const double* a, std::int64_t count,
                                                   bool row_major, bool direct);
std::unique_ptr<ArrayEigen<float>> lapack_spectrum(Spectrum s, int order, const float* a, std::int64_t count);
std::unique_ptr<ArrayEigen<double>> lapack_spectrum(Spectrum s, int order, const double* a, std::int64_t count);

}  // namespace rukbench::peers
