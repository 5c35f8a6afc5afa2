// The determinant lane kernels, compiled for each instruction set.
#include <immintrin.h>

#include "measures.hpp"

#define RUKM_VARIANT_NS rukm::measure
#define RUKM_VARIANT_FILE "../solvers/measures_contig.inc"
#include "../frame/variants.inc"

namespace rukm::measure {
RUKM_TYPED_TABLES(LaneKernels, lane_kernels);
}  // namespace rukm::measure
