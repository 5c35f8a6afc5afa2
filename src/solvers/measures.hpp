// Scalar measures of matrices: determinant, trace and Frobenius norm, for one matrix or an
// array of them (results packed: result k at dst[k]).
//
// Determinant, orders 3 to 6: cofactor expansion along the last row, each minor expanded the
// same way down to the 2 x 2 minors of the first two rows, terms taken from the last column
// to the first: for order 3,
//   (a00*a11 - a01*a10)*a22 - (a00*a12 - a02*a10)*a21 + (a01*a12 - a02*a11)*a20.
// No pivoting and no tolerance. Orders 1, 2 and 7 and above: Gaussian elimination with
// partial pivoting on a copy in the work buffer (order*order elements, then order 32-bit
// row indices), singular below the tolerance 2 * order^3 * smallest normal.
// Trace: the diagonal summed from 0 in ascending order. Frobenius norm: the squares summed
// from 0 row by row, then the square root; most forms flush a sum below epsilon (or NaN)
// to an exact 0.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <utility>

#include "../frame/checks.hpp"
#include "../frame/driver.hpp"
#include "../frame/isa.hpp"
#include "../frame/operand.hpp"
#include "../frame/params.hpp"

namespace rukm::measure {

// ---------------------------------------------------------------------------------------
#include "det_formula.inc"

// Determinants of packed matrices (one per register lane where that pays), per instruction
// set and element type; entry n - 3 serves order n, null where the instruction set has none.
template <class T>
struct LaneKernels {
    void (*det[4])(const T* src, T* dst, std::int64_t count);
};
extern const TypedTables<LaneKernels> lane_kernels;

// Elimination with partial pivoting on the copy in buf (n*n elements, then n row indices).
template <class T, class O>
T eliminate_det(const O& src, int n, T* buf) {
    T* a = buf;
    std::int32_t* p = reinterpret_cast<std::int32_t*>(buf + std::size_t(n) * n);
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) a[std::size_t(i) * n + j] = *src.at(i, j);
        p[i] = i;
    }
    const T tau = T(2) * T(n) * T(n) * T(n) * std::numeric_limits<T>::min();
    auto at = [&](int r, int c) -> T& { return a[std::size_t(r) * n + c]; };
    T d = T(1), s = T(1);
    for (int k = 0; k < n - 1; ++k) {
        int c = k;
        for (int i = k + 1; i < n; ++i)
            if (std::fabs(at(p[i], k)) > std::fabs(at(p[c], k))) c = i;
        if (c != k) {
            std::swap(p[k], p[c]);
            s = -s;
        }
        const T pivot = at(p[k], k);
        if (tau > std::fabs(pivot)) return T(0);
        for (int i = k + 1; i < n; ++i) {
            const T f = at(p[i], k) / pivot;
            for (int j = k + 1; j < n; ++j) at(p[i], j) = at(p[i], j) - at(p[k], j) * f;
        }
        d = d * pivot;
    }
    const T last = at(p[n - 1], n - 1);
    if (!(std::fabs(last) > tau)) return T(0);
    return d * (s * last);
}

template <class T, class O>
void det(const O& src, int n, T* buf, T* dst, std::int32_t count) {
    if constexpr (std::is_same_v<O, Operand<const T>>) {
        constexpr std::ptrdiff_t es = sizeof(T);
        const auto lanes = n >= 3 && n <= 6 ? for_isa<T>(lane_kernels).det[n - 3] : nullptr;
        if (lanes && !src.list && src.cs == es && src.rs == es * n && (count == 1 || src.step == es * n * n)) {
            lanes(src.object(0), dst, count);
            return;
        }
    }
    auto by_cofactors = [&]<int N>() {
        if constexpr (std::is_same_v<O, Operand<const T>>) {
            // Packed rows: element (i, j) at a fixed offset the compiler can fold.
            if (src.cs == sizeof(T) && src.rs == N * std::ptrdiff_t(sizeof(T))) {
                for (std::ptrdiff_t k = 0; k < count; ++k) {
                    const T* p = src.object(k);
                    T a[N][N];
                    for (int i = 0; i < N; ++i)
                        for (int j = 0; j < N; ++j) a[i][j] = p[i * N + j];
                    dst[k] = cofactor_det<T, N>(a);
                }
                return;
            }
        }
        for (std::ptrdiff_t k = 0; k < count; ++k) {
            const auto o = src.view(k);
            T a[N][N];
            for (int i = 0; i < N; ++i)
                for (int j = 0; j < N; ++j) a[i][j] = *o.at(i, j);
            dst[k] = cofactor_det<T, N>(a);
        }
    };
    switch (n) {
    case 3: return by_cofactors.template operator()<3>();
    case 4: return by_cofactors.template operator()<4>();
    case 5: return by_cofactors.template operator()<5>();
    case 6: return by_cofactors.template operator()<6>();
    default:
        for (std::ptrdiff_t k = 0; k < count; ++k) dst[k] = eliminate_det<T>(src.view(k), n, buf);
    }
}

