// Cholesky decomposition A = L L^T of symmetric positive-definite matrices, and its back
// substitution.
//
// Only the lower triangle of the source is read. The factor is packed with the reciprocals of
// its diagonal: dst(i, j) = L(i, j) for j < i, dst(i, i) = 1 / L(i, i); the strict upper
// triangle of dst is never written. Neither the decomposition's later rows nor the back
// substitution divide. The 32f reciprocal square root is the processor's approximation
// refined by one Newton step (the 128- and 256-bit forms of the instruction in every variant,
// so every variant gives the same bits); 64f divides 1 by the correctly rounded root.
// Formulas: cholesky_formula.inc. Arrays stop at the first matrix that is not positive
// definite (a parallel run at its own first one); the lane kernels run sixteen 32f (eight
// 64f) matrices of orders 3 to 6 at once.
#pragma once

#include <xmmintrin.h>

#include <cmath>

#include "../frame/isa.hpp"
#include "solver.hpp"

namespace rukm::solve {

inline float rroot(float d) {
    const float r = _mm_cvtss_f32(_mm_rsqrt_ss(_mm_set_ss(d)));
    const float t = (d * r) * r;
    return (r * (t - 3.0f)) * -0.5f;
}
inline double rroot(double d) { return 1.0 / std::sqrt(d); }

#include "cholesky_formula.inc"

// Lane kernels of one instruction set for orders 3 to 6 (entry n - 3), on groups laid out
// element by element (solver.hpp), lower triangles only. decomp factors the group in place
// and returns the lanes that are not positive definite; subst solves in place in x with
// per-lane factors, subst_shared with one factor (n*n elements) for every lane.
template <class T>
struct CholLanes {
    std::uint32_t (*decomp[4])(T* a);
    void (*subst[4])(const T* f, T* x);
    void (*subst_shared[4])(const T* f, T* x);
};
extern const TypedTables<CholLanes> chol_lanes;

struct CholDecomp : Decomposition {
    template <class T, Layout L>
    static std::int32_t threshold(Form, bool contiguous) {
        if constexpr (sizeof(T) == 4) return L == Layout::Std ? 7501 : 2001;
        else return L == Layout::List && contiguous ? 721 : 2001;
    }

    template <class T, Layout, class J>
    static rukStatus objects(const J& job, std::int32_t count, bool) {
        const int n = job.n;
        auto one = [&](std::int32_t k) {
            const auto s = job.a.view(k);
            const auto d = job.d.view(k);
            const bool failed = cholesky_rows<T, 0>(
                n, [&](int i, int j) { return *s.at(i, j); }, [&](int i, int j) -> T& { return *d.at(i, j); });
            return failed ? rukErrNotPosDef : rukOk;
        };
        const auto lanes = n >= 3 && n <= 6 ? for_isa<T>(chol_lanes).decomp[n - 3] : nullptr;
        return by_groups<T>(count, lanes != nullptr, [&](std::int32_t k, int m) {
            alignas(64) T a[36 * kGroup<T>];
            load_group(job.a, k, m, n, n, lower_of(n), a);
            const int done = completed(lanes(a), m);
            store_group(job.d, k, done, n, n, lower_of(n), a);
            return done;
        }, one);
    }
};

struct CholSubst : Substitution {
    // The mva pointer-list forms check strides and shifts before the order and the count.
    template <bool Array, Layout L, Form F>
    using checks = std::conditional_t<L == Layout::List && !F.arrA, Checks<Ptrs, Strides, Shifts, Sizes, Cnt>,
                                      GeneralChecks<Array, L>>;

    template <class T, Layout L>
    static std::int32_t threshold(Form f, bool contiguous) {
        constexpr bool f32 = sizeof(T) == 4;
        if (!f.arrA) return f32 && L == Layout::Std ? 1201 : 721;
        if (f32 && L == Layout::Std && contiguous) return 2051;
        if (!f32 && L == Layout::Ptr) return 2051;
        return 1701;
    }

    template <class T, Layout, class J>
    static rukStatus objects(const J& job, std::int32_t count, bool) {
        const int n = job.n;
        auto one = [&](std::int32_t k) {
            const auto f = job.a.view(k);
            const auto b = job.b.view(k);
            const auto x = job.d.view(k);
            cholesky_subst<T, 0>(
                n, [&](int i, int j) { return *f.at(i, j); }, [&](int i) { return *b.at(0, i); },
                [&](int i) -> T& { return *x.at(0, i); });
            return rukOk;
        };
        const bool lanes = n >= 3 && n <= 6;
        if (!lanes) return each(count, one);
        const CholLanes<T>& kernels = for_isa<T>(chol_lanes);
        alignas(64) T shared[36];
        if (!job.arrA)
            for (int i = 0; i < n; ++i)
                for (int j = 0; j <= i; ++j) shared[i * n + j] = *job.a.view(0).at(i, j);
        return by_groups<T>(count, true, [&](std::int32_t k, int m) {
            alignas(64) T a[36 * kGroup<T>];
            alignas(64) T x[6 * kGroup<T>];
            load_group(job.b, k, m, 1, n, all_of(n), x);
            if (job.arrA) {
                load_group(job.a, k, m, n, n, lower_of(n), a);
                kernels.subst[n - 3](a, x);
            } else {
                kernels.subst_shared[n - 3](shared, x);
            }
            store_group(job.d, k, m, 1, n, all_of(n), x);
            return m;
        }, one);
    }
};

}  // namespace rukm::solve
