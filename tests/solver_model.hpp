// Reference model of the linear solvers: LU decomposition and back substitution, inversion,
// Cholesky decomposition and back substitution, QR decomposition and back substitution. Each
// routine works on one object in the element type, in the order of operations the library
// promises, and leaves in its destination exactly what a call leaves there, also after a
// failure (the destination comes in holding its previous content). Where the association of
// a computation is open (inversion of orders 4 to 6, the unrolled QR back substitution) the
// model gives a long double value and a bound on the difference any association may make.
#pragma once

#include <immintrin.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numeric>
#include <type_traits>
#include <utility>
#include <vector>

#include "rukm.h"

namespace sm {

// A row-major matrix of rows x cols elements.
template <class T>
struct Mat {
    int rows = 0, cols = 0;
    std::vector<T> v;
    Mat() = default;
    Mat(int r, int c) : rows(r), cols(c), v(std::size_t(r) * c) {}
    T& operator()(int i, int j) { return v[std::size_t(i) * cols + j]; }
    T operator()(int i, int j) const { return v[std::size_t(i) * cols + j]; }
};

template <class T>
inline constexpr T kEps = std::numeric_limits<T>::epsilon();
// Singularity bound of the unrolled LU orders: twice the smallest normal number.
template <class T>
inline constexpr T kTwoMin = T(2) * std::numeric_limits<T>::min();
// Singularity bound of the inversion: 2 n^3 times the smallest normal number.
template <class T>
T inv_tau(int n) {
    return T(2 * n * n * n) * std::numeric_limits<T>::min();
}
inline bool unrolled(int n) { return n >= 3 && n <= 6; }

// ---- LU ------------------------------------------------------------------------------------
// P A = L U with rows in place and the permutation in piv. Orders 1, 2 and 7 and above work
// on the destination itself (copy first, pivot entries set to the identity, singular when
// epsilon >= |pivot|); orders 3 to 6 work on a private copy, store row k and entry k once
// step k has made them final and are singular when |pivot| < 2 min.
template <class T>
rukStatus lu_decomp(const Mat<T>& a, Mat<T>& dst, std::int32_t* piv) {
    const int n = a.rows;
    const bool fixed = unrolled(n);
    Mat<T> w = a;
    std::vector<std::int32_t> p(n);
    std::iota(p.begin(), p.end(), 0);
    auto singular = [&](T pivot) { return fixed ? std::fabs(pivot) < kTwoMin<T> : kEps<T> >= std::fabs(pivot); };
    auto final_row = [&](int k) {
        if (!fixed) return;
        for (int j = 0; j < n; ++j) dst(p[k], j) = w(p[k], j);
        piv[k] = p[k];
    };
    auto leave = [&](rukStatus s) {
        if (!fixed) dst = w, std::copy(p.begin(), p.end(), piv);
        return s;
    };
    for (int k = 0; k + 1 < n; ++k) {
        int c = k;
        for (int i = k + 1; i < n; ++i)
            if (std::fabs(w(p[i], k)) > std::fabs(w(p[c], k))) c = i;
        if (singular(w(p[c], k))) return leave(rukErrSingular);
        std::swap(p[k], p[c]);
        final_row(k);
        const T r = T(1) / w(p[k], k);
        for (int i = k + 1; i < n; ++i) w(p[i], k) = w(p[i], k) * r;
        for (int i = k + 1; i < n; ++i)
            for (int j = k + 1; j < n; ++j) w(p[i], j) = w(p[i], j) - w(p[i], k) * w(p[k], j);
    }
    if (singular(w(p[n - 1], n - 1))) return leave(rukErrSingular);
    final_row(n - 1);
    return leave(rukOk);
}

// Solves A x = b from the packed factorization. The loops sum from +0 in ascending j and
// subtract the sum; the unrolled orders subtract term by term, highest j first, and multiply
// by the reciprocal of the diagonal in 32f.
template <class T>
std::vector<T> lu_back(const Mat<T>& a, const std::int32_t* p, const std::vector<T>& b) {
    const int n = a.rows;
    std::vector<T> y(n), x(n);
    if (!unrolled(n)) {
        y[0] = b[p[0]];
        for (int i = 1; i < n; ++i) {
            T s = T(0);
            for (int j = 0; j < i; ++j) s = s + a(p[i], j) * y[j];
            y[i] = b[p[i]] - s;
        }
        x[n - 1] = y[n - 1] / a(p[n - 1], n - 1);
        for (int i = n - 2; i >= 0; --i) {
            T s = T(0);
            for (int j = i + 1; j < n; ++j) s = s + a(p[i], j) * x[j];
            x[i] = (y[i] - s) / a(p[i], i);
        }
        return x;
    }
    for (int i = 0; i < n; ++i) {
        T t = b[p[i]];
        for (int j = i - 1; j >= 0; --j) t = t - a(p[i], j) * y[j];
        y[i] = t;
    }
    for (int i = n - 1; i >= 0; --i) {
        T t = y[i];
        for (int j = n - 1; j > i; --j) t = t - a(p[i], j) * x[j];
        x[i] = sizeof(T) == 4 ? t * (T(1) / a(p[i], i)) : t / a(p[i], i);
    }
    return x;
}

// ---- Inversion -----------------------------------------------------------------------------
// The pivoted elimination of the general inversion kernel on w (m x m): strict comparison,
// earliest-wins ties, a sign flip per exchange, the pivot test after the exchange, reciprocal
// then multiply, the product of the pivots. False at the first pivot below tau.
template <class T>
bool inv_eliminate(Mat<T>& w, std::vector<int>& p, T tau, T& prod, T& sign) {
    const int m = w.rows;
    for (int k = 0; k + 1 < m; ++k) {
        int c = k;
        for (int i = k + 1; i < m; ++i)
            if (std::fabs(w(p[i], k)) > std::fabs(w(p[c], k))) c = i;
        if (c != k) std::swap(p[k], p[c]), sign = -sign;
        const T pivot = w(p[k], k);
        if (tau > std::fabs(pivot)) return false;
        const T r = T(1) / pivot;
        for (int i = k + 1; i < m; ++i) {
            const T f = w(p[i], k) * r;
            for (int j = k + 1; j < m; ++j) w(p[i], j) = w(p[i], j) - w(p[k], j) * f;
        }
        prod = prod * pivot;
    }
    return true;
}

// The inverse of a (orders 1, 2, 3 and 7 and above) into dst; dst is left as it came on
// rukErrSingular.
template <class T>
rukStatus invert(const Mat<T>& a, Mat<T>& dst) {
    const int n = a.rows;
    const T tau = inv_tau<T>(n);
    if (n == 1) {
        if (!(std::fabs(a(0, 0)) > tau)) return rukErrSingular;
        dst(0, 0) = T(1) / a(0, 0);
        return rukOk;
    }
    if (n == 3) {  // minors of rows r0 < r1 and columns c0 < c1; odd cofactors negated
        auto minor = [&](int skip_r, int skip_c) {
            const int r0 = skip_r == 0 ? 1 : 0, r1 = skip_r == 2 ? 1 : 2;
            const int c0 = skip_c == 0 ? 1 : 0, c1 = skip_c == 2 ? 1 : 2;
            return a(r0, c0) * a(r1, c1) - a(r0, c1) * a(r1, c0);
        };
        const T det = a(2, 0) * minor(2, 0) - a(1, 0) * minor(1, 0) + a(0, 0) * minor(0, 0);
        if (tau > std::fabs(det)) return rukErrSingular;
        const T r = T(1) / det;
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) dst(j, i) = ((i + j) % 2 ? -minor(i, j) : minor(i, j)) * r;
        return rukOk;
    }
    Mat<T> w = a;
    std::vector<int> p(n);
    std::iota(p.begin(), p.end(), 0);
    T d = T(1), s = T(1);
    if (!inv_eliminate(w, p, tau, d, s)) return rukErrSingular;
    d = d * (s * w(p[n - 1], n - 1));
    if (tau >= std::fabs(d)) return rukErrSingular;
    const T r = T(1) / d;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            Mat<T> mi(n - 1, n - 1);
            for (int u = 0, ru = 0; u < n; ++u)
                if (u != i) {
                    for (int v = 0, cv = 0; v < n; ++v)
                        if (v != j) mi(ru, cv++) = a(u, v);
                    ++ru;
                }
            std::vector<int> q(n - 1);
            std::iota(q.begin(), q.end(), 0);
            T prod = T(1), sg = T(1);
            if (n > 2 && !inv_eliminate(mi, q, tau, prod, sg)) prod = tau;
            const T e = mi(q[n - 2], n - 2);
            const T m = std::fabs(e) > tau ? prod * sg * e : tau;
            dst(j, i) = (i + j) % 2 ? -(m * r) : m * r;
        }
    return rukOk;
}

