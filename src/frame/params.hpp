// Parameter groups of the exported functions.
//
// An export's parameter list is a sequence of items: operand groups (a pointer followed by
// the strides or shift of the operand's layout, and in the product families the operand's
// own sizes), plain sizes, the count, plain pointers (packed results, pivot indices, work
// buffers) and scalars passed by value. Each item knows its C parameter types, so a
// sequence of items yields the exact C signature of the export, and it knows which of the
// argument checks concern it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <tuple>
#include <type_traits>
#include <utility>

#include "rukcore.h"
#include "operand.hpp"

namespace rukm {

enum class Layout : std::uint8_t { Std, List, Ptr };
enum class Shape : std::uint8_t { Mat, Trans, Vec, Const };

// What an operand group is: its shape, whether it is an array of count objects, the layout
// its parameters follow, whether it is written, and whether its sizes sit inside the group.
struct Kind {
    Shape shape;
    bool array;
    Layout layout;
    bool out = false;
    bool sized = false;
    constexpr bool matrix() const { return shape == Shape::Mat || shape == Shape::Trans; }
    constexpr bool by_value() const { return shape == Shape::Const && !array; }
};

template <class T>
constexpr bool stride_valid(std::int32_t s) {
    return s > 0 && s % static_cast<std::int32_t>(sizeof(T)) == 0;
}
template <class T>
constexpr bool shift_valid(std::int32_t s) {
    return s >= 0 && s % static_cast<std::int32_t>(sizeof(T)) == 0;
}

enum class Field : std::uint8_t { Pointer, Value, ObjStride, RowStride, ElemStride, Shift, Width, Height, Len };

// The parameters of an operand group, in their order.
constexpr auto fields_of(Kind k) {
    struct List {
        std::array<Field, 7> f{};
        int n = 0;
        constexpr void add(Field x) { f[n++] = x; }
    } l;
    if (k.by_value()) {
        l.add(Field::Value);
        return l;
    }
    l.add(Field::Pointer);
    const bool constant = k.shape == Shape::Const;
    switch (k.layout) {
    case Layout::Std:
        if (k.array) l.add(Field::ObjStride);
        if (k.matrix()) l.add(Field::RowStride);
        if (!constant) l.add(Field::ElemStride);
        break;
    case Layout::List:
        l.add(Field::Shift);
        if (k.matrix()) l.add(Field::RowStride);
        if (!constant) l.add(Field::ElemStride);
        break;
    case Layout::Ptr:
        l.add(Field::Shift);
        if (k.array) l.add(Field::ObjStride);
        break;
    }
    if (k.sized) {
        if (k.matrix()) {
            l.add(Field::Width);
            l.add(Field::Height);
        } else {
            l.add(Field::Len);
        }
    }
    return l;
}

// An operand group of element type T.
template <class T, Kind K>
struct Opd {
    static constexpr Kind kind = K;
    static constexpr auto layout_fields = fields_of(K);
    static constexpr int arity = layout_fields.n;
    using elem = std::conditional_t<K.out, T, const T>;
    using pointer = std::conditional_t<K.layout == Layout::Std, elem*, elem* const*>;

    template <int I>
    using arg_t = std::conditional_t<layout_fields.f[I] == Field::Pointer, pointer,
                  std::conditional_t<layout_fields.f[I] == Field::Value, T, std::int32_t>>;

    // Only the fields of this kind's parameters are set and read; the others stay
    // uninitialised, so binding the arguments costs no more than storing them. (The empty
    // constructor matters: a tuple value-initialises its elements, which would clear an
    // aggregate field by field.)
    Opd() {}
    pointer ptr;
    T value;
    std::int32_t obj, row, elem_stride, shift, width, height, len;

    template <int I>
    void set(arg_t<I> a) {
        constexpr Field f = layout_fields.f[I];
        if constexpr (f == Field::Pointer) ptr = a;
        else if constexpr (f == Field::Value) value = a;
        else if constexpr (f == Field::ObjStride) obj = a;
        else if constexpr (f == Field::RowStride) row = a;
        else if constexpr (f == Field::ElemStride) elem_stride = a;
        else if constexpr (f == Field::Shift) shift = a;
        else if constexpr (f == Field::Width) width = a;
        else if constexpr (f == Field::Height) height = a;
        else len = a;
    }

    static constexpr bool has(Field x) {
        for (int i = 0; i < arity; ++i)
            if (layout_fields.f[i] == x) return true;
        return false;
    }

    // Argument checks that concern this group.
    bool pointers_ok() const {
        if constexpr (K.by_value()) return true;
        else return ptr != nullptr;
    }
    bool sizes_ok() const {
        if constexpr (!K.sized) return true;
        else if constexpr (K.matrix()) return width >= 1 && height >= 1;
        else return len >= 1;
    }
    bool obj_strides_ok() const { return !has(Field::ObjStride) || stride_valid<T>(obj); }
    bool row_elem_strides_ok() const {
        return (!has(Field::RowStride) || stride_valid<T>(row)) &&
               (!has(Field::ElemStride) || stride_valid<T>(elem_stride));
    }
    bool strides_ok() const { return obj_strides_ok() && row_elem_strides_ok(); }
    bool shifts_ok() const { return !has(Field::Shift) || shift_valid<T>(shift); }
    bool count_ok() const { return true; }
    // The operand as a single kernel takes it (single.hpp): a pointer that is set, contiguous
    // elements and a valid row stride; so it passes every check of its group but the sizes.
    bool direct() const {
        if constexpr (K.by_value()) return true;
        else
            return ptr != nullptr && (!has(Field::ElemStride) || elem_stride == static_cast<std::int32_t>(sizeof(T))) &&
                   (!has(Field::RowStride) || stride_valid<T>(row));
    }
    // True when the group takes an element stride and it is not the element size.
    bool gapped() const {
        return has(Field::ElemStride) && elem_stride != static_cast<std::int32_t>(sizeof(T));
    }

