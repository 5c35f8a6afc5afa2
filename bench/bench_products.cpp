// Products of arrays of small matrices:
//
//   Mul_mama   c[k] = a[k] * b[k]   rukmMul_mama_32f / _64f on packed square matrices of order
//                                   3, 4 and 6, against an Eigen fixed-size loop, LIBXSMM's
//                                   small-matrix kernels (where it is installed) and a plain
//                                   triple loop
//   Mul_mva    y[k] = m * x[k]      rukmMul_mva_32f: one 4x4 matrix times packed 4-vectors,
//                                   against an Eigen loop and a plain loop
//
// Elements are multiples of 1/1000 in [-2, 2]. librukm sums every element in increasing k
// with a rounding per product and per sum, and its matrix products are checked bit for bit.
// Eigen's vector code and LIBXSMM fuse multiply-add where the processor has it, and Eigen's
// dot products sum in pairs, so the peers (and librukm's matrix-vector products, whose
// order the library leaves open) are checked within a bound of the rounding error. 1,000 objects stay in the caches;
// 1,000,000 matrix triples move 108 MB (order 3, single precision) to 864 MB (order 6,
// double), beyond the last-level caches of today's processors, and have a triad beside
// them. The 1,000,000 vectors of the matrix-vector product (32 MB) may stay in a large
// last-level cache, so that group has no triad.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "harness.hpp"
#include "peers.hpp"
#include "rukm.h"

