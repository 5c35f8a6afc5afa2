// The contiguous matrix-product kernels, compiled for each instruction set.
#include <immintrin.h>

#include "product.hpp"

#define RUKM_VARIANT_NS rukm::prod
#define RUKM_VARIANT_FILE "../products/product_contig.inc"
#include "../frame/variants.inc"

namespace rukm::prod {
RUKM_TYPED_TABLES(ContigTable, contig);
}  // namespace rukm::prod
