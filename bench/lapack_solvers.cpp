// LAPACKE peers of the solver benchmarks, over OpenBLAS on one thread (the comparison is
// per core): getrf and getrs, getrf and getri, potrf and potrs, geqrf and, for the solves
// with a QR factorization, ormqr (Q^T b) and trtrs (R x = the first cols elements).
//
// Column-major storage, LAPACK's own: LAPACKE's row-major entries transpose every matrix into
// a freshly allocated copy and back on each call. The sources are copied into column-major
// order before any timing. The _work entries are used, which take the caller's workspace and
// skip the NaN scan of the plain entries, so nothing is allocated or scanned in the timed
// loops. LAPACK factors in place, so each factorization first copies its source (librukm and
// Eigen read the source and write the factor elsewhere too), and each solve copies its
// right-hand side into the solution.
#include <lapacke.h>

#include <algorithm>
#include <cstdint>
#include <memory>

#include "peers.hpp"

extern "C" void openblas_set_num_threads(int num_threads);

namespace rukbench::peers {
namespace {

template <class T>
struct Lapack;

#define RUKBENCH_LAPACK_ENTRIES(T, p)                        \
    template <>                                              \
    struct Lapack<T> {                                       \
        static constexpr auto getrf = &LAPACKE_##p##getrf_work; \
        static constexpr auto getrs = &LAPACKE_##p##getrs_work; \
        static constexpr auto getri = &LAPACKE_##p##getri_work; \
        static constexpr auto potrf = &LAPACKE_##p##potrf_work; \
        static constexpr auto potrs = &LAPACKE_##p##potrs_work; \
        static constexpr auto geqrf = &LAPACKE_##p##geqrf_work; \
        static constexpr auto ormqr = &LAPACKE_##p##ormqr_work; \
        static constexpr auto trtrs = &LAPACKE_##p##trtrs_work; \
    };
RUKBENCH_LAPACK_ENTRIES(float, s)
RUKBENCH_LAPACK_ENTRIES(double, d)
#undef RUKBENCH_LAPACK_ENTRIES

constexpr int kCol = LAPACK_COL_MAJOR;

template <class T>
class LapackSolver final : public ArraySolver<T> {
    using L = Lapack<T>;

public:
    LapackSolver(Solver s, int rows, int cols, const T* a, std::int64_t count)
        : s_(s), m_(rows), n_(cols), size_(static_cast<std::size_t>(rows) * cols), count_(count),
          src_(size_ * count), fac_(src_.size()), ipiv_(static_cast<std::size_t>(cols) * count),
          tau_(static_cast<std::size_t>(cols) * count), tmp_(static_cast<std::size_t>(rows)) {
        for (std::int64_t k = 0; k < count; ++k)
            for (int i = 0; i < m_; ++i)
                for (int j = 0; j < n_; ++j) src_[k * size_ + j * m_ + i] = a[k * size_ + i * n_ + j];
        // Workspace: the largest optimum the routines of this solver ask for.
        T best = static_cast<T>(m_);
        T query = 0;
        if (s_ == Solver::Inverse && L::getri(kCol, n_, fac_.data(), n_, ipiv_.data(), &query, -1) == 0)
            best = std::max(best, query);
        if (s_ == Solver::QR && L::geqrf(kCol, m_, n_, fac_.data(), m_, tau_.data(), &query, -1) == 0)
            best = std::max(best, query);
        if (s_ == Solver::QR &&
            L::ormqr(kCol, 'L', 'T', m_, 1, n_, fac_.data(), m_, tau_.data(), tmp_.data(), m_, &query, -1) == 0)
            best = std::max(best, query);
        work_.resize(static_cast<std::size_t>(best));
    }