// The determinant of a over rows `rows` and the columns of mask `cols`, expanded along its
// last row over the subsets of columns, in long double (exact for small integers); with
// `magnitudes` the permanent of |a| there: the sum of the magnitudes of every product of the
// determinant's expansion.
inline long double expand(const Mat<long double>& a, const std::vector<int>& rows, unsigned cols, bool magnitudes) {
    std::vector<long double> d(std::size_t(1) << a.cols, 0);
    d[0] = 1;
    for (unsigned set = 1; set <= cols; ++set) {
        if ((set & ~cols) || std::popcount(set) > int(rows.size())) continue;
        const int r = rows[std::popcount(set) - 1];
        int above = 0;  // columns of the set above c
        for (int c = a.cols - 1; c >= 0; --c)
            if (set >> c & 1) {
                const long double t = (magnitudes ? std::fabs(a(r, c)) : a(r, c)) * d[set & ~(1u << c)];
                d[set] += magnitudes || above++ % 2 == 0 ? t : -t;
            }
    }
    return d[cols];
}

// Inverse of orders 4 to 6 by closed cofactor formulas whose association is open. Any
// evaluation of a determinant of order m as a sum of its m! products of m factors, however
// associated, is off by at most gamma(m! + m) times the permanent of the magnitudes (each
// product passes through at most m - 1 multiplications and m! - 1 additions). With cofactor
// C and determinant D so computed, and r = 1/D rounded, element C * r is off by at most
//   (g_c P_ij + g_d |C_ij| P / |D|) / |D| + 2u |X_ji|        (first order)
// with P_ij, P the permanents of the minor and of the matrix. Returns the determinant (NaN
// when an element is, as every product holds every element), with the long double inverse
// in inv and the bound per element in bound.
inline long double inverse_bounds(const Mat<long double>& a, int esz, Mat<long double>& inv, Mat<long double>& bound) {
    const int n = a.rows;
    const long double u = esz == 4 ? 0x1p-24L : 0x1p-53L;
    auto gamma = [&](long double k) { return k * u / (1 - k * u); };
    long double fact = 1;
    for (int m = 2; m < n; ++m) fact *= m;
    std::vector<int> all(n);
    std::iota(all.begin(), all.end(), 0);
    const unsigned every = (1u << n) - 1;
    const long double det = expand(a, all, every, false), P = expand(a, all, every, true);
    inv = bound = Mat<long double>(n, n);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            std::vector<int> rs = all;
            rs.erase(rs.begin() + i);
            const unsigned cs = every & ~(1u << j);
            const long double C = ((i + j) % 2 ? -1 : 1) * expand(a, rs, cs, false);
            inv(j, i) = C / det;
            bound(j, i) = (gamma(fact + n) * expand(a, rs, cs, true) + gamma(fact * n + n + 1) * std::fabs(C) * P / std::fabs(det)) /
                              std::fabs(det) + 2 * u * std::fabs(inv(j, i));
        }
    return det;
}

