// Element-wise operations of two operands: addition, subtraction and scaling.
//
// Every destination element is one IEEE operation of the two source values at its
// position, dst(k, i, j) = x(k, i, j) op y(k, i, j), where x and y are the operands in the
// order of the operand code: matrices, transposed matrices (the same storage with row and
// column steps exchanged), vectors (one row) and constants (row and column steps 0, one
// object shared by all k for a single constant). The kernels therefore never depend on the
// export: only on the operation, the element type and how each operand is addressed.
//
//   contiguous kernels  standard and pointer-list layouts with every element stride equal
//                       to the element size; one variant per instruction set (ew_contig.inc)
//   generic kernel      every other case: strided elements, element pointers
//
// Both have unrolled paths for square orders and vector lengths 3 to 6 and give
// bit-identical results, NaN payloads included, whatever the layout, strides, kernel or
// thread count.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "../frame/checks.hpp"
#include "../frame/code.hpp"
#include "../frame/driver.hpp"
#include "../frame/fixed.hpp"
#include "../frame/isa.hpp"
#include "../frame/operand.hpp"
#include "../frame/ordered.hpp"
#include "../frame/params.hpp"

namespace rukm::ew {

// The operations, on single elements (the contiguous kernels apply them to registers). Each
// takes the two source values and the call's two scalar factors (unused by most). Every
// addition and multiplication keeps its operands in the order written (frame/ordered.hpp):
// where two NaNs meet, the result carries the first one's payload, quieted, in every kernel.
struct Add {
    static constexpr int id = 0;
    template <class T>
    static T apply(T a, T b, T, T) { return add_first(a, b); }
};
struct Sub {
    static constexpr int id = 1;
    template <class T>
    static T apply(T a, T b, T, T) { return a - b; }
};
struct Mul {
    static constexpr int id = 2;
    template <class T>
    static T apply(T a, T b, T, T) { return mul_first(a, b); }
};
// scale1 * a + scale2 * b
struct LComb {
    static constexpr int id = 3;
    template <class T>
    static T apply(T a, T b, T s1, T s2) { return add_first(mul_first(s1, a), mul_first(s2, b)); }
};
// scale * a + b
struct Saxpy {
    static constexpr int id = 4;
    template <class T>
    static T apply(T a, T b, T s1, T) { return add_first(mul_first(s1, a), b); }
};
inline constexpr int kOps = 5;

// How a contiguous kernel reads an operand: packed rows, packed columns (a transposed
// matrix) or one value per object (a constant).
enum Access : int { Rows = 0, Cols = 1, Bcast = 2 };
inline constexpr int kAccess = 3;

constexpr Access access_of(Shape s) {
    return s == Shape::Trans ? Cols : s == Shape::Const ? Bcast : Rows;
}

// What a kernel sees: the two sources, the destination, the sizes of a run of objects and
// the scalar factors. The contiguous kernels take standard or pointer-list operands; the
// generic kernel any mix of operand kinds.
template <class T, class X = Operand<const T>, class Y = Operand<const T>, class D = Operand<T>>
struct Args {
    X x;
    Y y;
    D d;
    std::int32_t w, h, count;
    T s1, s2;

