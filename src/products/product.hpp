// Matrix-matrix products: dst = A * B with A the first source (or its transpose) and B the
// second (or its transpose), for one pair or for arrays of pairs.
//
// Every destination element is the sum of A(r, k) * B(k, c) over k in increasing order, one
// rounding per product and per sum, never fused. The general loops start the sum from +0;
// the special-size kernels (all stored sizes equal to n, n = 3 to 6) start it from the first
// product, so only an element whose products are all -0 differs in the sign of its zero.
//
//   contiguous kernels  every element stride equal to the element size; one variant per
//                       instruction set (product_contig.inc), registers across columns
//   generic kernel      strided elements and element pointers, scalar, with the special
//                       sizes unrolled and their operands held in locals
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

namespace rukm::prod {

// What a kernel sees: the factors as used (A m x kk, B kk x n), the destination (m x n)
// and whether the special-size kernels may run.
template <class T>
struct Args {
    Operand<const T> a, b;
    Operand<T> d;
    std::int32_t m, kk, n, count;
    bool special;

    Args run(std::int32_t first, std::int32_t cnt) const {
        return {a.advanced(first), b.advanced(first), d.advanced(first), m, kk, n, cnt, special};
    }
};

// Contiguous kernels per instruction set: [A transposed][B transposed], for runs of objects
// and for single objects of the special orders (the stored operands by address and row
// stride in bytes).
template <class T>
using ContigFn = void (*)(const Args<T>&);
template <class T>
using SingleFn = rukStatus (*)(const T* a, std::ptrdiff_t ars, const T* b, std::ptrdiff_t brs, T* d, std::ptrdiff_t drs);
template <class T>
struct ContigTable {
    ContigFn<T> fn[2][2];
    ByOrder<SingleFn<T>> single[2][2];
};
extern const TypedTables<ContigTable> contig;

template <class T>
ContigFn<T> contig_kernel(bool transA, bool transB) {
    return for_isa<T>(contig).fn[transA][transB];
}

// Special size N: operands read into locals, each element summed from its first product.
template <class T, int N, class A, class B, class D>
void special(const A& a, const B& b, const D& d, std::int32_t count) {
    for (std::ptrdiff_t o = 0; o < count; ++o) {
        const auto ao = a.view(o);
        const auto bo = b.view(o);
        const auto dob = d.view(o);
        T x[N][N], y[N][N];
        for (int r = 0; r < N; ++r)
            for (int k = 0; k < N; ++k) {
                x[r][k] = *ao.at(r, k);
                y[r][k] = *bo.at(r, k);
            }
        for (int r = 0; r < N; ++r)
            for (int c = 0; c < N; ++c) {
                T s = x[r][0] * y[0][c];
                for (int k = 1; k < N; ++k) s = s + x[r][k] * y[k][c];
                *dob.at(r, c) = s;
            }
    }
}

// Any sizes: each element summed from +0.
template <class T, class A, class B, class D>
void general(const A& a, const B& b, const D& d, int m, int kk, int n, std::int32_t count) {
    for (std::ptrdiff_t o = 0; o < count; ++o) {
        const auto ao = a.view(o);
        const auto bo = b.view(o);
        const auto dob = d.view(o);
        for (int r = 0; r < m; ++r)
            for (int c = 0; c < n; ++c) {
                T s = T(0);
                for (int k = 0; k < kk; ++k) s = s + *ao.at(r, k) * *bo.at(k, c);
                *dob.at(r, c) = s;
            }
    }
}

template <class T, class A, class B, class D>
void generic(const A& a, const B& b, const D& d, int m, int kk, int n, std::int32_t count, bool special_ok) {
    if (special_ok) {
        switch (m) {
        case 3: return special<T, 3>(a, b, d, count);
        case 4: return special<T, 4>(a, b, d, count);
        case 5: return special<T, 5>(a, b, d, count);
        case 6: return special<T, 6>(a, b, d, count);
        default: break;
        }
    }
    general<T>(a, b, d, m, kk, n, count);
}

inline constexpr Thresholds kThresholds = Thresholds::uniform(36865, 18433, 18433, 9217);

// One export: operand code C ("mm", "tam", ...), element type T, layout L.
template <Code C, class T, Layout L>
struct Export {
    static constexpr Operands ops = parse(C.view());
    static constexpr bool array = ops.any_array();
    static constexpr bool transA = ops.shape[0] == Shape::Trans, transB = ops.shape[1] == Shape::Trans;

