// The LU lane kernels, compiled for each instruction set.
#include <immintrin.h>

#include "lu.hpp"

#define RUKM_VARIANT_NS rukm::solve
#define RUKM_VARIANT_FILE "../solvers/lu_lanes.inc"
#include "../frame/variants.inc"

namespace rukm::solve {
RUKM_TYPED_TABLES(LuLanes, lu_lanes);
}  // namespace rukm::solve
