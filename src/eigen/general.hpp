// Eigenvalues and eigenvectors of real general (non-symmetric) matrices.
//
// Values (GenValues):
//   1. copy the matrix into the buffer as H, column-major;
//   2. Householder reduction to upper Hessenberg form (reflectors from the column below the
//      sub-diagonal, applied from the right to all rows, then from the left);
//   3. the implicit double-shift QR iteration on the active block, with an absolute deflation
//      test (a sub-diagonal element of magnitude at most epsilon splits the matrix), exceptional
//      shifts at the 10th and 20th sweep of a block, a start row chosen where two consecutive
//      sub-diagonal elements are small, and one budget of 30 * order sweeps for the whole
//      matrix; 2 x 2 blocks that split off are brought to standard form and give a real pair
//      or a complex conjugate pair (positive imaginary part first). Values are stored as their
//      blocks split off, from the bottom up, in the order of the diagonal.
//
// Vectors (RightVectors, LeftVectors, BothVectors): the reduction also forms Q explicitly;
// the iteration works on the whole matrix with a relative deflation test, keeps Q up to date
// and leaves the real Schur form T = Q^T A Q; the eigenvectors of T come from substitution in
// the quasi-triangular system (1 x 1 and 2 x 2 diagonal blocks solved with complete pivoting,
// tiny pivots replaced by smin, the solution scaled down to stay below bignum), are multiplied
// by Q in place and normalised to unit length with their largest component real. The
// destination matrices are written at the end of a successful computation only.
//
// Everything is computed in the element type; 32f square roots are taken in double and
// rounded. The work buffer is a byte pointer: the kernels start at its first element-aligned
// byte (every buffer size leaves at least one element spare), and parallel array calls use
// per-thread scratch of the eigenvector buffer size instead.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "eigen.hpp"

