// Eigenvalues and eigenvectors over arrays of small matrices, each against Eigen's fixed-size
// solvers and LAPACKE over OpenBLAS (where it is installed), all on one thread:
//
//   EigenValuesSym_ma            values of symmetric matrices      SelfAdjointEigenSolver (iterative,
//                                                                  and at order 3 its closed form
//                                                                  computeDirect: eigen_dir), syev 'N'
//   EigenValuesVectorsSym_ma     the same with the eigenvectors    the same with vectors, syev 'V'
//   EigenValues_ma               values of general matrices        EigenSolver without vectors, geev
//   EigenValuesVectorsRight_ma   with the right eigenvectors       EigenSolver, geev (right)
//   EigenValuesVectors_ma        with the right and left ones      geev (left and right); Eigen
//                                                                  computes no left eigenvectors
//
// Orders 3, 4 and 6, 32f and 64f, 1,000 matrices (in the caches) and 100,000 (past L2; the
// work is arithmetic, so these groups have no triad). The library's operands are packed
// row-major matrices in the standard layout with packed values; the general families get the
// work buffer of the size query. Each peer gets the same matrices copied into its storage
// order before the timing (eigen_eigen.hpp, lapack_eigen.cpp); Eigen's peers are built in
// both orders and the faster is timed (the case's label names it).
//
// Data: symmetric matrices have their upper triangle uniform in [-1, 1] (mirrored below);
// a matrix whose determinant is under 1e-3 in magnitude is drawn again, since a negligible
// eigenvalue product is the library's singular status, which stops an array at that matrix.
// General matrices are uniform in [-1, 1], so most of them have complex pairs.
//
// Checks after the timed loop, on a spread of matrices, against long-double references:
// symmetric eigenvalues (sorted) against cyclic Jacobi; general eigenvalues through the
// coefficients of the polynomial with those roots against the characteristic polynomial
// (Faddeev-LeVerrier); every eigenvector by its residual ||A v - lambda v|| (the left ones
// with the transpose and the conjugate value), symmetric ones also by their unit norm. The
// bounds are multiples of the rounding error of a backward-stable solver, so a case with
// wrong results cannot report a time.
#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "harness.hpp"
#include "peers.hpp"
#include "rukm.h"

namespace {

using namespace rukbench;
using peers::Spectrum;

template <class T>
struct Exports;
#define RUKBENCH_EIGEN_API(T, t)                                                   \
    template <>                                                                    \
    struct Exports<T> {                                                            \
        static constexpr auto sym_values = &rukmEigenValuesSym_ma_##t;             \
        static constexpr auto sym_vectors = &rukmEigenValuesVectorsSym_ma_##t;     \
        static constexpr auto values = &rukmEigenValues_ma_##t;                    \
        static constexpr auto right = &rukmEigenValuesVectorsRight_ma_##t;         \
        static constexpr auto both = &rukmEigenValuesVectors_ma_##t;               \
        static constexpr auto values_size = &rukmEigenValuesGetBufSize_##t;        \
        static constexpr auto vectors_size = &rukmEigenValuesVectorsGetBufSize_##t; \
    };
RUKBENCH_EIGEN_API(float, 32f)
RUKBENCH_EIGEN_API(double, 64f)
#undef RUKBENCH_EIGEN_API

bool symmetric(Spectrum s) { return s == Spectrum::SymValues || s == Spectrum::SymVectors; }
bool with_vectors(Spectrum s) { return s != Spectrum::SymValues && s != Spectrum::Values; }

// librukm behind the peers' interface: packed row-major matrices in the standard layout.
template <class T>
class RukmEigen final : public peers::ArrayEigen<T> {
    using E = Exports<T>;
    static constexpr T kNaN = std::numeric_limits<T>::quiet_NaN();

public:
    RukmEigen(Spectrum s, int order, const T* a, std::int64_t count)
        : s_(s), n_(order), size_(order * order), count_(static_cast<std::int32_t>(count)),
          src_(a, a + count * size_), re_(static_cast<std::size_t>(count) * order, kNaN),
          im_(symmetric(s) ? 0 : re_.size(), kNaN), right_(with_vectors(s) ? src_.size() : 0, kNaN),
          left_(s == Spectrum::BothVectors ? src_.size() : 0, kNaN) {
        std::int32_t bytes = size_ * static_cast<std::int32_t>(sizeof(T));
        if (s == Spectrum::Values) E::values_size(order, &bytes);
        else if (!symmetric(s)) E::vectors_size(order, &bytes);
        buffer_.resize(static_cast<std::size_t>(bytes));
    }

