// Plain C++ peers of the addition benchmarks: the loop a caller would write by hand.
#include "peers.hpp"

namespace rukbench::peers {

template <class T>
void plain_add_4x4(const T* a, const T* b, T* d, std::int64_t count) {
    for (std::int64_t k = 0; k < count; ++k)
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j) d[16 * k + 4 * i + j] = a[16 * k + 4 * i + j] + b[16 * k + 4 * i + j];
}

template void plain_add_4x4(const float*, const float*, float*, std::int64_t);
template void plain_add_4x4(const double*, const double*, double*, std::int64_t);

}  // namespace rukbench::peers
