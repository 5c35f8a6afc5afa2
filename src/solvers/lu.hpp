// LU decomposition with partial pivoting, P A = L U, and its back substitution.
//
// Rows of the destination never move: pivotIndex[i] is the destination row that holds row i
// of the factorization, with the multipliers L(i, j) in its columns j < i and U(i, j) in the
// others (the unit diagonal of L is implied). Arrays of matrices keep order entries per
// matrix, back to back.
//
//   orders 1, 2, 7+   on the destination itself: copy, then per column the pivot search
//                     through pivotIndex (strictly greater wins, ties keep the earlier
//                     position), singular when epsilon >= |pivot| (a pivot of exactly
//                     epsilon is singular), the index exchange, the reciprocal of the pivot
//                     times each entry below it, the update. The last pivot is tested too.
//   orders 3 to 6     the same sequence unrolled on a private copy (lu_formula.inc), singular
//                     when |pivot| < tau = twice the smallest normal number; each row is
//                     stored (with its pivot entry) as soon as its step has made it final,
//                     so a singular matrix leaves the later rows of dst unchanged.
//
// Back substitution solves L y = P b, then U x = y. Orders 1, 2, 7+: sums of products from +0
// in ascending j, y stored in dst and overwritten by x, division by the diagonal. Orders 3 to
// 6 read all of b first and subtract term by term from the highest j down; 32f multiplies by
// the reciprocal of the diagonal, 64f divides. No value is tested.
//
// Arrays stop at the first singular matrix (a parallel run at its own first one); the lane
// kernels run sixteen 32f (eight 64f) matrices of orders 3 to 6 at once.
#pragma once

#include <cmath>
#include <limits>
#include <utility>

#include "../frame/isa.hpp"
#include "solver.hpp"

namespace rukm::solve {

#include "lu_formula.inc"

// Lane kernels of one instruction set for orders 3 to 6 (entry n - 3), on groups laid out
// element by element (solver.hpp). decomp factors the group in place (rows where the
// factorization puts them: row i of the factorization in row p[i]), leaves the pivot
// entries in p and returns the lanes that met a singular pivot. subst solves in place in x
// (b on entry) with per-lane factors and pivot entries; subst_shared with one factor whose
// rows are already in pivot order (N*N elements) and its pivot entries, for every lane.
template <class T>
struct LuLanes {
    std::uint32_t (*decomp[4])(T* a, lane_int<T>* p);
    void (*subst[4])(const T* a, const lane_int<T>* p, T* x);
    void (*subst_shared[4])(const T* a, const std::int32_t* p, T* x);
};
extern const TypedTables<LuLanes> lu_lanes;

// Singular pivots: below twice the smallest normal number (orders 3 to 6), at most epsilon
// (the other orders).
template <class T>
inline constexpr T kLuTau = T(2) * std::numeric_limits<T>::min();

// Orders 1, 2 and 7 and above, on dst itself.
template <class T, class S, class D>
rukStatus general_lu(const S& src, std::int32_t* p, const D& dst, int n) {
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) *dst.at(i, j) = *src.at(i, j);
    for (int i = 0; i < n; ++i) p[i] = i;
    auto a = [&](int r, int c) -> T& { return *dst.at(r, c); };
    const T eps = std::numeric_limits<T>::epsilon();
    for (int k = 0; k < n - 1; ++k) {
        int at = k;
        T best = std::fabs(a(p[k], k));
        for (int i = k + 1; i < n; ++i) {
            const T m = std::fabs(a(p[i], k));
            if (m > best) at = i, best = m;
        }
        if (eps >= best) return rukErrSingular;
        if (at != k) std::swap(p[k], p[at]);
        const T r = T(1) / a(p[k], k);
        for (int i = k + 1; i < n; ++i) a(p[i], k) = a(p[i], k) * r;
        for (int i = k + 1; i < n; ++i)
            for (int j = k + 1; j < n; ++j) a(p[i], j) = a(p[i], j) - a(p[i], k) * a(p[k], j);
    }
    return eps >= std::fabs(a(p[n - 1], n - 1)) ? rukErrSingular : rukOk;
}

// Orders 3 to 6 on a private copy; rows stored as they become final.
template <class T, int N, class S, class D>
rukStatus fixed_lu_one(const S& src, std::int32_t* p, const D& dst) {
    T a[N][N];
    for (int i = 0; i < N; ++i)
        for (int j = 0; j < N; ++j) a[i][j] = *src.at(i, j);
    std::int32_t q[N];
    const bool failed = fixed_lu<T, std::int32_t, N>(a, q, kLuTau<T>, [&](int k) {
        p[k] = q[k];
        for (int j = 0; j < N; ++j) *dst.at(q[k], j) = a[k][j];
    });
    return failed ? rukErrSingular : rukOk;
}