namespace rukm::eigen::general {

template <class T>
inline constexpr T kEps = std::numeric_limits<T>::epsilon();
template <class T>
inline constexpr T kTiny = std::numeric_limits<T>::min();  // the smallest normal number

// Elements of the work buffer of order n: n*n + 5n for the values, 3n*n + 5n for the vectors.
inline std::int64_t buffer_elements(std::int64_t n, int matrices) { return (matrices * n + 5) * n; }

// The first element-aligned address of a byte buffer (the caller's buffer may have any
// alignment; each layout of the buffer leaves at least one element unused at its end).
template <class T>
T* first_element(std::uint8_t* buf) {
    const auto a = reinterpret_cast<std::uintptr_t>(buf);
    return reinterpret_cast<T*>((a + sizeof(T) - 1) & ~std::uintptr_t(sizeof(T) - 1));
}

template <class T>
T sgn(T x) { return x >= T(0) ? T(1) : T(-1); }

// sqrt(p^2 + q^2) as w * sqrt(z^2 / w^2 + 1), w and z the larger and smaller magnitude (w when
// z is below the smallest normal number). When w^2 leaves the normal range the ratio is formed
// as (z / w)^2 instead, so that neither huge nor tiny arguments give an overflow or 0 / 0.
template <class T>
T hyp(T p, T q) {
    const T ap = std::fabs(p), aq = std::fabs(q);
    const T w = std::max(ap, aq), z = std::min(ap, aq);
    if (z < kTiny<T>) return w;
    const T ww = w * w;
    if (ww >= kTiny<T> && ww <= std::numeric_limits<T>::max()) return w * root((z * z) / ww + T(1));
    const T r = z / w;
    return w * root(r * r + T(1));
}

// The Euclidean norm sqrt(sum of x^2) of the normalisation. Where that sum leaves the normal
// range (squares that overflow, or so small that they lose precision), it is taken again on a
// copy scaled by a power of two, exactly, which gives the plain sum's value wherever the plain
// sum is accurate.
template <class T>
T norm2(const T* x, std::ptrdiff_t inc, int n) {
    T ss = T(0);
    for (int r = 0; r < n; ++r) ss = ss + x[r * inc] * x[r * inc];
    if ((ss >= kTiny<T> && ss <= std::numeric_limits<T>::max()) || ss != ss) return root(ss);
    T m = T(0);
    for (int r = 0; r < n; ++r) m = std::max(m, std::fabs(x[r * inc]));
    if (m == T(0) || !(m <= std::numeric_limits<T>::max())) return m;
    const T s = std::ldexp(T(1), -std::ilogb(m));
    ss = T(0);
    for (int r = 0; r < n; ++r) {
        const T y = x[r * inc] * s;
        ss = ss + y * y;
    }
    return root(ss) / s;
}

// A Householder reflector I - tau v v^T with v = (1, x) that maps (alpha, x) to (beta, 0):
// alpha becomes beta, x becomes the tail of v, tau is returned. The identity (tau = 0, nothing
// changes) when the norm of x is below the smallest normal number. The norm is the plain root
// of the sum of squares, without scaling.
template <class T>
T reflector(T& alpha, T* x, std::ptrdiff_t inc, int m) {
    T ss = T(0);
    for (int r = 0; r < m; ++r) ss = ss + x[r * inc] * x[r * inc];
    const T xnorm = root(ss);
    if (xnorm < kTiny<T>) return T(0);
    const T beta = -sgn(alpha) * hyp(alpha, xnorm);
    const T tau = (beta - alpha) / beta;
    const T f = T(1) / (alpha - beta);
    for (int r = 0; r < m; ++r) x[r * inc] = x[r * inc] * f;
    alpha = beta;
    return tau;
}

// A column-major n x n matrix in the buffer.
template <class T>
struct Mat {
    T* p;
    int n;
    T& operator()(int r, int c) const { return p[r + std::ptrdiff_t(c) * n]; }
    T* col(int c) const { return p + std::ptrdiff_t(c) * n; }
};

// Householder reduction of H to upper Hessenberg form. Reflector i (from column i) keeps its
// vector below the sub-diagonal of column i and its scalar in tau[i]; work holds n elements.
template <class T>
void hessenberg(Mat<T> h, T* tau, T* work) {
    const int n = h.n;
    for (int i = 0; i + 2 < n; ++i) {
        T* v = h.col(i) + i + 1;  // v[0] = H(i+1, i), the tail below it
        const int m = n - i - 1;  // length of v
        const T t = tau[i] = reflector(v[0], v + 1, 1, m - 1);
        const T beta = v[0];
        if (std::fabs(t) > kTiny<T>) {
            v[0] = T(1);
            // From the right, on H(0 .. n-1, i+1 .. n-1): w = H v, H -= w (tau v)^T.
            for (int r = 0; r < n; ++r) work[r] = T(0);
            for (int j = 0; j < m; ++j) {
                const T* c = h.col(i + 1 + j);
                const T vj = v[j];
                for (int r = 0; r < n; ++r) work[r] = work[r] + vj * c[r];
            }
            for (int j = 0; j < m; ++j) {
                T* c = h.col(i + 1 + j);
                const T f = -t * v[j];
                for (int r = 0; r < n; ++r) c[r] = c[r] + work[r] * f;
            }
            // From the left, on H(i+1 .. n-1, i+1 .. n-1): w = H^T v, H -= v (tau w)^T.
            for (int j = 0; j < m; ++j) {
                T* c = h.col(i + 1 + j) + i + 1;
                T s = T(0);
                for (int r = 0; r < m; ++r) s = s + c[r] * v[r];
                const T f = -t * s;
                for (int r = 0; r < m; ++r) c[r] = c[r] + v[r] * f;
            }
        }
        v[0] = beta;
    }
}

// Q = P(0) P(1) ... P(n-3) from the reflectors that hessenberg() left in h and tau, formed
// from the last reflector to the first: each P(i) acts on rows and columns i+1 .. n-1 only, its
// first column there is e - tau v directly, the others take the reflector.
template <class T>
void form_q(Mat<T> h, const T* tau, Mat<T> q) {
    const int n = q.n;
    for (int c = 0; c < n; ++c)
        for (int r = 0; r < n; ++r) q(r, c) = T(r == c);
    for (int i = n - 3; i >= 0; --i) {
        const T* v = h.col(i) + i + 1;  // v[0] stands for 1
        const int m = n - i - 1;
        const T t = tau[i];
        for (int j = 1; j < m; ++j) {  // columns i+2 .. n-1, rows i+1 .. n-1
            T* c = q.col(i + 1 + j) + i + 1;
            T s = c[0];
            for (int r = 1; r < m; ++r) s = s + c[r] * v[r];
            const T f = -t * s;
            c[0] = c[0] + f;
            for (int r = 1; r < m; ++r) c[r] = c[r] + v[r] * f;
        }
        T* c = q.col(i + 1) + i + 1;
        c[0] = T(1) - t;
        for (int r = 1; r < m; ++r) c[r] = -t * v[r];
        for (int r = 1; r <= i; ++r) q(r, i + 1) = T(0);
    }
}

// Clears everything below the first sub-diagonal.
template <class T>
void clear_below(Mat<T> h) {
    for (int c = 0; c + 2 < h.n; ++c)
        for (int r = c + 2; r < h.n; ++r) h(r, c) = T(0);
}

// Standard form of the 2 x 2 block [a b; c d]: upper triangular when its eigenvalues are real,
// equal diagonal and off-diagonal elements of opposite signs when they are complex. (cs, sn)
// is the rotation R = [cs -sn; sn cs] with R^T [a b; c d] R the new block; `rotated` is false
// when the block was left as it was. The eigenvalues are (a, w) and (d, -w).
template <class T>
struct Standard {
    T a, b, c, d, cs = T(1), sn = T(0), w = T(0);
    bool rotated = false;
};

template <class T>
Standard<T> standardise(T a, T b, T c, T d) {
    constexpr T tiny = kTiny<T>;
    Standard<T> s{a, b, c, d};
    if (std::fabs(c) <= tiny) {
        // already triangular
    } else if (std::fabs(b) <= tiny) {
        // exchange rows and columns
        s.a = d, s.d = a, s.b = -c, s.c = T(0);
        s.cs = T(0), s.sn = T(1), s.rotated = true;
    } else if (std::fabs(a - d) <= tiny && sgn(b) != sgn(c)) {
        // already a standard complex block
    } else {
        const T temp = a - d;
        T p = temp * T(0.5);
        const T bcmax = std::max(std::fabs(b), std::fabs(c));
        const T bcmis = std::min(std::fabs(b), std::fabs(c)) * sgn(b) * sgn(c);
        const T scale = std::max(std::fabs(p), bcmax);
        T z = (p / scale) * p + (bcmax / scale) * bcmis;
        s.rotated = true;
        if (z >= T(4) * kEps<T>) {
            // Real eigenvalues: a = d + z, d - bc / z, with (z, c) the eigenvector of a.
            z = p > T(0) ? p + root(scale) * root(z) : p - root(scale) * root(z);
            s.a = d + z;
            s.d = d - (bcmax / z) * bcmis;
            const T tau = hyp(c, z);
            s.cs = z / tau;
            s.sn = c / tau;
            s.b = b - c;
            s.c = T(0);
        } else {
            // Complex or nearly equal eigenvalues: the rotation that makes the diagonal equal.
            const T sigma = b + c;
            const T tau = hyp(sigma, temp);
            T cs = root((T(1) + std::fabs(sigma) / tau) * T(0.5));
            T sn = -(p / (tau * cs)) * sgn(sigma);
            const T aa = a * cs + b * sn, bb = -a * sn + b * cs;
            const T cc = c * cs + d * sn, dd = -c * sn + d * cs;
            s.a = aa * cs + cc * sn;
            s.b = bb * cs + dd * sn;
            s.c = -aa * sn + cc * cs;
            s.d = -bb * sn + dd * cs;
            const T mid = (s.a + s.d) * T(0.5);
            s.a = s.d = mid;
            if (std::fabs(s.c) > tiny) {
                if (std::fabs(s.b) > tiny) {
                    if (sgn(s.b) == sgn(s.c)) {
                        // Real after all: split the equal diagonal by sqrt(bc).
                        const T sab = root(std::fabs(s.b)), sac = root(std::fabs(s.c));
                        p = sgn(s.c) * sab * sac;
                        const T t = T(1) / root(std::fabs(s.b + s.c));
                        s.a = mid + p;
                        s.d = mid - p;
                        s.b = s.b - s.c;
                        s.c = T(0);
                        const T cs1 = sab * t, sn1 = sac * t;
                        const T c2 = cs * cs1 - sn * sn1;
                        sn = cs * sn1 + sn * cs1;
                        cs = c2;
                    }
                } else {
                    // [a 0; c a]: exchange to [a -c; 0 a].
                    s.b = -s.c;
                    s.c = T(0);
                    const T c2 = cs;
                    cs = -sn;
                    sn = c2;
                }
            } else {
                // The rotation left [a b; 0 a]: b stays, it belongs to the Schur form.
                s.c = T(0);
            }
            s.cs = cs;
            s.sn = sn;
        }
    }
    if (std::fabs(s.c) > tiny) s.w = root(std::fabs(s.b)) * root(std::fabs(s.c));
    return s;
}

// x' = cs x + sn y, y' = cs y - sn x over n pairs.
template <class T>
void rotate(T* x, std::ptrdiff_t incx, T* y, std::ptrdiff_t incy, int n, T cs, T sn) {
    for (int r = 0; r < n; ++r) {
        const T a = x[r * incx], b = y[r * incy];
        x[r * incx] = cs * a + sn * b;
        y[r * incy] = cs * b - sn * a;
    }
}

// Applies the reflector I - t1 (1, v2, v3)(1, v2, v3)^T (nr = 3) or I - t1 (1, v2)(1, v2)^T
// (nr = 2) to rows k .. k+nr-1 of columns c0 .. c1 (left), or to columns k .. k+nr-1 of rows
// r0 .. r1 (right).
template <class T>
void reflect_rows(Mat<T> h, int nr, int k, int c0, int c1, T t1, T v2, T v3) {
    const T t2 = t1 * v2, t3 = t1 * v3;
    if (nr == 3) {
        for (int j = c0; j <= c1; ++j) {
            T* c = h.col(j) + k;
            const T sum = c[0] + v2 * c[1] + v3 * c[2];
            c[0] = c[0] - sum * t1;
            c[1] = c[1] - sum * t2;
            c[2] = c[2] - sum * t3;
        }
    } else {
        for (int j = c0; j <= c1; ++j) {
            T* c = h.col(j) + k;
            const T sum = c[0] + v2 * c[1];
            c[0] = c[0] - sum * t1;
            c[1] = c[1] - sum * t2;
        }
    }
}
template <class T>
void reflect_cols(Mat<T> h, int nr, int k, int r0, int r1, T t1, T v2, T v3) {
    const T t2 = t1 * v2, t3 = t1 * v3;
    T* c0 = h.col(k);
    T* c1 = h.col(k + 1);
    if (nr == 3) {
        T* c2 = h.col(k + 2);
        for (int r = r0; r <= r1; ++r) {
            const T sum = c0[r] + v2 * c1[r] + v3 * c2[r];
            c0[r] = c0[r] - sum * t1;
            c1[r] = c1[r] - sum * t2;
            c2[r] = c2[r] - sum * t3;
        }
    } else {
        for (int r = r0; r <= r1; ++r) {
            const T sum = c0[r] + v2 * c1[r];
            c0[r] = c0[r] - sum * t1;
            c1[r] = c1[r] - sum * t2;
        }
    }
}

// The largest column sum of |H| over the block l .. i (Hessenberg: column j sums rows l ..
// min(j + 1, i)).
template <class T>
T block_norm(Mat<T> h, int l, int i) {
    T best = T(0);
    for (int j = l; j <= i; ++j) {
        T s = T(0);
        for (int r = l; r <= std::min(j + 1, i); ++r) s = s + std::fabs(h(r, j));
        best = std::max(best, s);
    }
    return best;
}

// The double-shift QR iteration on the Hessenberg matrix h. Schur = false: values only, the
// absolute deflation test, updates confined to the active block. Schur = true: the relative
// test, every update applied to the whole matrix and to the columns of z, 2 x 2 blocks rotated
// into the Schur form. Values go to wr, wi as their blocks split off; false when the budget of
// 30 * n sweeps runs out with a block larger than 2 x 2 still active.
template <class T, bool Schur>
bool francis(Mat<T> h, Mat<T> z, T* wr, T* wi) {
    constexpr T eps = kEps<T>, tiny = kTiny<T>;
    const int n = h.n;
    const T smlnum = tiny * (T(n) / eps);
    int budget = 30 * n;
    int i = n - 1;
    while (i >= 0) {
        // Each block starts its search over the whole matrix above it: l = 0 until a
        // negligible sub-diagonal element is found.
        int l = 0;
        int its = 0;
        for (; its < budget; ++its) {
            int k = i;
            for (; k > l; --k) {
                const T sub = std::fabs(h(k, k - 1));
                if constexpr (Schur) {
                    T tst = std::fabs(h(k - 1, k - 1)) + std::fabs(h(k, k));
                    if (tst <= tiny) tst = block_norm(h, l, i);
                    if (sub <= std::max(eps * tst, smlnum)) break;
                } else {
                    if (sub <= eps) break;
                }
            }
            l = k;
            if (l > 0) h(l, l - 1) = T(0);
            if (l >= i - 1) break;

            // Shifts: the eigenvalues of the trailing 2 x 2 block (the Wilkinson shift twice when
            // they are real), or the exceptional shift at the 10th and 20th sweep.
            T h44, h33, h43h34;
            if (its == 10 || its == 20) {
                const T s = std::fabs(h(i, i - 1)) + std::fabs(h(i - 1, i - 2));
                h44 = T(0.75) * s + h(i, i);
                h33 = h44;
                h43h34 = T(-0.4375) * s * s;
            } else {
                h44 = h(i, i);
                h33 = h(i - 1, i - 1);
                h43h34 = h(i, i - 1) * h(i - 1, i);
                T disc = (h33 - h44) * T(0.5);
                disc = disc * disc + h43h34;
                if (disc > T(0)) {
                    disc = root(disc);
                    const T ave = (h33 + h44) * T(0.5);
                    const T sd = ave >= T(0) ? disc : -disc;
                    if (std::fabs(h33) - std::fabs(h44) > T(0)) h44 = (h33 * h44 - h43h34) / (ave + sd);
                    else h44 = ave + sd;
                    h33 = h44;
                    h43h34 = T(0);
                }
            }

            // Start row: the lowest m where starting the sweep leaves H(m, m-1) negligible.
            int m = i - 2;
            T q1, q2, q3;
            for (;; --m) {
                const T h11 = h(m, m), h22 = h(m + 1, m + 1), h21 = h(m + 1, m), h12 = h(m, m + 1);
                q1 = ((h33 - h11) * (h44 - h11) - h43h34) / h21 + h12;
                q2 = h22 - h11 - (h33 - h11) - (h44 - h11);
                q3 = h(m + 2, m + 1);
                const T s = std::fabs(q1) + std::fabs(q2) + std::fabs(q3);
                q1 = q1 / s;
                q2 = q2 / s;
                q3 = q3 / s;
                if (m == l) break;
                if (std::fabs(h(m, m - 1)) * (std::fabs(q2) + std::fabs(q3)) <=
                    eps * std::fabs(q1) * (std::fabs(h(m - 1, m - 1)) + std::fabs(h11) + std::fabs(h22)))
                    break;
            }

            // The sweep: a bulge from (q1, q2, q3), chased down to the bottom of the block.
            for (int k2 = m; k2 <= i - 1; ++k2) {
                const int nr = std::min(3, i - k2 + 1);
                T v[3] = {q1, q2, q3};
                if (k2 > m)
                    for (int r = 0; r < nr; ++r) v[r] = h(k2 + r, k2 - 1);
                const T t1 = reflector(v[0], v + 1, 1, nr - 1);
                if (k2 > m) {
                    h(k2, k2 - 1) = v[0];
                    h(k2 + 1, k2 - 1) = T(0);
                    if (k2 < i - 1) h(k2 + 2, k2 - 1) = T(0);
                } else if (m > l) {
                    h(k2, k2 - 1) = -h(k2, k2 - 1);
                }
                if (t1 == T(0)) continue;  // the identity
                const T v2 = v[1], v3 = nr == 3 ? v[2] : T(0);
                reflect_rows(h, nr, k2, k2, Schur ? n - 1 : i, t1, v2, v3);
                reflect_cols(h, nr, k2, Schur ? 0 : l, std::min(k2 + 3, i), t1, v2, v3);
                if constexpr (Schur) reflect_cols(z, nr, k2, 0, n - 1, t1, v2, v3);
            }
        }
        if (l < i - 1) return false;

        if (l == i) {
            wr[i] = h(i, i);
            wi[i] = T(0);
        } else {
            const Standard<T> s = standardise(h(i - 1, i - 1), h(i - 1, i), h(i, i - 1), h(i, i));
            h(i - 1, i - 1) = s.a;
            h(i - 1, i) = s.b;
            h(i, i - 1) = s.c;
            h(i, i) = s.d;
            wr[i - 1] = s.a;
            wi[i - 1] = s.w;
            wr[i] = s.d;
            wi[i] = T(0) - s.w;  // +0, not -0, for a real pair
            if constexpr (Schur) {
                if (s.rotated) {
                    if (i + 1 < n) rotate(&h(i - 1, i + 1), n, &h(i, i + 1), n, n - i - 1, s.cs, s.sn);
                    rotate(h.col(i - 1), 1, h.col(i), 1, i - 1, s.cs, s.sn);
                    rotate(z.col(i - 1), 1, z.col(i), 1, n, s.cs, s.sn);
                }
            }
        }
        budget -= its;
        i = l - 1;
    }
    return true;
}

// (a + ib) / (c + id) = p + iq, scaled by the larger of |c| and |d|.
template <class T>
void divide(T a, T b, T c, T d, T& p, T& q) {
    if (std::fabs(d) < std::fabs(c)) {
        const T e = d / c, f = c + d * e;
        p = (a + b * e) / f;
        q = (b - a * e) / f;
    } else {
        const T e = c / d, f = d + c * e;
        p = (b + a * e) / f;
        q = (-a + b * e) / f;
    }
}

// Solves (A - (wr + i wi) I) X = scale B for the 1 x 1 or 2 x 2 block A (A^T when trans), nw = 1
// (real: wi and the imaginary parts unused) or 2 (complex), with complete pivoting. A pivot
// below smin is replaced by smin (a 2 x 2 system whose largest element is below smin is taken as
// smin I); scale <= 1 is chosen so that X stays below the overflow bound. b and x are [row][part].
template <class T>
struct Solution {
    T x[2][2];
    T scale, xnorm;
};

template <class T>
Solution<T> solve_block(bool trans, int na, int nw, T smin, const T a[2][2], const T b[2][2], T wr, T wi) {
    const T smlnum = T(2) * kTiny<T>, bignum = T(1) / smlnum;
    const T smini = std::max(smin, smlnum);
    Solution<T> s{};
    s.scale = T(1);
    if (na == 1) {
        T csr = a[0][0] - wr;
        T csi = nw == 2 ? -wi : T(0);
        T cnorm = std::fabs(csr) + std::fabs(csi);
        if (cnorm < smini) csr = smini, csi = T(0), cnorm = smini;
        const T bnorm = std::fabs(b[0][0]) + (nw == 2 ? std::fabs(b[0][1]) : T(0));
        if (cnorm < T(1) && bnorm > T(1) && bnorm > bignum * cnorm) s.scale = T(1) / bnorm;
        if (nw == 1) {
            s.x[0][0] = (b[0][0] * s.scale) / csr;
            s.xnorm = std::fabs(s.x[0][0]);
        } else {
            divide(s.scale * b[0][0], s.scale * b[0][1], csr, csi, s.x[0][0], s.x[0][1]);
            s.xnorm = std::fabs(s.x[0][0]) + std::fabs(s.x[0][1]);
        }
        return s;
    }

    // The elements of C = A - wr I in column order (c11, c21, c12, c22); the pivot
    // permutations: for pivot position p, the order in which the other elements follow.
    static constexpr int pivot[4][4] = {{0, 1, 2, 3}, {1, 0, 3, 2}, {2, 3, 0, 1}, {3, 2, 1, 0}};
    static constexpr bool rswap[4] = {false, true, false, true}, zswap[4] = {false, false, true, true};
    const T cr[4] = {a[0][0] - wr, trans ? a[0][1] : a[1][0], trans ? a[1][0] : a[0][1], a[1][1] - wr};
    const T ci[4] = {nw == 2 ? -wi : T(0), T(0), T(0), nw == 2 ? -wi : T(0)};
    T cmax = T(0);
    int icmax = 0;
    for (int j = 0; j < 4; ++j) {
        const T m = std::fabs(cr[j]) + std::fabs(ci[j]);
        if (m > cmax) cmax = m, icmax = j;
    }
    if (cmax < smini) {
        T bnorm;
        if (nw == 1) bnorm = std::max(std::fabs(b[0][0]), std::fabs(b[1][0]));
        else bnorm = std::max(std::fabs(b[0][0]) + std::fabs(b[0][1]), std::fabs(b[1][0]) + std::fabs(b[1][1]));
        if (smini < T(1) && bnorm > T(1) && bnorm > bignum * smini) s.scale = T(1) / bnorm;
        const T temp = s.scale / smini;
        for (int r = 0; r < 2; ++r)
            for (int p = 0; p < nw; ++p) s.x[r][p] = temp * b[r][p];
        s.xnorm = temp * bnorm;
        return s;
    }

    const int* pv = pivot[icmax];
    T xr1, xr2, xi1 = T(0), xi2 = T(0);
    if (nw == 1) {
        const T ur11 = cr[icmax], cr21 = cr[pv[1]], ur12 = cr[pv[2]], cr22 = cr[pv[3]];
        const T ur11r = T(1) / ur11, lr21 = ur11r * cr21;
        T ur22 = cr22 - ur12 * lr21;
        if (std::fabs(ur22) < smini) ur22 = smini;
        T br1 = rswap[icmax] ? b[1][0] : b[0][0];
        T br2 = rswap[icmax] ? b[0][0] : b[1][0];
        br2 = br2 - lr21 * br1;
        const T bbnd = std::max(std::fabs(br1 * (ur22 * ur11r)), std::fabs(br2));
        if (bbnd > T(1) && std::fabs(ur22) < T(1) && bbnd >= bignum * std::fabs(ur22)) s.scale = T(1) / bbnd;
        xr2 = (br2 * s.scale) / ur22;
        xr1 = (s.scale * br1) * ur11r - xr2 * (ur11r * ur12);
        s.xnorm = std::max(std::fabs(xr1), std::fabs(xr2));
    } else {
        const T ur11 = cr[icmax], ui11 = ci[icmax];
        const T cr21 = cr[pv[1]], ci21 = ci[pv[1]];
        const T ur12 = cr[pv[2]], ui12 = ci[pv[2]];
        const T cr22 = cr[pv[3]], ci22 = ci[pv[3]];
        T ur11r, ui11r, lr21, li21, ur12s, ui12s, ur22, ui22;
        if (icmax == 0 || icmax == 3) {
            // The off-diagonal elements of the pivoted C are real.
            if (std::fabs(ur11) > std::fabs(ui11)) {
                const T temp = ui11 / ur11;
                ur11r = T(1) / (ur11 * (T(1) + temp * temp));
                ui11r = -temp * ur11r;
            } else {
                const T temp = ur11 / ui11;
                ui11r = -T(1) / (ui11 * (T(1) + temp * temp));
                ur11r = -temp * ui11r;
            }
            lr21 = cr21 * ur11r;
            li21 = cr21 * ui11r;
            ur12s = ur12 * ur11r;
            ui12s = ur12 * ui11r;
            ur22 = cr22 - ur12 * lr21;
            ui22 = ci22 - ur12 * li21;
        } else {
            // The diagonal elements of the pivoted C are real.
            ur11r = T(1) / ur11;
            ui11r = T(0);
            lr21 = cr21 * ur11r;
            li21 = ci21 * ur11r;
            ur12s = ur12 * ur11r;
            ui12s = ui12 * ur11r;
            ur22 = cr22 - ur12 * lr21 + ui12 * li21;
            ui22 = -ur12 * li21 - ui12 * lr21;
        }
        const T u22abs = std::fabs(ur22) + std::fabs(ui22);
        if (u22abs < smini) ur22 = smini, ui22 = T(0);
        const bool rs = rswap[icmax];
        T br1 = rs ? b[1][0] : b[0][0], br2 = rs ? b[0][0] : b[1][0];
        T bi1 = rs ? b[1][1] : b[0][1], bi2 = rs ? b[0][1] : b[1][1];
        br2 = br2 - lr21 * br1 + li21 * bi1;
        bi2 = bi2 - li21 * br1 - lr21 * bi1;
        const T bbnd = std::max((std::fabs(br1) + std::fabs(bi1)) * (u22abs * (std::fabs(ur11r) + std::fabs(ui11r))),
                                std::fabs(br2) + std::fabs(bi2));
        if (bbnd > T(1) && u22abs < T(1) && bbnd >= bignum * u22abs) {
            s.scale = T(1) / bbnd;
            br1 = s.scale * br1, bi1 = s.scale * bi1, br2 = s.scale * br2, bi2 = s.scale * bi2;
        }
        divide(br2, bi2, ur22, ui22, xr2, xi2);
        xr1 = ur11r * br1 - ui11r * bi1 - ur12s * xr2 + ui12s * xi2;
        xi1 = ui11r * br1 + ur11r * bi1 - ui12s * xr2 - ur12s * xi2;
        s.xnorm = std::max(std::fabs(xr1) + std::fabs(xi1), std::fabs(xr2) + std::fabs(xi2));
    }
    const bool zs = zswap[icmax];
    s.x[0][0] = zs ? xr2 : xr1;
    s.x[1][0] = zs ? xr1 : xr2;
    s.x[0][1] = zs ? xi2 : xi1;
    s.x[1][1] = zs ? xi1 : xi2;
    // Further scaling when norm(C) norm(X) would overflow.
    if (s.xnorm > T(1) && cmax > T(1) && s.xnorm > bignum / cmax) {
        const T temp = cmax / bignum;
        for (int r = 0; r < 2; ++r)
            for (int p = 0; p < nw; ++p) s.x[r][p] = temp * s.x[r][p];
        s.xnorm = temp * s.xnorm;
        s.scale = temp * s.scale;
    }
    return s;
}

// Is there a 2 x 2 block with rows r, r + 1 of T?
template <class T>
bool pair_at(Mat<T> t, int r) {
    return r + 1 < t.n && std::fabs(t(r + 1, r)) > kTiny<T>;
}

// The solution parts (real; real and imaginary) of the substitution, with their scaling.
template <class T, int NW>
struct Parts {
    T* x[2];
    void scale(int from, int to, T f) const {
        for (int p = 0; p < NW; ++p)
            for (int r = from; r < to; ++r) x[p][r] = x[p][r] * f;
    }
};

// y = lead * V(:, col) + sum over j in [j0, j1) of x(j) V(:, j), in place in column col (no
// column of the sum is col itself).
template <class T>
void back_transform(Mat<T> v, int col, T lead, const T* x, int j0, int j1) {
    T* y = v.col(col);
    const int n = v.n;
    if (lead != T(1))
        for (int r = 0; r < n; ++r) y[r] = lead * y[r];
    for (int j = j0; j < j1; ++j) {
        const T xj = x[j];
        if (xj == T(0)) continue;
        const T* c = v.col(j);
        for (int r = 0; r < n; ++r) y[r] = y[r] + xj * c[r];
    }
}

// Right eigenvector of T for the eigenvalue (wr, wi) (NW = 2: the pair whose second index is
// ki): solves the upper quasi-triangular system over rows top .. 0, the right-hand side already
// in the parts, then turns Q into the vector in place.
template <class T, int NW>
void right_vector(Mat<T> t, Mat<T> v, const T* cn, Parts<T, NW> x, int ki, T wr, T wi, T smin, T bignum) {
    const int top = ki - NW;  // last unknown
    for (int j = top; j >= 0;) {
        const bool two = j > 0 && pair_at(t, j - 1);
        const int j1 = two ? j - 1 : j;
        const int na = two ? 2 : 1;
        T a[2][2], b[2][2];
        for (int r = 0; r < na; ++r) {
            for (int c = 0; c < na; ++c) a[r][c] = t(j1 + r, j1 + c);
            for (int p = 0; p < NW; ++p) b[r][p] = x.x[p][j1 + r];
        }
        Solution<T> s = solve_block(false, na, NW, smin, a, b, wr, wi);
        // Keep the updates of the right-hand side below overflow.
        if (s.xnorm > T(1)) {
            const T beta = two ? std::max(cn[j - 1], cn[j]) : cn[j];
            if (beta > bignum / s.xnorm) {
                for (int r = 0; r < na; ++r)
                    for (int p = 0; p < NW; ++p) s.x[r][p] = s.x[r][p] / s.xnorm;
                s.scale = s.scale / s.xnorm;
            }
        }
        if (s.scale != T(1)) x.scale(0, ki + 1, s.scale);
        for (int r = 0; r < na; ++r)
            for (int p = 0; p < NW; ++p) x.x[p][j1 + r] = s.x[r][p];
        for (int p = 0; p < NW; ++p)
            for (int c = 0; c < na; ++c) {
                const T f = s.x[c][p];
                const T* tc = t.col(j1 + c);
                for (int r = 0; r < j1; ++r) x.x[p][r] = x.x[p][r] - f * tc[r];
            }
        j = j1 - 1;
    }
    if constexpr (NW == 1) {
        back_transform(v, ki, x.x[0][ki], x.x[0], 0, ki);
    } else {
        back_transform(v, ki - 1, x.x[0][ki - 1], x.x[0], 0, ki - 1);
        back_transform(v, ki, x.x[1][ki], x.x[1], 0, ki - 1);
    }
}

// Left eigenvector of T for the eigenvalue (wr, wi) (NW = 2: the pair whose first index is
// ki): the transposed system over rows ki + NW .. n - 1, each unknown first taking the dot
// product of the solved ones with its column of T; the solution is scaled down by its running
// maximum when a column norm says the next dot product could overflow.
template <class T, int NW>
void left_vector(Mat<T> t, Mat<T> v, const T* cn, Parts<T, NW> x, int ki, T wr, T wi, T smin, T bignum) {
    const int n = t.n;
    const int first = ki + NW;
    T vmax = T(1), vcrit = bignum;
    for (int j = first; j < n;) {
        const bool two = pair_at(t, j);
        const int na = two ? 2 : 1;
        const T beta = two ? std::max(cn[j], cn[j + 1]) : cn[j];
        if (beta > vcrit) {
            x.scale(ki, n, T(1) / vmax);
            vmax = T(1);
            vcrit = bignum;
        }
        for (int r = 0; r < na; ++r) {
            const T* tc = t.col(j + r);
            for (int p = 0; p < NW; ++p) {
                T s = T(0);
                for (int q = first; q < j; ++q) s = s + tc[q] * x.x[p][q];
                x.x[p][j + r] = x.x[p][j + r] - s;
            }
        }
        T a[2][2], b[2][2];
        for (int r = 0; r < na; ++r) {
            for (int c = 0; c < na; ++c) a[r][c] = t(j + r, j + c);
            for (int p = 0; p < NW; ++p) b[r][p] = x.x[p][j + r];
        }
        const Solution<T> s = solve_block(true, na, NW, smin, a, b, wr, -wi);
        if (s.scale != T(1)) x.scale(ki, n, s.scale);
        for (int r = 0; r < na; ++r)
            for (int p = 0; p < NW; ++p) {
                x.x[p][j + r] = s.x[r][p];
                vmax = std::max(vmax, std::fabs(s.x[r][p]));
            }
        vcrit = bignum / vmax;
        j += na;
    }
    if constexpr (NW == 1) {
        back_transform(v, ki, x.x[0][ki], x.x[0], ki + 1, n);
    } else {
        back_transform(v, ki, x.x[0][ki], x.x[0], ki + 2, n);
        back_transform(v, ki + 1, x.x[1][ki + 1], x.x[1], ki + 2, n);
    }
}

// Unit length, the largest component of a complex vector (p + iq) made real.
template <class T>
void normalise_real(T* p, int n) {
    const T nrm = norm2(p, 1, n);
    for (int r = 0; r < n; ++r) p[r] = p[r] / nrm;
}
template <class T>
void normalise_pair(T* p, T* q, int n) {
    const T h = hyp(norm2(p, 1, n), norm2(q, 1, n));
    for (int r = 0; r < n; ++r) p[r] = p[r] / h;
    for (int r = 0; r < n; ++r) q[r] = q[r] / h;
    int k = 0;
    T best = p[0] * p[0] + q[0] * q[0];
    for (int r = 1; r < n; ++r) {
        const T m = p[r] * p[r] + q[r] * q[r];
        if (m > best) best = m, k = r;
    }
    const T rad = root(best);
    T cs = p[k] / rad, sn = q[k] / rad;
    if (std::fabs(p[k]) > std::fabs(q[k]) && cs < T(0)) cs = -cs, sn = -sn;
    rotate(p, 1, q, 1, n, cs, sn);
    q[k] = T(0);  // real by construction; the rotation leaves a rounding residue
}

enum Sides : int { kRight = 1, kLeft = 2, kBoth = 3 };

// Eigenvalues of one matrix: src read through its layout, buf the caller's buffer or the
// thread's scratch, wr and wi its values.
template <class T, class S>
rukStatus values(const S& src, T* buf, T* wr, T* wi, int n) {
    const Mat<T> h{buf, n};
    T* tau = buf + std::ptrdiff_t(n) * n;
    T* work = tau + n;
    for (int c = 0; c < n; ++c)
        for (int r = 0; r < n; ++r) h(r, c) = *src.at(r, c);
    hessenberg(h, tau, work);
    clear_below(h);
    return francis<T, false>(h, Mat<T>{nullptr, n}, wr, wi) ? rukOk : rukErrNoConverge;
}

// Eigenvalues and eigenvectors of one matrix. The buffer holds H (then T), Q (then the right
// vectors, or the left ones in the left family), a copy of Q (then the left vectors, two-sided
// family only), and the vectors: reflector scalars, column norms of T (the reduction's work
// vector before), the real and the imaginary parts of the substitution.
template <class T, int Side, class S, class D1, class D2>
rukStatus vectors(const S& src, T* buf, T* wr, T* wi, const D1& d1, const D2& d2, int n) {
    const std::ptrdiff_t nn = std::ptrdiff_t(n) * n;
    const Mat<T> h{buf, n}, q{buf + nn, n}, q2{buf + 2 * nn, n};
    T* tau = buf + 3 * nn;
    T* cn = tau + n;
    T* xr = cn + n;
    T* xi = xr + n;
    for (int c = 0; c < n; ++c)
        for (int r = 0; r < n; ++r) h(r, c) = *src.at(r, c);
    hessenberg(h, tau, cn);
    form_q(h, tau, q);
    clear_below(h);
    if (!francis<T, true>(h, q, wr, wi)) return rukErrNoConverge;

    constexpr T eps = kEps<T>, tiny = kTiny<T>;
    const T smlnum = tiny * (T(n) / eps), bignum = (T(1) - eps) / smlnum;
    cn[0] = T(0);
    for (int j = 1; j < n; ++j) {
        T s = T(0);
        for (int r = 0; r < j; ++r) s = s + std::fabs(h(r, j));
        cn[j] = s;
    }
    const Mat<T> right = q, left = Side == kBoth ? q2 : q;
    if constexpr (Side == kBoth)
        for (std::ptrdiff_t e = 0; e < nn; ++e) q2.p[e] = q.p[e];

    auto smin_of = [&](T re, T im) { return std::max(eps * (std::fabs(re) + std::fabs(im)), smlnum); };
    if constexpr ((Side & kRight) != 0) {
        for (int ki = n - 1; ki >= 0; --ki) {
            const T re = h(ki, ki);
            if (ki > 0 && pair_at(h, ki - 1)) {
                // The pair (ki-1, ki): x = p + iq from the 2 x 2 block, then the rows above.
                const T im = root(std::fabs(h(ki, ki - 1))) * root(std::fabs(h(ki - 1, ki)));
                if (std::fabs(h(ki - 1, ki)) >= std::fabs(h(ki, ki - 1))) {
                    xr[ki - 1] = T(1);
                    xi[ki] = im / h(ki - 1, ki);
                } else {
                    xr[ki - 1] = -im / h(ki, ki - 1);
                    xi[ki] = T(1);
                }
                xr[ki] = T(0);
                xi[ki - 1] = T(0);
                for (int r = 0; r < ki - 1; ++r) {
                    xr[r] = -xr[ki - 1] * h(r, ki - 1);
                    xi[r] = -xi[ki] * h(r, ki);
                }
                right_vector<T, 2>(h, right, cn, {{xr, xi}}, ki, re, im, smin_of(re, im), bignum);
                --ki;
            } else {
                xr[ki] = T(1);
                for (int r = 0; r < ki; ++r) xr[r] = -h(r, ki);
                right_vector<T, 1>(h, right, cn, {{xr, nullptr}}, ki, re, T(0), smin_of(re, T(0)), bignum);
            }
        }
    }
    if constexpr ((Side & kLeft) != 0) {
        for (int ki = 0; ki < n; ++ki) {
            const T re = h(ki, ki);
            if (pair_at(h, ki)) {
                const T im = root(std::fabs(h(ki, ki + 1))) * root(std::fabs(h(ki + 1, ki)));
                if (std::fabs(h(ki, ki + 1)) >= std::fabs(h(ki + 1, ki))) {
                    xr[ki] = im / h(ki, ki + 1);
                    xi[ki + 1] = T(1);
                } else {
                    xr[ki] = T(1);
                    xi[ki + 1] = -im / h(ki + 1, ki);
                }
                xr[ki + 1] = T(0);
                xi[ki] = T(0);
                for (int r = ki + 2; r < n; ++r) {
                    xr[r] = -xr[ki] * h(ki, r);
                    xi[r] = -xi[ki + 1] * h(ki + 1, r);
                }
                left_vector<T, 2>(h, left, cn, {{xr, xi}}, ki, re, im, smin_of(re, im), bignum);
                ++ki;
            } else {
                xr[ki] = T(1);
                for (int r = ki + 1; r < n; ++r) xr[r] = -h(ki, r);
                left_vector<T, 1>(h, left, cn, {{xr, nullptr}}, ki, re, T(0), smin_of(re, T(0)), bignum);
            }
        }
    }

    // Normalise, then write the destinations column by column.
    auto finish = [&](Mat<T> vec, const auto& d) {
        for (int j = 0; j < n; ++j) {
            if (pair_at(h, j)) {
                normalise_pair(vec.col(j), vec.col(j + 1), n);
                ++j;
            } else {
                normalise_real(vec.col(j), n);
            }
        }
        for (int j = 0; j < n; ++j)
            for (int r = 0; r < n; ++r) *d.at(r, j) = vec(r, j);
    };
    if constexpr (Side == kBoth) {
        finish(right, d1);
        finish(left, d2);
    } else {
        finish(Side == kRight ? right : left, d1);
    }
    return rukOk;
}

}  // namespace rukm::eigen::general