    bool run() override {
        const std::int32_t os = size_ * es, rs = n_ * es;
        T* const work = reinterpret_cast<T*>(buffer_.data());
        rukStatus st = rukErrNullPtr;
        switch (s_) {
        case Spectrum::SymValues: st = E::sym_values(src_.data(), os, rs, es, work, re_.data(), n_, count_); break;
        case Spectrum::SymVectors:
            st = E::sym_vectors(src_.data(), os, rs, es, work, right_.data(), os, rs, es, re_.data(), n_, count_);
            break;
        case Spectrum::Values:
            st = E::values(src_.data(), os, rs, es, re_.data(), im_.data(), n_, count_, buffer_.data());
            break;
        case Spectrum::RightVectors:
            st = E::right(src_.data(), os, rs, es, right_.data(), os, rs, es, re_.data(), im_.data(), n_, count_,
                          buffer_.data());
            break;
        case Spectrum::BothVectors:
            st = E::both(src_.data(), os, rs, es, right_.data(), os, rs, es, left_.data(), os, rs, es, re_.data(),
                         im_.data(), n_, count_, buffer_.data());
            break;
        }
        return st == rukOk;
    }

    void values(std::int64_t k, T* re, T* im) const override {
        std::copy_n(re_.data() + k * n_, n_, re);
        if (im_.empty()) std::fill_n(im, n_, T(0));
        else std::copy_n(im_.data() + k * n_, n_, im);
    }
    void right(std::int64_t k, T* v) const override { std::copy_n(right_.data() + k * size_, size_, v); }
    void left(std::int64_t k, T* v) const override { std::copy_n(left_.data() + k * size_, size_, v); }

private:
    static constexpr std::int32_t es = sizeof(T);

