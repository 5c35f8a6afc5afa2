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
RUKM_TYPED_TABLES(TransposeTable, transposers);
}  // namespace rukm::mv
