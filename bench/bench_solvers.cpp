// Linear solvers over arrays of small matrices, each against Eigen's fixed-size
// decompositions and LAPACKE over OpenBLAS (where it is installed), all on one thread:
//
//   LUDecomp_ma              P A[k] = L U of every matrix                 Eigen PartialPivLU, getrf
//   LUBackSubst_mava         A[k] x[k] = b[k] with those factorizations   PartialPivLU::solve, getrs
//   LUBackSubst_mva          A x[k] = b[k], one factorization for all     one solve of all columns, getrs
//   Invert_ma                the inverse of every matrix                  inverse(), getrf + getri
//   CholeskyDecomp_ma        A[k] = L L^T of symmetric positive matrices  LLT, potrf
//   CholeskyBackSubst_mava   A[k] x[k] = b[k] with those factors          LLT::solve, potrs
//   QRDecomp_ma              A[k] = Q R, square and 6x4                   HouseholderQR, geqrf
//   QRBackSubst_mava         least-squares x[k] with those factors        HouseholderQR::solve, ormqr + trtrs
//
// Orders 3, 4 and 6 (and the 6x4 QR), 32f and 64f, 1,000 objects (in the caches) and 100,000
// (past L2; the work is arithmetic, so these groups have no triad). The library's operands are
// packed row-major objects in the standard layout; each peer gets the same matrices copied into
// its storage order before the timing: LAPACKE column-major (lapack_solvers.cpp), Eigen
// row-major or column-major, whichever ran the case's work faster when it was set up (the
// case's label names it; eigen_solvers.hpp).
// One more group per operation (64f, order 6 or 6x4, 1,000 objects, suffix _L) runs the
// library's pointer-list form, one object pointer per matrix and vector, beside the same
// peers on packed arrays.
//
// Data: general matrices have elements uniform in [-1, 1] plus the order on the diagonal;
// the symmetric positive-definite ones are B B^T + order I with B uniform in [-1, 1];
// right-hand sides are uniform in [-1, 1]. The back substitutions time the solves alone:
// each implementation factors with its own decomposition once, before the timing.
//
// Checks after the timed loop, on a spread of objects: solutions (for a decomposition, the
// solution its factorization gives) against a long-double reference (elimination with partial
// pivoting, or the normal equations for a tall QR), and inverses by their residual A X - I,
// within a bound of the rounding error, so a broken case cannot report a time.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "harness.hpp"
#include "peers.hpp"
#include "rukm.h"

namespace {

using namespace rukbench;
using peers::Solver;

template <class T>
struct Api;
#define RUKBENCH_SOLVER_API(T, t)                                           \
    template <>                                                             \
    struct Api<T> {                                                         \
        static constexpr auto lu = &rukmLUDecomp_ma_##t;                    \
        static constexpr auto lu_list = &rukmLUDecomp_ma_##t##_L;           \
        static constexpr auto lu_solve = &rukmLUBackSubst_mava_##t;         \
        static constexpr auto lu_solve_list = &rukmLUBackSubst_mava_##t##_L; \
        static constexpr auto lu_many = &rukmLUBackSubst_mva_##t;           \
        static constexpr auto lu_many_list = &rukmLUBackSubst_mva_##t##_L;  \
        static constexpr auto lu_one = &rukmLUBackSubst_mv_##t;             \
        static constexpr auto inv = &rukmInvert_ma_##t;                     \
        static constexpr auto inv_list = &rukmInvert_ma_##t##_L;            \
        static constexpr auto chol = &rukmCholeskyDecomp_ma_##t;            \
        static constexpr auto chol_list = &rukmCholeskyDecomp_ma_##t##_L;   \
        static constexpr auto chol_solve = &rukmCholeskyBackSubst_mava_##t; \
        static constexpr auto chol_solve_list = &rukmCholeskyBackSubst_mava_##t##_L; \
        static constexpr auto chol_one = &rukmCholeskyBackSubst_mv_##t;     \
        static constexpr auto qr = &rukmQRDecomp_ma_##t;                    \
        static constexpr auto qr_list = &rukmQRDecomp_ma_##t##_L;           \
        static constexpr auto qr_solve = &rukmQRBackSubst_mava_##t;         \
        static constexpr auto qr_solve_list = &rukmQRBackSubst_mava_##t##_L; \
        static constexpr auto qr_one = &rukmQRBackSubst_mv_##t;             \
    };
RUKBENCH_SOLVER_API(float, 32f)
RUKBENCH_SOLVER_API(double, 64f)
#undef RUKBENCH_SOLVER_API

enum class Layout { Packed, List };

// librukm behind the peers' interface: packed row-major objects in the standard layout, or
// the same objects reached through pointer lists.
template <class T>
class RukmSolver final : public peers::ArraySolver<T> {
    using A = Api<T>;

public:
    RukmSolver(Solver s, int rows, int cols, const T* a, std::int64_t count, Layout layout)
        : s_(s), h_(rows), w_(cols), size_(rows * cols), count_(static_cast<std::int32_t>(count)),
          list_(layout == Layout::List), src_(a, a + count * size_), dst_(src_.size()),
          piv_(static_cast<std::size_t>(count) * cols), buf_(static_cast<std::size_t>(size_ + rows)) {
        for (std::int32_t k = 0; k < count_; ++k) {
            src_list_.push_back(src_.data() + k * size_);
            dst_list_.push_back(dst_.data() + k * size_);
        }
    }

