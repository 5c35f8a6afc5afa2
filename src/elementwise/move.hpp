// Data movement without arithmetic: copy between layouts, extract into a packed buffer,
// transpose, and identity loading.
//
// Copy, Extract and Transpose are one operation: dst(k, i, j) = src(k, i, j) for the
// `rows` x `cols` elements of every object, where the source may be a transposed view
// (Extract of t operands, Transpose) and the destination may be a packed buffer (Extract).
// Elements move as raw bits (no floating-point load), so NaN payloads, signalling NaNs,
// -0 and subnormals arrive unchanged. None of these families runs on several threads.
#pragma once

#include <cstdint>
#include <cstring>

#include "../frame/checks.hpp"
#include "../frame/fixed.hpp"
#include "../frame/isa.hpp"
#include "../frame/operand.hpp"
#include "../frame/params.hpp"

namespace rukm::mv {

template <class T>
inline void move_elem(T* d, const T* s) {
    std::memcpy(d, s, sizeof(T));
}

// Transposition of packed square objects in registers, per instruction set: entry n - 3
// serves order n, or is null when that order runs the generic loop.
template <class T>
using TransposeFn = void (*)(const Operand<const T>&, const Operand<T>&, std::int32_t);
template <class T>
struct TransposeTable {
    TransposeFn<T> fn[4];
};
extern const TypedTables<TransposeTable> transposers;

template <class T>
TransposeFn<T> transpose_kernel(int order) {
    if (order < 3 || order > 6) return nullptr;
    return for_isa<T>(transposers).fn[order - 3];
}

// dst(k, i, j) = src(k, i, j), i < rows, j < cols, k < count.
template <class T, class S, class D>
void move(const S& src, const D& dst, int rows, int cols, int count) {
    constexpr std::ptrdiff_t es = sizeof(T);
    if constexpr (std::is_same_v<S, Operand<const T>> && std::is_same_v<D, Operand<T>>) {
        // A transposed view of packed square objects into packed square objects.
        if (rows == cols && src.rs == es && src.cs == cols * es && dst.cs == es && dst.rs == cols * es) {
            if (const TransposeFn<T> f = transpose_kernel<T>(rows)) {
                f(src, dst, count);
                return;
            }
        }
        // Rows that are packed lines on both sides move as blocks of bytes.
        if (src.cs == es && dst.cs == es) {
            const std::ptrdiff_t line = cols * es, object = rows * line;
            const bool srcObjects = rows == 1 || src.rs == line, dstObjects = rows == 1 || dst.rs == line;
            if (srcObjects && dstObjects && !src.list && !dst.list && src.step == object && dst.step == object) {
                std::memmove(dst.object(0), src.object(0), static_cast<std::size_t>(object * count));
                return;
            }
            for (std::ptrdiff_t k = 0; k < count; ++k) {
                const char* s = src.object_bytes(k);
                char* d = dst.object_bytes(k);
                if (srcObjects && dstObjects) {
                    std::memmove(d, s, static_cast<std::size_t>(object));
                } else {
                    for (int i = 0; i < rows; ++i)
                        std::memmove(d + i * dst.rs, s + i * src.rs, static_cast<std::size_t>(line));
                }
            }
            return;
        }
    }
    with_size(cols, rows, [&]<int W, int H>() {
        const int ww = W ? W : cols, hh = H ? H : rows;
        for (std::ptrdiff_t k = 0; k < count; ++k) {
            const auto so = src.view(k);
            const auto dob = dst.view(k);
            for (int i = 0; i < hh; ++i)
                for (int j = 0; j < ww; ++j) move_elem(dob.at(i, j), so.at(i, j));
        }
    });
}

// A packed row-major buffer of `count` objects of rows x cols elements, as an operand.
template <class T>
Operand<T> packed(T* p, std::ptrdiff_t rows, std::ptrdiff_t cols) {
    Operand<T> o;
    o.base = reinterpret_cast<char*>(p);
    o.step = rows * cols * static_cast<std::ptrdiff_t>(sizeof(T));
    o.rs = cols * static_cast<std::ptrdiff_t>(sizeof(T));
    o.cs = sizeof(T);
    return o;
}

// Check orders of the data-movement exports.
using CopyChecks = Checks<Ptrs, Sizes, Cnt, RowElem, Shifts, ObjIfMany>;
using CopyShiftsFirst = Checks<Ptrs, Sizes, Cnt, Shifts, RowElem, ObjIfMany>;
using SizesFirst = Checks<Sizes, Ptrs, Shifts>;
using ExtractArray = Checks<Ptrs, Sizes, Cnt, Strides>;
using ExtractArrayShifted = Checks<Ptrs, Sizes, Cnt, Shifts, Strides>;
using IdentityStd = Checks<Ptrs, Sizes, Cnt, RowElem, ObjIfMany>;
using IdentityList = Checks<Ptrs, Sizes, Cnt, RowElem, Shifts>;
using IdentityPtr32 = Checks<Ptrs, Sizes, Shifts, Cnt, ObjIfMany>;
using IdentityPtr64 = Checks<Ptrs, Sizes, Cnt, Shifts, ObjIfMany>;

constexpr Shape shape_of(char c) { return c == 'm' ? Shape::Mat : c == 't' ? Shape::Trans : Shape::Vec; }

// Sizes of a matrix (width, height) or vector (len) form, then count for arrays.
template <bool Matrix, bool Array, class... Groups>
using SizedSignature = std::conditional_t<
    Matrix, std::conditional_t<Array, Signature<Groups..., Size, Size, Count>, Signature<Groups..., Size, Size>>,
    std::conditional_t<Array, Signature<Groups..., Size, Count>, Signature<Groups..., Size>>>;

// rukmCopy_ma / _va: kind 'm' or 'v', source layout Ls, destination layout Ld.
template <char Kd, class T, Layout Ls, Layout Ld, class Order = CopyChecks>
struct Copy {
    static constexpr bool matrix = Kd == 'm';
    using Src = Opd<T, Kind{shape_of(Kd), true, Ls}>;
    using Dst = Opd<T, Kind{shape_of(Kd), true, Ld, true}>;
    using signature = SizedSignature<matrix, true, Src, Dst>;