namespace rukm::eigen {

template <bool Array, Layout L, int Dst>
using vectors_checks = std::conditional_t<
    Array && L != Layout::Std,
    std::conditional_t<Dst == 1,
                       Checks<Ptrs, Sizes, Cnt, On<Shifts, 0>, On<Strides, 0>, On<Shifts, 1>, On<Strides, 1>>,
                       Checks<Ptrs, Sizes, Cnt, On<Shifts, 0>, On<Strides, 0>, On<Shifts, 1, 2>, On<Strides, 1, 2>>>,
    values_checks<Array, L>>;

// What the general families share: the byte buffer, one kernel per layout, the per-thread
// scratch of the eigenvector buffer size (for the values family too).
struct GeneralFamily {
    static constexpr bool general = true;
    template <class T>
    static std::size_t scratch_bytes(std::int32_t n) {
        return std::size_t(general::buffer_elements(n, 3)) * sizeof(T);
    }
};

struct GenValues : GeneralFamily {
    static constexpr int destinations = 0;
    template <bool Array, Layout L>
    using checks = values_checks<Array, L>;
    static std::int64_t estimate(std::int32_t n, std::int32_t count) {
        return std::int64_t(n) * (std::int64_t(n) + 1) * count;
    }
    template <class T, Layout L>
    static std::int32_t threshold(bool) { return 10001; }

