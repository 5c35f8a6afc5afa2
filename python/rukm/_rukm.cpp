// Binding between numpy arrays and librukm.
//
// The Python layer hands over stacks already shaped as (N, rows, cols), (N, len) or (N,),
// of float32 or float64, whose strides the library accepts (positive multiples of the
// element size, within 32 bits) in every dimension longer than one. This file turns
// each array into the standard-layout operand of the library (base, objStride,
// rowStride, elemStride), calls the array export, and reshapes results where numpy's
// conventions differ from the library's (ascending eigenvalues, plain Cholesky factor,
// explicit Q and R, complex eigenvectors). Every function returns (status, index): the
// library status and the first object that failed, or (0, -1).
#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdint>
#include <cstring>
#include <type_traits>
#include <utility>
#include <vector>

#include <rukm.h>

namespace py = pybind11;
using i32 = int32_t;
using i64 = int64_t;

namespace {

// Objects per library call: keeps every work estimate of the library inside 32 bits.
constexpr i64 kChunk = i64(1) << 20;
// Objects per call where the binding passes over the results again or keeps them in a
// temporary: few enough to stay in the caches, enough for the library's threads.
constexpr i64 kCached = 4096;

// Export table, one entry per family and form, for each element type.
#define RUKM_TYPED(X)                                                                        \
    X(Mul_mama) X(Mul_mata) X(Mul_tama) X(Mul_tata) X(Mul_mam) X(Mul_mat) X(Mul_tam)          \
    X(Mul_tat) X(Mul_mma) X(Mul_mta) X(Mul_tma) X(Mul_tta) X(Mul_mava) X(Mul_tava) X(Mul_mav) \
    X(Mul_tav) X(Mul_mva) X(Mul_tva) X(Det_ma) X(Trace_ma) X(FrobNorm_ma) X(L2Norm_va)        \
    X(DotProduct_vava) X(DotProduct_vav) X(CrossProduct_vava) X(CrossProduct_vav)             \
    X(CrossProduct_vva) X(Invert_ma) X(LUDecomp_ma) X(LUBackSubst_mava) X(LUBackSubst_mva)   \
    X(CholeskyDecomp_ma) X(QRDecomp_ma) X(EigenValuesSym_ma) X(EigenValuesVectorsSym_ma)      \
    X(EigenValues_ma) X(EigenValuesVectorsRight_ma) X(EigenValuesGetBufSize)                  \
    X(EigenValuesVectorsGetBufSize)

template <class T>
struct Lib;
#define RUKM_AS_32F(name) static constexpr auto name = rukm##name##_32f;
#define RUKM_AS_64F(name) static constexpr auto name = rukm##name##_64f;
template <>
struct Lib<float> {
    RUKM_TYPED(RUKM_AS_32F)
};
template <>
struct Lib<double> {
    RUKM_TYPED(RUKM_AS_64F)
};

// One operand: a stack of n objects of rows x cols elements (vectors: cols = 1 and the
// element step in se; scalars: rows = cols = 1). Strides are bytes; a dimension of
// length one gets a stride the library accepts, since it is never stepped.
template <class T>
struct Op {
    char* p;
    i64 n;
    i32 rows, cols;
    i32 so, sr, se;

