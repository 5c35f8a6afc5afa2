// Products of arrays of small matrices:
//
//   Mul_mama   c[k] = a[k] * b[k]   rukmMul_mama_32f / _64f on packed square matrices of order
//                                   3, 4 and 6
//   Mul_mva    y[k] = m * x[k]      rukmMul_mva_32f / _64f: one 4x4 matrix times packed
//                                   4-vectors
//
// against Eigen fixed-size loops (both storage orders for the matrix products, the column-major
// matrix for the matrix-vector product), glm (orders 3 and 4, default and with intrinsics),
// LIBXSMM's small-matrix kernels (matrix products, where it is installed) and plain loops.
//
// Elements are uniform in [-1, 1). librukm sums every element in increasing k from the first
// product with a rounding per product and per sum, and is checked bit for bit. The peers fuse
// multiply-add where the processor has it and sum in orders of their own, so they are checked
// within a bound of the rounding error. 1,000 objects stay in the core's caches, 100,000
// matrix-vector products in its L2 and the last-level cache; 1,000,000 matrix triples move
// 108 MB (order 3, single precision) to 864 MB (order 6, double), beyond the last-level caches,
// and have a triad beside them, like the 1,000,000 matrix-vector products of 64f (64 MB).
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "api.hpp"
#include "harness.hpp"
#include "peers.hpp"
#include "rukm.h"

