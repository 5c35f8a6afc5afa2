// Single objects.
//
// A single-object call is short, so what it costs to reach its kernel decides its time. When
// every operand of such a call has contiguous elements (standard layout, every element stride
// equal to the element size) and its sizes are a special order or length n (3 to 6), the
// export calls the family's single kernel of that order directly: the operands' addresses and
// row strides go as arguments (in registers, no descriptor in memory, no loop over objects),
// and the kernel is entry n - 3 of the active instruction set's table, so reaching it costs
// one load of the variant, one of the kernel and one indirect call. A single kernel gives the
// bits the family's other kernels give for the same object. Every other single call (strided
// elements, element pointers, other sizes, an entry left null) runs the family's general path.
#pragma once

#include <utility>

namespace rukm {

inline constexpr int kFirstOrder = 3, kLastOrder = 6, kOrders = kLastOrder - kFirstOrder + 1;

// Kernels by special order: fn[n - 3] serves order n.
template <class Fn>
struct ByOrder {
    Fn fn[kOrders]{};
    // The kernel of order n, or null.
    Fn at(int n) const {
        const unsigned i = static_cast<unsigned>(n - kFirstOrder);
        return i < static_cast<unsigned>(kOrders) ? fn[i] : nullptr;
    }
    // K<N>::fn for every order N.
    template <template <int> class K>
    static constexpr ByOrder make() {
        ByOrder t{};
        [&]<int... I>(std::integer_sequence<int, I...>) {
            ((t.fn[I] = K<kFirstOrder + I>::fn), ...);
        }(std::make_integer_sequence<int, kOrders>{});
        return t;
    }
};

}  // namespace rukm