    template <class T, class J>
    static rukStatus one(const J& job, std::int32_t k) {
        const std::ptrdiff_t off = std::ptrdiff_t(k) * job.n;
        return general::values<T>(job.a.view(k), general::first_element<T>(job.buf), job.v1 + off, job.v2 + off,
                                  job.n);
    }
};

template <int Side>
struct GenVectors : GeneralFamily {
    static constexpr int destinations = Side == general::kBoth ? 2 : 1;
    template <bool Array, Layout L>
    using checks = vectors_checks<Array, L, destinations>;
    static std::int64_t estimate(std::int32_t n, std::int32_t count) {
        return std::int64_t(n) * (3 * std::int64_t(n) + 1) * count;
    }
    template <class T, Layout L>
    static std::int32_t threshold(bool) { return 7001; }

    template <class T, class J>
    static rukStatus one(const J& job, std::int32_t k) {
        const std::ptrdiff_t off = std::ptrdiff_t(k) * job.n;
        return general::vectors<T, Side>(job.a.view(k), general::first_element<T>(job.buf), job.v1 + off,
                                         job.v2 + off, job.d1.view(k), job.d2.view(k), job.n);
    }
};

using RightVectors = GenVectors<general::kRight>;
using LeftVectors = GenVectors<general::kLeft>;
using BothVectors = GenVectors<general::kBoth>;

}  // namespace rukm::eigen
