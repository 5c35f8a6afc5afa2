// Vector algebra: dot products, Euclidean norms, cross products of 3-vectors, linear
// combinations and Saxpy, for one object or arrays of them.
//
// LComb (scale1 * src1 + scale2 * src2) and Saxpy (scale * src1 + src2) are element-wise
// and run on the element-wise kernels. The dot product and the norm sum products (squares):
//
//   lengths 3 to 6   every kernel adds them in one fixed tree: (p0 + p1) + p2,
//                    (p0 + p1) + (p2 + p3), ((p0 + p1) + (p2 + p3)) + p4 and
//                    ((p0 + p1) + (p2 + p3)) + (p4 + p5)
//   other lengths    from +0 in increasing order, except in the contiguous single forms,
//                    which sum in lanes aligned to the vector's 16-byte boundary: the
//                    leading elements up to the boundary in order, then blocks of eight
//                    into two four-lane (32f) or two two-lane (64f) accumulators, the
//                    lanes combined in a fixed order, then the tail in order.
//
// The norm takes the correctly rounded square root of the plain sum of squares (no scaling).
// Scalar results of array forms are packed: result k at dst[k].
#pragma once

#include <emmintrin.h>

#include <cmath>
#include <cstddef>
#include <cstdint>

#include "../elementwise/ew.hpp"
#include "../frame/checks.hpp"
#include "../frame/code.hpp"
#include "../frame/driver.hpp"
#include "../frame/isa.hpp"
#include "../frame/operand.hpp"
#include "../frame/params.hpp"

namespace rukm::vec {

// ---------------------------------------------------------------------------------------
// Sums of products.

#include "vector_formulas.inc"

// Kernels that hold one object per register lane (packed objects), per instruction set and
// element type; null where the instruction set has none. dot[n - 3] serves length n (x and y,
// each a packed array or one vector shared by all objects); the norm is the dot product of x
// with itself.
template <class T>
struct LaneKernels {
    void (*dot[4])(const T* x, bool xShared, const T* y, bool yShared, T* dst, std::int64_t count);
    void (*cross)(const T* x, bool xShared, const T* y, bool yShared, T* dst, std::int64_t count);
};
extern const TypedTables<LaneKernels> lane_kernels;

// A standard-layout operand whose objects of len elements are packed back to back (or a
// single object): the lane kernels can read it.
template <class T, class O>
inline bool packed_run(const O& o, std::ptrdiff_t len) {
    constexpr std::ptrdiff_t es = sizeof(T);
    return !o.list && (o.step == 0 || o.step == len * es) && o.cs == es;
}

// Sum over i < len of x(i) * y(i) (x and y element accessors), special lengths by the tree,
// others in order from +0.
template <class T, class X, class Y>
inline T sum_products(const X& x, const Y& y, int len) {
    auto tree_of = [&]<int N>() {
        T p[N];
        for (int i = 0; i < N; ++i) p[i] = x(i) * y(i);
        return tree<T, N>(p);
    };
    switch (len) {
    case 3: return tree_of.template operator()<3>();
    case 4: return tree_of.template operator()<4>();
    case 5: return tree_of.template operator()<5>();
    case 6: return tree_of.template operator()<6>();
    default: break;
    }
    T s = T(0);
    for (int i = 0; i < len; ++i) s = s + x(i) * y(i);
    return s;
}

// The contiguous single form of a length outside 3 to 6: x and y packed, b the address
// whose alignment places the lanes (src2 of the dot product, the source of the norm).
inline float lanes(const float* x, const float* y, int len, std::uintptr_t b) {
    const int h = b % 16 == 0 ? 0 : static_cast<int>((16 - b % 16) / 4);
    if (b % 4 != 0 || len < h + 8) {
        float s = 0.0f;
        for (int i = 0; i < len; ++i) s = s + x[i] * y[i];
        return s;
    }
    float s = 0.0f;
    for (int i = 0; i < h; ++i) s = s + x[i] * y[i];
    const int e = len - (len - h) % 8;
    __m128 A = _mm_set_ss(s), B = _mm_setzero_ps();
    for (int i = h; i < e; i += 8) {
        A = _mm_add_ps(A, _mm_mul_ps(_mm_loadu_ps(x + i), _mm_loadu_ps(y + i)));
        B = _mm_add_ps(B, _mm_mul_ps(_mm_loadu_ps(x + i + 4), _mm_loadu_ps(y + i + 4)));
    }
    alignas(16) float t[4];
    _mm_store_ps(t, _mm_add_ps(A, B));
    s = (t[0] + t[2]) + (t[1] + t[3]);
    for (int i = e; i < len; ++i) s = s + x[i] * y[i];
    return s;
}

inline double lanes(const double* x, const double* y, int len, std::uintptr_t b) {
    const int h = b % 16 == 0 ? 0 : 1;
    if (b % 8 != 0 || len < h + 8) {
        double s = 0.0;
        for (int i = 0; i < len; ++i) s = s + x[i] * y[i];
        return s;
    }
    double s = 0.0;
    for (int i = 0; i < h; ++i) s = s + x[i] * y[i];
    const int e = len - (len - h) % 8;
    __m128d A = _mm_set_sd(s), B = _mm_setzero_pd();
    auto p = [&](int i) { return _mm_mul_pd(_mm_loadu_pd(x + i), _mm_loadu_pd(y + i)); };
    for (int i = h; i < e; i += 8) {
        A = _mm_add_pd(A, p(i));
        B = _mm_add_pd(B, p(i + 2));
        A = _mm_add_pd(A, p(i + 4));
        B = _mm_add_pd(B, p(i + 6));
    }
    alignas(16) double t[2];
    _mm_store_pd(t, _mm_add_pd(A, B));
    s = t[0] + t[1];
    for (int i = e; i < len; ++i) s = s + x[i] * y[i];
    return s;
}

// ---------------------------------------------------------------------------------------
// Dot product and norm: one export template, the norm being the square root of the dot
// product of the source with itself.

struct Dot {};
struct Norm {};

template <class Op, Code C, class T, Layout L>
struct Reduce {
    static constexpr bool norm = std::is_same_v<Op, Norm>;
    static constexpr Operands ops = parse(C.view());
    static constexpr bool array = ops.any_array();
    static constexpr bool arr2 = !norm && ops.array[1];

