// The eigen-analysis exports: one export template for the symmetric and the general families.
//
// Every eigen export takes a square matrix operand (one matrix or an array), its outputs and
// a work buffer, in one of two parameter orders:
//
//   symmetric   src, buffer, [dst], dstValues, order, [count]
//   general     src, [dst], [dst2], dstValuesRe, dstValuesIm, order, [count], buffer
//
// with dst (and dst2) matrices of eigenvectors in the destination's layout and the values
// packed: order per matrix, matrix k's from element k * order. A family is a policy class
// (symmetric.hpp, general.hpp) that says which of these it takes, its checks, its work
// estimate and threshold, its per-thread scratch and its kernel for one matrix. Arrays run in
// index order and stop at the first matrix that fails; the parallel driver gives each thread
// a run, and its per-thread scratch from the runtime's allocator in the place of the buffer.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <tuple>
#include <type_traits>

#include "../frame/checks.hpp"
#include "../frame/code.hpp"
#include "../frame/driver.hpp"
#include "../frame/operand.hpp"
#include "../frame/params.hpp"
#include "../solvers/solver.hpp"

namespace rukm::eigen {

using solve::dispatch;
using solve::each;

// The square root of every eigen kernel: 32f in double precision, rounded to single.
inline float root(float x) { return float(std::sqrt(double(x))); }
inline double root(double x) { return std::sqrt(x); }

// What the kernel of one matrix sees: the source, the destination matrices (empty views
// where the family has none), the value arrays (im null where the family has none), the work
// buffer and the order.
template <class AV, class DV, class T, class Buf>
struct Job {
    AV a;
    DV d1, d2;
    T* v1;
    T* v2;
    Buf buf;
    std::int32_t n;

    Job advanced(std::int32_t first) const {
        Job j = *this;
        j.a = a.advanced(first);
        j.d1 = d1.advanced(first);
        j.d2 = d2.advanced(first);
        j.v1 = v1 + std::ptrdiff_t(first) * n;
        if (v2) j.v2 = v2 + std::ptrdiff_t(first) * n;
        return j;
    }
    void use_scratch(void* mem) { buf = static_cast<Buf>(mem); }
};

// The check orders: single objects check pointers, order, strides (or shifts); arrays check
// pointers, order, count, then shifts and strides.
template <bool Array, Layout L>
using values_checks =
    std::conditional_t<Array,
                       std::conditional_t<L == Layout::Std, Checks<Ptrs, Sizes, Cnt, Strides>,
                                          Checks<Ptrs, Sizes, Cnt, Shifts, Strides>>,
                       GeneralChecks<false, L>>;

// One export of family F: "m" or "ma", element T, layout L.
template <class F, Code C, class T, Layout L>
struct Export {
    static constexpr bool array = parse(C.view()).array[0];
    static constexpr int kDst = F::destinations;  // eigenvector matrices: 0, 1 or 2

    using A = Opd<T, Kind{Shape::Mat, array, L}>;
    using D = Opd<T, Kind{Shape::Mat, array, L, true}>;
    using Buf = std::conditional_t<F::general, std::uint8_t*, T*>;
    using Dsts = std::conditional_t<kDst == 0, std::tuple<>, std::conditional_t<kDst == 1, std::tuple<D>, std::tuple<D, D>>>;
    using Cnt_ = std::conditional_t<array, std::tuple<Count>, std::tuple<>>;
    using Values = std::conditional_t<F::general, std::tuple<Ptr<T*>, Ptr<T*>>, std::tuple<Ptr<T*>>>;
    using items = std::conditional_t<
        F::general,
        solve::detail::cat_t<std::tuple<A>, Dsts, Values, std::tuple<Size>, Cnt_, std::tuple<Ptr<Buf>>>,
        solve::detail::cat_t<std::tuple<A, Ptr<Buf>>, Dsts, Values, std::tuple<Size>, Cnt_>>;
    using signature = typename solve::detail::signature_of<items>::type;
    using checks = typename F::template checks<array, L>;

    // Positions of the items.
    static constexpr std::size_t kFirstDst = F::general ? 1 : 2;
    static constexpr std::size_t kValues = kFirstDst + kDst;
    static constexpr std::size_t kOrder = kValues + std::tuple_size_v<Values>;
    static constexpr std::size_t kBuf = F::general ? kOrder + 1 + (array ? 1 : 0) : 1;

    template <class... Items>
    static rukStatus run(const Items&... it) {
        const auto t = std::tie(it...);
        if (const rukStatus st = checks::run(t)) return st;
        const std::int32_t n = std::get<kOrder>(t).v;
        std::int32_t count = 1;
        if constexpr (array) count = std::get<kOrder + 1>(t).v;
        using DV = decltype(std::declval<D>().view(0));
        DV d1{}, d2{};
        if constexpr (kDst >= 1) d1 = std::get<kFirstDst>(t).view(n);
        if constexpr (kDst == 2) d2 = std::get<kFirstDst + 1>(t).view(n);
        T* im = nullptr;
        if constexpr (F::general) im = std::get<kValues + 1>(t).v;
        using J = Job<decltype(std::get<0>(t).view(0)), DV, T, Buf>;
        const J job{std::get<0>(t).view(n), d1, d2, std::get<kValues>(t).v, im, std::get<kBuf>(t).v, n};

        // A family runs its objects through its lane kernels where it has them, else one by one.
        auto objects = [](const J& run, std::int32_t c) {
            if constexpr (requires { F::template objects<T>(run, c); }) return F::template objects<T>(run, c);
            else return each(c, [&](std::int32_t k) { return F::template one<T>(run, k); });
        };
        if constexpr (!array) {
            return objects(job, 1);
        } else {
            const bool contiguous = !gapped(std::tie(it...));
            const bool serial = F::estimate(n, count) < F::template threshold<T, L>(contiguous);
            return dispatch(job, count, serial, F::template scratch_bytes<T>(n), objects);
        }
    }
};

}  // namespace rukm::eigen
