// Reference model of the eigen families, one matrix at a time in the element type.
//
// The symmetric model follows the library's order of operations step by step (closed forms of
// orders 1 and 2, Householder tridiagonalisation, the implicit-shift QL or mirrored QR
// iteration, the selection sort) and sums the inner products of the reflections in index
// order, as the kernels do; a matrix that runs out of sweeps leaves the partial vectors and the
// diagonal as the iteration left it. The general model covers what the
// general families fix completely without such sums: matrices of order 1 and 2 (no Hessenberg
// reduction; one deflation test, then the standardisation of the 2 x 2 block).
#pragma once

#include <algorithm>
#include <cmath>
#include <limits>
#include <tuple>
#include <utility>
#include <vector>

#include "rukm.h"
#include "solver_model.hpp"

namespace em {

using sm::Mat;

template <class T>
inline constexpr T kEps = std::numeric_limits<T>::epsilon();
template <class T>
inline constexpr T kMin = std::numeric_limits<T>::min();

// Square roots of 32f values are taken in double and rounded back.
template <class T>
T root(T x) {
    return T(std::sqrt(double(x)));
}
template <class T>
T sgn(T x) {
    return x >= T(0) ? T(1) : T(-1);
}
// hyp(p, q) = w sqrt((z z) / (w w) + 1) with w, z the larger and smaller magnitude.
template <class T>
T hyp(T p, T q) {
    const T w = std::max(std::fabs(p), std::fabs(q)), z = std::min(std::fabs(p), std::fabs(q));
    return z < kMin<T> ? w : w * root((z * z) / (w * w) + T(1));
}

// ---- Symmetric -----------------------------------------------------------------------------
// The QL iteration on d, e (e[i] couples d[i] and d[i+1]) with the rotations applied to the
// columns of V (when given). The QR form is this one on the mirrored problem.
template <class T>
rukStatus ql(std::vector<T>& d, std::vector<T>& e, Mat<T>* V) {
    const int n = int(d.size());
    for (int l = 0; l < n; ++l)
        for (int iter = 0;;) {
            int m = l;
            while (m < n - 1 && !(std::fabs(e[m] * T(0.5)) <= kEps<T>)) ++m;
            if (m == l) break;
            if (iter == 30) return rukErrNoConverge;
            ++iter;
            T g = (d[l + 1] - d[l]) / (e[l] * T(2)), r = root(g * g + T(1));
            g = (d[m] - d[l]) + e[l] / (g > kEps<T> ? g + r : g - r);
            T s = 1, c = 1, p = 0;
            bool early = false;
            for (int i = m - 1; i >= l; --i) {
                const T f = s * e[i], b = c * e[i];
                r = root(f * f + g * g);
                if (i != m - 1) e[i + 1] = r;
                if (std::fabs(r) <= kEps<T>) {
                    d[i + 1] = d[i + 1] - p, e[m] = T(0), early = true;
                    break;
                }
                s = f / r, c = g / r;
                for (int row = 0; V && row < n; ++row) {
                    const T x = (*V)(row, i), y = (*V)(row, i + 1);
                    (*V)(row, i) = c * x - s * y, (*V)(row, i + 1) = s * x + c * y;
                }
                g = d[i + 1] - p;
                r = (d[i] - g) * s + T(2) * c * b;
                p = s * r;
                d[i + 1] = g + p;
                g = c * r - b;
            }
            if (!early) d[l] = d[l] - p, e[l] = g;
        }
    return rukOk;
}

// Eigenvalues (and with V eigenvectors) of the symmetric a. values and V come in holding what
// the destination held; on return they hold what a call leaves there.
template <class T>
rukStatus symmetric(const Mat<T>& a, std::vector<T>& values, Mat<T>* V) {
    const int n = a.rows;
    if (n == 1) {
        values[0] = a(0, 0);
        if (V) (*V)(0, 0) = T(1);
        return rukOk;
    }
    if (n == 2) {
        const T a00 = a(0, 0), a01 = a(0, 1), a11 = a(1, 1);
        const T det = a00 * a11 - a01 * a01;
        if (std::fabs(det) <= kEps<T>) return rukErrSingular;
        const T dl = a00 - a11, o = T(2) * a01, r = root(dl * dl + o * o), t = a00 + a11;
        T l0, l1;
        if (t > kEps<T>) l0 = (t + r) * T(0.5), l1 = det / l0;
        else if (t < -kEps<T>) l0 = (t - r) * T(0.5), l1 = det / l0;
        else l0 = T(0.5) * r, l1 = T(-0.5) * r;
        values[0] = l0, values[1] = l1;
        if (V) {
            const T sl = t < -kEps<T> ? T(-1) : T(1);
            const T dd = dl >= -kEps<T> ? dl + r : dl - r, sd = dl >= -kEps<T> ? T(1) : T(-1);
            T x, y;
            if (std::fabs(dd) > std::fabs(o)) {
                const T q = -o / dd;
                y = T(1) / root(q * q + T(1)), x = q * y;
            } else if (std::fabs(o) <= kEps<T>) x = T(1), y = T(0);
            else {
                const T q = -dd / o;
                x = T(1) / root(q * q + T(1)), y = q * x;
            }
            if (sl == sd) std::tie(x, y) = std::pair(-y, x);
            (*V)(0, 0) = x, (*V)(1, 0) = y, (*V)(0, 1) = -y, (*V)(1, 1) = x;
        }
        return rukOk;
    }
    Mat<T> A = a;
    std::vector<T>& u = values;
    if (V)
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j) (*V)(i, j) = T(i == j);
    for (int k = 0; k + 2 < n; ++k) {
        T sigma = 0;
        for (int i = k + 1; i < n; ++i) sigma = sigma + A(i, k) * A(i, k);
        const T alpha = root(sigma), x0 = A(k + 1, k);
        if (V && std::fabs(alpha - x0) <= kEps<T>) continue;
        T h;
        if (x0 > kEps<T>) u[k + 1] = x0 + alpha, h = (sigma + alpha * x0) * T(2);
        else if (std::fabs(x0) > kEps<T>) u[k + 1] = x0 - alpha, h = (sigma - alpha * x0) * T(2);
        else u[k + 1] = alpha, h = sigma + sigma;
        for (int i = k + 2; i < n; ++i) u[i] = A(i, k);
        if (h <= kEps<T>) continue;
        const T f = T(2) / h;
        for (int j = k; j < n; ++j) {
            T s = 0;
            for (int i = k + 1; i < n; ++i) s = s + A(i, j) * u[i];
            s = f * s;
            for (int i = k + 1; i < n; ++i) A(i, j) = A(i, j) - s * u[i];
        }
        for (int i = k; i < n; ++i) {
            T s = 0;
            for (int j = k + 1; j < n; ++j) s = s + A(i, j) * u[j];
            s = f * s;
            for (int j = k + 1; j < n; ++j) A(i, j) = A(i, j) - s * u[j];
        }
        if (!V) continue;
        if (k == 0) {  // the first reflection is the reflector itself
            for (int i = 1; i < n; ++i)
                for (int j = 1; j < n; ++j) (*V)(i, j) = T(i == j) - f * u[i] * u[j];
        } else
            for (int r = 0; r < n; ++r) {
                T s = 0;
                for (int j = k + 1; j < n; ++j) s = s + (*V)(r, j) * u[j];
                s = f * s;
                for (int j = k + 1; j < n; ++j) (*V)(r, j) = (*V)(r, j) - s * u[j];
            }
    }
    std::vector<T> d(n), e(n, T(0));
    for (int i = 0; i < n; ++i) d[i] = A(i, i), e[i] = i + 1 < n ? A(i + 1, i) : T(0);
    rukStatus s;
    if (std::fabs(d[n - 1]) <= std::fabs(d[0])) {  // QR from the bottom: QL on the mirrored problem
        std::vector<T> dm(d.rbegin(), d.rend()), em(n, T(0));
        for (int i = 0; i + 1 < n; ++i) em[i] = e[n - 2 - i];
        Mat<T> W;
        if (V) {
            W = *V;
            for (int r = 0; r < n; ++r)
                for (int j = 0; j < n; ++j) W(r, j) = (*V)(r, n - 1 - j);
        }
        s = ql(dm, em, V ? &W : nullptr);
        std::reverse_copy(dm.begin(), dm.end(), d.begin());
        if (V)
            for (int r = 0; r < n; ++r)
                for (int j = 0; j < n; ++j) (*V)(r, j) = W(r, n - 1 - j);
    } else s = ql(d, e, V);
    for (int i = 0; i < n; ++i) values[i] = d[i];  // out of sweeps: the diagonal as it was left
    if (s) return s;
    T prod = d[0];
    for (int i = 1; i < n; ++i) prod = prod * d[i];
    const bool singular = std::fabs(prod) <= kEps<T>;
    if (singular && !V) return rukErrSingular;
    for (int i = 0; i + 1 < n; ++i) {
        int j = i;
        for (int c = i + 1; c < n; ++c)
            if (values[c] > values[j]) j = c;
        if (j == i) continue;
        std::swap(values[i], values[j]);
        for (int r = 0; V && r < n; ++r) std::swap((*V)(r, i), (*V)(r, j));
    }
    return singular ? rukErrSingular : rukOk;
}

