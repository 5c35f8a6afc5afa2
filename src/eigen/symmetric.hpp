// Eigenvalues (and eigenvectors) of real symmetric matrices.
//
//   order 1     the element; the vector 1
//   order 2     closed form: singular when |det| <= epsilon (nothing written); the value of
//               larger magnitude first, then det / that value
//   order 3+    Householder reduction to tridiagonal form, applied in full to both sides
//               (no symmetric shortcut), the reflection vector kept in dstValues; then the
//               implicit-shift QL iteration from the top, or its mirror image (QR from the
//               bottom) when |d(n-1)| <= |d(0)|, at most 30 sweeps per eigenvalue; the
//               vectors start as the identity and take every reflection and rotation
//
// Afterwards the values are sorted in descending order (selection sort: the first of equal
// values stays first), the vector columns with them. A matrix whose eigenvalue product has
// magnitude at most epsilon is singular: the values family returns before sorting, the
// vectors family after. Everything is computed in the element type; 32f square roots are taken
// in double and rounded. The work buffer holds the working matrix (order * order elements,
// row-major); parallel array calls use per-thread scratch from the OpenMP runtime instead.
#pragma once

#include <cmath>
#include <limits>
#include <utility>

#include "../frame/isa.hpp"
#include "eigen.hpp"