    T* at(i64 k, i64 i = 0, i64 j = 0) const { return reinterpret_cast<T*>(p + k * so + i * sr + j * se); }
    // The same memory read as its transpose.
    Op t() const { return Op{p, n, cols, rows, so, se, sr}; }
};

template <class T>
Op<T> operand(const py::array& a) {
    const i64 z = sizeof(T);
    const auto nd = a.ndim();
    i64 shape[3] = {1, 1, 1}, st[3] = {0, 0, 0};
    for (py::ssize_t d = 0; d < nd; ++d) {
        shape[d] = a.shape(d);
        st[d] = a.strides(d);
    }
    Op<T> o;
    o.p = static_cast<char*>(const_cast<void*>(a.data()));
    o.n = shape[0];
    if (nd == 3) {
        o.rows = i32(shape[1]);
        o.cols = i32(shape[2]);
        o.se = i32(shape[2] > 1 ? st[2] : z);
        o.sr = i32(shape[1] > 1 ? st[1] : o.cols * z);
    } else {  // (N, len) vectors and (N,) scalars: elements along se
        o.rows = i32(nd == 2 ? shape[1] : 1);
        o.cols = 1;
        o.se = i32(nd == 2 && shape[1] > 1 ? st[1] : z);
        o.sr = o.se;
    }
    o.so = i32(shape[0] > 1 ? st[0] : i64(o.rows) * o.cols * z);
    return o;
}

using Result = std::pair<rukStatus, i64>;

py::tuple result(Result r) { return py::make_tuple(r.first, r.second); }

// Runs call(first, count) over the stack in chunks. On a failed chunk the objects of the
// chunk are run one by one from its start, so that the first failing object is known.
template <class F>
Result chunked(i64 n, F&& call, i64 chunk = kChunk) {
    for (i64 s = 0; s < n; s += chunk) {
        const i32 c = i32(std::min(chunk, n - s));
        const rukStatus st = call(s, c);
        if (st == rukOk) continue;
        for (i64 k = s; k < s + c; ++k) {
            const rukStatus st1 = call(k, 1);
            if (st1 != rukOk) return {st1, k};
        }
        return {st, s};
    }
    return {rukOk, -1};
}

// Offset of object k of an operand that is either an array (one object per k) or a single
// object shared by every k.
template <class T>
T* obj(const Op<T>& o, bool array, i64 k) {
    return array ? o.at(k) : o.at(0);
}

// ---------------------------------------------------------------------------------------
// Products
// ---------------------------------------------------------------------------------------

// c = a @ b for stacks a (Na, r, k), b (Nb, k, m), c (N, r, m), Na and Nb each N or 1.
template <class T>
Result matmul(const py::array& pa, const py::array& pb, const py::array& pc) {
    using L = Lib<T>;
    constexpr i32 z = sizeof(T);
    Op<T> a = operand<T>(pa), b = operand<T>(pb), c = operand<T>(pc);
    const i64 n = c.n;
    bool aa = a.n > 1, ba = b.n > 1;
    // A destination stored by columns: form its transpose, b^T a^T, which the library
    // writes through unit element steps.
    if (c.se != z && c.sr == z) {
        std::swap(a, b);
        std::swap(aa, ba);
        a = a.t();
        b = b.t();
        c = c.t();
    }
    // An operand stored by columns is passed as the transpose of what is stored, so that
    // the kernels read it with unit element steps.
    const bool ta = a.se != z && a.sr == z, tb = b.se != z && b.sr == z;
    const Op<T> sa = ta ? a.t() : a, sb = tb ? b.t() : b;  // as stored
    const int form = ta * 2 + tb;
    py::gil_scoped_release nogil;
    return chunked(n, [&](i64 s, i32 cnt) -> rukStatus {
        const T* p1 = obj(sa, aa, s);
        const T* p2 = obj(sb, ba, s);
        T* d = c.at(s);
        if (aa && ba) {
            static constexpr decltype(L::Mul_mama) f[4] = {L::Mul_mama, L::Mul_mata, L::Mul_tama, L::Mul_tata};
            return f[form](p1, sa.so, sa.sr, sa.se, sa.cols, sa.rows, p2, sb.so, sb.sr, sb.se, sb.cols, sb.rows, d,
                           c.so, c.sr, c.se, cnt);
        }
        if (!aa && ba) {
            static constexpr decltype(L::Mul_mma) f[4] = {L::Mul_mma, L::Mul_mta, L::Mul_tma, L::Mul_tta};
            return f[form](p1, sa.sr, sa.se, sa.cols, sa.rows, p2, sb.so, sb.sr, sb.se, sb.cols, sb.rows, d, c.so,
                           c.sr, c.se, cnt);
        }
        static constexpr decltype(L::Mul_mam) f[4] = {L::Mul_mam, L::Mul_mat, L::Mul_tam, L::Mul_tat};
        return f[form](p1, sa.so, sa.sr, sa.se, sa.cols, sa.rows, p2, sb.sr, sb.se, sb.cols, sb.rows, d, c.so, c.sr,
                       c.se, cnt);
    });
}

// y = a @ x for stacks a (Na, r, k), x (Nx, k), y (N, r).
template <class T>
Result matvec(const py::array& pa, const py::array& px, const py::array& py_) {
    using L = Lib<T>;
    constexpr i32 z = sizeof(T);
    const Op<T> a = operand<T>(pa), x = operand<T>(px), y = operand<T>(py_);
    const bool aa = a.n > 1, xa = x.n > 1;
    const bool ta = a.se != z && a.sr == z;
    const Op<T> sa = ta ? a.t() : a;
    py::gil_scoped_release nogil;
    return chunked(y.n, [&](i64 s, i32 cnt) -> rukStatus {
        const T* p1 = obj(sa, aa, s);
        const T* p2 = obj(x, xa, s);
        T* d = y.at(s);
        if (aa && xa)
            return (ta ? L::Mul_tava : L::Mul_mava)(p1, sa.so, sa.sr, sa.se, sa.cols, sa.rows, p2, x.so, x.se,
                                                    x.rows, d, y.so, y.se, cnt);
        if (!aa && xa)
            return (ta ? L::Mul_tva : L::Mul_mva)(p1, sa.sr, sa.se, sa.cols, sa.rows, p2, x.so, x.se, x.rows, d,
                                                  y.so, y.se, cnt);
        return (ta ? L::Mul_tav : L::Mul_mav)(p1, sa.so, sa.sr, sa.se, sa.cols, sa.rows, p2, x.se, x.rows, d, y.so,
                                              y.se, cnt);
    });
}

// Three-dimensional points (N, 3) through one 4x4 homogeneous matrix; 32f only.
Result transform_points(const py::array& pm, const py::array& pp, const py::array& pd) {
    const Op<float> m = operand<float>(pm), p = operand<float>(pp), d = operand<float>(pd);
    py::gil_scoped_release nogil;
    return chunked(p.n, [&](i64 s, i32 cnt) {
        return rukmAffineTransform3DH_mva_32f(m.at(0), m.sr, m.se, p.at(s), p.so, p.se, d.at(s), d.so, d.se, cnt);
    });
}

// ---------------------------------------------------------------------------------------
// Vector algebra
// ---------------------------------------------------------------------------------------

template <class T>
Result dot(const py::array& pa, const py::array& pb, const py::array& pd) {
    using L = Lib<T>;
    Op<T> a = operand<T>(pa), b = operand<T>(pb);
    const Op<T> d = operand<T>(pd);
    if (a.n == 1 && b.n > 1) std::swap(a, b);  // the single vector goes second
    const bool ba = b.n > 1;
    py::gil_scoped_release nogil;
    return chunked(d.n, [&](i64 s, i32 cnt) {
        if (ba) return L::DotProduct_vava(a.at(s), a.so, a.se, b.at(s), b.so, b.se, d.at(s), a.rows, cnt);
        return L::DotProduct_vav(a.at(s), a.so, a.se, b.at(0), b.se, d.at(s), a.rows, cnt);
    });
}

template <class T>
Result cross(const py::array& pa, const py::array& pb, const py::array& pd) {
    using L = Lib<T>;
    const Op<T> a = operand<T>(pa), b = operand<T>(pb), d = operand<T>(pd);
    const bool aa = a.n > 1, ba = b.n > 1;
    py::gil_scoped_release nogil;
    return chunked(d.n, [&](i64 s, i32 cnt) {
        if (aa && ba) return L::CrossProduct_vava(a.at(s), a.so, a.se, b.at(s), b.so, b.se, d.at(s), d.so, d.se, cnt);
        if (ba) return L::CrossProduct_vva(a.at(0), a.se, b.at(s), b.so, b.se, d.at(s), d.so, d.se, cnt);
        return L::CrossProduct_vav(a.at(s), a.so, a.se, b.at(0), b.se, d.at(s), d.so, d.se, cnt);
    });
}

// ---------------------------------------------------------------------------------------
// Matrix functions
// ---------------------------------------------------------------------------------------

// A function of one stack a into one stack d: call(a, d, scratch, first, count) for each
// run of objects, with scratch of order x order + order elements (determinant, inverse).
template <class T, class F>
Result unary(const py::array& pa, const py::array& pd, F&& call) {
    const Op<T> a = operand<T>(pa), d = operand<T>(pd);
    std::vector<T> buf(size_t(a.rows) * a.rows + a.rows);
    py::gil_scoped_release nogil;
    return chunked(d.n, [&](i64 s, i32 cnt) { return call(a, d, buf.data(), s, cnt); });
}

template <class T>
Result vector_norm(const py::array& pa, const py::array& pd) {
    return unary<T>(pa, pd, [](const Op<T>& a, const Op<T>& d, T*, i64 s, i32 cnt) {
        return Lib<T>::L2Norm_va(a.at(s), a.so, a.se, d.at(s), a.rows, cnt);
    });
}

template <class T>
Result matrix_norm(const py::array& pa, const py::array& pd) {
    return unary<T>(pa, pd, [](const Op<T>& a, const Op<T>& d, T*, i64 s, i32 cnt) {
        return Lib<T>::FrobNorm_ma(a.at(s), a.so, a.sr, a.se, a.cols, a.rows, d.at(s), cnt);
    });
}

template <class T>
Result trace(const py::array& pa, const py::array& pd) {
    return unary<T>(pa, pd, [](const Op<T>& a, const Op<T>& d, T*, i64 s, i32 cnt) {
        return Lib<T>::Trace_ma(a.at(s), a.so, a.sr, a.se, a.rows, d.at(s), cnt);
    });
}

template <class T>
Result det(const py::array& pa, const py::array& pd) {
    return unary<T>(pa, pd, [](const Op<T>& a, const Op<T>& d, T* buf, i64 s, i32 cnt) {
        return Lib<T>::Det_ma(a.at(s), a.so, a.sr, a.se, a.rows, buf, d.at(s), cnt);
    });
}

template <class T>
Result inv(const py::array& pa, const py::array& pd) {
    return unary<T>(pa, pd, [](const Op<T>& a, const Op<T>& d, T* buf, i64 s, i32 cnt) {
        return Lib<T>::Invert_ma(a.at(s), a.so, a.sr, a.se, buf, d.at(s), d.so, d.sr, d.se, a.rows, cnt);
    });
}

// Lower Cholesky factor with zeros above the diagonal. The library stores the reciprocal
// of the diagonal and leaves the upper triangle alone; both are put right here.
template <class T>
Result cholesky(const py::array& pa, const py::array& pd) {
    const Op<T> a = operand<T>(pa), d = operand<T>(pd);
    const i32 n = a.rows;
    py::gil_scoped_release nogil;
    return chunked(d.n, [&](i64 s, i32 cnt) {
        const rukStatus st =
            Lib<T>::CholeskyDecomp_ma(a.at(s), a.so, a.sr, a.se, d.at(s), d.so, d.sr, d.se, n, cnt);
        if (st != rukOk) return st;
        if (d.se == i32(sizeof(T))) {  // packed rows: plain stores (no library call per row)
            for (i64 k = s; k < s + cnt; ++k)
                for (i32 i = 0; i < n; ++i) {
                    T* row = d.at(k, i);
                    row[i] = T(1) / row[i];
                    for (i32 j = i + 1; j < n; ++j) row[j] = T(0);
                }
            return st;
        }
        for (i64 k = s; k < s + cnt; ++k)
            for (i32 i = 0; i < n; ++i) {
                T* diag = d.at(k, i, i);
                *diag = T(1) / *diag;
                for (i32 j = i + 1; j < n; ++j) *d.at(k, i, j) = T(0);
            }
        return st;
    }, kCached);
}

// x = a^-1 b for a (Na, n, n) and right-hand sides b (N, n, m) (vectors: m = 1), through an
// LU factorization of every matrix of a, kCached matrices at a time into a packed temporary.
template <class T>
Result solve(const py::array& pa, const py::array& pb, const py::array& px) {
    using L = Lib<T>;
    constexpr i32 z = sizeof(T);
    const Op<T> a = operand<T>(pa), b = operand<T>(pb), x = operand<T>(px);
    const i32 n = a.rows, m = b.cols;
    const bool arr = a.n > 1;
    const i64 cap = std::min(kCached, a.n);
    std::vector<T> lu(size_t(cap) * n * n);
    std::vector<i32> piv(size_t(cap) * n);
    const Op<T> f{reinterpret_cast<char*>(lu.data()), cap, n, n, n * n * z, n * z, z};
    py::gil_scoped_release nogil;
    auto factor = [&](i64 s, i32 cnt) {  // objects s .. s + cnt of a into f from its start
        return L::LUDecomp_ma(a.at(s), a.so, a.sr, a.se, piv.data(), f.at(0), f.so, f.sr, f.se, n, cnt);
    };
    // Each column of b is a stack of vectors: element step sr, object step so.
    auto substitute = [&](i64 s, i32 cnt) {
        for (i32 j = 0; j < m; ++j) {
            const rukStatus st =
                arr ? L::LUBackSubst_mava(f.at(0), f.so, f.sr, f.se, piv.data(), b.at(s, 0, j), b.so, b.sr,
                                          x.at(s, 0, j), x.so, x.sr, n, cnt)
                    : L::LUBackSubst_mva(f.at(0), f.sr, f.se, piv.data(), b.at(s, 0, j), b.so, b.sr, x.at(s, 0, j),
                                         x.so, x.sr, n, cnt);
            if (st != rukOk) return st;
        }
        return rukStatus(rukOk);
    };
    if (!arr) {
        const rukStatus st = factor(0, 1);
        if (st != rukOk) return {st, 0};
        return chunked(x.n, substitute);
    }
    return chunked(a.n, [&](i64 s, i32 cnt) {
        const rukStatus st = factor(s, cnt);
        return st != rukOk ? st : substitute(s, cnt);
    }, kCached);
}

// Q and R of a (N, rows, cols), rows >= cols, from the library's packed Householder form,
// made kCached matrices at a time in a temporary. q is (N, rows, qc) with qc = cols or rows (complete), r is
// (N, rr, cols) with rr = cols or rows; both packed. q may be empty (mode "r").
template <class T>
Result qr(const py::array& pa, const py::array& pq, const py::array& pr) {
    constexpr i32 z = sizeof(T);
    const Op<T> a = operand<T>(pa);
    const i32 rows = a.rows, cols = a.cols;
    const i64 cap = std::min(kCached, a.n);
    std::vector<T> packed(size_t(cap) * rows * cols);
    const Op<T> w{reinterpret_cast<char*>(packed.data()), cap, rows, cols, rows * cols * z, cols * z, z};
    const bool want_q = pq.size() > 0;
    const i64 qc = want_q ? pq.shape(2) : 0, rr = pr.shape(1);
    T* q = static_cast<T*>(const_cast<void*>(pq.data()));
    T* r = static_cast<T*>(const_cast<void*>(pr.data()));
    std::vector<T> buf(rows), v(rows), t(want_q ? qc : 0);
    const i32 refl = cols == rows ? cols - 1 : cols;
    py::gil_scoped_release nogil;
    return chunked(a.n, [&](i64 s, i32 cnt) {
        const rukStatus st = Lib<T>::QRDecomp_ma(a.at(s), a.so, a.sr, a.se, buf.data(), w.at(0), w.so, w.sr, w.se,
                                                 cols, rows, cnt);
        if (st != rukOk) return st;
        for (i64 k = s; k < s + cnt; ++k) {
            const T* f = w.at(k - s);  // packed rows x cols
            T* rk = r + k * rr * cols;
            for (i64 i = 0; i < rr; ++i)
                for (i32 j = 0; j < cols; ++j) rk[i * cols + j] = i <= j ? f[i * cols + j] : T(0);
            if (!want_q) continue;
            T* qk = q + k * rows * qc;
            for (i32 i = 0; i < rows; ++i)
                for (i64 j = 0; j < qc; ++j) qk[i * qc + j] = T(i == j);
            // Q = H(0) ... H(refl-1) applied to the identity, last reflector first. H(c) acts
            // on rows c and below, where the columns left of c are still zero: it changes
            // columns c and right only. Row by row, so that the columns run packed.
            for (i32 c = refl - 1; c >= 0; --c) {
                v[c] = 1;
                T sq = 1;
                for (i32 i = c + 1; i < rows; ++i) {
                    v[i] = f[i * cols + c];
                    sq += v[i] * v[i];
                }
                const T beta = T(-2) / sq;
                T* __restrict col = t.data();
                const T* __restrict vi = v.data();
                T* __restrict qq = qk;
                for (i64 j = c; j < qc; ++j) col[j] = qq[c * qc + j];
                for (i32 i = c + 1; i < rows; ++i)
                    for (i64 j = c; j < qc; ++j) col[j] += vi[i] * qq[i * qc + j];
                for (i64 j = c; j < qc; ++j) col[j] *= beta;
                for (i32 i = c; i < rows; ++i)
                    for (i64 j = c; j < qc; ++j) qq[i * qc + j] += vi[i] * col[j];
            }
        }
        return st;
    }, kCached);
}

// ---------------------------------------------------------------------------------------
// Eigen problems
// ---------------------------------------------------------------------------------------

// Objects per call of the symmetric solvers: a matrix reported singular (a negligible
// eigenvalue product, which numpy does not treat as an error) sends its chunk through
// the one-object path, so chunks stay short.
constexpr i64 kSymChunk = kCached;

// Symmetric eigenvalues in ascending order (vals (N, n), packed), with eigenvectors in the
// columns of v when v is not empty.
template <class T>
Result eigh(const py::array& pa, const py::array& pvals, const py::array& pv) {
    using L = Lib<T>;
    const Op<T> a = operand<T>(pa);
    const bool vectors = pv.size() > 0;
    const Op<T> v = vectors ? operand<T>(pv) : Op<T>{};
    T* vals = static_cast<T*>(const_cast<void*>(pvals.data()));
    const i32 n = a.rows;
    std::vector<T> buf(size_t(n) * n);
    auto call = [&](const T* src, i32 so, i32 sr, i32 se, i64 k, i32 cnt) {
        return vectors ? L::EigenValuesVectorsSym_ma(src, so, sr, se, buf.data(), v.at(k), v.so, v.sr, v.se,
                                                     vals + k * n, n, cnt)
                       : L::EigenValuesSym_ma(src, so, sr, se, buf.data(), vals + k * n, n, cnt);
    };
    // The library's order to ascending: orders 3 and up come sorted descending, order 2
    // with the value of larger magnitude first. Columns move with their values.
    auto reverse = [&](i64 k) {
        T* w = vals + k * n;
        if (n == 2 && !(w[0] > w[1])) return;
        std::reverse(w, w + n);
        if (vectors)
            for (i32 j = 0; j < n / 2; ++j)
                for (i32 i = 0; i < n; ++i) std::swap(*v.at(k, i, j), *v.at(k, i, n - 1 - j));
    };
    // One matrix whose eigenvalue product is negligible. Orders 3 and up have written their
    // results (values unsorted when no vectors are asked for); order 2 has written nothing
    // and is solved for a + s I, whose eigenvalues are at least 1, then shifted back.
    auto singular = [&](i64 k) -> rukStatus {
        if (n == 2) {
            const T a00 = *a.at(k, 0, 0), a01 = *a.at(k, 0, 1), a11 = *a.at(k, 1, 1);
            const T shift = std::abs(a00) + std::abs(a11) + 2 * std::abs(a01) + 1;
            const T m[4] = {a00 + shift, a01, a01, a11 + shift};
            const rukStatus st = call(m, 4 * sizeof(T), 2 * sizeof(T), sizeof(T), k, 1);
            if (st != rukOk) return st;
            vals[k * n] -= shift;
            vals[k * n + 1] -= shift;
        }
        if (vectors || n == 2)
            reverse(k);
        else
            std::sort(vals + k * n, vals + k * n + n);
        return rukOk;
    };
    py::gil_scoped_release nogil;
    for (i64 s = 0; s < a.n; s += kSymChunk) {
        const i32 cnt = i32(std::min(kSymChunk, a.n - s));
        if (call(a.at(s), a.so, a.sr, a.se, s, cnt) == rukOk) {
            for (i64 k = s; k < s + cnt; ++k) reverse(k);
            continue;
        }
        for (i64 k = s; k < s + cnt; ++k) {
            rukStatus st = call(a.at(k), a.so, a.sr, a.se, k, 1);
            if (st == rukErrSingular) st = singular(k);
            else if (st == rukOk) reverse(k);
            if (st != rukOk) return {st, k};
        }
    }
    return {rukOk, -1};
}

// General eigenvalues (re, im: (N, n), packed) and, when vr is not empty, right
// eigenvectors in the library's real form (vr (N, n, n)).
template <class T>
Result eig(const py::array& pa, const py::array& pre, const py::array& pim, const py::array& pvr) {
    using L = Lib<T>;
    const Op<T> a = operand<T>(pa);
    const bool vectors = pvr.size() > 0;
    const Op<T> vr = vectors ? operand<T>(pvr) : Op<T>{};
    T* re = static_cast<T*>(const_cast<void*>(pre.data()));
    T* im = static_cast<T*>(const_cast<void*>(pim.data()));
    const i32 n = a.rows;
    i32 bytes = 0;
    (vectors ? L::EigenValuesVectorsGetBufSize : L::EigenValuesGetBufSize)(n, &bytes);
    std::vector<uint8_t> buf(size_t(bytes) + 64);
    uint8_t* b = buf.data() + (64 - reinterpret_cast<uintptr_t>(buf.data()) % 64) % 64;
    py::gil_scoped_release nogil;
    return chunked(a.n, [&](i64 s, i32 cnt) {
        if (vectors)
            return L::EigenValuesVectorsRight_ma(a.at(s), a.so, a.sr, a.se, vr.at(s), vr.so, vr.sr, vr.se, re + s * n,
                                                 im + s * n, n, cnt, b);
        return L::EigenValues_ma(a.at(s), a.so, a.sr, a.se, re + s * n, im + s * n, n, cnt, b);
    });
}

// Complex eigenvectors from the real form: for a pair at j, j+1 (positive imaginary part
// first) column j holds the real and column j+1 the imaginary part of the vector of
// eigenvalue j; the vector of j+1 is its conjugate. All arrays packed.
template <class T>
void eig_complex(const py::array& pre, const py::array& pim, const py::array& pvr, const py::array& pw,
                 const py::array& pv) {
    using C = std::complex<T>;
    const T* re = static_cast<const T*>(pre.data());
    const T* im = static_cast<const T*>(pim.data());
    const T* vr = static_cast<const T*>(pvr.data());
    C* w = static_cast<C*>(const_cast<void*>(pw.data()));
    C* v = static_cast<C*>(const_cast<void*>(pv.data()));
    const i64 count = pre.shape(0), n = pre.shape(1);
    py::gil_scoped_release nogil;
    for (i64 k = 0; k < count; ++k) {
        const T *rk = re + k * n, *ik = im + k * n, *x = vr + k * n * n;
        C *wk = w + k * n, *y = v + k * n * n;
        for (i64 j = 0; j < n; ++j) {
            wk[j] = C(rk[j], ik[j]);
            if (ik[j] != T(0) && j + 1 < n) {
                wk[j + 1] = C(rk[j + 1], ik[j + 1]);
                for (i64 i = 0; i < n; ++i) {
                    y[i * n + j] = C(x[i * n + j], x[i * n + j + 1]);
                    y[i * n + j + 1] = C(x[i * n + j], -x[i * n + j + 1]);
                }
                ++j;
            } else {
                for (i64 i = 0; i < n; ++i) y[i * n + j] = C(x[i * n + j], 0);
            }
        }
    }
}

// Dispatch on the element type of the first array.
template <template <class> class F, class... A>
auto typed(const py::array& first, const A&... rest) {
    if (py::isinstance<py::array_t<float>>(first)) return F<float>::run(first, rest...);
    return F<double>::run(first, rest...);
}

#define RUKM_BIND(name)                                                            \
    template <class T>                                                             \
    struct name##_f {                                                              \
        template <class... A>                                                      \
        static py::tuple run(const A&... a) { return result(name<T>(a...)); }      \
    };
