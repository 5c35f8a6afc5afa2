// LAPACKE peers of the eigen benchmarks, over OpenBLAS on one thread (the comparison is per
// core): syev for symmetric matrices (jobz 'N' for the values, 'V' with the vectors) and geev
// for general ones (no vectors, the right ones, or the left and the right ones).
//
// Column-major storage, LAPACK's own, with the sources copied into it before any timing. The
// _work entries are used, with the workspace size the routine asks for, so nothing is
// allocated or scanned for NaNs in the timed loops. Both routines overwrite their matrix, so
// each copies its source first (syev leaves the vectors there). The geev calls that want no
// vectors of a side still get a valid array for it (LAPACK leaves it alone).
#include <lapacke.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <memory>

#include "peers.hpp"

extern "C" void openblas_set_num_threads(int num_threads);

namespace rukbench::peers {
namespace {

template <class T>
struct Lapack;

#define RUKBENCH_LAPACK_EIGEN(T, p)                       \
    template <>                                           \
    struct Lapack<T> {                                    \
        static constexpr auto syev = &LAPACKE_##p##syev_work; \
        static constexpr auto geev = &LAPACKE_##p##geev_work; \
    };
RUKBENCH_LAPACK_EIGEN(float, s)
RUKBENCH_LAPACK_EIGEN(double, d)
#undef RUKBENCH_LAPACK_EIGEN

constexpr int kCol = LAPACK_COL_MAJOR;

template <class T>
class LapackEigen final : public ArrayEigen<T> {
    using L = Lapack<T>;
    static constexpr T kNaN = std::numeric_limits<T>::quiet_NaN();

public:
    LapackEigen(Spectrum s, int order, const T* a, std::int64_t count)
        : sym_(s == Spectrum::SymValues || s == Spectrum::SymVectors), n_(order),
          size_(static_cast<std::size_t>(order) * order), count_(count),
          job_(s == Spectrum::SymValues || s == Spectrum::Values ? 'N' : 'V'), left_job_(s == Spectrum::BothVectors ? 'V' : 'N'),
          src_(size_ * count), mat_(src_.size(), kNaN), wr_(static_cast<std::size_t>(order) * count, kNaN),
          wi_(sym_ ? 0 : wr_.size(), kNaN), vr_(!sym_ && job_ == 'V' ? src_.size() : size_, kNaN),
          vl_(left_job_ == 'V' ? src_.size() : size_, kNaN) {
        for (std::int64_t k = 0; k < count; ++k)
            for (int i = 0; i < n_; ++i)
                for (int j = 0; j < n_; ++j) src_[k * size_ + j * n_ + i] = a[k * size_ + i * n_ + j];
        T query = 0;
        const lapack_int asked = sym_ ? L::syev(kCol, job_, 'L', n_, mat_.data(), n_, wr_.data(), &query, -1)
                                      : L::geev(kCol, left_job_, job_, n_, mat_.data(), n_, wr_.data(), wi_.data(),
                                                vl_.data(), n_, vr_.data(), n_, &query, -1);
        work_.resize(asked == 0 ? std::max<std::size_t>(static_cast<std::size_t>(query), 1) : 8 * size_);
    }

    bool run() override {
        lapack_int bad = 0;
        const lapack_int lwork = static_cast<lapack_int>(work_.size());
        for (std::int64_t k = 0; k < count_; ++k) {
            T* m = std::copy_n(src_.data() + k * size_, size_, mat_.data() + k * size_) - size_;
            if (sym_) {
                bad |= L::syev(kCol, job_, 'L', n_, m, n_, wr_.data() + k * n_, work_.data(), lwork);
            } else {
                bad |= L::geev(kCol, left_job_, job_, n_, m, n_, wr_.data() + k * n_, wi_.data() + k * n_,
                               vl_.data() + (left_job_ == 'V' ? k * size_ : 0), n_,
                               vr_.data() + (job_ == 'V' ? k * size_ : 0), n_, work_.data(), lwork);
            }
        }
        return bad == 0;
    }

    void values(std::int64_t k, T* re, T* im) const override {
        std::copy_n(wr_.data() + k * n_, n_, re);
        if (sym_) std::fill_n(im, n_, T(0));
        else std::copy_n(wi_.data() + k * n_, n_, im);
    }
    void right(std::int64_t k, T* v) const override { rows(sym_ ? mat_.data() : vr_.data(), k, v); }
    void left(std::int64_t k, T* v) const override { rows(vl_.data(), k, v); }

private:
    // Column-major matrix k of `from`, written row-major.
    void rows(const T* from, std::int64_t k, T* v) const {
        const T* f = from + k * size_;
        for (int i = 0; i < n_; ++i)
            for (int j = 0; j < n_; ++j) v[i * n_ + j] = f[j * n_ + i];
    }

    bool sym_;
    lapack_int n_;
    std::size_t size_;
    std::int64_t count_;
    char job_, left_job_;  // jobz of syev or jobvr of geev; jobvl of geev
    Storage<T> src_, mat_, wr_, wi_, vr_, vl_, work_;
};

template <class T>
std::unique_ptr<ArrayEigen<T>> spectrum(Spectrum s, int order, const T* a, std::int64_t count) {
    static const bool one_thread = (openblas_set_num_threads(1), true);
    (void)one_thread;
    return std::make_unique<LapackEigen<T>>(s, order, a, count);
}

}  // namespace

std::unique_ptr<ArrayEigen<float>> lapack_spectrum(Spectrum s, int order, const float* a, std::int64_t count) {
    return spectrum(s, order, a, count);
}
std::unique_ptr<ArrayEigen<double>> lapack_spectrum(Spectrum s, int order, const double* a, std::int64_t count) {
    return spectrum(s, order, a, count);
}

}  // namespace rukbench::peers
