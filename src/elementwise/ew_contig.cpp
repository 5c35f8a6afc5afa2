// The contiguous element-wise kernels, compiled for each instruction set.
#include <immintrin.h>

#include <tuple>
#include <utility>

#include "ew.hpp"

#define RUKM_VARIANT_NS rukm::ew
#define RUKM_VARIANT_FILE "../elementwise/ew_contig.inc"
#include "../frame/variants.inc"

namespace rukm::ew {
RUKM_TYPED_TABLES(ContigTable, contig);
}  // namespace rukm::ew