// ---- General, orders 1 and 2 ---------------------------------------------------------------
// Standardisation of the block (a, b; c, d); returns the eigenvalues (a, +w), (d, -w).
template <class T>
void standardise(T a, T b, T c, T d, T re[2], T im[2]) {
    auto small = [](T x) { return std::fabs(x) <= kMin<T>; };
    if (small(c)) {
    } else if (small(b)) {
        std::swap(a, d), b = -c, c = T(0);
    } else if (small(a - d) && sgn(b) != sgn(c)) {
    } else {
        T p = (a - d) * T(0.5);
        const T bcmax = std::max(std::fabs(b), std::fabs(c)), bcmis = std::min(std::fabs(b), std::fabs(c)) * sgn(b) * sgn(c);
        const T scale = std::max(std::fabs(p), bcmax);
        T z = (p / scale) * p + (bcmax / scale) * bcmis;
        if (z >= T(4) * kEps<T>) {
            z = p > T(0) ? p + root(scale) * root(z) : p - root(scale) * root(z);
            a = d + z, d = d - (bcmax / z) * bcmis, b = b - c, c = T(0);
        } else {
            const T sigma = b + c, t = hyp(sigma, a - d);
            const T cs = root((T(1) + std::fabs(sigma) / t) * T(0.5)), sn = -(p / (t * cs)) * sgn(sigma);
            const T aa = a * cs + b * sn, bb = -a * sn + b * cs, cc = c * cs + d * sn, dd = -c * sn + d * cs;
            a = aa * cs + cc * sn, b = bb * cs + dd * sn, c = -aa * sn + cc * cs, d = -bb * sn + dd * cs;
            const T mid = (a + d) * T(0.5);
            a = d = mid;
            if (small(b) || small(c)) b = -c, c = T(0);
            else if (sgn(b) == sgn(c)) {
                p = sgn(c) * root(std::fabs(b)) * root(std::fabs(c));
                a = a + p, d = d - p, b = b - c, c = T(0);
            }
        }
    }
    const T w = small(c) ? T(0) : root(std::fabs(b)) * root(std::fabs(c));
    re[0] = a, im[0] = w, re[1] = d, im[1] = -w;
}

// Eigenvalues of a matrix of order 1 or 2; `relative` selects the deflation test of the
// eigenvector families (relative to the diagonal) over that of the values family (absolute).
template <class T>
void general_small(const Mat<T>& a, bool relative, T* re, T* im) {
    if (a.rows == 1) {
        re[0] = a(0, 0), im[0] = T(0);
        return;
    }
    T tst = std::fabs(a(0, 0)) + std::fabs(a(1, 1));
    if (tst <= kMin<T>) tst = std::max(std::fabs(a(0, 0)) + std::fabs(a(1, 0)), std::fabs(a(0, 1)) + std::fabs(a(1, 1)));
    const T smlnum = kMin<T> * (T(2) / kEps<T>);
    const T bound = relative ? std::max(kEps<T> * tst, smlnum) : kEps<T>;
    if (std::fabs(a(1, 0)) <= bound) {
        re[0] = a(0, 0), re[1] = a(1, 1), im[0] = im[1] = T(0);
        return;
    }
    standardise(a(0, 0), a(0, 1), a(1, 0), a(1, 1), re, im);
}

}  // namespace em
