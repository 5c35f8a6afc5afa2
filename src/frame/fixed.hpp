// Special sizes as templates on the order.
//
// Kernels take compile-time sizes for the orders and lengths that have unrolled paths:
// with_size(w, h, f) calls f.template operator()<W, H>() with W = w and H = h when the
// object is a square matrix of order 3 to 6 (W = H = n) or a vector of length 3 to 6
// (W = len, H = 1), and with W = 0 (sizes known at run time only) otherwise.
#pragma once

namespace rukm {

template <class F>
decltype(auto) with_size(int w, int h, F&& f) {
    if (h == 1) {
        switch (w) {
        case 3: return f.template operator()<3, 1>();
        case 4: return f.template operator()<4, 1>();
        case 5: return f.template operator()<5, 1>();
        case 6: return f.template operator()<6, 1>();
        default: return f.template operator()<0, 1>();
        }
    }
    if (w == h) {
        switch (w) {
        case 3: return f.template operator()<3, 3>();
        case 4: return f.template operator()<4, 4>();
        case 5: return f.template operator()<5, 5>();
        case 6: return f.template operator()<6, 6>();
        default: break;
        }
    }
    return f.template operator()<0, 0>();
}

}  // namespace rukm
