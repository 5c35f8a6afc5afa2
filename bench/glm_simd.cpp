// glm's peers with its intrinsics: GLM_FORCE_INTRINSICS picks the widest instruction set the
// compiler targets (-march=native), and the default types are the aligned ones the intrinsic
// code paths are written for.
#define GLM_FORCE_INTRINSICS
#define GLM_FORCE_DEFAULT_ALIGNED_GENTYPES
#define RUKBENCH_GLM_NS glm_simd
#include "glm_peers.inc"

static_assert(GLM_CONFIG_SIMD == GLM_ENABLE && GLM_CONFIG_ALIGNED_GENTYPES == GLM_ENABLE,
              "glm's intrinsics are on");
