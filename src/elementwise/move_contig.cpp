// Transposition of packed square objects, compiled for each instruction set.
#include <immintrin.h>

#include <cstdint>
#include <type_traits>
#include <utility>

#include "move.hpp"

#define RUKM_VARIANT_NS rukm::mv
#define RUKM_VARIANT_FILE "../elementwise/move_contig.inc"
#include "../frame/variants.inc"

namespace rukm::mv {
const TransposeTable<float> transpose_f32[kIsaCount] = {sse2::make_table<float>(), avx2::make_table<float>(),
                                                        avx512::make_table<float>()};
const TransposeTable<double> transpose_f64[kIsaCount] = {sse2::make_table<double>(), avx2::make_table<double>(),
                                                         avx512::make_table<double>()};
}  // namespace rukm::mv