    bool factor() override {
        lapack_int bad = 0;
        const lapack_int lwork = static_cast<lapack_int>(work_.size());
        switch (s_) {
        case Solver::LU:
            for (std::int64_t k = 0; k < count_; ++k) bad |= L::getrf(kCol, n_, n_, copy_source(k), n_, pivots(k));
            break;
        case Solver::Inverse:
            for (std::int64_t k = 0; k < count_; ++k) {
                T* f = copy_source(k);
                bad |= L::getrf(kCol, n_, n_, f, n_, pivots(k));
                bad |= L::getri(kCol, n_, f, n_, pivots(k), work_.data(), lwork);
            }
            break;
        case Solver::Cholesky:
            for (std::int64_t k = 0; k < count_; ++k) bad |= L::potrf(kCol, 'L', n_, copy_source(k), n_);
            break;
        case Solver::QR:
            for (std::int64_t k = 0; k < count_; ++k)
                bad |= L::geqrf(kCol, m_, n_, copy_source(k), m_, tau_.data() + k * n_, work_.data(), lwork);
            break;
        }
        return bad == 0;
    }

    bool solve(const T* b, T* x) override {
        lapack_int bad = 0;
        for (std::int64_t k = 0; k < count_; ++k) bad |= solve_object(k, b + k * m_, x + k * n_);
        return bad == 0;
    }

    bool solve_many(const T* b, T* x, std::int64_t vectors) override {
        if (s_ != Solver::LU) return false;
        std::copy_n(b, vectors * n_, x);
        return L::getrs(kCol, 'N', n_, static_cast<lapack_int>(vectors), fac_.data(), n_, pivots(0), x, n_) == 0;
    }

    void solve_one(std::int64_t k, const T* b, T* x) override { solve_object(k, b, x); }

    void inverse(std::int64_t k, T* out) const override {
        const T* f = fac_.data() + k * size_;
        for (int i = 0; i < n_; ++i)
            for (int j = 0; j < n_; ++j) out[i * n_ + j] = f[j * n_ + i];
    }

private:
    T* copy_source(std::int64_t k) { return std::copy_n(src_.data() + k * size_, size_, fac_.data() + k * size_) - size_; }
    lapack_int* pivots(std::int64_t k) { return ipiv_.data() + k * n_; }

    lapack_int solve_object(std::int64_t k, const T* b, T* x) {
        const T* f = fac_.data() + k * size_;
        switch (s_) {
        case Solver::LU: std::copy_n(b, n_, x); return L::getrs(kCol, 'N', n_, 1, f, n_, pivots(k), x, n_);
        case Solver::Cholesky: std::copy_n(b, n_, x); return L::potrs(kCol, 'L', n_, 1, f, n_, x, n_);
        case Solver::QR: {
            T* c = std::copy_n(b, m_, tmp_.data()) - m_;
            lapack_int bad = L::ormqr(kCol, 'L', 'T', m_, 1, n_, f, m_, tau_.data() + k * n_, c, m_, work_.data(),
                                      static_cast<lapack_int>(work_.size()));
            bad |= L::trtrs(kCol, 'U', 'N', 'N', n_, 1, f, m_, c, m_);
            std::copy_n(c, n_, x);
            return bad;
        }
        case Solver::Inverse: break;
        }
        return -1;
    }

    Solver s_;
    lapack_int m_, n_;
    std::size_t size_;
    std::int64_t count_;
    Storage<T> src_, fac_;
    Storage<lapack_int> ipiv_;
    Storage<T> tau_, tmp_, work_;
};

template <class T>
std::unique_ptr<ArraySolver<T>> solver(Solver s, int rows, int cols, const T* a, std::int64_t count) {
    static const bool one_thread = (openblas_set_num_threads(1), true);
    (void)one_thread;
    if (rows < cols || (rows != cols && s != Solver::QR)) return nullptr;
    return std::make_unique<LapackSolver<T>>(s, rows, cols, a, count);
}

}  // namespace

std::unique_ptr<ArraySolver<float>> lapack_solver(Solver s, int rows, int cols, const float* a, std::int64_t count) {
    return solver(s, rows, cols, a, count);
}
std::unique_ptr<ArraySolver<double>> lapack_solver(Solver s, int rows, int cols, const double* a, std::int64_t count) {
    return solver(s, rows, cols, a, count);
}

}  // namespace rukbench::peers