    static constexpr Kind src_kind(int i) {
        return {ops.shape[i], ops.array[i], operand_layout(L, ops.shape[i], ops.array[i]), false, true};
    }
    using S1 = Opd<T, src_kind(0)>;
    using S2 = Opd<T, src_kind(1)>;
    using D = Opd<T, Kind{Shape::Mat, array, L, true}>;
    using signature = std::conditional_t<array, Signature<S1, S2, D, Count>, Signature<S1, S2, D>>;

    // The inner dimensions of A and B, as the shapes of the stored sources give them.
    static constexpr auto agree = [](const auto& t) {
        const S1& s1 = std::get<0>(t);
        const S2& s2 = std::get<1>(t);
        return (transA ? s1.height : s1.width) == (transB ? s2.width : s2.height);
    };
    using checks = std::conditional_t<
        array,
        std::conditional_t<L == Layout::Std, Checks<Ptrs, Cnt, Sizes, Agree<agree>, Strides>,
                           Checks<Ptrs, Cnt, Sizes, Agree<agree>, Strides, Shifts>>,
        std::conditional_t<L == Layout::Ptr, Checks<Ptrs, Sizes, Agree<agree>, Shifts>,
                           Checks<Ptrs, Sizes, Agree<agree>, Strides>>>;

    // Single standard forms of a special order (all stored sizes n) with contiguous elements:
    // the single kernels, before the checks (their condition implies them all).
    static constexpr bool split = !array && L == Layout::Std;

    template <class Otherwise>
    static rukStatus single(const Otherwise& otherwise, const S1& s1, const S2& s2, const D& d) {
        const std::int32_t n = s1.width;
        const SingleFn<T> f = s1.direct() && s2.direct() && d.direct() && n == s1.height && n == s2.width &&
                                      n == s2.height
                                  ? for_isa<T>(contig).single[transA][transB].at(n)
                                  : nullptr;
        if (!f) return otherwise();
        return f(s1.ptr, s1.row, s2.ptr, s2.row, d.ptr, d.row);
    }

    static rukStatus general(const S1& s1, const S2& s2, const D& d, const auto&... cnt) {
        const std::int32_t count = array ? (cnt.v + ... + 0) : 1;
        const std::int32_t m = transA ? s1.width : s1.height, kk = transA ? s1.height : s1.width;
        const std::int32_t n = transB ? s2.height : s2.width;
        const bool square = s1.width == s1.height && s2.width == s2.height && s1.width == s2.width &&
                            s1.width >= 3 && s1.width <= 6;
        const auto a = s1.view(s1.width);
        const auto b = s2.view(s2.width);
        const auto dv = d.view(n);

        // Elements of every single source once, of every array source and the destination
        // once per object.
        const std::int64_t estimate =
            std::int64_t(s1.width) * s1.height * (ops.array[0] ? count : 1) +
            std::int64_t(s2.width) * s2.height * (ops.array[1] ? count : 1) + std::int64_t(m) * n * count;

        if constexpr (L == Layout::Ptr) {
            auto kernel = [&](std::int32_t k0, std::int32_t c) {
                generic<T>(a.advanced(k0), b.advanced(k0), dv.advanced(k0), m, kk, n, c, square);
                return rukOk;
            };
            if constexpr (!array) return kernel(0, 1);
            else return run_array(estimate, kThresholds.select<T, L>(false), count, kernel);
        } else {
            const bool contiguous = !gapped(std::tie(s1, s2, d));
            // Pointer lists whose second source is an array run the contiguous general loop
            // on every object, special sizes included.
            const bool special_ok = square && !(L == Layout::List && contiguous && ops.array[1]);
            const ContigFn<T> fast = contiguous ? contig_kernel<T>(transA, transB) : nullptr;
            const Args<T> args{a, b, dv, m, kk, n, count, special_ok};
            auto launch = [&](const Args<T>& r) {
                if (fast) fast(r);
                else generic<T>(r.a, r.b, r.d, m, kk, n, r.count, special_ok);
                return rukOk;
            };
            auto kernel = [&](std::int32_t k0, std::int32_t c) {
                return k0 == 0 && c == count ? launch(args) : launch(args.run(k0, c));
            };
            if constexpr (!array) return launch(args);
            else return run_array(estimate, kThresholds.select<T, L>(contiguous), count, kernel);
        }
    }
};

}  // namespace rukm::prod
