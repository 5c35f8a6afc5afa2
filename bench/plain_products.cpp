// Plain C++ peers of the product benchmarks: the triple loop a caller would write, with
// the order known at compile time, summing in increasing k.
#include "peers.hpp"

namespace rukbench::peers {
namespace {

template <class T, int N>
void mul_mama(const T* a, const T* b, T* c, std::int64_t count) {
    for (std::int64_t o = 0; o < count; ++o) {
        const T* x = a + N * N * o;
        const T* y = b + N * N * o;
        T* z = c + N * N * o;
        for (int r = 0; r < N; ++r)
            for (int j = 0; j < N; ++j) {
                T s = 0;
                for (int k = 0; k < N; ++k) s += x[N * r + k] * y[N * k + j];
                z[N * r + j] = s;
            }
    }
}

}  // namespace

template <class T>
void plain_mul_mama(int order, const T* a, const T* b, T* c, std::int64_t count) {
    switch (order) {
    case 3: return mul_mama<T, 3>(a, b, c, count);
    case 4: return mul_mama<T, 4>(a, b, c, count);
    case 6: return mul_mama<T, 6>(a, b, c, count);
    default: break;
    }
}

template <class T>
void plain_mul_mva_4x4(const T* m, const T* x, T* y, std::int64_t count) {
    for (std::int64_t o = 0; o < count; ++o)
        for (int r = 0; r < 4; ++r) {
            T s = 0;
            for (int k = 0; k < 4; ++k) s += m[4 * r + k] * x[4 * o + k];
            y[4 * o + r] = s;
        }
}

template void plain_mul_mama(int, const float*, const float*, float*, std::int64_t);
template void plain_mul_mama(int, const double*, const double*, double*, std::int64_t);
template void plain_mul_mva_4x4(const float*, const float*, float*, std::int64_t);
template void plain_mul_mva_4x4(const double*, const double*, double*, std::int64_t);

}  // namespace rukbench::peers