    Args run(std::int32_t first, std::int32_t n) const {
        return {x.advanced(first), y.advanced(first), d.advanced(first), w, h, n, s1, s2};
    }
};

// Contiguous kernels, one table per instruction set: [operation][access x][access y].
template <class T>
using ContigFn = void (*)(const Args<T>&);
template <class T>
struct ContigTable {
    ContigFn<T> fn[kOps][kAccess][kAccess];
};
extern const TypedTables<ContigTable> contig;

// The generic kernel: every element through its operand's addressing.
template <class F, class A>
void generic(const A& a) {
    const auto s1 = a.s1, s2 = a.s2;
    with_size(a.w, a.h, [&]<int W, int H>() {
        const int ww = W ? W : a.w, hh = H ? H : a.h;
        for (std::ptrdiff_t k = 0; k < a.count; ++k) {
            const auto xo = a.x.view(k);
            const auto yo = a.y.view(k);
            const auto dob = a.d.view(k);
            for (int i = 0; i < hh; ++i)
                for (int j = 0; j < ww; ++j) *dob.at(i, j) = F::apply(*xo.at(i, j), *yo.at(i, j), s1, s2);
        }
    });
}

// Runs a call whose checks have passed: args holds the sources in the operation's order and
// the destination; single objects run on the calling thread, arrays by their estimate and
// thresholds. AX and AY say how the contiguous kernel reads x and y.
template <class Op, Layout L, bool Array, Access AX, Access AY, class A>
rukStatus execute(const A& args, bool contiguous, std::int64_t estimate, const Thresholds& thr) {
    using T = std::remove_const_t<decltype(args.s1)>;
    const ContigFn<T> fast = L != Layout::Ptr && contiguous ? for_isa<T>(contig).fn[Op::id][AX][AY] : nullptr;
    auto launch = [&](const A& r) {
        if constexpr (L != Layout::Ptr) {
            if (fast) {
                fast(r);
                return rukOk;
            }
        }
        generic<Op>(r);
        return rukOk;
    };
    if constexpr (!Array) return launch(args);
    else
        return run_array(estimate, thr.select<T, L>(contiguous), args.count, [&](std::int32_t k0, std::int32_t n) {
            return k0 == 0 && n == args.count ? launch(args) : launch(args.run(k0, n));
        });
}

// ---------------------------------------------------------------------------------------
// Work estimates and thresholds of the array forms (w = width, h = height, l = len,
// c = count; vectors have w = len and h = 1).
enum class Estimate { WH_2C1, WH_3C, L_2C1, L_3C, C_2L1, LC_L_C, C2_1, WH_2C, L_2C };

constexpr std::int64_t estimate(Estimate e, std::int64_t w, std::int64_t h, std::int64_t c) {
    switch (e) {
    case Estimate::WH_2C1: return w * h * (2 * c + 1);
    case Estimate::WH_3C: return 3 * w * h * c;
    case Estimate::L_2C1: return w * (2 * c + 1);
    case Estimate::L_3C: return 3 * w * c;
    case Estimate::C_2L1: return c * (2 * w + 1);
    case Estimate::LC_L_C: return w * c + w + c;
    case Estimate::C2_1: return 2 * c + 1;
    case Estimate::WH_2C: return 2 * w * h * c;
    case Estimate::L_2C: return 2 * w * c;
    }
    return 0;
}

struct ArrayRow {
    int op;
    std::string_view codes;  // space-separated operand codes
    Estimate est;
    Thresholds thr;
};

inline constexpr Thresholds kMatrices = Thresholds::uniform(36864, 18432, 18432, 9216);
inline constexpr Thresholds kVectors = Thresholds::uniform(20001).list32(40001, 40001);
inline constexpr Thresholds kScaleMatrices = Thresholds::uniform(35001, 35001, 35001, 17001).list32(35001, 15001);
inline constexpr Thresholds kScaleVectors = Thresholds::uniform(36865, 18433, 18433, 9217);
inline constexpr Thresholds kScaleConstArrays = Thresholds::uniform(36865, 36865, 18433, 9217);

inline constexpr ArrayRow kArrayRows[] = {
    {Add::id, "mam mat tam tat", Estimate::WH_2C1, kMatrices},
    {Sub::id, "mam mat tam tat mma mta tma tta", Estimate::WH_2C1, kMatrices},
    {Add::id, "mama tama tata", Estimate::WH_3C, kMatrices},
    {Sub::id, "mama mata tama tata", Estimate::WH_3C, kMatrices},
    {Add::id, "vav vac", Estimate::L_2C1, kVectors},
    {Sub::id, "vav vva vac", Estimate::L_2C1, kVectors},
    {Add::id, "vava", Estimate::L_3C, kVectors},
    {Sub::id, "vava", Estimate::L_3C, kVectors},
    {Add::id, "vaca", Estimate::C_2L1, kVectors},
    {Sub::id, "vaca cava", Estimate::C_2L1, kVectors},
    {Add::id, "vca", Estimate::LC_L_C, kVectors},
    {Sub::id, "vca cav", Estimate::LC_L_C, kVectors},
    {Sub::id, "cva", Estimate::C2_1, kVectors},
    {Mul::id, "mac tac", Estimate::WH_2C, kScaleMatrices},
    {Mul::id, "vac", Estimate::L_2C, kScaleVectors},
    {Mul::id, "vaca", Estimate::C_2L1, kScaleConstArrays},
    {Mul::id, "vca", Estimate::LC_L_C, kScaleConstArrays},
};

constexpr bool lists(std::string_view codes, std::string_view code) {
    while (!codes.empty()) {
        const auto sp = codes.find(' ');
        if (codes.substr(0, sp) == code) return true;
        if (sp == std::string_view::npos) break;
        codes.remove_prefix(sp + 1);
    }
    return false;
}

// The row of an array form's operation and code, or -1.
constexpr int array_row(int op, std::string_view code) {
    for (std::size_t i = 0; i < std::size(kArrayRows); ++i)
        if (kArrayRows[i].op == op && lists(kArrayRows[i].codes, code)) return static_cast<int>(i);
    return -1;
}

// Check orders of the exports that keep an order of their own.
using StridesBeforeSizes = Checks<Ptrs, Cnt, Strides, Sizes>;          // Add/Sub mam, Sub mma
using CountLast = Checks<Ptrs, Sizes, Strides, Cnt>;                   // Add/Sub vav
using CountLastList = Checks<Ptrs, Sizes, Strides, Shifts, Cnt>;       // Add/Sub vav, _L
using CountBeforeShifts = Checks<Ptrs, Sizes, Strides, Cnt, Shifts>;   // Add/Sub vav, _P

// One export of an element-wise family: operation Op, operand code C, element type T,
// layout L, and the check order when it is not the general one.
template <class Op, Code C, class T, Layout L, class Order = void>
struct Export {
    static constexpr Operands ops = parse(C.view());
    static constexpr bool array = ops.any_array();
    static constexpr bool matrix = ops.any_matrix();
    // The vector operand's group comes before the constant's.
    static constexpr int first = ops.shape[0] == Shape::Const ? 1 : 0;