namespace {

using namespace rukbench;

// Checks out[i * out_step] for i < rows against the sum over k < n of lhs(i, k) * rhs(k)
// formed in increasing k from the first product: bit for bit when `exact`, else within
// 2 n eps times the sum of the magnitudes of the products (a bound of the rounding error with
// or without fused multiply-add). A NaN left by the poisoning fails either way.
template <class T, class Lhs, class Rhs>
bool sums_ok(int rows, int n, Lhs&& lhs, Rhs&& rhs, const T* out, std::ptrdiff_t out_step, bool exact) {
    bool ok = true;
    for (int i = 0; i < rows; ++i) {
        T s = lhs(i, 0) * rhs(0), mag = std::abs(lhs(i, 0) * rhs(0));
        for (int k = 1; k < n; ++k) {
            s = s + lhs(i, k) * rhs(k);
            mag = mag + std::abs(lhs(i, k) * rhs(k));
        }
        const T got = out[i * out_step];
        ok = ok && (exact ? got == s : std::abs(got - s) <= 2 * n * std::numeric_limits<T>::epsilon() * mag);
    }
    return ok;
}

template <class T>
using Mama = void (*)(int, const T*, const T*, T*, std::int64_t);

template <class T>
void mama_group(int n, std::int64_t count) {
    const std::string shape = std::to_string(n) + "x" + std::to_string(n);
    const std::string name = std::string("Mul_mama/") + type_code<T>() + "/" + shape + "/n" + std::to_string(count);
    const std::int64_t bytes = 3 * count * n * n * static_cast<std::int64_t>(sizeof(T));
    Group& g = group(name, {count, bytes, count <= 1000 ? InCache : OutOfCache});

    const std::size_t e = static_cast<std::size_t>(count) * n * n;
    const Arrays<T> w{std::string("mama/") + type_code<T>() + "/" + shape + "/n" + std::to_string(count),
                      {e, e, e},
                      [e](const std::vector<T*>& v) {
                          for (std::size_t i = 0; i < e; ++i) {
                              v[0][i] = static_cast<T>(uniform(i, 1));
                              v[1][i] = static_cast<T>(uniform(i, 2));
                              v[2][i] = 0;
                          }
                      },
                      2, n * n, count};
    auto check = [n](bool exact) -> Check<T> {
        return [n, exact](const std::vector<T*>& p, std::int64_t k) {
            const T* x = p[0] + k * n * n;
            const T* y = p[1] + k * n * n;
            bool ok = true;
            for (int j = 0; j < n; ++j)
                ok = ok && sums_ok<T>(
                               n, n, [&](int i, int q) { return x[i * n + q]; }, [&](int q) { return y[q * n + j]; },
                               p[2] + k * n * n + j, n, exact);
            return ok;
        };
    };
    auto peer = [n, count](Mama<T> f) -> Run<T> {
        return [=](const std::vector<T*>& p) {
            f(n, p[0], p[1], p[2], count);
            return true;
        };
    };

    g.add("rukm", checked_case<T>(w, [n, count](const std::vector<T*>& p) {
        const std::int32_t es = sizeof(T), rs = n * es, os = n * rs;
        const rukStatus st = Api<T>::mul(p[0], os, rs, es, n, n, p[1], os, rs, es, n, n, p[2], os, rs, es,
                                         static_cast<std::int32_t>(count));
        benchmark::DoNotOptimize(st);
        return st == rukOk;
    }, check(true)));
    g.add("eigen", checked_case<T>(w, peer(&peers::eigen_mul_mama<T>), check(false)));
    g.add("eigen-cm", checked_case<T>(w, peer(&peers::eigen_cm_mul_mama<T>), check(false)));
#if RUKM_BENCH_XSMM
    g.add("xsmm", checked_case<T>(w, [n, count](const std::vector<T*>& p) {
        return peers::xsmm_mul_mama<T>(n, p[0], p[1], p[2], count);
    }, check(false)));
#endif
#if RUKM_BENCH_GLM
    if (n <= 4) {
        g.add("glm", checked_case<T>(w, peer(&peers::glm_default::mul_mama<T>), check(false)));
        g.add("glm-simd", checked_case<T>(w, peer(&peers::glm_simd::mul_mama<T>), check(false)));
    }
#endif
    g.add("plain", checked_case<T>(w, peer(&peers::plain_mul_mama<T>), check(false)));

    if (count <= 1000) {
        const std::string what = "special-size products: at least 1.5x Eigen in either storage order";
        g.expect("eigen", 1.5, what);
        g.expect("eigen-cm", 1.5, what);
    }
}

template <class T>
using Mva = void (*)(const T*, const T*, T*, std::int64_t);

template <class T>
void mva_group(std::int64_t count) {
    const std::int64_t bytes = (2 * count * 4 + 16) * static_cast<std::int64_t>(sizeof(T));
    const bool beyond = bytes > (std::int64_t(48) << 20);
    Group& g = group(std::string("Mul_mva/") + type_code<T>() + "/4x4/n" + std::to_string(count),
                     {count, bytes, beyond ? OutOfCache : InCache});
    const std::size_t e = static_cast<std::size_t>(count) * 4;
    const Arrays<T> w{std::string("mva/") + type_code<T>() + "/n" + std::to_string(count),
                      {16, e, e},
                      [e](const std::vector<T*>& v) {
                          for (std::size_t i = 0; i < 16; ++i) v[0][i] = static_cast<T>(uniform(i, 3));
                          for (std::size_t i = 0; i < e; ++i) {
                              v[1][i] = static_cast<T>(uniform(i, 1));
                              v[2][i] = 0;
                          }
                      },
                      2, 4, count};
    auto check = [](bool exact) -> Check<T> {
        return [exact](const std::vector<T*>& p, std::int64_t k) {
            const T* m = p[0];
            const T* x = p[1] + 4 * k;
            return sums_ok<T>(
                4, 4, [&](int i, int q) { return m[4 * i + q]; }, [&](int q) { return x[q]; }, p[2] + 4 * k, 1, exact);
        };
    };
    auto peer = [count](Mva<T> f) -> Run<T> {
        return [=](const std::vector<T*>& p) {
            f(p[0], p[1], p[2], count);
            return true;
        };
    };
    g.add("rukm", checked_case<T>(w, [count](const std::vector<T*>& p) {
        constexpr std::int32_t es = sizeof(T);
        const rukStatus st = Api<T>::mva(p[0], 4 * es, es, 4, 4, p[1], 4 * es, es, 4, p[2], 4 * es, es,
                                         static_cast<std::int32_t>(count));
        benchmark::DoNotOptimize(st);
        return st == rukOk;
    }, check(true)));
    g.add("eigen", checked_case<T>(w, peer(&peers::eigen_mul_mva_4x4<T>), check(false)));
    g.add("eigen-rm", checked_case<T>(w, peer(&peers::eigen_rm_mul_mva_4x4<T>), check(false)));
#if RUKM_BENCH_GLM
    g.add("glm", checked_case<T>(w, peer(&peers::glm_default::mul_mva_4x4<T>), check(false)));
    g.add("glm-simd", checked_case<T>(w, peer(&peers::glm_simd::mul_mva_4x4<T>), check(false)));
#endif
    g.add("plain", checked_case<T>(w, peer(&peers::plain_mul_mva_4x4<T>), check(false)));
}

[[maybe_unused]] const bool registered = [] {
    for (const std::int64_t count : {std::int64_t{1000}, std::int64_t{1000000}}) {
        for (const int n : {3, 4, 6}) mama_group<float>(n, count);
        for (const int n : {3, 4, 6}) mama_group<double>(n, count);
    }
    for (const std::int64_t count : {std::int64_t{1000}, std::int64_t{100000}, std::int64_t{1000000}}) {
        mva_group<float>(count);
        mva_group<double>(count);
    }
    return true;
}();

}  // namespace
