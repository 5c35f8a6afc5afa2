// The symmetric eigen lane kernels, compiled for each instruction set.
#include <immintrin.h>

#include "symmetric.hpp"

#define RUKM_VARIANT_NS rukm::eigen
#define RUKM_VARIANT_FILE "../eigen/symmetric_lanes.inc"
#include "../frame/variants.inc"

namespace rukm::eigen {
RUKM_TYPED_TABLES(SymLanes, sym_lanes);
}  // namespace rukm::eigen
