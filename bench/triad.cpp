// The reference triad, compiled for this processor (-O3 -march=native) like the best peer.
#include "harness.hpp"

namespace rukbench {

void triad(double* __restrict a, const double* __restrict b, const double* __restrict c, double s,
           std::int64_t n) {
    for (std::int64_t i = 0; i < n; ++i) a[i] = b[i] + s * c[i];
}

}  // namespace rukbench