template <class T, class A, class B, class D>
void general_lu_subst(const A& a, const std::int32_t* p, const B& b, const D& x, int n) {
    auto L = [&](int i, int j) { return *a.at(p[i], j); };
    *x.at(0, 0) = *b.at(0, p[0]);
    for (int i = 1; i < n; ++i) {
        T s = T(0);
        for (int j = 0; j < i; ++j) s = s + L(i, j) * *x.at(0, j);
        *x.at(0, i) = *b.at(0, p[i]) - s;
    }
    *x.at(0, n - 1) = *x.at(0, n - 1) / L(n - 1, n - 1);
    for (int i = n - 2; i >= 0; --i) {
        T s = T(0);
        for (int j = i + 1; j < n; ++j) s = s + L(i, j) * *x.at(0, j);
        *x.at(0, i) = (*x.at(0, i) - s) / L(i, i);
    }
}

template <class T, int N, class A, class B, class D>
void fixed_lu_subst_one(const A& a, const std::int32_t* p, const B& b, const D& x) {
    T f[N][N], v[N];
    for (int i = 0; i < N; ++i) {
        for (int j = 0; j < N; ++j) f[i][j] = *a.at(p[i], j);
        v[i] = *b.at(0, p[i]);
    }
    fixed_lu_subst<T, N, sizeof(T) == 4>(f, v);
    for (int i = 0; i < N; ++i) *x.at(0, i) = v[i];
}

// ---------------------------------------------------------------------------------------
// The families.

struct LuDecomp : Decomposition {
    template <class T>
    using extra = std::tuple<Ptr<std::int32_t*>>;
    template <class T, Layout L>
    static std::int32_t threshold(Form, bool contiguous) {
        return L == Layout::List && sizeof(T) == 4 && contiguous ? 40001 : 20001;
    }

    template <class T, Layout, class J>
    static rukStatus objects(const J& job, std::int32_t count, bool) {
        const int n = job.n;
        auto one = [&](std::int32_t k) {
            std::int32_t* p = job.x + std::ptrdiff_t(k) * n;
            return with_order(n, [&]<int N>() -> rukStatus {
                if constexpr (N == 0) return general_lu<T>(job.a.view(k), p, job.d.view(k), n);
                else return fixed_lu_one<T, N>(job.a.view(k), p, job.d.view(k));
            });
        };
        const auto lanes = n >= 3 && n <= 6 ? for_isa<T>(lu_lanes).decomp[n - 3] : nullptr;
        return by_groups<T>(count, lanes != nullptr, [&](std::int32_t k, int m) {
            alignas(64) T a[36 * kGroup<T>];
            alignas(64) lane_int<T> q[6 * kGroup<T>];
            load_group(job.a, k, m, n, n, all_of(n * n), a);
            const int done = completed(lanes(a, q), m);
            store_group(job.d, k, done, n, n, all_of(n * n), a);
            // Local copies: the pivot stores could otherwise alias the job's own fields.
            std::int32_t* const p = job.x + std::ptrdiff_t(k) * n;
            const int order = n;
            for (int l = 0; l < done; ++l)
                for (int i = 0; i < order; ++i) p[l * order + i] = std::int32_t(q[i * kGroup<T> + l]);
            return done;
        }, one);
    }
};

struct LuSubst : Substitution {
    template <class T>
    using extra = std::tuple<Ptr<const std::int32_t*>>;
    template <class T, Layout>
    static std::int32_t threshold(Form, bool) { return 1701; }

    template <class T, Layout, class J>
    static rukStatus objects(const J& job, std::int32_t count, bool) {
        const int n = job.n;
        auto pivots = [&](std::int32_t k) { return job.x + (job.arrA ? std::ptrdiff_t(k) * n : 0); };
        auto one = [&](std::int32_t k) {
            const std::int32_t* p = pivots(k);
            with_order(n, [&]<int N>() {
                if constexpr (N == 0) general_lu_subst<T>(job.a.view(k), p, job.b.view(k), job.d.view(k), n);
                else fixed_lu_subst_one<T, N>(job.a.view(k), p, job.b.view(k), job.d.view(k));
            });
            return rukOk;
        };
        if (n < 3 || n > 6) return each(count, one);
        const LuLanes<T>& lanes = for_isa<T>(lu_lanes);
        // One factor for every right-hand side: its rows in pivot order, once.
        alignas(64) T shared[36];
        if (!job.arrA)
            for (int i = 0; i < n; ++i)
                for (int j = 0; j < n; ++j) shared[i * n + j] = *job.a.view(0).at(job.x[i], j);
        return by_groups<T>(count, true, [&](std::int32_t k, int m) {
            alignas(64) T a[36 * kGroup<T>];
            alignas(64) T x[6 * kGroup<T>];
            alignas(64) lane_int<T> q[6 * kGroup<T>];
            load_group(job.b, k, m, 1, n, all_of(n), x);
            if (job.arrA) {
                load_group(job.a, k, m, n, n, all_of(n * n), a);
                for (int l = 0; l < kGroup<T>; ++l)
                    for (int i = 0; i < n; ++i) q[i * kGroup<T> + l] = pivots(lane_object(k, m, l))[i];
                lanes.subst[n - 3](a, q, x);
            } else {
                lanes.subst_shared[n - 3](shared, job.x, x);
            }
            store_group(job.d, k, m, 1, n, all_of(n), x);
            return m;
        }, one);
    }
};

}  // namespace rukm::solve
