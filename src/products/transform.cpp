// The homogeneous 3-D transform: its contiguous kernel per instruction set and its export.
#include <immintrin.h>

#include <cstring>

#include "../frame/entry.hpp"
#include "transform.hpp"

#define RUKM_VARIANT_NS rukm::xf
#define RUKM_VARIANT_FILE "../products/transform_contig.inc"
#include "../frame/variants.inc"

namespace rukm::xf {
const ContigFn contig[kIsaCount] = {&sse2::contig, &avx2::contig, &avx512::contig};
}  // namespace rukm::xf

RUKM_ENTRY(10, rukmAffineTransform3DH_mva_32f, rukm::xf::Export)
