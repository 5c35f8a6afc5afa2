// The QR lane kernels, compiled for each instruction set.
#include <immintrin.h>

#include "qr.hpp"

#define RUKM_VARIANT_NS rukm::solve
#define RUKM_VARIANT_FILE "../solvers/qr_lanes.inc"
#include "../frame/variants.inc"

namespace rukm::solve {
RUKM_TYPED_TABLES(QrLanes, qr_lanes);
}  // namespace rukm::solve