    static constexpr Kind kind(int i) {
        return {ops.shape[i], ops.array[i], operand_layout(L, ops.shape[i], ops.array[i])};
    }
    static constexpr Kind dst_kind() {
        const Shape s = matrix ? Shape::Mat : Shape::Vec;
        return {s, array, operand_layout(L, s, array), true};
    }

    using P0 = Opd<T, kind(first)>;
    using P1 = Opd<T, kind(1 - first)>;
    using PD = Opd<T, dst_kind()>;
    using signature = std::conditional_t<
        matrix, std::conditional_t<array, Signature<P0, P1, PD, Size, Size, Count>, Signature<P0, P1, PD, Size, Size>>,
        std::conditional_t<array, Signature<P0, P1, PD, Size, Count>, Signature<P0, P1, PD, Size>>>;
    using checks = std::conditional_t<std::is_void_v<Order>, GeneralChecks<array, L>, Order>;

    static constexpr int row_index = array_row(Op::id, C.view());
    static_assert(!array || row_index >= 0, "array form without a work estimate");
    static constexpr const ArrayRow& row = kArrayRows[array ? row_index : 0];

    static rukStatus run(const P0& a, const P1& b, const PD& d, const auto&... sizes) {
        if (const rukStatus s = checks::run(std::tie(a, b, d, sizes...))) return s;
        const std::int32_t sz[] = {sizes.v...};
        const std::int32_t w = sz[0], h = matrix ? sz[1] : 1;
        const std::int32_t count = array ? sz[sizeof...(sizes) - 1] : 1;

        const std::int64_t e = array ? estimate(row.est, w, h, count) : 0;
        using X = decltype(operand<0>(a, b, w, h));
        using Y = decltype(operand<1>(a, b, w, h));
        return execute<Op, L, array, access_of(ops.shape[0]), access_of(ops.shape[1])>(
            Args<T, X, Y, decltype(d.view(w))>{operand<0>(a, b, w, h), operand<1>(a, b, w, h), d.view(w), w, h, count,
                                               T(0), T(0)},
            !gapped(std::tie(a, b, d)), e, array ? row.thr : Thresholds{});
    }

private:
    // Source I of the operation (in code order), from the parameter groups. The stored
    // width of a transposed operand is the height of the operand as used.
    template <int I>
    static auto operand(const P0& a, const P1& b, std::int32_t w, std::int32_t h) {
        const std::int32_t storedWidth = ops.shape[I] == Shape::Trans ? h : w;
        if constexpr ((I == 0) == (first == 0)) return a.view(storedWidth);
        else return b.view(storedWidth);
    }
};

}  // namespace rukm::ew
