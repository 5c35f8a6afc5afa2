// Eigen peers of the solver benchmarks: one fixed-size decomposition object per matrix
// (PartialPivLU, LLT, HouseholderQR), kept between the factorization and the solves as an
// Eigen program keeps them, and fixed-size inverse() (closed forms up to order 4, with
// Eigen's SIMD paths for 4x4, and LU beyond). The sources are copied into the storage order
// of the case before any timing; vectors are mapped onto the benchmark's packed arrays with
// the alignment Eigen gives their type. Many right-hand sides with one factorization are
// solved one fixed-size vector after the other: a solve of all of them as the columns of one
// matrix (Eigen's blocked triangular solve) took about twice as long per vector.
//
// Neither storage order is the faster for every decomposition, type and order (row-major
// LLT factors in about 0.4 to 0.8 of the column-major time, while column-major LU solves
// take a fifth to a half of the row-major time), so both are built, each in a source of its
// own (eigen_solvers.cpp, eigen_solvers_rm.cpp), and the benchmark picks the faster per case.
#pragma once

#include <Eigen/Dense>

#include <concepts>
#include <cstdint>
#include <memory>
#include <vector>

#include "eigen_align.hpp"
#include "peers.hpp"

namespace rukbench::peers::eigen {

// One decomposition object per matrix.
template <class Dec>
class Factored final : public ArraySolver<typename Dec::Scalar> {
    using M = typename Dec::MatrixType;
    using T = typename Dec::Scalar;
    static constexpr int R = M::RowsAtCompileTime, C = M::ColsAtCompileTime;
    using B = Eigen::Matrix<T, R, 1>;
    using X = Eigen::Matrix<T, C, 1>;
    using BMap = Eigen::Map<const B, map_alignment<B>()>;
    using XMap = Eigen::Map<X, map_alignment<X>()>;

public:
    Factored(const T* a, std::int64_t count) : src_(load<M>(a, count)), dec_(src_.size()) {}

    bool factor() override {
        for (std::size_t k = 0; k < src_.size(); ++k) dec_[k].compute(src_[k]);
        if constexpr (requires(const Dec& d) {
                          { d.info() } -> std::same_as<Eigen::ComputationInfo>;
                      }) {
            for (const Dec& d : dec_)
                if (d.info() != Eigen::Success) return false;
        }
        return true;
    }
    bool solve(const T* b, T* x) override {
        for (std::size_t k = 0; k < dec_.size(); ++k) XMap(x + C * k) = dec_[k].solve(BMap(b + R * k));
        return true;
    }
    bool solve_many(const T* b, T* x, std::int64_t vectors) override {
        const Dec& d = dec_[0];
        for (std::int64_t k = 0; k < vectors; ++k) XMap(x + C * k) = d.solve(BMap(b + R * k));
        return true;
    }
    void solve_one(std::int64_t k, const T* b, T* x) override {
        Eigen::Map<X> out(x);
        out = dec_[static_cast<std::size_t>(k)].solve(Eigen::Map<const B>(b));
    }
    void inverse(std::int64_t, T*) const override {}

private:
    Objects<M> src_;
    Objects<Dec> dec_;
};

// Fixed-size inverse() of every matrix.
template <class M>
class Inverted final : public ArraySolver<typename M::Scalar> {
    using T = typename M::Scalar;
    using Rows = Eigen::Matrix<T, M::RowsAtCompileTime, M::ColsAtCompileTime, Eigen::RowMajor>;

public:
    Inverted(const T* a, std::int64_t count) : src_(load<M>(a, count)), inv_(src_.size()) {}

    bool factor() override {
        for (std::size_t k = 0; k < src_.size(); ++k) inv_[k] = src_[k].inverse();
        return true;
    }
    bool solve(const T*, T*) override { return false; }
    bool solve_many(const T*, T*, std::int64_t) override { return false; }
    void solve_one(std::int64_t, const T*, T*) override {}
    void inverse(std::int64_t k, T* out) const override {
        Eigen::Map<Rows> rows(out);
        rows = inv_[static_cast<std::size_t>(k)];
    }

private:
    Objects<M> src_;
    Objects<M> inv_;
};

template <class T, int R, int C, int Order>
std::unique_ptr<ArraySolver<T>> make_solver(Solver s, const T* a, std::int64_t count) {
    using M = Eigen::Matrix<T, R, C, Order>;
    if constexpr (R == C) {
        switch (s) {
        case Solver::LU: return std::make_unique<Factored<Eigen::PartialPivLU<M>>>(a, count);
        case Solver::Inverse: return std::make_unique<Inverted<M>>(a, count);
        case Solver::Cholesky: return std::make_unique<Factored<Eigen::LLT<M>>>(a, count);
        case Solver::QR: break;
        }
    }
    if (s == Solver::QR) return std::make_unique<Factored<Eigen::HouseholderQR<M>>>(a, count);
    return nullptr;
}

template <class T, int Order>
std::unique_ptr<ArraySolver<T>> solver(Solver s, int rows, int cols, const T* a, std::int64_t count) {
    if (rows == 3 && cols == 3) return make_solver<T, 3, 3, Order>(s, a, count);
    if (rows == 4 && cols == 4) return make_solver<T, 4, 4, Order>(s, a, count);
    if (rows == 6 && cols == 6) return make_solver<T, 6, 6, Order>(s, a, count);
    if (rows == 6 && cols == 4) return make_solver<T, 6, 4, Order>(s, a, count);
    return nullptr;
}

// The row-major solvers (eigen_solvers_rm.cpp).
std::unique_ptr<ArraySolver<float>> row_major(Solver s, int rows, int cols, const float* a, std::int64_t count);
std::unique_ptr<ArraySolver<double>> row_major(Solver s, int rows, int cols, const double* a, std::int64_t count);

}  // namespace rukbench::peers::eigen
