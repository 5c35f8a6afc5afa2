// Matrix inversion: the adjugate divided by the determinant.
//
//   order 1       in the entry: singular unless |a| > tau, else 1 / a; arrays always serial
//   orders 3-6    closed cofactor forms (inverse_formula.inc), singular when tau > |det|,
//                 nothing written then; the lane kernels run sixteen 32f (eight 64f)
//                 matrices at once
//   order 2, 7+   the general kernel, on a copy in the work buffer (order*order elements,
//                 then order 32-bit row indices): one pivoted elimination for the
//                 determinant (singular when a pivot or the determinant falls below tau),
//                 then one elimination per cofactor on the minor copied from the source; a
//                 minor whose elimination meets a pivot below tau counts as tau
//
// tau = 2 * order^3 * the smallest normal number, formed in the element type. Pivot searches
// take a strictly greater magnitude (ties keep the earlier position); eliminations multiply
// by the reciprocal of the pivot. Parallel array calls use per-thread scratch from the OpenMP
// runtime instead of the caller's buffer. src and dst must not overlap. Arrays stop at the
// first singular matrix (a parallel run at its own first one).
#pragma once

#include <bit>
#include <cmath>
#include <limits>
#include <utility>

#include "../frame/isa.hpp"
#include "solver.hpp"

namespace rukm::solve {

#include "inverse_formula.inc"

// Lane kernels of one instruction set for orders 3 to 6 (entry n - 3), on groups laid out
// element by element (solver.hpp): each inverts the group in place and returns the lanes
// that are singular (left as they were).
template <class T>
struct InvLanes {
    std::uint32_t (*invert[4])(T* a);
};
extern const TypedTables<InvLanes> inv_lanes;

template <class T>
inline T inverse_tau(int n) {
    return T(2) * T(n) * T(n) * T(n) * std::numeric_limits<T>::min();
}

// Pivoted elimination of the m x m matrix in a (packed rows, row order p, identity on entry):
// the product of the pivots and the sign of the row exchanges, up to the last pivot, which it
// leaves in place. Stops at a pivot below tau and reports it.
template <class T>
bool eliminate(T* a, std::int32_t* p, int m, T tau, T& product, T& sign) {
    auto at = [&](int r, int c) -> T& { return a[std::size_t(r) * m + c]; };
    product = T(1);
    sign = T(1);
    for (int k = 0; k < m - 1; ++k) {
        int c = k;
        for (int i = k + 1; i < m; ++i)
            if (std::fabs(at(p[i], k)) > std::fabs(at(p[c], k))) c = i;
        if (c != k) {
            std::swap(p[k], p[c]);
            sign = -sign;
        }
        const T pivot = at(p[k], k);
        if (tau > std::fabs(pivot)) return false;
        const T rp = T(1) / pivot;
        for (int i = k + 1; i < m; ++i) {
            const T f = at(p[i], k) * rp;
            for (int j = k + 1; j < m; ++j) at(p[i], j) = at(p[i], j) - at(p[k], j) * f;
        }
        product = product * pivot;
    }
    return true;
}

// Order 2 and orders 7 and above.
template <class T, class S, class D>
rukStatus general_inverse(const S& src, T* buf, const D& dst, int n) {
    const T tau = inverse_tau<T>(n);
    std::int32_t* p = reinterpret_cast<std::int32_t*>(buf + std::size_t(n) * n);
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) buf[std::size_t(i) * n + j] = *src.at(i, j);
        p[i] = i;
    }
    T d, s;
    if (!eliminate(buf, p, n, tau, d, s)) return rukErrSingular;
    d = d * (s * buf[std::size_t(p[n - 1]) * n + n - 1]);
    if (tau >= std::fabs(d)) return rukErrSingular;
    const T r = T(1) / d;
    const int m = n - 1;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            for (int u = 0, x = 0; u < n; ++u) {
                if (u == i) continue;
                for (int v = 0, y = 0; v < n; ++v)
                    if (v != j) buf[std::size_t(x) * m + y++] = *src.at(u, v);
                p[x] = x;
                ++x;
            }
            T product = T(1), sign = T(1);
            if (m > 1 && !eliminate(buf, p, m, tau, product, sign)) product = tau;
            const T e = buf[std::size_t(p[m - 1]) * m + m - 1];
            const T minor = std::fabs(e) > tau ? product * sign * e : tau;
            const T v = minor * r;
            *dst.at(j, i) = (i + j) % 2 ? -v : v;
        }
    return rukOk;
}

struct Invert : Family {
    template <class T>
    using extra = std::tuple<Ptr<T*>>;

    static std::int64_t estimate(Form, std::int32_t n, std::int32_t, std::int32_t count) {
        return 2 * std::int64_t(n) * count;
    }
    template <class T, Layout L>
    static std::int32_t threshold(Form, bool contiguous) {
        return L == Layout::List && sizeof(T) == 4 && contiguous ? 40001 : 20001;
    }
    // Order 1 is handled in the entry, in array order.
    template <class J>
    static bool serial_only(const J& job) { return job.n == 1; }
    static constexpr bool scratch = true;
    template <class T>
    static std::size_t scratch_bytes(std::int32_t n, std::int32_t) {
        return (std::size_t(n) * n + n) * sizeof(T);
    }

    template <class T, Layout, class J>
    static rukStatus objects(const J& job, std::int32_t count, bool) {
        const int n = job.n;
        if (n == 1)
            return each(count, [&](std::int32_t k) {
                const T a = *job.a.view(k).at(0, 0);
                if (!(std::fabs(a) > inverse_tau<T>(1))) return rukErrSingular;
                *job.d.view(k).at(0, 0) = T(1) / a;
                return rukOk;
            });
        auto one = [&](std::int32_t k) {
            const auto s = job.a.view(k);
            const auto d = job.d.view(k);
            return with_order(n, [&]<int N>() -> rukStatus {
                if constexpr (N == 0) {
                    return general_inverse<T>(s, job.x, d, n);
                } else {
                    T a[N][N], inv[N][N];
                    for (int i = 0; i < N; ++i)
                        for (int j = 0; j < N; ++j) a[i][j] = *s.at(i, j);
                    if (fixed_inverse<T, N>(a, inv, inverse_tau<T>(N))) return rukErrSingular;
                    for (int i = 0; i < N; ++i)
                        for (int j = 0; j < N; ++j) *d.at(i, j) = inv[i][j];
                    return rukOk;
                }
            });
        };
        const auto lanes = n >= 3 && n <= 6 ? for_isa<T>(inv_lanes).invert[n - 3] : nullptr;
        return by_groups<T>(count, lanes != nullptr, [&](std::int32_t k, int m) {
            alignas(64) T a[36 * kGroup<T>];
            load_group(job.a, k, m, n, n, all_of(n * n), a);
            const int done = completed(lanes(a), m);
            store_group(job.d, k, done, n, n, all_of(n * n), a);
            return done;
        }, one);
    }
};

}  // namespace rukm::solve
