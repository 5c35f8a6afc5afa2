// Operand codes as template arguments: Export<..., "mam", ...> names its sources the way
// the exported name does. parse("mam") gives the shapes (m matrix, t transposed matrix,
// v vector, c constant) and array flags ("a" after a letter) of the sources in order.
#pragma once

#include <cstddef>
#include <string_view>

#include "params.hpp"

namespace rukm {

template <std::size_t N>
struct Code {
    char s[N];
    constexpr Code(const char (&c)[N]) {
        for (std::size_t i = 0; i < N; ++i) s[i] = c[i];
    }
    constexpr std::string_view view() const { return {s, N - 1}; }
};

struct Operands {
    int n = 0;
    Shape shape[3]{};
    bool array[3]{};
    constexpr bool any_array() const { return array[0] || array[1] || array[2]; }
    constexpr bool any_matrix() const {
        for (int i = 0; i < n; ++i)
            if (shape[i] == Shape::Mat || shape[i] == Shape::Trans) return true;
        return false;
    }
};

constexpr Operands parse(std::string_view code) {
    Operands o{};
    for (const char c : code) {
        if (c == 'a') {
            o.array[o.n - 1] = true;
            continue;
        }
        o.shape[o.n++] = c == 'm' ? Shape::Mat : c == 't' ? Shape::Trans : c == 'v' ? Shape::Vec : Shape::Const;
    }
    return o;
}

// The layout an operand follows in an export of layout L: pointer lists hold only arrays
// (single operands stay in the standard layout), and a constant array of an
// element-pointer export is a plain base with its objStride.
constexpr Layout operand_layout(Layout L, Shape s, bool array) {
    if (L == Layout::List) return array ? Layout::List : Layout::Std;
    if (L == Layout::Ptr && s == Shape::Const) return Layout::Std;
    return L;
}

}  // namespace rukm
