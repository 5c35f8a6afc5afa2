// Eigen peers of the eigen benchmarks, one solver object reused for every matrix of the array
// (fixed-size, so nothing is allocated in the timed loops):
//
//   SelfAdjointEigenSolver   compute() (tridiagonalisation and implicit QL, Eigen's iterative
//                            solver) or, order 3, computeDirect() (its closed form); values
//                            only (EigenvaluesOnly) or with the eigenvectors
//   EigenSolver              compute() with or without the eigenvectors; the vectors are taken
//                            as pseudoEigenvectors(), the real matrix whose columns hold the real
//                            and imaginary parts of the vectors of a complex pair, as librukm and
//                            LAPACK give them (eigenvectors() would expand them into a complex
//                            matrix and normalise them, more work on top)
//
// Each run copies the values (and vectors) of every matrix into the peer's own arrays, as the
// library writes them into its destinations. The sources are copied into the storage order of
// the case before any timing; both orders are built, each in a source of its own
// (eigen_eigen.cpp, eigen_eigen_rm.cpp), and the benchmark times the faster.
#pragma once

#include <Eigen/Dense>

#include <complex>
#include <cstdint>
#include <limits>
#include <memory>

#include "eigen_align.hpp"
#include "peers.hpp"

namespace rukbench::peers::eigen {

template <class M>
using RowsOf = Eigen::Matrix<typename M::Scalar, M::RowsAtCompileTime, M::ColsAtCompileTime, Eigen::RowMajor>;

template <class M, class Values>
class Spectral : public ArrayEigen<typename M::Scalar> {
protected:
    using T = typename M::Scalar;
    static constexpr T kNaN = std::numeric_limits<T>::quiet_NaN();

    Spectral(const T* a, std::int64_t count, bool vectors)
        : src_(load<M>(a, count)), val_(src_.size(), Values::Constant(kNaN)),
          vec_(vectors ? src_.size() : 0, M::Constant(kNaN)), vectors_(vectors) {}

public:
    void values(std::int64_t k, T* re, T* im) const override {
        const Values& v = val_[static_cast<std::size_t>(k)];
        for (int i = 0; i < v.size(); ++i) {
            re[i] = std::real(v[i]);
            im[i] = std::imag(v[i]);
        }
    }
    void right(std::int64_t k, T* v) const override {
        Eigen::Map<RowsOf<M>> out(v);
        out = vec_[static_cast<std::size_t>(k)];
    }
    void left(std::int64_t, T*) const override {}

protected:
    Objects<M> src_;
    Objects<Values> val_;
    Objects<M> vec_;
    bool vectors_;
};

// SelfAdjointEigenSolver, iterative or (order 3) closed form.
template <class M>
class SelfAdjoint final : public Spectral<M, Eigen::Matrix<typename M::Scalar, M::RowsAtCompileTime, 1>> {
    using Base = Spectral<M, Eigen::Matrix<typename M::Scalar, M::RowsAtCompileTime, 1>>;
    using T = typename M::Scalar;

public:
    SelfAdjoint(const T* a, std::int64_t count, bool vectors, bool direct) : Base(a, count, vectors), direct_(direct) {}

    bool run() override {
        Eigen::SelfAdjointEigenSolver<M> es;
        const int options = this->vectors_ ? Eigen::ComputeEigenvectors : Eigen::EigenvaluesOnly;
        bool ok = true;
        for (std::size_t k = 0; k < this->src_.size(); ++k) {
            if constexpr (M::RowsAtCompileTime == 3) {
                if (direct_) es.computeDirect(this->src_[k], options);
                else es.compute(this->src_[k], options);
            } else {
                es.compute(this->src_[k], options);
            }
            ok = ok && es.info() == Eigen::Success;
            this->val_[k] = es.eigenvalues();
            if (this->vectors_) this->vec_[k] = es.eigenvectors();
        }
        return ok;
    }

private:
    bool direct_;
};

// EigenSolver, with or without the eigenvectors.
template <class M>
class General final
    : public Spectral<M, Eigen::Matrix<std::complex<typename M::Scalar>, M::RowsAtCompileTime, 1>> {
    using Base = Spectral<M, Eigen::Matrix<std::complex<typename M::Scalar>, M::RowsAtCompileTime, 1>>;
    using T = typename M::Scalar;

public:
    General(const T* a, std::int64_t count, bool vectors) : Base(a, count, vectors) {}

    bool run() override {
        Eigen::EigenSolver<M> es;
        bool ok = true;
        for (std::size_t k = 0; k < this->src_.size(); ++k) {
            es.compute(this->src_[k], this->vectors_);
            ok = ok && es.info() == Eigen::Success;
            this->val_[k] = es.eigenvalues();
            if (this->vectors_) this->vec_[k] = es.pseudoEigenvectors();
        }
        return ok;
    }
};

template <class T, int N, int Order>
std::unique_ptr<ArrayEigen<T>> make_spectrum(Spectrum s, const T* a, std::int64_t count, bool direct) {
    using M = Eigen::Matrix<T, N, N, Order>;
    if (direct && (N != 3 || (s != Spectrum::SymValues && s != Spectrum::SymVectors))) return nullptr;
    switch (s) {
    case Spectrum::SymValues:
    case Spectrum::SymVectors: return std::make_unique<SelfAdjoint<M>>(a, count, s == Spectrum::SymVectors, direct);
    case Spectrum::Values:
    case Spectrum::RightVectors: return std::make_unique<General<M>>(a, count, s == Spectrum::RightVectors);
    case Spectrum::BothVectors: break;
    }
    return nullptr;
}

template <class T, int Order>
std::unique_ptr<ArrayEigen<T>> spectrum(Spectrum s, int order, const T* a, std::int64_t count, bool direct) {
    switch (order) {
    case 3: return make_spectrum<T, 3, Order>(s, a, count, direct);
    case 4: return make_spectrum<T, 4, Order>(s, a, count, direct);
    case 6: return make_spectrum<T, 6, Order>(s, a, count, direct);
    }
    return nullptr;
}

// The row-major peers (eigen_eigen_rm.cpp).
std::unique_ptr<ArrayEigen<float>> row_major(Spectrum s, int order, const float* a, std::int64_t count, bool direct);
std::unique_ptr<ArrayEigen<double>> row_major(Spectrum s, int order, const double* a, std::int64_t count, bool direct);

}  // namespace rukbench::peers::eigen
