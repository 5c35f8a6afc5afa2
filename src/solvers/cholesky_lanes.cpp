// The Cholesky lane kernels, compiled for each instruction set.
#include <immintrin.h>

#include "cholesky.hpp"

#define RUKM_VARIANT_NS rukm::solve
#define RUKM_VARIANT_FILE "../solvers/cholesky_lanes.inc"
#include "../frame/variants.inc"

namespace rukm::solve {
RUKM_TYPED_TABLES(CholLanes, chol_lanes);
}  // namespace rukm::solve
