// Matrix-vector products (dst = A * x, A as stored or transposed) and Gaxpy
// (dst = A * x + y), for one object or arrays of them.
//
// Element i of the result is the sum over k of A(i, k) * x(k), one rounding per product and
// per sum, never fused. In the product the general loops start from +0 and add in increasing
// k; the special-size kernels (A square of order n = 3 to 6) start from the first product.
// Gaxpy sums the products first and adds y(i) last: its general loops add in increasing k
// from +0, its special sizes 4 to 6 add the last column's product first and then the others
// in increasing k (order 3 in increasing k).
//
//   contiguous kernels  every element stride equal to the element size; one variant per
//                       instruction set (matvec_contig.inc), registers across the rows
//   generic kernel      strided elements and element pointers
#pragma once

#include <cstddef>
#include <cstdint>

#include "../frame/checks.hpp"
#include "../frame/code.hpp"
#include "../frame/driver.hpp"
#include "../frame/isa.hpp"
#include "../frame/operand.hpp"
#include "../frame/params.hpp"
#include "../frame/single.hpp"

namespace rukm::matvec {

// What a kernel sees: A as used (m rows, kk columns), x (kk), y (m, Gaxpy only), the
// destination (m), and whether the special-size kernels may run. Vectors are row 0.
template <class T>
struct Args {
    Operand<const T> a, x, y;
    Operand<T> d;
    std::int32_t m, kk, count;
    bool special;

    Args run(std::int32_t first, std::int32_t cnt) const {
        return {a.advanced(first), x.advanced(first), y.advanced(first), d.advanced(first), m, kk, cnt, special};
    }
};

// The k of the j-th product added: Gaxpy's special sizes 4 to 6 begin with the last column.
template <bool Gaxpy, int N>
constexpr int term(int j) {
    if constexpr (Gaxpy && N >= 4) return j == 0 ? N - 1 : j - 1;
    else return j;
}

// Contiguous kernels per instruction set: [Gaxpy][A transposed], for runs of objects and for
// single objects of the special orders (A by address and stored row stride; x, y and the
// destination packed; y read by Gaxpy only).
template <class T>
using ContigFn = void (*)(const Args<T>&);
template <class T>
using SingleFn = rukStatus (*)(const T* a, std::ptrdiff_t ars, const T* x, const T* y, T* d);
template <class T>
struct ContigTable {
    ContigFn<T> fn[2][2];
    ByOrder<SingleFn<T>> single[2][2];
};
extern const TypedTables<ContigTable> contig;

template <class T>
ContigFn<T> contig_kernel(bool gaxpy, bool transA) {
    return for_isa<T>(contig).fn[gaxpy][transA];
}

// The generic kernel; N > 0 is a special size.
template <class T, bool Gaxpy, int N, class A, class X, class Y, class D>
void generic_n(const A& a, const X& x, const Y& y, const D& d, int m, int kk, std::int32_t count) {
    for (std::ptrdiff_t o = 0; o < count; ++o) {
        const auto ao = a.view(o);
        const auto xo = x.view(o);
        const auto dob = d.view(o);
        if constexpr (N > 0) {
            T xv[N];
            for (int k = 0; k < N; ++k) xv[k] = *xo.at(0, k);
            for (int i = 0; i < N; ++i) {
                T s = *ao.at(i, term<Gaxpy, N>(0)) * xv[term<Gaxpy, N>(0)];
                for (int j = 1; j < N; ++j) s = s + *ao.at(i, term<Gaxpy, N>(j)) * xv[term<Gaxpy, N>(j)];
                if constexpr (Gaxpy) s = s + *y.view(o).at(0, i);
                *dob.at(0, i) = s;
            }
        } else {
            for (int i = 0; i < m; ++i) {
                T s = T(0);
                for (int k = 0; k < kk; ++k) s = s + *ao.at(i, k) * *xo.at(0, k);
                if constexpr (Gaxpy) s = s + *y.view(o).at(0, i);
                *dob.at(0, i) = s;
            }
        }
    }
}

template <class T, bool Gaxpy, class A, class X, class Y, class D>
void generic(const A& a, const X& x, const Y& y, const D& d, int m, int kk, std::int32_t count, bool special) {
    if (special) {
        switch (m) {
        case 3: return generic_n<T, Gaxpy, 3>(a, x, y, d, m, kk, count);
        case 4: return generic_n<T, Gaxpy, 4>(a, x, y, d, m, kk, count);
        case 5: return generic_n<T, Gaxpy, 5>(a, x, y, d, m, kk, count);
        case 6: return generic_n<T, Gaxpy, 6>(a, x, y, d, m, kk, count);
        default: break;
        }
    }
    generic_n<T, Gaxpy, 0>(a, x, y, d, m, kk, count);
}

struct Mul {};
struct Gaxpy {};

// One export. Mul: code mv, tv, mva, tva, mav, tav, mava, tava. Gaxpy: mv (all single),
// mva (x and y arrays), mvav (x array, single y).
template <class Op, Code C, class T, Layout L>
struct Export {
    static constexpr bool gaxpy = std::is_same_v<Op, Gaxpy>;
    static constexpr Operands ops = parse(C.view());
    static constexpr bool transA = ops.shape[0] == Shape::Trans;
    static constexpr bool arrA = ops.array[0], arrX = ops.array[1];
    static constexpr bool arrY = gaxpy && arrX && ops.n == 2;  // Gaxpy mva: y is an array too
    static constexpr bool array = arrA || arrX;

