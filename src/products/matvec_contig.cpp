// The contiguous matrix-vector kernels, compiled for each instruction set.
#include <immintrin.h>

#include "matvec.hpp"

#define RUKM_VARIANT_NS rukm::matvec
#define RUKM_VARIANT_FILE "../products/matvec_contig.inc"
#include "../frame/variants.inc"

namespace rukm::matvec {
const ContigTable<float> contig_f32[kIsaCount] = {sse2::make_table<float>(), avx2::make_table<float>(),
                                                  avx512::make_table<float>()};
const ContigTable<double> contig_f64[kIsaCount] = {sse2::make_table<double>(), avx2::make_table<double>(),
                                                   avx512::make_table<double>()};
}  // namespace rukm::matvec
