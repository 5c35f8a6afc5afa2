// glm peers of the vector-algebra and 3-D transform benchmarks, in glm's default
// configuration: vectors and matrices read from the packed arrays with make_vec* and
// make_mat4, results written back component by component. Built -O3 -march=native, where
// the compiler may fuse multiply-add.
#include <glm/glm.hpp>
#include <glm/gtc/type_ptr.hpp>

#include "peers.hpp"

namespace rukbench::peers {

void glm_dot(int len, const float* a, const float* b, float* d, std::int64_t count) {
    if (len == 3) {
        for (std::int64_t k = 0; k < count; ++k) d[k] = glm::dot(glm::make_vec3(a + 3 * k), glm::make_vec3(b + 3 * k));
    } else if (len == 4) {
        for (std::int64_t k = 0; k < count; ++k) d[k] = glm::dot(glm::make_vec4(a + 4 * k), glm::make_vec4(b + 4 * k));
    }
}

void glm_cross(const float* a, const float* b, float* d, std::int64_t count) {
    for (std::int64_t k = 0; k < count; ++k) {
        const glm::vec3 r = glm::cross(glm::make_vec3(a + 3 * k), glm::make_vec3(b + 3 * k));
        for (int i = 0; i < 3; ++i) d[3 * k + i] = r[i];
    }
}

void glm_transform_3dh(const float* m, const float* p, float* out, std::int64_t count) {
    // glm's matrices are column-major: the row-major array read as one is the transpose.
    const glm::mat4 M = glm::transpose(glm::make_mat4(m));
    for (std::int64_t k = 0; k < count; ++k) {
        const glm::vec4 r = M * glm::vec4(glm::make_vec3(p + 3 * k), 1.0f);
        const glm::vec3 o = glm::vec3(r) / r.w;
        for (int i = 0; i < 3; ++i) out[3 * k + i] = o[i];
    }
}

}  // namespace rukbench::peers
