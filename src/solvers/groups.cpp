// Moves of whole groups of objects between their memory and a group's block, compiled for
// each instruction set.
#include <immintrin.h>

#include "solver.hpp"
#include "../frame/isa.hpp"

#define RUKM_VARIANT_NS rukm::solve
#define RUKM_VARIANT_FILE "../solvers/groups.inc"
#include "../frame/variants.inc"

namespace rukm::solve {
RUKM_TYPED_TABLES(GroupMoves, group_moves);
}  // namespace rukm::solve