    bool factor() override {
        const T* const* sl = src_list_.data();
        T* const* dl = dst_list_.data();
        const std::int32_t n = w_, os = size_ * es, rs = w_ * es;
        rukStatus st = rukErrNullPtr;
        switch (s_) {
        case Solver::LU:
            st = list_ ? A::lu_list(sl, 0, rs, es, piv_.data(), dl, 0, rs, es, n, count_)
                       : A::lu(src_.data(), os, rs, es, piv_.data(), dst_.data(), os, rs, es, n, count_);
            break;
        case Solver::Inverse:
            st = list_ ? A::inv_list(sl, 0, rs, es, buf_.data(), dl, 0, rs, es, n, count_)
                       : A::inv(src_.data(), os, rs, es, buf_.data(), dst_.data(), os, rs, es, n, count_);
            break;
        case Solver::Cholesky:
            st = list_ ? A::chol_list(sl, 0, rs, es, dl, 0, rs, es, n, count_)
                       : A::chol(src_.data(), os, rs, es, dst_.data(), os, rs, es, n, count_);
            break;
        case Solver::QR:
            st = list_ ? A::qr_list(sl, 0, rs, es, buf_.data(), dl, 0, rs, es, w_, h_, count_)
                       : A::qr(src_.data(), os, rs, es, buf_.data(), dst_.data(), os, rs, es, w_, h_, count_);
            break;
        }
        return st == rukOk;
    }

    bool solve(const T* b, T* x) override {
        const T* const* fl = dst_list_.data();
        const std::int32_t os = size_ * es, rs = w_ * es, bs = h_ * es, xs = w_ * es;
        if (list_) point_at(b, x, count_);
        rukStatus st = rukErrNullPtr;
        switch (s_) {
        case Solver::LU:
            st = list_ ? A::lu_solve_list(fl, 0, rs, es, piv_.data(), b_list_.data(), 0, es, x_list_.data(), 0, es,
                                          w_, count_)
                       : A::lu_solve(dst_.data(), os, rs, es, piv_.data(), b, bs, es, x, xs, es, w_, count_);
            break;
        case Solver::Cholesky:
            st = list_ ? A::chol_solve_list(fl, 0, rs, es, b_list_.data(), 0, es, x_list_.data(), 0, es, w_, count_)
                       : A::chol_solve(dst_.data(), os, rs, es, b, bs, es, x, xs, es, w_, count_);
            break;
        case Solver::QR:
            st = list_ ? A::qr_solve_list(fl, 0, rs, es, buf_.data(), b_list_.data(), 0, es, x_list_.data(), 0, es,
                                          w_, h_, count_)
                       : A::qr_solve(dst_.data(), os, rs, es, buf_.data(), b, bs, es, x, xs, es, w_, h_, count_);
            break;
        case Solver::Inverse: break;
        }
        return st == rukOk;
    }