    static rukStatus run(const Src& s, const Dst& d, const auto&... sizes) {
        if (const rukStatus st = Order::run(std::tie(s, d, sizes...))) return st;
        const std::int32_t sz[] = {sizes.v...};
        const std::int32_t w = sz[0], h = matrix ? sz[1] : 1, count = sz[sizeof...(sizes) - 1];
        move<T>(s.view(w), d.view(w), h, w, count);
        return rukOk;
    }
};

// rukmExtract_<code>: code m, t, v (single) or ma, ta, va (array), layout L.
template <char Kd, bool Array, class T, Layout L, class Order>
struct Extract {
    static constexpr bool matrix = Kd != 'v';
    using Src = Opd<T, Kind{shape_of(Kd), Array, L}>;
    using signature = SizedSignature<matrix, Array, Src, Ptr<T*>>;

    static rukStatus run(const Src& s, const Ptr<T*>& d, const auto&... sizes) {
        if (const rukStatus st = Order::run(std::tie(s, d, sizes...))) return st;
        const std::int32_t sz[] = {sizes.v...};
        const std::int32_t w = sz[0], h = matrix ? sz[1] : 1;
        const std::int32_t count = Array ? sz[sizeof...(sizes) - 1] : 1;
        move<T>(s.view(Kd == 't' ? h : w), packed(d.v, h, w), h, w, count);
        return rukOk;
    }
};

// rukmTranspose_m / _ma: the destination (width rows of height) receives the transpose of
// the source (height rows of width).
template <bool Array, class T, Layout L>
struct Transpose {
    using Src = Opd<T, Kind{Shape::Mat, Array, L}>;
    using Dst = Opd<T, Kind{Shape::Mat, Array, L, true}>;
    using signature = std::conditional_t<Array, Signature<Src, Size, Size, Dst, Count>, Signature<Src, Size, Size, Dst>>;
    using checks = GeneralChecks<Array, L>;

    static rukStatus run(const Src& s, const Size& w, const Size& h, const Dst& d, const auto&... count) {
        if (const rukStatus st = checks::run(std::tie(s, w, h, d, count...))) return st;
        const std::int32_t n[] = {1, count.v...};
        move<T>(s.view(w.v).transposed(), d.view(h.v), w.v, h.v, n[sizeof...(count)]);
        return rukOk;
    }
};

// rukmLoadIdentity_ma: zeros everywhere, then ones on (i, i) for i below width and height.
template <class T, Layout L, class Order>
struct Identity {
    using Dst = Opd<T, Kind{Shape::Mat, true, L, true}>;
    using signature = Signature<Dst, Size, Size, Count>;

    static rukStatus run(const Dst& d, const Size& w, const Size& h, const Count& count) {
        if (const rukStatus st = Order::run(std::tie(d, w, h, count))) return st;
        const auto dv = d.view(w.v);
        with_size(w.v, h.v, [&]<int W, int H>() {
            const int ww = W ? W : w.v, hh = H ? H : h.v;
            for (std::ptrdiff_t k = 0; k < count.v; ++k) {
                const auto o = dv.view(k);
                for (int i = 0; i < hh; ++i) {
                    for (int j = 0; j < ww; ++j) *o.at(i, j) = T(0);
                    if (i < ww) *o.at(i, i) = T(1);
                }
            }
        });
        return rukOk;
    }
};

}  // namespace rukm::mv
