// Argument checks.
//
// Each export validates its arguments as a sequence of groups; the first group that fails
// decides the status, and nothing has been read or written by then. A group evaluates
// every item of the export with one combined condition, so the status does not say which
// operand failed. The groups:
//
//   Ptrs        every operand pointer, list, element-pointer array and output pointer
//   Cnt         count >= 1
//   Sizes       width, height, len, order >= 1
//   Strides     every objStride, rowStride and elemStride a positive element multiple
//   Shifts      every shift a non-negative element multiple
//   RowElem     rowStride and elemStride only
//   ObjIfMany   objStride only, and only when count > 1
//   Agree<F>    a family's size agreement, F(items) true when the sizes agree
//   On<G, I...> group G over the items at positions I only
//
// An export declares its order as Checks<...>; the general orders are below.
#pragma once

#include <tuple>

#include "params.hpp"

namespace rukm {

namespace detail {
template <class It>
std::int32_t count_or(const It& it, std::int32_t c) {
    if constexpr (std::is_same_v<It, Count>) return it.v;
    else return c;
}
template <class Tup, class F>
bool every(const Tup& t, F f) {
    return std::apply([&](const auto&... it) { return (f(it) && ...); }, t);
}
template <class Tup>
std::int32_t count_of(const Tup& t) {
    std::int32_t c = 1;
    std::apply([&](const auto&... it) {
        ((c = count_or(it, c)), ...);
    }, t);
    return c;
}
}  // namespace detail

struct Ptrs {
    static constexpr rukStatus status = rukErrNullPtr;
    template <class Tup>
    static bool ok(const Tup& t) { return detail::every(t, [](const auto& i) { return i.pointers_ok(); }); }
};
struct Cnt {
    static constexpr rukStatus status = rukErrCount;
    template <class Tup>
    static bool ok(const Tup& t) { return detail::every(t, [](const auto& i) { return i.count_ok(); }); }
};
struct Sizes {
    static constexpr rukStatus status = rukErrSize;
    template <class Tup>
    static bool ok(const Tup& t) { return detail::every(t, [](const auto& i) { return i.sizes_ok(); }); }
};
struct Strides {
    static constexpr rukStatus status = rukErrStride;
    template <class Tup>
    static bool ok(const Tup& t) { return detail::every(t, [](const auto& i) { return i.strides_ok(); }); }
};
struct RowElem {
    static constexpr rukStatus status = rukErrStride;
    template <class Tup>
    static bool ok(const Tup& t) {
        return detail::every(t, [](const auto& i) { return i.row_elem_strides_ok(); });
    }
};
struct ObjIfMany {
    static constexpr rukStatus status = rukErrStride;
    template <class Tup>
    static bool ok(const Tup& t) {
        return detail::count_of(t) <= 1 ||
               detail::every(t, [](const auto& i) { return i.obj_strides_ok(); });
    }
};
struct Shifts {
    static constexpr rukStatus status = rukErrShift;
    template <class Tup>
    static bool ok(const Tup& t) { return detail::every(t, [](const auto& i) { return i.shifts_ok(); }); }
};
template <auto Agreeing>
struct Agree {
    static constexpr rukStatus status = rukErrSizeMismatch;
    template <class Tup>
    static bool ok(const Tup& t) { return Agreeing(t); }
};

// Group G over the items at positions I of the export only: exports that check their operands
// one after the other (the shifts and strides of the source, then those of the destinations).
template <class G, std::size_t... I>
struct On {
    static constexpr rukStatus status = G::status;
    template <class Tup>
    static bool ok(const Tup& t) { return G::ok(std::tie(std::get<I>(t)...)); }
};

template <class... Group>
struct Checks {
    template <class Tup>
    static rukStatus run(const Tup& t) {
        rukStatus s = rukOk;
        ((s == rukOk && !Group::ok(t) ? (s = Group::status, true) : false), ...);
        return s;
    }
};

// The general orders: single objects check pointers, sizes, then strides (standard layout)
// or shifts (element-pointer layout); arrays check pointers, count, sizes, strides, shifts.
template <bool Array, Layout L>
using GeneralChecks = std::conditional_t<
    Array,
    std::conditional_t<L == Layout::Std, Checks<Ptrs, Cnt, Sizes, Strides>,
                       Checks<Ptrs, Cnt, Sizes, Strides, Shifts>>,
    std::conditional_t<L == Layout::Ptr, Checks<Ptrs, Sizes, Shifts>, Checks<Ptrs, Sizes, Strides>>>;

// True when any element stride of the call differs from the element size: the strided
// kernel runs instead of the contiguous one.
template <class Tup>
bool gapped(const Tup& t) {
    return !detail::every(t, [](const auto& i) { return !i.gapped(); });
}

}  // namespace rukm