    bool solve_many(const T* b, T* x, std::int64_t vectors) override {
        if (s_ != Solver::LU) return false;
        const auto v = static_cast<std::int32_t>(vectors);
        const std::int32_t rs = w_ * es;
        if (list_) point_at(b, x, v);
        const rukStatus st =
            list_ ? A::lu_many_list(dst_.data(), rs, es, piv_.data(), b_list_.data(), 0, es, x_list_.data(), 0, es, w_, v)
                  : A::lu_many(dst_.data(), rs, es, piv_.data(), b, w_ * es, es, x, w_ * es, es, w_, v);
        return st == rukOk;
    }

    void solve_one(std::int64_t k, const T* b, T* x) override {
        const T* f = dst_.data() + k * size_;
        const std::int32_t rs = w_ * es;
        switch (s_) {
        case Solver::LU: A::lu_one(f, rs, es, piv_.data() + k * w_, b, es, x, es, w_); break;
        case Solver::Cholesky: A::chol_one(f, rs, es, b, es, x, es, w_); break;
        case Solver::QR: A::qr_one(f, rs, es, buf_.data(), b, es, x, es, w_, h_); break;
        case Solver::Inverse: break;
        }
    }

    void inverse(std::int64_t k, T* out) const override { std::copy_n(dst_.data() + k * size_, size_, out); }

private:
    static constexpr std::int32_t es = sizeof(T);

    // The pointer lists of the vectors of one call, made again only for other arrays.
    void point_at(const T* b, T* x, std::int32_t vectors) {
        if (b_list_.size() == static_cast<std::size_t>(vectors) && !b_list_.empty() && b_list_[0] == b && x_list_[0] == x)
            return;
        b_list_.clear();
        x_list_.clear();
        for (std::int32_t k = 0; k < vectors; ++k) {
            b_list_.push_back(b + k * h_);
            x_list_.push_back(x + k * w_);
        }
    }

    Solver s_;
    std::int32_t h_, w_, size_, count_;
    bool list_;
    peers::Storage<T> src_, dst_;
    peers::Storage<std::int32_t> piv_;
    peers::Storage<T> buf_;
    std::vector<const T*> src_list_, b_list_;
    std::vector<T*> dst_list_, x_list_;
};

enum class Stage {
    Factor,     // timed: the factorizations (or inverses) of every matrix
    Solve,      // timed: one solve per matrix, with factorizations made before the timing
    SolveMany,  // timed: `count` solves with the factorization of one matrix
};

struct Operation {
    const char* name;
    Solver solver;
    Stage stage;
};

constexpr Operation kOperations[] = {
    {"LUDecomp_ma", Solver::LU, Stage::Factor},
    {"LUBackSubst_mava", Solver::LU, Stage::Solve},
    {"LUBackSubst_mva", Solver::LU, Stage::SolveMany},
    {"Invert_ma", Solver::Inverse, Stage::Factor},
    {"CholeskyDecomp_ma", Solver::Cholesky, Stage::Factor},
    {"CholeskyBackSubst_mava", Solver::Cholesky, Stage::Solve},
    {"QRDecomp_ma", Solver::QR, Stage::Factor},
    {"QRBackSubst_mava", Solver::QR, Stage::Solve},
};

struct Setup {
    Operation op;
    int rows, cols;
    std::int64_t count;  // vectors solved, and matrices but for SolveMany (one matrix)
    std::int64_t matrices() const { return op.stage == Stage::SolveMany ? 1 : count; }
};

// Uniform in [-1, 1], from a hash of (stream, index).
double uniform(std::uint64_t stream, std::uint64_t i) {
    std::uint64_t z = stream * 0x9e3779b97f4a7c15ull + i * 0xbf58476d1ce4e5b9ull + 0x94d049bb133111ebull;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) * 0x1p-52 - 1.0;
}

template <class T>
void fill_matrices(Solver s, int rows, int cols, std::int64_t count, T* a) {
    const std::size_t size = static_cast<std::size_t>(rows) * cols;
    for (std::int64_t k = 0; k < count; ++k) {
        T* m = a + k * size;
        if (s == Solver::Cholesky) {
            for (int i = 0; i < rows; ++i)
                for (int j = 0; j < rows; ++j) {
                    double v = i == j ? rows : 0.0;
                    for (int q = 0; q < rows; ++q) v += uniform(1, k * size + i * rows + q) * uniform(1, k * size + j * rows + q);
                    m[i * rows + j] = static_cast<T>(v);
                }
        } else {
            for (int i = 0; i < rows; ++i)
                for (int j = 0; j < cols; ++j) m[i * cols + j] = static_cast<T>(uniform(2, k * size + i * cols + j) + (i == j ? rows : 0));
        }
    }
}