    using S1 = Opd<T, Kind{ops.shape[0], arrA, operand_layout(L, ops.shape[0], arrA), false, true}>;
    using S2 = Opd<T, Kind{Shape::Vec, arrX, operand_layout(L, Shape::Vec, arrX), false, true}>;
    using S3 = Opd<T, Kind{Shape::Vec, arrY, operand_layout(L, Shape::Vec, arrY), false, true}>;
    using D = Opd<T, Kind{Shape::Vec, array, L, true}>;
    using signature = std::conditional_t<
        gaxpy, std::conditional_t<array, Signature<S1, S2, S3, D, Count>, Signature<S1, S2, S3, D>>,
        std::conditional_t<array, Signature<S1, S2, D, Count>, Signature<S1, S2, D>>>;

    static constexpr auto agree = [](const auto& t) {
        const S1& a = std::get<0>(t);
        const S2& x = std::get<1>(t);
        if constexpr (gaxpy) return a.width == x.len && a.height == std::get<2>(t).len;
        else return (transA ? a.height : a.width) == x.len;
    };
    using checks = std::conditional_t<
        array,
        std::conditional_t<L == Layout::Std, Checks<Ptrs, Cnt, Sizes, Agree<agree>, Strides>,
                           Checks<Ptrs, Cnt, Sizes, Agree<agree>, Strides, Shifts>>,
        std::conditional_t<L == Layout::Ptr, Checks<Ptrs, Sizes, Agree<agree>, Shifts>,
                           Checks<Ptrs, Sizes, Agree<agree>, Strides>>>;

    static constexpr Thresholds thresholds =
        gaxpy ? Thresholds::uniform(5001) : Thresholds::uniform(36865, 18433, 18433, 9217);

    // Single standard forms of a special order with contiguous elements: the single kernels,
    // before the checks (their condition implies them all).
    static constexpr bool split = !array && L == Layout::Std;

    template <class Otherwise, class... Items>
    static rukStatus single(const Otherwise& otherwise, const S1& s1, const S2& s2, const Items&... rest) {
        const auto tail = std::tie(rest...);
        const D& d = std::get<gaxpy ? 1 : 0>(tail);
        const std::int32_t n = s1.width;
        bool ok = s1.direct() && s2.direct() && d.direct() && n == s1.height && n == s2.len;
        if constexpr (gaxpy) ok = ok && std::get<0>(tail).direct() && n == std::get<0>(tail).len;
        const SingleFn<T> f = ok ? for_isa<T>(contig).single[gaxpy][transA].at(n) : nullptr;
        if (!f) return otherwise();
        if constexpr (gaxpy) return f(s1.ptr, s1.row, s2.ptr, std::get<0>(tail).ptr, d.ptr);
        else return f(s1.ptr, s1.row, s2.ptr, s2.ptr, d.ptr);
    }

    template <class... Items>
    static rukStatus general(const S1& s1, const S2& s2, const Items&... rest) {
        const auto tail = std::tie(rest...);
        const S3* s3 = nullptr;
        if constexpr (gaxpy) s3 = &std::get<0>(tail);
        const D& d = std::get<gaxpy ? 1 : 0>(tail);
        std::int32_t count = 1;
        if constexpr (array) count = std::get<sizeof...(Items) - 1>(tail).v;

        const std::int32_t m = transA ? s1.width : s1.height, kk = transA ? s1.height : s1.width;
        const bool square = s1.width == s1.height && s1.width >= 3 && s1.width <= 6;
        const auto a = s1.view(s1.width);
        const auto x = s2.view();
        const auto dv = d.view();
        decltype(x) y = s3 ? s3->view() : x;

        std::int64_t estimate;
        if constexpr (gaxpy)
            estimate = arrY ? (std::int64_t(s2.len) + 2 * std::int64_t(m)) * count
                            : (std::int64_t(s2.len) + m) * count + m;
        else
            estimate = std::int64_t(s1.width) * s1.height * (arrA ? count : 1) +
                       std::int64_t(kk) * (arrX ? count : 1) + std::int64_t(m) * count;

        if constexpr (L == Layout::Ptr) {
            auto kernel = [&](std::int32_t k0, std::int32_t c) {
                generic<T, gaxpy>(a.advanced(k0), x.advanced(k0), y.advanced(k0), dv.advanced(k0), m, kk, c, square);
                return rukOk;
            };
            if constexpr (!array) return kernel(0, 1);
            else return run_array(estimate, thresholds.template select<T, L>(false), count, kernel);
        } else {
            const bool contiguous = !gapped(std::tie(s1, s2, rest...));
            // Products over pointer lists run the contiguous general loop, special orders
            // included; Gaxpy keeps its special sizes in every kernel.
            const bool special_ok = square && (gaxpy || !(L == Layout::List && contiguous));
            const ContigFn<T> fast = contiguous ? contig_kernel<T>(gaxpy, transA) : nullptr;
            const Args<T> args{a, x, y, dv, m, kk, count, special_ok};
            auto launch = [&](const Args<T>& r) {
                if (fast) fast(r);
                else generic<T, gaxpy>(r.a, r.x, r.y, r.d, m, kk, r.count, special_ok);
                return rukOk;
            };
            auto kernel = [&](std::int32_t k0, std::int32_t c) {
                return k0 == 0 && c == count ? launch(args) : launch(args.run(k0, c));
            };
            if constexpr (!array) return launch(args);
            else return run_array(estimate, thresholds.template select<T, L>(contiguous), count, kernel);
        }
    }
};

}  // namespace rukm::matvec