// ---- Cholesky ------------------------------------------------------------------------------
// The reciprocal square root of the factor's diagonal: 1/sqrt(d) in 64f; in 32f the
// processor's approximate reciprocal square root refined by one Newton step.
inline double rsqrt(double d) { return 1.0 / std::sqrt(d); }
inline float rsqrt(float d) {
    const float r = _mm_cvtss_f32(_mm_rsqrt_ss(_mm_set_ss(d)));
    const float t = (d * r) * r;
    return (r * (t - 3.0f)) * -0.5f;
}

// Row by row; the diagonal holds reciprocals; the upper triangle is never written.
template <class T>
rukStatus cholesky(const Mat<T>& a, Mat<T>& dst) {
    const int n = a.rows;
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < i; ++j) {
            T s = a(i, j);
            for (int k = 0; k < j; ++k) s = s - dst(i, k) * dst(j, k);
            dst(i, j) = s * dst(j, j);
        }
        T d = a(i, i);
        for (int k = 0; k < i; ++k) d = d - dst(i, k) * dst(i, k);
        if (T(0) >= d) return rukErrNotPosDef;
        dst(i, i) = rsqrt(d);
    }
    return rukOk;
}

template <class T>
std::vector<T> cholesky_back(const Mat<T>& f, const std::vector<T>& b) {
    const int n = f.rows;
    std::vector<T> y(n), x(n);
    for (int i = 0; i < n; ++i) {
        T t = b[i];
        for (int k = 0; k < i; ++k) t = t - f(i, k) * y[k];
        y[i] = t * f(i, i);
    }
    for (int i = n - 1; i >= 0; --i) {
        T t = y[i];
        for (int k = n - 1; k > i; --k) t = t - f(k, i) * x[k];
        x[i] = t * f(i, i);
    }
    return x;
}