namespace rukm::eigen {

// The implicit-shift QL iteration on the symmetric tridiagonal matrix with diagonal d(0 .. n-1)
// and off-diagonal e(i) between d(i) and d(i+1) (e(n-1) a spare slot). rotate(i, c, s) turns
// columns i and i+1 of the vectors: c v(i) - s v(i+1), s v(i) + c v(i+1). Returns false when an
// eigenvalue has taken 30 sweeps. Run on mirrored indices, the same code is the QR form.
template <class T, class Dv, class Ev, class Rot>
bool tridiagonal_ql(int n, Dv&& d, Ev&& e, Rot&& rotate) {
    const T eps = std::numeric_limits<T>::epsilon();
    for (int l = 0; l < n; ++l) {
        for (int sweeps = 0;; ++sweeps) {
            int m = l;
            while (m < n - 1 && !(std::fabs(e(m) * T(0.5)) <= eps)) ++m;
            if (m == l) break;
            if (sweeps == 30) return false;
            T g = (d(l + 1) - d(l)) / (e(l) * T(2));
            T r = root(g * g + T(1));
            g = (d(m) - d(l)) + e(l) / (g > eps ? g + r : g - r);
            T s = 1, c = 1, p = 0;
            int i = m - 1;
            for (; i >= l; --i) {
                const T f = s * e(i), b = c * e(i);
                r = root(f * f + g * g);
                if (i != m - 1) e(i + 1) = r;
                if (std::fabs(r) <= eps) {
                    d(i + 1) = d(i + 1) - p;
                    e(m) = T(0);
                    break;
                }
                s = f / r;
                c = g / r;
                rotate(i, c, s);
                g = d(i + 1) - p;
                r = (d(i) - g) * s + T(2) * c * b;
                p = s * r;
                d(i + 1) = g + p;
                g = c * r - b;
            }
            if (i < l) {
                d(l) = d(l) - p;
                e(l) = g;
            }
        }
    }
    return true;
}

// One matrix: src read through its layout, A the work buffer (n*n), w the n values (first the
// reflection vector), V the vectors (when Vectors).
template <class T, bool Vectors, class S, class D>
rukStatus symmetric(const S& src, T* A, T* w, const D& V, int n) {
    const T eps = std::numeric_limits<T>::epsilon();
    auto v = [&](int r, int c) -> T& { return *V.at(r, c); };
    if (n == 1) {
        w[0] = *src.at(0, 0);
        if constexpr (Vectors) v(0, 0) = T(1);
        return rukOk;
    }
    if (n == 2) {
        const T a00 = A[0] = *src.at(0, 0), a01 = A[1] = *src.at(0, 1), a11 = A[3] = *src.at(1, 1);
        const T det = a00 * a11 - a01 * a01;
        if (std::fabs(det) <= eps) return rukErrSingular;
        const T delta = a00 - a11, o = T(2) * a01, r = root(delta * delta + o * o), t = a00 + a11;
        T l0, l1;
        if (t > eps) l0 = (t + r) * T(0.5), l1 = det / l0;
        else if (t < -eps) l0 = (t - r) * T(0.5), l1 = det / l0;
        else l0 = T(0.5) * r, l1 = T(-0.5) * r;
        w[0] = l0;
        w[1] = l1;
        if constexpr (Vectors) {
            const int sign_l = t < -eps ? -1 : 1;
            const int sign_d = delta >= -eps ? 1 : -1;
            const T dd = delta >= -eps ? delta + r : delta - r;
            T x, y;
            if (std::fabs(dd) > std::fabs(o)) {
                const T q = -o / dd;
                y = T(1) / root(q * q + T(1));
                x = q * y;
            } else if (std::fabs(o) <= eps) {
                x = T(1), y = T(0);
            } else {
                const T q = -dd / o;
                x = T(1) / root(q * q + T(1));
                y = q * x;
            }
            if (sign_l == sign_d) std::swap(x, y), x = -x;
            v(0, 0) = x, v(1, 0) = y, v(0, 1) = -y, v(1, 1) = x;
        }
        return rukOk;
    }

    auto a = [&](int i, int j) -> T& { return A[std::size_t(i) * n + j]; };
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) a(i, j) = *src.at(i, j);
    if constexpr (Vectors)
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j) v(i, j) = T(i == j);

    // Tridiagonal form: reflection k zeroes column k below the sub-diagonal.
    for (int k = 0; k < n - 2; ++k) {
        T sigma = T(0);
        for (int i = k + 1; i < n; ++i) sigma = sigma + a(i, k) * a(i, k);
        const T alpha = root(sigma), x0 = a(k + 1, k);
        if (Vectors && std::fabs(alpha - x0) <= eps) continue;
        T h;
        if (x0 > eps) w[k + 1] = x0 + alpha, h = (sigma + alpha * x0) * T(2);
        else if (std::fabs(x0) > eps) w[k + 1] = x0 - alpha, h = (sigma - alpha * x0) * T(2);
        else w[k + 1] = alpha, h = sigma + sigma;
        for (int i = k + 2; i < n; ++i) w[i] = a(i, k);
        if (h <= eps) continue;
        const T f = T(2) / h;
        for (int j = k; j < n; ++j) {
            T s = T(0);
            for (int i = k + 1; i < n; ++i) s = s + a(i, j) * w[i];
            s = f * s;
            for (int i = k + 1; i < n; ++i) a(i, j) = a(i, j) - s * w[i];
        }
        for (int i = k; i < n; ++i) {
            T s = T(0);
            for (int j = k + 1; j < n; ++j) s = s + a(i, j) * w[j];
            s = f * s;
            for (int j = k + 1; j < n; ++j) a(i, j) = a(i, j) - s * w[j];
        }
        if constexpr (Vectors)
            for (int r = 0; r < n; ++r) {
                T s = T(0);
                for (int j = k + 1; j < n; ++j) s = s + v(r, j) * w[j];
                s = f * s;
                for (int j = k + 1; j < n; ++j) v(r, j) = v(r, j) - s * w[j];
            }
    }

    // The diagonal goes to w, the sub-diagonal to the buffer's first row (e[n-1] spare).
    for (int i = 0; i < n; ++i) w[i] = a(i, i);
    T* e = A;
    for (int i = 0; i < n - 1; ++i) e[i] = A[std::size_t(i + 1) * n + i];
    e[n - 1] = T(0);

    auto turn = [&](int i, int j, T c, T s) {  // v(i) = c v(i) - s v(j), v(j) = s v(i) + c v(j)
        if constexpr (Vectors)
            for (int r = 0; r < n; ++r) {
                const T x = v(r, i), y = v(r, j);
                v(r, i) = c * x - s * y;
                v(r, j) = s * x + c * y;
            }
    };
    bool converged;
    if (std::fabs(w[n - 1]) <= std::fabs(w[0])) {
        // From the bottom: the QL iteration on mirrored indices.
        auto e_m = [&](int j) -> T& { return e[j < n - 1 ? n - 2 - j : n - 1]; };
        converged = tridiagonal_ql<T>(
            n, [&](int i) -> T& { return w[n - 1 - i]; }, e_m,
            [&](int i, T c, T s) { turn(n - 1 - i, n - 2 - i, c, s); });
    } else {
        converged = tridiagonal_ql<T>(
            n, [&](int i) -> T& { return w[i]; }, [&](int j) -> T& { return e[j]; },
            [&](int i, T c, T s) { turn(i, i + 1, c, s); });
    }
    if (!converged) return rukErrNoConverge;

    T product = w[0];
    for (int i = 1; i < n; ++i) product = product * w[i];
    const bool singular = std::fabs(product) <= eps;
    if (!Vectors && singular) return rukErrSingular;
    for (int i = 0; i < n - 1; ++i) {
        int j = i;
        for (int q = i + 1; q < n; ++q)
            if (w[q] > w[j]) j = q;
        if (j == i) continue;
        std::swap(w[i], w[j]);
        if constexpr (Vectors)
            for (int r = 0; r < n; ++r) std::swap(v(r, i), v(r, j));
    }
    return singular ? rukErrSingular : rukOk;
}

