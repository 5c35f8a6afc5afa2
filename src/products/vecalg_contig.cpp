// The vector-algebra lane kernels, compiled for each instruction set.
#include <immintrin.h>

#include "vecalg.hpp"

#define RUKM_VARIANT_NS rukm::vec
#define RUKM_VARIANT_FILE "../products/vecalg_contig.inc"
#include "../frame/variants.inc"

namespace rukm::vec {
RUKM_TYPED_TABLES(LaneKernels, lane_kernels);
}  // namespace rukm::vec
