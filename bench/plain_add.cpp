// Plain C++ peers of the addition benchmarks: the loop a caller would write by hand.
#include "peers.hpp"

namespace rukbench::peers {
namespace {

template <class T>
void add_4x4(const T* a, const T* b, T* d, std::int64_t count) {
    for (std::int64_t k = 0; k < count; ++k)
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j) d[16 * k + 4 * i + j] = a[16 * k + 4 * i + j] + b[16 * k + 4 * i + j];
}

}  // namespace

void plain_add_4x4(const float* a, const float* b, float* d, std::int64_t count) { add_4x4(a, b, d, count); }
void plain_add_4x4(const double* a, const double* b, double* d, std::int64_t count) { add_4x4(a, b, d, count); }

}  // namespace rukbench::peers