    Spectrum s_;
    std::int32_t n_, size_, count_;
    peers::Storage<T> src_, re_, im_, right_, left_;
    peers::Storage<std::uint8_t> buffer_;
};

struct Operation {
    const char* name;
    Spectrum spectrum;
};

constexpr Operation kOperations[] = {
    {"EigenValuesSym_ma", Spectrum::SymValues},
    {"EigenValuesVectorsSym_ma", Spectrum::SymVectors},
    {"EigenValues_ma", Spectrum::Values},
    {"EigenValuesVectorsRight_ma", Spectrum::RightVectors},
    {"EigenValuesVectors_ma", Spectrum::BothVectors},
};

using LD = long double;
using Complex = std::complex<LD>;

// The determinant by elimination with partial pivoting.
template <class T>
LD determinant(const T* a, int n) {
    std::vector<LD> m(a, a + n * n);
    LD det = 1;
    for (int k = 0; k < n; ++k) {
        int p = k;
        for (int i = k + 1; i < n; ++i)
            if (std::fabs(m[i * n + k]) > std::fabs(m[p * n + k])) p = i;
        if (m[p * n + k] == 0) return 0;
        if (p != k) {
            for (int j = 0; j < n; ++j) std::swap(m[k * n + j], m[p * n + j]);
            det = -det;
        }
        det *= m[k * n + k];
        for (int i = k + 1; i < n; ++i) {
            const LD f = m[i * n + k] / m[k * n + k];
            for (int j = k; j < n; ++j) m[i * n + j] -= f * m[k * n + j];
        }
    }
    return det;
}

// The vectors family skips a reduction step whose reflector would be within epsilon of the
// identity (|alpha - x0| <= epsilon), even when the column below the subdiagonal is not zero:
// about one 32f 3x3 matrix in five thousand (a tiny a(2,0) beside a larger a(1,0)) then comes
// out with that element left in place, which the residual checks rightly reject. Such
// matrices are drawn again, for every implementation alike, as the singular ones are.
template <class T>
bool reduction_skips_first_column(const T* m, int n) {
    T sigma = 0;
    for (int i = 1; i < n; ++i) sigma = sigma + m[i * n] * m[i * n];
    const T alpha = static_cast<T>(std::sqrt(static_cast<double>(sigma))), x0 = m[n];
    return sigma > x0 * x0 && std::fabs(alpha - x0) <= std::numeric_limits<T>::epsilon();
}

template <class T>
void fill_matrices(bool sym, int n, std::int64_t count, T* a) {
    const std::int64_t size = static_cast<std::int64_t>(n) * n;
    for (std::int64_t k = 0; k < count; ++k) {
        T* m = a + k * size;
        if (!sym) {
            for (std::int64_t e = 0; e < size; ++e) m[e] = static_cast<T>(uniform(k * size + e, 20));
            continue;
        }
        for (std::uint64_t draw = 0;; ++draw) {
            for (int i = 0; i < n; ++i)
                for (int j = i; j < n; ++j) m[i * n + j] = m[j * n + i] = static_cast<T>(uniform(k * size + i * n + j, 21 + draw));
            if (std::fabs(determinant(m, n)) >= 1e-3L && !reduction_skips_first_column(m, n)) break;
        }
    }
}

template <class T>
LD frobenius(const T* a, int n) {
    LD s = 0;
    for (int e = 0; e < n * n; ++e) s += static_cast<LD>(a[e]) * a[e];
    return std::sqrt(s);
}

// The eigenvalues of a symmetric matrix, ascending, by cyclic Jacobi rotations.
template <class T>
std::vector<LD> jacobi_values(const T* a, int n) {
    std::vector<LD> m(a, a + n * n);
    auto at = [&](int i, int j) -> LD& { return m[i * n + j]; };
    const LD total = frobenius(a, n) * frobenius(a, n);
    for (int sweep = 0; sweep < 100; ++sweep) {
        LD off = 0;
        for (int p = 0; p < n; ++p)
            for (int q = p + 1; q < n; ++q) off += at(p, q) * at(p, q);
        if (off <= 1e-40L * total) break;
        for (int p = 0; p < n; ++p)
            for (int q = p + 1; q < n; ++q) {
                if (at(p, q) == 0) continue;
                const LD theta = (at(q, q) - at(p, p)) / (2 * at(p, q));
                const LD t = (theta >= 0 ? 1 : -1) / (std::fabs(theta) + std::sqrt(theta * theta + 1));
                const LD c = 1 / std::sqrt(t * t + 1), s = t * c;
                for (int k = 0; k < n; ++k) {
                    const LD kp = at(k, p), kq = at(k, q);
                    at(k, p) = c * kp - s * kq;
                    at(k, q) = s * kp + c * kq;
                }
                for (int k = 0; k < n; ++k) {
                    const LD pk = at(p, k), qk = at(q, k);
                    at(p, k) = c * pk - s * qk;
                    at(q, k) = s * pk + c * qk;
                }
            }
    }
    std::vector<LD> d(n);
    for (int i = 0; i < n; ++i) d[i] = at(i, i);
    std::sort(d.begin(), d.end());
    return d;
}

// The coefficients of det(x I - A), lowest degree first, by Faddeev-LeVerrier.
template <class T>
std::vector<LD> characteristic(const T* a, int n) {
    std::vector<LD> c(n + 1, 0), m(n * n, 0), am(n * n, 0);
    c[n] = 1;
    for (int k = 1; k <= n; ++k) {
        m = am;
        for (int i = 0; i < n; ++i) m[i * n + i] += c[n - k + 1];
        LD trace = 0;
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j) {
                LD s = 0;
                for (int q = 0; q < n; ++q) s += static_cast<LD>(a[i * n + q]) * m[q * n + j];
                am[i * n + j] = s;
                if (i == j) trace += s;
            }
        c[n - k] = -trace / k;
    }
    return c;
}

template <class T>
constexpr LD kEps = std::numeric_limits<T>::epsilon();

// Eigenvalues re + i im of matrix a (of order n).
template <class T>
bool values_ok(const T* a, int n, bool sym, const T* re, const T* im) {
    const LD scale = std::max<LD>(1, frobenius(a, n));
    if (sym) {
        std::vector<LD> got(re, re + n);
        std::sort(got.begin(), got.end());
        const std::vector<LD> ref = jacobi_values(a, n);
        for (int i = 0; i < n; ++i)
            if (!(im[i] == 0 && std::fabs(got[i] - ref[i]) <= 64 * n * kEps<T> * scale)) return false;
        return true;
    }
    // The polynomial with these roots against the characteristic one, coefficient by
    // coefficient: the one of degree n - k is a sum of binom(n, k) products of k eigenvalues.
    std::vector<Complex> p(n + 1, 0);
    p[0] = 1;
    for (int i = 0; i < n; ++i) {
        const Complex lambda(re[i], im[i]);
        for (int d = i + 1; d >= 0; --d) p[d] = (d > 0 ? p[d - 1] : Complex(0)) - lambda * p[d];
    }
    const std::vector<LD> ref = characteristic(a, n);
    LD binom = 1;
    for (int k = 1; k <= n; ++k) {
        binom = binom * (n - k + 1) / k;
        const LD tol = 64 * n * kEps<T> * binom * k * std::pow(scale, static_cast<LD>(k));
        const Complex got = p[n - k];
        if (!(std::fabs(got.real() - ref[n - k]) <= tol && std::fabs(got.imag()) <= tol)) return false;
    }
    return true;
}

