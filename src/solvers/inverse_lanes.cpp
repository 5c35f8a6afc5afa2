// The inversion lane kernels, compiled for each instruction set.
#include <immintrin.h>

#include "inverse.hpp"

#define RUKM_VARIANT_NS rukm::solve
#define RUKM_VARIANT_FILE "../solvers/inverse_lanes.inc"
#include "../frame/variants.inc"

namespace rukm::solve {
RUKM_TYPED_TABLES(InvLanes, inv_lanes);
}  // namespace rukm::solve