    using S1 = Opd<T, Kind{Shape::Vec, ops.array[0], operand_layout(L, Shape::Vec, ops.array[0])}>;
    using S2 = Opd<T, Kind{Shape::Vec, arr2, operand_layout(L, Shape::Vec, arr2)}>;
    using signature = std::conditional_t<
        norm, std::conditional_t<array, Signature<S1, Ptr<T*>, Size, Count>, Signature<S1, Ptr<T*>, Size>>,
        std::conditional_t<array, Signature<S1, S2, Ptr<T*>, Size, Count>, Signature<S1, S2, Ptr<T*>, Size>>>;
    using checks = GeneralChecks<array, L>;

    static constexpr Thresholds thresholds =
        norm ? Thresholds::uniform(20001)
             : Thresholds{{40001, 40001}, {20001, 20001}, {40001, 40001}, {20001, 20001}, {20001, 40001}};

    template <class... Items>
    static rukStatus run(const S1& s1, const Items&... rest) {
        if (const rukStatus st = checks::run(std::tie(s1, rest...))) return st;
        const auto t = std::tie(rest...);
        const S2* s2 = nullptr;
        if constexpr (!norm) s2 = &std::get<0>(t);
        T* dst = std::get<norm ? 0 : 1>(t).v;
        const std::int32_t len = std::get<norm ? 1 : 2>(t).v;
        std::int32_t count = 1;
        if constexpr (array) count = std::get<sizeof...(Items) - 1>(t).v;

        const auto x = s1.view();
        const auto y = s2 ? s2->view() : x;
        const bool contiguous = L != Layout::Ptr && !gapped(std::tie(s1, rest...));
        auto kernel = [&](std::int32_t k0, std::int32_t n) {
            sums(x.advanced(k0), y.advanced(k0), dst + k0, len, n, contiguous);
            return rukOk;
        };
        if constexpr (!array) {
            if constexpr (L != Layout::Ptr) {
                if (contiguous && (len < 3 || len > 6)) {
                    const T* px = x.object(0);
                    const T* py = y.object(0);
                    const T s = lanes(px, py, len, reinterpret_cast<std::uintptr_t>(py));
                    *dst = norm ? std::sqrt(s) : s;
                    return rukOk;
                }
            }
            return kernel(0, 1);
        } else {
            const std::int64_t e = norm ? std::int64_t(len) * count
                                        : std::int64_t(len) * (arr2 ? 2 * std::int64_t(count) : std::int64_t(count) + 1);
            return run_array(e, thresholds.template select<T, L>(contiguous), count, kernel);
        }
    }

private:
    template <class X, class Y>
    static void sums(const X& x, const Y& y, T* dst, int len, std::int32_t count, bool contiguous) {
        if constexpr (std::is_same_v<X, Operand<const T>>) {
            const auto lanes = for_isa<T>(lane_kernels).dot[len >= 3 && len <= 6 ? len - 3 : 0];
            if (contiguous && lanes && len >= 3 && len <= 6 && packed_run<T>(x, len) && packed_run<T>(y, len)) {
                lanes(x.object(0), x.single(), y.object(0), y.single(), dst, count);
                if (norm)
                    for (std::ptrdiff_t k = 0; k < count; ++k) dst[k] = std::sqrt(dst[k]);
                return;
            }
        }
        for (std::ptrdiff_t k = 0; k < count; ++k) {
            T s;
            if constexpr (std::is_same_v<X, Operand<const T>>) {
                if (contiguous) {
                    const T* px = x.object(k);
                    const T* py = y.object(k);
                    s = sum_products<T>([&](int i) { return px[i]; }, [&](int i) { return py[i]; }, len);
                    dst[k] = norm ? std::sqrt(s) : s;
                    continue;
                }
            }
            const auto xo = x.view(k);
            const auto yo = y.view(k);
            s = sum_products<T>([&](int i) { return *xo.at(0, i); }, [&](int i) { return *yo.at(0, i); }, len);
            dst[k] = norm ? std::sqrt(s) : s;
        }
    }
};

// ---------------------------------------------------------------------------------------
// Cross product of 3-vectors.

template <class T, class X, class Y, class D>
void cross(const X& x, const Y& y, const D& d, std::int32_t count) {
    for (std::ptrdiff_t k = 0; k < count; ++k) {
        const auto a = x.view(k);
        const auto b = y.view(k);
        const auto c = d.view(k);
        const T a0 = *a.at(0, 0), a1 = *a.at(0, 1), a2 = *a.at(0, 2);
        const T b0 = *b.at(0, 0), b1 = *b.at(0, 1), b2 = *b.at(0, 2);
        T r[3];
        cross3<T>({a0, a1, a2}, {b0, b1, b2}, r);
        *c.at(0, 0) = r[0];
        *c.at(0, 1) = r[1];
        *c.at(0, 2) = r[2];
    }
}

template <Code C, class T, Layout L, class Order>
struct Cross {
    static constexpr Operands ops = parse(C.view());
    static constexpr bool array = ops.any_array();
    using S1 = Opd<T, Kind{Shape::Vec, ops.array[0], operand_layout(L, Shape::Vec, ops.array[0])}>;
    using S2 = Opd<T, Kind{Shape::Vec, ops.array[1], operand_layout(L, Shape::Vec, ops.array[1])}>;
    using D = Opd<T, Kind{Shape::Vec, array, L, true}>;
    using signature = std::conditional_t<array, Signature<S1, S2, D, Count>, Signature<S1, S2, D>>;