// Eigenvectors v (row-major, column j for eigenvalue j, complex pairs as real and imaginary
// columns) of a, or of its transpose with the conjugate values for left vectors.
template <class T>
bool vectors_ok(const T* a, int n, bool sym, bool left, const T* re, const T* im, const T* v) {
    const LD scale = std::max<LD>(1, frobenius(a, n));
    const LD tol = 64 * n * kEps<T> * scale;
    auto elem = [&](int i, int j) -> LD { return left ? a[j * n + i] : a[i * n + j]; };
    for (int j = 0; j < n; ++j) {
        const bool pair = im[j] != 0;
        if (pair && (j + 1 >= n || re[j + 1] != re[j] || im[j + 1] != -im[j])) return false;
        const Complex lambda(re[j], left ? -im[j] : im[j]);
        auto x = [&](int i) { return Complex(v[i * n + j], pair ? v[i * n + j + 1] : 0); };
        LD norm = 0, residual = 0;
        for (int i = 0; i < n; ++i) {
            Complex r = -lambda * x(i);
            for (int q = 0; q < n; ++q) r += elem(i, q) * x(q);
            residual += std::norm(r);
            norm += std::norm(x(i));
        }
        norm = std::sqrt(norm);
        if (!(norm >= 0.5L && std::sqrt(residual) <= tol * norm)) return false;
        if (sym && !(std::fabs(norm - 1) <= tol)) return false;
        if (pair) ++j;
    }
    return true;
}

struct Setup {
    Operation op;
    int order;
    std::int64_t count;
};

// An implementation of a case: its variants (Eigen's two storage orders; one for the others),
// each with the name the case's label shows when it is the one timed.
template <class T>
struct Variant {
    std::string label;
    std::unique_ptr<peers::ArrayEigen<T>> solver;
};
template <class T>
using Make = std::function<std::vector<Variant<T>>(const T* a, std::int64_t count)>;

// The implementation of the case that ran last, kept while the benchmark library calls that
// case again for its repetitions (copying 100,000 sources again would take longer than the
// timing). The faster of several variants is chosen once per operation, type, order and
// implementation, at the first count run, and kept for the other count.
template <class T>
peers::ArrayEigen<T>* held(const std::string& key, const std::string& choice, const T* a, std::int64_t count,
                           const Make<T>& make, std::string& label) {
    static std::string held_key, held_label;
    static std::shared_ptr<void> held_solver;
    static std::vector<std::pair<std::string, std::size_t>> chosen;
    if (held_key != key) {
        held_solver.reset();
        std::vector<Variant<T>> v = make(a, count);
        std::erase_if(v, [](const Variant<T>& c) { return !c.solver; });
        if (!v.empty()) {
            auto known = std::find_if(chosen.begin(), chosen.end(), [&](const auto& c) { return c.first == choice; });
            const std::size_t pick = known != chosen.end() ? known->second
                                                           : fastest_of(v.size(), [&](std::size_t i) { v[i].solver->run(); });
            if (known == chosen.end()) chosen.emplace_back(choice, pick);
            held_label = v[pick].label;
            held_solver = std::move(v[pick].solver);
        }
        held_key = key;
    }
    label = held_label;
    return static_cast<peers::ArrayEigen<T>*>(held_solver.get());
}