RUKM_BIND(matmul)
RUKM_BIND(matvec)
RUKM_BIND(dot)
RUKM_BIND(cross)
RUKM_BIND(vector_norm)
RUKM_BIND(matrix_norm)
RUKM_BIND(trace)
RUKM_BIND(det)
RUKM_BIND(inv)
RUKM_BIND(cholesky)
RUKM_BIND(solve)
RUKM_BIND(qr)
RUKM_BIND(eigh)
RUKM_BIND(eig)

template <class T>
struct eig_complex_f {
    template <class... A>
    static py::none run(const A&... a) {
        eig_complex<T>(a...);
        return py::none();
    }
};

}  // namespace

PYBIND11_MODULE(_rukm, m) {
    m.doc() = "librukm calls on numpy stacks (internal; use the rukm package)";
    using A = const py::array&;
    m.def("matmul", [](A a, A b, A c) { return typed<matmul_f>(a, b, c); });
    m.def("matvec", [](A a, A x, A y) { return typed<matvec_f>(a, x, y); });
    m.def("dot", [](A a, A b, A d) { return typed<dot_f>(a, b, d); });
    m.def("cross", [](A a, A b, A d) { return typed<cross_f>(a, b, d); });
    m.def("vector_norm", [](A a, A d) { return typed<vector_norm_f>(a, d); });
    m.def("matrix_norm", [](A a, A d) { return typed<matrix_norm_f>(a, d); });
    m.def("trace", [](A a, A d) { return typed<trace_f>(a, d); });
    m.def("det", [](A a, A d) { return typed<det_f>(a, d); });
    m.def("inv", [](A a, A d) { return typed<inv_f>(a, d); });
    m.def("cholesky", [](A a, A d) { return typed<cholesky_f>(a, d); });
    m.def("solve", [](A a, A b, A x) { return typed<solve_f>(a, b, x); });
    m.def("qr", [](A a, A q, A r) { return typed<qr_f>(a, q, r); });
    m.def("eigh", [](A a, A w, A v) { return typed<eigh_f>(a, w, v); });
    m.def("eig", [](A a, A re, A im, A vr) { return typed<eig_f>(a, re, im, vr); });
    m.def("eig_complex", [](A re, A im, A vr, A w, A v) { return typed<eig_complex_f>(re, im, vr, w, v); });
    m.def("transform_points", [](A mat, A p, A d) { return result(transform_points(mat, p, d)); });
    m.def("set_num_threads", [](int n) { return rukSetNumThreads(n); });
    m.def("get_num_threads", []() {
        int32_t n = 0;
        rukGetNumThreads(&n);
        return n;
    });
    m.def("version", []() {
        const rukLibraryVersion* v = rukmGetLibVersion();
        return py::make_tuple(v->major, v->minor, v->buildMajor, v->build, std::string(v->versionText));
    });
}