    static constexpr Thresholds thresholds = Thresholds::uniform(20001).list32(40001, 40001);

    static rukStatus run(const S1& s1, const S2& s2, const D& d, const auto&... cnt) {
        if (const rukStatus st = Order::run(std::tie(s1, s2, d, cnt...))) return st;
        const std::int32_t count = (cnt.v + ... + 0) + (array ? 0 : 1);
        const auto x = s1.view();
        const auto y = s2.view();
        const auto dv = d.view();
        auto kernel = [&](std::int32_t k0, std::int32_t n) {
            if constexpr (L != Layout::Ptr) {
                const auto lanes = for_isa<T>(lane_kernels).cross;
                if (lanes && packed_run<T>(x, 3) && packed_run<T>(y, 3) && packed_run<T>(dv, 3) && !dv.single()) {
                    const auto xr = x.advanced(k0), yr = y.advanced(k0);
                    lanes(xr.object(0), xr.single(), yr.object(0), yr.single(), dv.advanced(k0).object(0), n);
                    return rukOk;
                }
            }
            cross<T>(x.advanced(k0), y.advanced(k0), dv.advanced(k0), n);
            return rukOk;
        };
        if constexpr (!array) return kernel(0, 1);
        else {
            const std::int64_t e = ops.array[0] && ops.array[1] ? 3 * std::int64_t(count) : 2 * std::int64_t(count) + 1;
            return run_array(e, thresholds.template select<T, L>(!gapped(std::tie(s1, s2, d))), count, kernel);
        }
    }
};

// ---------------------------------------------------------------------------------------
// Linear combination and Saxpy on the element-wise kernels.

template <class Op, Code C, class T, Layout L>
struct Combine {
    static constexpr bool lcomb = std::is_same_v<Op, ew::LComb>;
    static constexpr Operands ops = parse(C.view());
    static constexpr bool array = ops.any_array();

