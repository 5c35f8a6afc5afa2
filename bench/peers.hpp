// The peers of the library in the benchmarks, each in a translation unit of its own with the
// flags it is measured with: eigen_*.cpp with -O3 -march=native (Eigen at its best on this
// processor), plain_*.cpp with -O2 and no processor-specific flags (what a plain loop gets
// from a default optimised build).
#pragma once

#include <cstdint>

namespace rukbench::peers {

// d[k] = a[k] + b[k] for `count` packed row-major 4x4 matrices (16 elements each).
void eigen_add_4x4(const float* a, const float* b, float* d, std::int64_t count);
void eigen_add_4x4(const double* a, const double* b, double* d, std::int64_t count);
void plain_add_4x4(const float* a, const float* b, float* d, std::int64_t count);
void plain_add_4x4(const double* a, const double* b, double* d, std::int64_t count);

}  // namespace rukbench::peers
