// The contiguous matrix-vector kernels, compiled for each instruction set.
#include <immintrin.h>

#include "matvec.hpp"

#define RUKM_VARIANT_NS rukm::matvec
#define RUKM_VARIANT_FILE "../products/matvec_contig.inc"
#include "../frame/variants.inc"

namespace rukm::matvec {
RUKM_TYPED_TABLES(ContigTable, contig);
}  // namespace rukm::matvec