    // The kernel's view of the operand. storedWidth is the number of columns of one stored
    // object: it places the element pointers of a matrix in the element-pointer layout.
    auto view(std::int32_t storedWidth = 0) const {
        // Every field is given in one initialisation: assigning fields after default
        // initialisation makes GCC clear the whole record first (a string store per call).
        constexpr bool trans = K.shape == Shape::Trans;
        if constexpr (K.layout == Layout::Ptr && K.shape != Shape::Const) {
            const std::ptrdiff_t across = K.matrix() ? storedWidth : 0;  // index step of a stored row
            return ElemPtrOperand<elem>{ptr, shift, K.array ? obj : 0, trans ? 1 : across, trans ? across : 1};
        } else {
            using bytes = byte_of<elem>*;
            bytes base = nullptr;
            elem* const* list = nullptr;
            std::ptrdiff_t step = 0, rs = 0, cs = 0;
            if constexpr (K.by_value()) {
                base = reinterpret_cast<bytes>(&value);
            } else if constexpr (K.layout == Layout::List) {
                if constexpr (K.layout == Layout::List) list = ptr;
                step = shift;
            } else {
                base = reinterpret_cast<bytes>(ptr);
                step = K.array ? obj : 0;
            }
            if constexpr (K.matrix()) {
                rs = trans ? elem_stride : row;
                cs = trans ? row : elem_stride;
            } else if constexpr (K.shape == Shape::Vec) {
                cs = elem_stride;
            }
            return Operand<elem>{base, list, step, rs, cs};
        }
    }
};

// One parameter of type V that no check but its own concerns: the base of the plain items.
// Each check group asks every item whether it passes; an item passes every group it takes
// no part in.
template <class V>
struct Plain {
    static constexpr int arity = 1;
    template <int>
    using arg_t = V;
    Plain() {}  // left unset until bound, like Opd
    V v;
    template <int>
    void set(V a) { v = a; }
    bool pointers_ok() const { return true; }
    bool sizes_ok() const { return true; }
    bool count_ok() const { return true; }
    bool strides_ok() const { return true; }
    bool obj_strides_ok() const { return true; }
    bool row_elem_strides_ok() const { return true; }
    bool shifts_ok() const { return true; }
    bool gapped() const { return false; }
};

// A plain 32-bit integer parameter with the role it plays in the checks.
enum class Role : std::uint8_t { Size, Count, Other };

template <Role R>
struct Int : Plain<std::int32_t> {
    bool sizes_ok() const { return R != Role::Size || v >= 1; }
    bool count_ok() const { return R != Role::Count || v >= 1; }
};
using Size = Int<Role::Size>;
using Count = Int<Role::Count>;

// A plain pointer parameter that must not be null (packed results, buffers, pivots).
template <class P>
struct Ptr : Plain<P> {
    bool pointers_ok() const { return this->v != nullptr; }
};

// A scalar factor passed by value.
template <class T>
using Scalar = Plain<T>;

namespace detail {

template <class Item, class Seq>
struct item_args;
template <class Item, int... I>
struct item_args<Item, std::integer_sequence<int, I...>> {
    using type = std::tuple<typename Item::template arg_t<I>...>;
};

template <class... Tuples>
using cat_t = decltype(std::tuple_cat(std::declval<Tuples>()...));

template <class Tuple>
struct fn_of;
template <class... A>
struct fn_of<std::tuple<A...>> {
    using type = rukStatus(A...);
};

}  // namespace detail

// The parameter list of an export: binds the flat C arguments to a tuple of items.
template <class... Items>
struct Signature {
    using items = std::tuple<Items...>;
    static constexpr int arity = (Items::arity + ... + 0);
    using args = detail::cat_t<
        typename detail::item_args<Items, std::make_integer_sequence<int, Items::arity>>::type...>;
    using fn_type = typename detail::fn_of<args>::type;

    template <class... A>
    static items bind(A... a) {
        static_assert(sizeof...(A) == arity);
        items out;
        const std::tuple<A...> in(a...);
        bind_from<0, 0>(out, in);
        return out;
    }

private:
    template <std::size_t Item, int Offset, class In>
    static void bind_from(items& out, const In& in) {
        if constexpr (Item < sizeof...(Items)) {
            using It = std::tuple_element_t<Item, items>;
            [&]<int... I>(std::integer_sequence<int, I...>) {
                (std::get<Item>(out).template set<I>(std::get<Offset + I>(in)), ...);
            }(std::make_integer_sequence<int, It::arity>{});
            bind_from<Item + 1, Offset + It::arity>(out, in);
        }
    }
};

}  // namespace rukm
