// Reference results the benchmarks check the library against, written the way the library
// defines them.
#pragma once

#include <cmath>

namespace rukbench {

// The minor of rows 0 .. r-1 of the row-major order-n matrix a over the r columns `cols`,
// expanded along its last row from its last column to its first, the column at position q
// with the sign (-1)^(r-1+q); with `magnitude` every term is added with its absolute value
// (the size of the terms the expansion cancels). In T: the determinant when r = n and cols
// holds 0 .. n-1.
template <class T, class S>
T expansion(const S* a, int n, int r, const int* cols, bool magnitude) {
    auto elem = [&](int i, int c) { return magnitude ? std::abs(T(a[i * n + c])) : T(a[i * n + c]); };
    if (r == 1) return elem(0, cols[0]);
    T s = 0;
    for (int q = r - 1; q >= 0; --q) {
        int sub[6], m = 0;
        for (int c = 0; c < r; ++c)
            if (c != q) sub[m++] = cols[c];
        const T term = expansion<T>(a, n, r - 1, sub, magnitude) * elem(r - 1, cols[q]);
        if (q == r - 1) s = term;
        else if (magnitude || (r - 1 + q) % 2 == 0) s = s + term;
        else s = s - term;
    }
    return s;
}

}  // namespace rukbench