// ---- QR ------------------------------------------------------------------------------------
inline int reflections(int w, int h) { return w == h ? w - 1 : w; }

// lead + term(from) + term(from + 1) + ... in this order (the QR kernels accumulate onto
// their first term: the squared norm onto +0, q onto 1, t onto its diagonal element).
template <class T, class F>
T accumulate(T lead, int from, int to, F term) {
    for (int i = from; i < to; ++i) lead = lead + term(i);
    return lead;
}

// Householder QR of d (height x width) in place, with the current vector in buf.
template <class T>
rukStatus qr_decomp(Mat<T>& d, std::vector<T>& buf) {
    const int w = d.cols, h = d.rows;
    for (int k = 0; k < reflections(w, h); ++k) {
        const T s = accumulate(T(0), k, h, [&](int i) { return d(i, k) * d(i, k); });
        if (kEps<T> > s) return rukErrDivByZero;
        const T norm = T(std::sqrt(double(s)));
        const T x0 = d(k, k), alpha = x0 > T(0) ? norm : -norm;
        buf[k] = T(1);
        const T c = T(1) / (x0 + alpha);
        for (int i = k + 1; i < h; ++i) buf[i] = d(i, k) * c;
        const T beta = T(-2) / accumulate(T(1), k + 1, h, [&](int i) { return buf[i] * buf[i]; });
        for (int j = k; j < w; ++j) {
            T t = accumulate(d(k, j), k + 1, h, [&](int i) { return d(i, j) * buf[i]; });
            t = t * beta;
            for (int i = k; i < h; ++i) d(i, j) = buf[i] * t + d(i, j);
        }
        for (int i = k + 1; i < h; ++i) d(i, k) = buf[i];
    }
    return rukOk;
}

template <class T>
    requires std::is_floating_point_v<T>
T add_all(const std::vector<T>& terms) {
    T s = T(0);
    for (T t : terms) s = s + t;
    return s;
}