// ---------------------------------------------------------------------------------------
// Trace and Frobenius norm.

template <class T, class O>
void trace(const O& src, int n, T* dst, std::int32_t count) {
    for (std::ptrdiff_t k = 0; k < count; ++k) {
        const auto o = src.view(k);
        T s = T(0);
        for (int i = 0; i < n; ++i) s = s + *o.at(i, i);
        dst[k] = s;
    }
}

template <class T, class O>
void frob(const O& src, int w, int h, bool flush, T* dst, std::int32_t count) {
    for (std::ptrdiff_t k = 0; k < count; ++k) {
        const auto o = src.view(k);
        T s = T(0);
        for (int i = 0; i < h; ++i)
            for (int j = 0; j < w; ++j) {
                const T e = *o.at(i, j);
                s = s + e * e;
            }
        dst[k] = flush && !(s >= std::numeric_limits<T>::epsilon()) ? T(0) : std::sqrt(s);
    }
}

// ---------------------------------------------------------------------------------------
// The exports.

struct Det {};
struct Trace {};
struct Frob {};

inline constexpr Thresholds kThresholds = Thresholds::uniform(20001).list32(40001, 20001);

template <class Op, bool Array, class T, Layout L>
struct Export {
    using Src = Opd<T, Kind{Shape::Mat, Array, L}>;
    using signature = std::conditional_t<
        std::is_same_v<Op, Det>,
        std::conditional_t<Array, Signature<Src, Size, Ptr<T*>, Ptr<T*>, Count>, Signature<Src, Size, Ptr<T*>, Ptr<T*>>>,
        std::conditional_t<std::is_same_v<Op, Trace>,
                           std::conditional_t<Array, Signature<Src, Size, Ptr<T*>, Count>, Signature<Src, Size, Ptr<T*>>>,
                           std::conditional_t<Array, Signature<Src, Size, Size, Ptr<T*>, Count>,
                                              Signature<Src, Size, Size, Ptr<T*>>>>>;
    using checks = GeneralChecks<Array, L>;

    template <class... Items>
    static rukStatus run(const Src& src, const Items&... rest) {
        if (const rukStatus st = checks::run(std::tie(src, rest...))) return st;
        const auto t = std::tie(rest...);
        const std::int32_t w = std::get<0>(t).v;
        std::int32_t count = 1;
        if constexpr (Array) count = std::get<sizeof...(Items) - 1>(t).v;
        const auto s = src.view(w);
        const bool contiguous = !gapped(std::tie(src));

        if constexpr (std::is_same_v<Op, Det>) {
            T* buffer = std::get<1>(t).v;
            T* dst = std::get<2>(t).v;
            if constexpr (!Array) {
                det(s, w, buffer, dst, 1);
                return rukOk;
            } else {
                const std::int64_t e = std::int64_t(w) * count;
                if (e < kThresholds.select<T, L>(contiguous)) {
                    det(s, w, buffer, dst, count);
                    return rukOk;
                }
                const std::size_t scratch = (std::size_t(w) * w + w) * sizeof(T);
                return drive_scratch(count, scratch, [&](std::int32_t k0, std::int32_t n, void* mem) {
                    det(s.advanced(k0), w, mem ? static_cast<T*>(mem) : buffer, dst + k0, n);
                    return rukOk;
                });
            }
        } else if constexpr (std::is_same_v<Op, Trace>) {
            T* dst = std::get<1>(t).v;
            auto kernel = [&](std::int32_t k0, std::int32_t n) {
                trace(s.advanced(k0), w, dst + k0, n);
                return rukOk;
            };
            if constexpr (!Array) return kernel(0, 1);
            else return run_array(std::int64_t(w) * count, kThresholds.select<T, L>(contiguous), count, kernel);
        } else {
            const std::int32_t h = std::get<1>(t).v;
            T* dst = std::get<2>(t).v;
            // The single standard 64f form never flushes; the array forms keep the exact sum
            // for the square orders 3 to 6 (only order 3 in the element-pointer layout).
            bool flush;
            if constexpr (!Array) flush = !(L == Layout::Std && sizeof(T) == 8);
            else flush = !(w == h && (L == Layout::Ptr ? w == 3 : (w >= 3 && w <= 6)));
            auto kernel = [&](std::int32_t k0, std::int32_t n) {
                frob(s.advanced(k0), w, h, flush, dst + k0, n);
                return rukOk;
            };
            if constexpr (!Array) return kernel(0, 1);
            else return run_array(std::int64_t(w) * h * count, kThresholds.select<T, L>(contiguous), count, kernel);
        }
    }
};

}  // namespace rukm::measure