    using S1 = Opd<T, Kind{Shape::Vec, ops.array[0], operand_layout(L, Shape::Vec, ops.array[0])}>;
    using S2 = Opd<T, Kind{Shape::Vec, ops.array[1], operand_layout(L, Shape::Vec, ops.array[1])}>;
    using D = Opd<T, Kind{Shape::Vec, array, L, true}>;
    using signature = std::conditional_t<
        lcomb,
        std::conditional_t<array, Signature<S1, Scalar<T>, S2, Scalar<T>, D, Size, Count>,
                           Signature<S1, Scalar<T>, S2, Scalar<T>, D, Size>>,
        std::conditional_t<array, Signature<S1, Scalar<T>, S2, D, Size, Count>, Signature<S1, Scalar<T>, S2, D, Size>>>;
    using checks = GeneralChecks<array, L>;

    static constexpr Thresholds thresholds =
        lcomb ? Thresholds::uniform(20001).list32(40001, 20001) : Thresholds::uniform(40001);

    template <class... Items>
    static rukStatus run(const S1& s1, const Scalar<T>& f1, const S2& s2, const Items&... rest) {
        if (const rukStatus st = checks::run(std::tie(s1, f1, s2, rest...))) return st;
        const auto t = std::tie(rest...);
        constexpr int o = lcomb ? 1 : 0;
        T f2 = T(0);
        if constexpr (lcomb) f2 = std::get<0>(t).v;
        const D& d = std::get<o>(t);
        const std::int32_t len = std::get<o + 1>(t).v;
        std::int32_t count = 1;
        if constexpr (array) count = std::get<o + 2>(t).v;
        const std::int64_t e = ops.array[0] && ops.array[1] ? 3 * std::int64_t(len) * count
                                                            : std::int64_t(len) * (2 * std::int64_t(count) + 1);
        using X = decltype(s1.view());
        using Y = decltype(s2.view());
        return ew::execute<Op, L, array, ew::Rows, ew::Rows>(
            ew::Args<T, X, Y, decltype(d.view())>{s1.view(), s2.view(), d.view(), len, 1, count, f1.v, f2},
            !gapped(std::tie(s1, s2, d)), e, thresholds);
    }
};

}  // namespace rukm::vec