// The solution of a x = b (square) or of the normal equations a^T a x = a^T b (tall), in
// long double, by elimination with partial pivoting.
template <class T>
std::vector<long double> reference_solution(const T* a, int rows, int cols, const T* b) {
    const int n = cols;
    std::vector<long double> m(static_cast<std::size_t>(n) * (n + 1));
    auto at = [&](int i, int j) -> long double& { return m[i * (n + 1) + j]; };
    for (int i = 0; i < n; ++i) {
        if (rows == cols) {
            for (int j = 0; j < n; ++j) at(i, j) = a[i * cols + j];
            at(i, n) = b[i];
        } else {
            for (int j = 0; j <= n; ++j) {
                long double s = 0;
                for (int q = 0; q < rows; ++q) s += static_cast<long double>(a[q * cols + i]) * (j < n ? a[q * cols + j] : b[q]);
                at(i, j) = s;
            }
        }
    }
    for (int k = 0; k < n; ++k) {
        int p = k;
        for (int i = k + 1; i < n; ++i)
            if (std::fabs(at(i, k)) > std::fabs(at(p, k))) p = i;
        for (int j = 0; j <= n; ++j) std::swap(at(k, j), at(p, j));
        for (int i = k + 1; i < n; ++i) {
            const long double f = at(i, k) / at(k, k);
            for (int j = k; j <= n; ++j) at(i, j) -= f * at(k, j);
        }
    }
    std::vector<long double> x(n);
    for (int i = n - 1; i >= 0; --i) {
        long double s = at(i, n);
        for (int j = i + 1; j < n; ++j) s -= at(i, j) * x[j];
        x[i] = s / at(i, i);
    }
    return x;
}

// Within 256 * rows * eps of the reference, relative to its largest element (at least 1).
// The matrices are well conditioned, so every correct solver is well inside this bound.
template <class T>
bool solution_ok(const T* a, int rows, int cols, const T* b, const T* x) {
    const auto ref = reference_solution(a, rows, cols, b);
    long double scale = 1;
    for (long double r : ref) scale = std::max(scale, std::fabs(r));
    const long double tol = 256 * rows * std::numeric_limits<T>::epsilon() * scale;
    for (int i = 0; i < cols; ++i)
        if (!(std::fabs(x[i] - ref[i]) <= tol)) return false;
    return true;
}

// Every element of a x - I within 256 n eps times the sum of the magnitudes of its terms.
template <class T>
bool inverse_ok(const T* a, int n, const T* x) {
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            long double s = i == j ? -1.0L : 0.0L, mag = 1;
            for (int q = 0; q < n; ++q) {
                const long double t = static_cast<long double>(a[i * n + q]) * x[q * n + j];
                s += t;
                mag += std::fabs(t);
            }
            if (!(std::fabs(s) <= 256 * n * std::numeric_limits<T>::epsilon() * mag)) return false;
        }
    return true;
}

// An implementation of a case: its variants (Eigen's two storage orders; one for the others),
// each with the name the case's label shows when it is the one timed.
template <class T>
struct Variant {
    std::string label;
    std::unique_ptr<peers::ArraySolver<T>> solver;
};
template <class T>
using Make = std::function<std::vector<Variant<T>>(const T* a, std::int64_t matrices)>;

// The timed work of a case.
template <class T>
bool run(peers::ArraySolver<T>& s, const Setup& setup, const T* b, T* x) {
    switch (setup.op.stage) {
    case Stage::Factor: return s.factor();
    case Stage::Solve: return s.solve(b, x);
    case Stage::SolveMany: return s.solve_many(b, x, setup.count);
    }
    return false;
}

