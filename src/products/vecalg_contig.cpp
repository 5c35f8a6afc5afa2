// The vector-algebra lane kernels, compiled for each instruction set.
#include <immintrin.h>

#include "vecalg.hpp"

#define RUKM_VARIANT_NS rukm::vec
#define RUKM_VARIANT_FILE "../products/vecalg_contig.inc"
#include "../frame/variants.inc"

namespace rukm::vec {
const LaneKernels lane_kernels[kIsaCount] = {sse2::kernels, avx2::kernels, avx512::kernels};
}  // namespace rukm::vec
