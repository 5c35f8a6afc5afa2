// Householder QR decomposition A = Q R of height x width matrices (width <= height) and its
// back substitution (the exact solution for a square A, the least-squares one for a tall A).
//
// dst holds R on and above the diagonal and, below it, the components v(i), i > k, of the
// k-th Householder vector (v(k) = 1 implied); the reflector I + beta v v^T, beta = -2 / (1 +
// sum of v(i)^2), is recomputed from them wherever it is needed. The caller's buffer of
// height elements holds the current vector (decomposition) or the transformed right-hand side
// (back substitution); parallel array calls use per-thread scratch from the OpenMP runtime
// instead. Formulas: qr_formula.inc. The width <= height check comes after all others. Arrays
// stop at the first matrix with a column too small to reflect (a parallel run at its own
// first one); the lane kernels run sixteen 32f (eight 64f) matrices of up to eight rows at
// once.
#pragma once

#include <cmath>
#include <limits>

#include "../frame/isa.hpp"
#include "solver.hpp"

namespace rukm::solve {

// The 32f root is taken in double precision and rounded to single.
inline float column_root(float s) { return float(std::sqrt(double(s))); }
inline double column_root(double s) { return std::sqrt(s); }

#include "qr_formula.inc"

// Lane kernels of one instruction set for heights up to kQrLaneRows, on groups laid out
// element by element (solver.hpp). decomp factors the group in place and returns the lanes
// whose matrix has a column too small to reflect; subst transforms b (height elements, in x)
// and leaves x (width elements) in its place, with per-lane factorizations, subst_shared with
// one factorization (width*height elements) for every lane.
inline constexpr int kQrLaneRows = 8;
template <class T>
struct QrLanes {
    std::uint32_t (*decomp)(T* a, int w, int h);
    void (*subst)(const T* f, T* x, int w, int h);
    void (*subst_shared)(const T* f, T* x, int w, int h);
};
extern const TypedTables<QrLanes> qr_lanes;

// width <= height, checked after every other group.
inline constexpr auto width_within_height = [](const auto& t) {
    std::int32_t s[2] = {0, 0};
    int n = 0;
    auto take = [&](const auto& it) {
        if constexpr (std::is_same_v<std::decay_t<decltype(it)>, Size>) s[n++ & 1] = it.v;
    };
    std::apply([&](const auto&... it) { (take(it), ...); }, t);
    return s[0] <= s[1];
};
template <class C>
struct then_fits;
template <class... G>
struct then_fits<Checks<G...>> {
    using type = Checks<G..., Agree<width_within_height>>;
};

struct QrBase : Family {
    static constexpr bool rect = true;
    template <class T>
    using extra = std::tuple<Ptr<T*>>;
    template <bool Array, Layout L, Form>
    using checks = typename then_fits<GeneralChecks<Array, L>>::type;
    template <class T, Layout L>
    static std::int32_t threshold(Form, bool) { return L == Layout::Std ? 2801 : 1801; }
    static constexpr bool scratch = true;
    template <class T>
    static std::size_t scratch_bytes(std::int32_t, std::int32_t h) { return std::size_t(h) * sizeof(T); }
    static bool lanes(int w, int h) { return h <= kQrLaneRows && w >= 2; }
};

struct QrDecomp : QrBase {
    static std::int64_t estimate(Form, std::int32_t w, std::int32_t h, std::int32_t count) {
        return std::int64_t(w) * h * 2 * count;
    }

    template <class T, Layout, class J>
    static rukStatus objects(const J& job, std::int32_t count, bool) {
        const int w = job.n, h = job.h;
        auto one = [&](std::int32_t k) {
            const auto s = job.a.view(k);
            const auto d = job.d.view(k);
            for (int i = 0; i < h; ++i)
                for (int j = 0; j < w; ++j) *d.at(i, j) = *s.at(i, j);
            const bool failed = householder_qr<T>(
                w, h, [&](int i, int j) -> T& { return *d.at(i, j); }, [&](int i) -> T& { return job.x[i]; });
            return failed ? rukErrDivByZero : rukOk;
        };
        const auto lanes = for_isa<T>(qr_lanes).decomp;
        return by_groups<T>(count, QrBase::lanes(w, h), [&](std::int32_t k, int m) {
            alignas(64) T a[kQrLaneRows * kQrLaneRows * kGroup<T>];
            load_group(job.a, k, m, h, w, all_of(h * w), a);
            const int done = completed(lanes(a, w, h), m);
            store_group(job.d, k, done, h, w, all_of(h * w), a);
            return done;
        }, one);
    }
};

struct QrSubst : QrBase {
    static std::int64_t estimate(Form f, std::int32_t w, std::int32_t h, std::int32_t count) {
        return f.arrA ? (std::int64_t(w) * (h + 1) + h) * count : std::int64_t(w) * h + (std::int64_t(w) + h) * count;
    }

    template <class T, Layout, class J>
    static rukStatus objects(const J& job, std::int32_t count, bool) {
        const int w = job.n, h = job.h;
        auto one = [&](std::int32_t k) {
            const auto f = job.a.view(k);
            const auto b = job.b.view(k);
            const auto x = job.d.view(k);
            T* y = job.x;
            for (int i = 0; i < h; ++i) y[i] = *b.at(0, i);
            householder_subst<T>(
                w, h, [&](int i, int j) { return *f.at(i, j); }, [&](int i) -> T& { return y[i]; },
                [&](int i) -> T& { return *x.at(0, i); });
            return rukOk;
        };
        if (!QrBase::lanes(w, h)) return each(count, one);
        const QrLanes<T>& kernels = for_isa<T>(qr_lanes);
        alignas(64) T shared[kQrLaneRows * kQrLaneRows];
        if (!job.arrA)
            for (int i = 0; i < h; ++i)
                for (int j = 0; j < w; ++j) shared[i * w + j] = *job.a.view(0).at(i, j);
        return by_groups<T>(count, true, [&](std::int32_t k, int m) {
            alignas(64) T a[kQrLaneRows * kQrLaneRows * kGroup<T>];
            alignas(64) T x[kQrLaneRows * kGroup<T>];
            load_group(job.b, k, m, 1, h, all_of(h), x);
            if (job.arrA) {
                load_group(job.a, k, m, h, w, all_of(h * w), a);
                kernels.subst(a, x, w, h);
            } else {
                kernels.subst_shared(shared, x, w, h);
            }
            store_group(job.d, k, m, 1, w, all_of(w), x);
            return m;
        }, one);
    }
};

}  // namespace rukm::solve
