// Plain C++ peers of the scaling, transposition and strided copy benchmarks: the loops a
// caller would write by hand.
#include "peers.hpp"

namespace rukbench::peers {

void plain_scale_4x4(const float* a, float s, float* d, std::int64_t count) {
    for (std::int64_t k = 0; k < count; ++k)
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j) d[16 * k + 4 * i + j] = a[16 * k + 4 * i + j] * s;
}

void plain_transpose_4x4(const float* a, float* d, std::int64_t count) {
    for (std::int64_t k = 0; k < count; ++k)
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j) d[16 * k + 4 * j + i] = a[16 * k + 4 * i + j];
}

void plain_copy_4x4(const float* a, float* d, std::int64_t obj, std::int64_t row, std::int64_t elem,
                    std::int64_t count) {
    for (std::int64_t k = 0; k < count; ++k)
        for (std::int64_t i = 0; i < 4; ++i)
            for (std::int64_t j = 0; j < 4; ++j) d[k * obj + i * row + j * elem] = a[k * obj + i * row + j * elem];
}

}  // namespace rukbench::peers