// The variant a case times: the only one, or the fastest (fastest_of). The choice is made
// once per operation, type, shape and implementation (at the first count run, 1,000 objects
// unless filtered out) and kept for the other counts and layouts, whose work per object is
// the same.
template <class T>
std::size_t fastest(std::vector<Variant<T>>& v, const Setup& setup, const std::string& impl, const T* b, T* x) {
    static std::vector<std::pair<std::string, std::size_t>> chosen;
    const std::string key = std::string(setup.op.name) + "/" + type_code<T>() + "/" + std::to_string(setup.rows) + "x" +
                            std::to_string(setup.cols) + "/" + impl;
    for (const auto& [k, i] : chosen)
        if (k == key) return i;
    const std::size_t best = fastest_of(v.size(), [&](std::size_t i) { run(*v[i].solver, setup, b, x); });
    chosen.emplace_back(key, best);
    return best;
}

// The solver of the case that ran last, kept while the benchmark library calls that case
// again for its repetitions: factoring 100,000 matrices again before each of those calls
// would take longer than the timing itself. A case that cannot run keeps a null solver.
struct Held {
    std::string key;
    std::string label;
    std::shared_ptr<void> solver;
};

template <class T>
peers::ArraySolver<T>* held(const std::string& key, const std::string& impl, const Setup& setup, const T* a, const T* b,
                            T* x, const Make<T>& make, std::string& label) {
    static Held h;
    if (h.key != key) {
        h.solver.reset();
        std::vector<Variant<T>> v = make(a, setup.matrices());
        std::erase_if(v, [&](const Variant<T>& c) {
            return !c.solver || (setup.op.stage != Stage::Factor && !c.solver->factor());
        });
        if (!v.empty()) {
            Variant<T>& pick = v[fastest(v, setup, impl, b, x)];
            h.label = pick.label;
            h.solver = std::move(pick.solver);
        }
        h.key = key;
    }
    label = h.label;
    return static_cast<peers::ArraySolver<T>*>(h.solver.get());
}

template <class T>
Body solver_case(const Setup& setup, const std::string& group_name, const std::string& impl, const Make<T>& make) {
    return [=](benchmark::State& state) {
        const int rows = setup.rows, cols = setup.cols;
        const std::size_t size = static_cast<std::size_t>(rows) * cols;
        const std::int64_t count = setup.count, matrices = setup.matrices();
        const std::string data = std::string("solvers/") + type_code<T>() + "/" + std::to_string(static_cast<int>(setup.op.solver)) +
                                 "/" + std::to_string(rows) + "x" + std::to_string(cols) + "/m" + std::to_string(matrices) +
                                 "/v" + std::to_string(count);
        const auto p = arrays<T>(data, {matrices * size, static_cast<std::size_t>(count * rows), static_cast<std::size_t>(count * cols)},
                                 [&](const std::vector<T*>& v) {
                                     fill_matrices(setup.op.solver, rows, cols, matrices, v[0]);
                                     for (std::int64_t i = 0; i < count * rows; ++i) v[1][i] = static_cast<T>(uniform(3, i));
                                 });
        const T* a = p[0];
        const T* b = p[1];
        T* x = p[2];
        std::string label;
        peers::ArraySolver<T>* s = held<T>(group_name + "/" + impl, impl, setup, a, b, x, make, label);
        if (s == nullptr) {
            state.SkipWithError("no solver for this shape, or its factorization failed before the timing");
            return;
        }
        if (!label.empty()) state.SetLabel(label);
        for_sampled(count, [&](std::int64_t k) { std::fill_n(x + k * cols, cols, std::numeric_limits<T>::quiet_NaN()); });
        bool ok = true;
        for (auto _ : state) {
            ok = run(*s, setup, b, x) && ok;
            benchmark::ClobberMemory();
        }
        if (!ok) {
            state.SkipWithError("the implementation reported a failure");
            return;
        }
        const Stage stage = setup.op.stage;
        std::vector<T> got(size);
        for_sampled(count, [&](std::int64_t k) {
            const T* ak = a + (stage == Stage::SolveMany ? 0 : k) * size;
            const T* bk = b + k * rows;
            if (stage != Stage::Factor) ok = ok && solution_ok(ak, rows, cols, bk, x + k * cols);
            else if (setup.op.solver == Solver::Inverse) {
                s->inverse(k, got.data());
                ok = ok && inverse_ok(ak, rows, got.data());
            } else {
                s->solve_one(k, bk, got.data());
                ok = ok && solution_ok(ak, rows, cols, bk, got.data());
            }
        });
        if (!ok) state.SkipWithError("wrong results (beyond the rounding bound of the check)");
    };
}