// Lane kernels of one instruction set for orders 3 to 6 (entry n - 3), on groups laid out
// element by element (solver.hpp): the source in a, the values to w (n per lane) and, for the
// vectors family, the vectors to v (n*n per lane); they return the lanes that failed
// (no convergence, or an eigenvalue product at most epsilon), whose outputs are not used.
template <class T>
struct SymLanes {
    std::uint32_t (*values[4])(T* a, T* w, T* v);
    std::uint32_t (*vectors[4])(T* a, T* w, T* v);
};
extern const TypedTables<SymLanes> sym_lanes;

template <bool Vectors>
struct Symmetric {
    static constexpr bool general = false;
    static constexpr int destinations = Vectors ? 1 : 0;
    template <bool Array, Layout L>
    using checks = values_checks<Array, L>;

    static std::int64_t estimate(std::int32_t n, std::int32_t count) {
        return std::int64_t(n) * (Vectors ? 2 * std::int64_t(n) + 1 : n + 1) * count;
    }
    template <class T, Layout L>
    static std::int32_t threshold(bool contiguous) {
        if (Vectors) return 1701;
        return L == Layout::List && sizeof(T) == 4 && contiguous ? 40001 : 20001;
    }
    template <class T>
    static std::size_t scratch_bytes(std::int32_t n) { return std::size_t(n) * n * sizeof(T); }

    template <class T, class J>
    static rukStatus one(const J& job, std::int32_t k) {
        return symmetric<T, Vectors>(job.a.view(k), job.buf, job.v1 + std::ptrdiff_t(k) * job.n, job.d1.view(k),
                                     job.n);
    }

    template <class T, class J>
    static rukStatus objects(const J& job, std::int32_t count) {
        using solve::kGroup;
        const int n = job.n;
        const auto& table = for_isa<T>(sym_lanes);
        const auto lanes = n >= 3 && n <= 6 ? (Vectors ? table.vectors : table.values)[n - 3] : nullptr;
        return solve::by_groups<T>(count, lanes != nullptr, [&](std::int32_t k, int m) {
            alignas(64) T a[36 * kGroup<T>], w[6 * kGroup<T>], v[36 * kGroup<T>];
            solve::load_group(job.a, k, m, n, n, solve::all_of(n * n), a);
            const int done = solve::completed(lanes(a, w, v), m);
            for (int l = 0; l < done; ++l)
                for (int i = 0; i < n; ++i) job.v1[std::ptrdiff_t(k + l) * n + i] = w[i * kGroup<T> + l];
            if constexpr (Vectors) solve::store_group(job.d1, k, done, n, n, solve::all_of(n * n), v);
            return done;
        }, [&](std::int32_t k) { return one<T>(job, k); });
    }
};

}  // namespace rukm::eigen
