// glm's peers in its default configuration (no intrinsics, packed types).
#define RUKBENCH_GLM_NS glm_default
#include "glm_peers.inc"

static_assert(GLM_CONFIG_SIMD == GLM_DISABLE, "glm's default configuration uses no intrinsics");