namespace {

using namespace rukbench;

template <class T>
struct Api;
template <>
struct Api<float> {
    static constexpr auto mul = &rukmMul_mama_32f;
};
template <>
struct Api<double> {
    static constexpr auto mul = &rukmMul_mama_64f;
};

template <class T>
T value(std::size_t e, std::size_t mult, std::size_t add) {
    return static_cast<T>(static_cast<int>((e * mult + add) % 4001) - 2000) / T(1000);
}

// Checks out[i] for i < rows against the sum over k < n of lhs(i, k) * rhs(k) formed in
// increasing k: bit for bit when `exact`, else within 2 n eps times the sum of the
// magnitudes of the products (a bound of the rounding error with or without fused
// multiply-add). A NaN left by the poisoning fails either way.
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

// One case of the matrix products: the sampled destination objects are poisoned before the
// timed loop and checked after it.
template <class T, class Call>
Body mama_case(int n, std::int64_t count, bool exact, Call call) {
    return [=](benchmark::State& state) {
        const std::size_t e = static_cast<std::size_t>(count) * n * n;
        const std::string key =
            std::string("mama/") + type_code<T>() + "/" + std::to_string(n) + "/n" + std::to_string(count);
        const auto p = arrays<T>(key, {e, e, e}, [e](const std::vector<T*>& v) {
            for (std::size_t i = 0; i < e; ++i) {
                v[0][i] = value<T>(i, 37, 0);
                v[1][i] = value<T>(i, 53, 1777);
                v[2][i] = 0;
            }
        });
        const T* a = p[0];
        const T* b = p[1];
        T* c = p[2];
        const std::ptrdiff_t obj = n * n;
        for_sampled(count, [&](std::int64_t k) { std::fill_n(c + k * obj, obj, std::numeric_limits<T>::quiet_NaN()); });
        bool ok = true;
        for (auto _ : state) {
            ok = call(a, b, c) && ok;
            benchmark::ClobberMemory();
        }
        if (!ok) {
            state.SkipWithError("the call failed (a status other than rukOk, or no kernel for the order)");
            return;
        }
        for_sampled(count, [&](std::int64_t k) {
            const T* x = a + k * obj;
            const T* y = b + k * obj;
            for (int j = 0; j < n; ++j)
                ok = ok && sums_ok<T>(
                               n, n, [&](int i, int q) { return x[i * n + q]; }, [&](int q) { return y[q * n + j]; },
                               c + k * obj + j, n, exact);
        });
        if (!ok) state.SkipWithError("wrong products in the destination");
    };
}

template <class T>
void mama_group(int n, std::int64_t count) {
    const std::string shape = std::to_string(n) + "x" + std::to_string(n);
    const std::string name = std::string("Mul_mama/") + type_code<T>() + "/" + shape + "/n" + std::to_string(count);
    const std::int64_t bytes = 3 * count * n * n * static_cast<std::int64_t>(sizeof(T));
    Group& g = group(name, {count, bytes, count <= 1000 ? InCache : OutOfCache});

    g.add("rukm", mama_case<T>(n, count, true, [n, count](const T* a, const T* b, T* c) {
        const std::int32_t es = sizeof(T), rs = n * es, os = n * rs;
        const rukStatus st =
            Api<T>::mul(a, os, rs, es, n, n, b, os, rs, es, n, n, c, os, rs, es, static_cast<std::int32_t>(count));
        benchmark::DoNotOptimize(st);
        return st == rukOk;
    }));
    g.add("eigen", mama_case<T>(n, count, false, [n, count](const T* a, const T* b, T* c) {
        peers::eigen_mul_mama(n, a, b, c, count);
        benchmark::DoNotOptimize(c);
        return true;
    }));
#if RUKM_BENCH_XSMM
    g.add("xsmm", mama_case<T>(n, count, false, [n, count](const T* a, const T* b, T* c) {
        const bool ran = peers::xsmm_mul_mama(n, a, b, c, count);
        benchmark::DoNotOptimize(c);
        return ran;
    }));
#endif
    g.add("plain", mama_case<T>(n, count, false, [n, count](const T* a, const T* b, T* c) {
        peers::plain_mul_mama(n, a, b, c, count);
        benchmark::DoNotOptimize(c);
        return true;
    }));

    const std::string fused = "; Eigen's vector code fuses multiply-add, librukm never does";
    if (sizeof(T) == 4 && n == 4) g.expect("eigen", 1.5, "at least 1.5x the Eigen loop" + fused);
    else g.expect("eigen", 1.0, "at least on par with the best peer" + fused);
#if RUKM_BENCH_XSMM
    g.expect("xsmm", 1.0, "at least on par with the best peer; LIBXSMM fuses multiply-add here, librukm never does");
#endif
    g.expect("plain", 1.0, "at least on par with the best peer");
}

// One case of the matrix-vector product, checked like the matrix products but within the
// rounding bound for every implementation (librukm's array kernels fix no summation order).
template <class Call>
Body mva_case(std::int64_t count, Call call) {
    return [=](benchmark::State& state) {
        const std::size_t e = static_cast<std::size_t>(count) * 4;
        const auto p = arrays<float>("mva/n" + std::to_string(count), {16, e, e}, [e](const std::vector<float*>& v) {
            for (std::size_t i = 0; i < 16; ++i) v[0][i] = value<float>(i, 611, 5);
            for (std::size_t i = 0; i < e; ++i) {
                v[1][i] = value<float>(i, 37, 0);
                v[2][i] = 0;
            }
        });
        const float* m = p[0];
        const float* x = p[1];
        float* y = p[2];
        for_sampled(count, [&](std::int64_t k) { std::fill_n(y + 4 * k, 4, std::numeric_limits<float>::quiet_NaN()); });
        bool ok = true;
        for (auto _ : state) {
            ok = call(m, x, y) && ok;
            benchmark::ClobberMemory();
        }
        for_sampled(count, [&](std::int64_t k) {
            ok = ok && sums_ok<float>(
                           4, 4, [&](int i, int q) { return m[4 * i + q]; }, [&](int q) { return x[4 * k + q]; },
                           y + 4 * k, 1, false);
        });
        if (!ok) state.SkipWithError("a status other than rukOk, or wrong products in the destination");
    };
}

void mva_group(std::int64_t count) {
    const std::int64_t bytes = (2 * count * 4 + 16) * static_cast<std::int64_t>(sizeof(float));
    Group& g = group("Mul_mva/32f/4x4/n" + std::to_string(count), {count, bytes, InCache});
    g.add("rukm", mva_case(count, [count](const float* m, const float* x, float* y) {
        const rukStatus st = rukmMul_mva_32f(m, 16, 4, 4, 4, x, 16, 4, 4, y, 16, 4, static_cast<std::int32_t>(count));
        benchmark::DoNotOptimize(st);
        return st == rukOk;
    }));
    g.add("eigen", mva_case(count, [count](const float* m, const float* x, float* y) {
        peers::eigen_mul_mva_4x4(m, x, y, count);
        benchmark::DoNotOptimize(y);
        return true;
    }));
    g.add("plain", mva_case(count, [count](const float* m, const float* x, float* y) {
        peers::plain_mul_mva_4x4(m, x, y, count);
        benchmark::DoNotOptimize(y);
        return true;
    }));
    g.expect("eigen", 1.0, "at least on par with the best peer");
    g.expect("plain", 1.0, "at least on par with the best peer");
}

[[maybe_unused]] const bool registered = [] {
    for (const std::int64_t count : {std::int64_t{1000}, std::int64_t{1000000}}) {
        for (const int n : {3, 4, 6}) mama_group<float>(n, count);
        for (const int n : {3, 4, 6}) mama_group<double>(n, count);
    }
    mva_group(1000000);
    return true;
}();

}  // namespace