// A long double value with a first-order bound on the error of its evaluation in precision u,
// where every sum may be associated in any way (gamma(terms) times the sum of magnitudes).
struct Err {
    long double v = 0, e = 0;
    static inline long double u = 0;
    Err() = default;
    Err(long double x, long double err = 0) : v(x), e(err) {}
    friend Err operator+(Err a, Err b) { return {a.v + b.v, a.e + b.e + u * std::fabs(a.v + b.v)}; }
    friend Err operator-(Err a, Err b) { return {a.v - b.v, a.e + b.e + u * std::fabs(a.v - b.v)}; }
    friend Err operator*(Err a, Err b) {
        const long double v = a.v * b.v;
        return {v, std::fabs(a.v) * b.e + std::fabs(b.v) * a.e + a.e * b.e + u * std::fabs(v)};
    }
    friend Err operator/(Err a, Err b) {
        const long double v = a.v / b.v;
        return {v, (a.e + std::fabs(v) * b.e) / (std::fabs(b.v) - b.e) + u * std::fabs(v)};
    }
};
inline Err add_all(const std::vector<Err>& terms) {
    Err s;
    long double mag = 0;
    for (const Err& t : terms) s.v += t.v, s.e += t.e, mag += std::fabs(t.v);
    const long double k = terms.size();
    s.e += k * Err::u / (1 - k * Err::u) * mag;
    return s;
}

// Solves R x = (Q^T b) restricted to its first width rows. Works in any number type N; with
// a running error bound E alongside when N is Err (below).
template <class N, class F>
std::vector<N> qr_back(const F& f, int w, int h, std::vector<N> buf) {
    // q and t accumulate onto their first term; the solution subtracts a sum taken from +0.
    auto sum = [&](N lead, int from, int to, auto term, bool onto) -> N {
        if constexpr (std::is_floating_point_v<N>) {
            if (onto) return accumulate(lead, from, to, term);
            return lead - accumulate(N(0), from, to, term);
        } else {
            std::vector<N> terms = {lead};
            for (int i = from; i < to; ++i) terms.push_back(term(i)), terms.back().v *= onto ? 1 : -1;
            return add_all(terms);
        }
    };
    for (int k = 0; k < reflections(w, h); ++k) {
        const N q = sum(N(1), k + 1, h, [&](int i) { return f(i, k) * f(i, k); }, true);
        N t = sum(buf[k], k + 1, h, [&](int i) { return f(i, k) * buf[i]; }, true);
        t = t * (N(-2) / q);
        buf[k] = buf[k] + t;
        for (int i = k + 1; i < h; ++i) buf[i] = buf[i] + f(i, k) * t;
    }
    std::vector<N> x(w);
    x[w - 1] = buf[w - 1] / f(w - 1, w - 1);
    for (int i = w - 2; i >= 0; --i) x[i] = sum(buf[i], i + 1, w, [&](int j) { return f(i, j) * x[j]; }, false) / f(i, i);
    return x;
}

// ---- Arrays --------------------------------------------------------------------------------
// The objects an array call processes: one run in array order (serial, or the driver with
// fewer than 2 threads or fewer objects than threads), else the driver's runs (the first
// count mod T threads take count/T + 1 objects, the others count/T); every run stops at its
// own first failure. one(k) processes object k and returns its status. The merged status is
// the first failure in run order; `failures` receives every run's first failure (the driver
// may merge any of them).
template <class One>
rukStatus objects(int count, int threads, One one, std::vector<rukStatus>* failures = nullptr) {
    const int T = threads < 2 || count < threads ? 1 : threads;
    const int chunk = count / T, rem = count % T;
    rukStatus merged = rukOk;
    for (int t = 0; t < T; ++t) {
        const int first = t < rem ? t * (chunk + 1) : rem * (chunk + 1) + (t - rem) * chunk;
        const int n = t < rem ? chunk + 1 : chunk;
        for (int k = first; k < first + n; ++k)
            if (const rukStatus s = one(k)) {
                if (merged == rukOk) merged = s;
                if (failures) failures->push_back(s);
                break;
            }
    }
    return merged;
}

}  // namespace sm