// Bytes read plus written by one call.
template <class T>
std::int64_t bytes(const Setup& s) {
    const std::int64_t e = sizeof(T), size = static_cast<std::int64_t>(s.rows) * s.cols;
    const std::int64_t pivots = s.op.solver == Solver::LU ? 4 * s.cols : 0;
    if (s.op.stage == Stage::Factor) return s.count * (2 * size * e + pivots);
    return s.matrices() * (size * e + pivots) + s.count * (s.rows + s.cols) * e;
}

// The targets of the issue, for every group of an operation.
void expect(Group& g, const Setup& s, bool wide) {
    if (s.op.stage != Stage::Factor) {
        g.expect("eigen", 2.0, "back substitutions: at least 2x Eigen");
    } else if (s.op.solver != Solver::Inverse) {
        g.expect("eigen", 5.0, "decompositions at orders 3 to 6: at least 5x Eigen");
#if RUKM_BENCH_LAPACK
        g.expect("lapack", 10.0, "decompositions at orders 3 to 6: at least 10x LAPACKE");
#endif
    } else if (s.rows == 4) {
        g.expect("eigen", 1.5, "inversion at 4x4: at least 1.5x Eigen (its SIMD inverse)");
    } else if (s.rows == 6) {
        g.expect("eigen", 5.0, wide ? "inversion at 6x6: at least 5x Eigen, and 60 ns or less per object (ns/object)"
                                    : "inversion at 6x6: at least 5x Eigen");
    } else {
        g.expect("eigen", 1.0, "inversion at 3x3: at least on par with Eigen's closed form (no figure set)");
    }
}

template <class T>
void solver_group(const Operation& op, int rows, int cols, std::int64_t count, Layout layout) {
    const Setup setup{op, rows, cols, count};
    const std::string name = std::string(op.name) + (layout == Layout::List ? "_L/" : "/") + type_code<T>() + "/" +
                             std::to_string(rows) + "x" + std::to_string(cols) + "/n" + std::to_string(count);
    Group& g = group(name, {count, bytes<T>(setup), InCache});
    auto one = [](std::unique_ptr<peers::ArraySolver<T>> s) {
        std::vector<Variant<T>> v;
        v.push_back({"", std::move(s)});
        return v;
    };
    g.add("rukm", solver_case<T>(setup, name, "rukm", [=](const T* a, std::int64_t m) {
        return one(std::make_unique<RukmSolver<T>>(op.solver, rows, cols, a, m, layout));
    }));
    g.add("eigen", solver_case<T>(setup, name, "eigen", [=](const T* a, std::int64_t m) {
        std::vector<Variant<T>> v;
        v.push_back({"column-major", peers::eigen_solver(op.solver, rows, cols, a, m, false)});
        v.push_back({"row-major", peers::eigen_solver(op.solver, rows, cols, a, m, true)});
        return v;
    }));
#if RUKM_BENCH_LAPACK
    g.add("lapack", solver_case<T>(setup, name, "lapack", [=](const T* a, std::int64_t m) {
        return one(peers::lapack_solver(op.solver, rows, cols, a, m));
    }));
#endif
    expect(g, setup, sizeof(T) == 8);
}

[[maybe_unused]] const bool registered = [] {
    for (const std::int64_t count : {std::int64_t{1000}, std::int64_t{100000}})
        for (const Operation& op : kOperations) {
            for (const int n : {3, 4, 6}) solver_group<float>(op, n, n, count, Layout::Packed);
            if (op.solver == Solver::QR) solver_group<float>(op, 6, 4, count, Layout::Packed);
            for (const int n : {3, 4, 6}) solver_group<double>(op, n, n, count, Layout::Packed);
            if (op.solver == Solver::QR) solver_group<double>(op, 6, 4, count, Layout::Packed);
        }
    for (const Operation& op : kOperations) solver_group<double>(op, 6, op.solver == Solver::QR ? 4 : 6, 1000, Layout::List);
    return true;
}();

}  // namespace