template <class T>
Body eigen_case(const Setup& setup, const std::string& group_name, const std::string& impl, const Make<T>& make) {
    return [=](benchmark::State& state) {
        const int n = setup.order;
        const std::int64_t count = setup.count;
        const bool sym = symmetric(setup.op.spectrum);
        const std::string data = std::string("eigen/") + type_code<T>() + (sym ? "/sym/" : "/general/") +
                                 std::to_string(n) + "/n" + std::to_string(count);
        const T* a = arrays<T>(data, {static_cast<std::size_t>(count * n * n)},
                               [&](const std::vector<T*>& v) { fill_matrices(sym, n, count, v[0]); })[0];
        std::string label;
        const std::string choice = std::string(setup.op.name) + "/" + type_code<T>() + "/" + std::to_string(n) + "/" + impl;
        peers::ArrayEigen<T>* s = held<T>(group_name + "/" + impl, choice, a, count, make, label);
        if (s == nullptr) {
            state.SkipWithError("no solver for this problem or order");
            return;
        }
        if (!label.empty()) state.SetLabel(label);
        bool ok = true;
        for (auto _ : state) {
            ok = s->run() && ok;
            benchmark::ClobberMemory();
        }
        if (!ok) {
            state.SkipWithError("the implementation reported a failure");
            return;
        }
        const Spectrum sp = setup.op.spectrum;
        std::vector<T> re(n), im(n), v(static_cast<std::size_t>(n) * n);
        for_sampled(count, [&](std::int64_t k) {
            const T* ak = a + k * n * n;
            s->values(k, re.data(), im.data());
            ok = ok && values_ok(ak, n, sym, re.data(), im.data());
            if (with_vectors(sp)) {
                s->right(k, v.data());
                ok = ok && vectors_ok(ak, n, sym, false, re.data(), im.data(), v.data());
            }
            if (sp == Spectrum::BothVectors) {
                s->left(k, v.data());
                ok = ok && vectors_ok(ak, n, sym, true, re.data(), im.data(), v.data());
            }
        });
        if (!ok) state.SkipWithError("wrong results (beyond the rounding bound of the check)");
    };
}

// Bytes read plus written by one call.
template <class T>
std::int64_t bytes(const Setup& s) {
    const std::int64_t n = s.order;
    const Spectrum sp = s.op.spectrum;
    const std::int64_t values = symmetric(sp) ? n : 2 * n;
    const std::int64_t vectors = sp == Spectrum::BothVectors ? 2 : with_vectors(sp) ? 1 : 0;
    return s.count * (n * n * (1 + vectors) + values) * static_cast<std::int64_t>(sizeof(T));
}

// The targets of the issue, for every group.
void expect(Group& g, const Setup& s) {
    if (s.op.spectrum != Spectrum::BothVectors) g.expect("eigen", 2.0, "at least 2x Eigen's iterative solver");
#if RUKM_BENCH_LAPACK
    g.expect("lapack", 5.0, "at least 5x LAPACKE");
#endif
    if (symmetric(s.op.spectrum) && s.order == 3)
        g.expect("eigen_dir", 1.0, "3x3 symmetric: at least on par with Eigen's closed form");
}

template <class T>
void eigen_group(const Operation& op, int order, std::int64_t count) {
    const Setup setup{op, order, count};
    const std::string name = std::string(op.name) + "/" + type_code<T>() + "/" + std::to_string(order) + "x" +
                             std::to_string(order) + "/n" + std::to_string(count);
    Group& g = group(name, {count, bytes<T>(setup), InCache});
    const Spectrum sp = op.spectrum;
    auto one = [](std::unique_ptr<peers::ArrayEigen<T>> s) {
        std::vector<Variant<T>> v;
        v.push_back({"", std::move(s)});
        return v;
    };
    g.add("rukm", eigen_case<T>(setup, name, "rukm", [=](const T* a, std::int64_t m) {
        return one(std::make_unique<RukmEigen<T>>(sp, order, a, m));
    }));
    auto eigen = [=](bool direct) {
        return [=](const T* a, std::int64_t m) {
            std::vector<Variant<T>> v;
            v.push_back({"column-major", peers::eigen_spectrum(sp, order, a, m, false, direct)});
            v.push_back({"row-major", peers::eigen_spectrum(sp, order, a, m, true, direct)});
            return v;
        };
    };
    if (sp != Spectrum::BothVectors) g.add("eigen", eigen_case<T>(setup, name, "eigen", eigen(false)));
    if (symmetric(sp) && order == 3) g.add("eigen_dir", eigen_case<T>(setup, name, "eigen_dir", eigen(true)));
#if RUKM_BENCH_LAPACK
    g.add("lapack", eigen_case<T>(setup, name, "lapack", [=](const T* a, std::int64_t m) {
        return one(peers::lapack_spectrum(sp, order, a, m));
    }));
#endif
    expect(g, setup);
}

[[maybe_unused]] const bool registered = [] {
    for (const std::int64_t count : {std::int64_t{1000}, std::int64_t{100000}})
        for (const Operation& op : kOperations) {
            for (const int n : {3, 4, 6}) eigen_group<float>(op, n, count);
            for (const int n : {3, 4, 6}) eigen_group<double>(op, n, count);
        }
    return true;
}();

}  // namespace
