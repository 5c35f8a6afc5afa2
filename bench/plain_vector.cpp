// Plain C++ peers of the vector-algebra, 3-D transform and determinant benchmarks: the loops
// a caller would write by hand (sums from 0 in increasing index, one division per result
// component, determinants by cofactors along the first row).
#include "peers.hpp"

namespace rukbench::peers {
namespace {

// The 3x3 determinant of rows r0, r1, r2 restricted to columns c0, c1, c2.
template <class T>
T det3(const T* r0, const T* r1, const T* r2, int c0, int c1, int c2) {
    return r0[c0] * (r1[c1] * r2[c2] - r1[c2] * r2[c1]) - r0[c1] * (r1[c0] * r2[c2] - r1[c2] * r2[c0]) +
           r0[c2] * (r1[c0] * r2[c1] - r1[c1] * r2[c0]);
}

}  // namespace

template <class T>
void plain_dot(int len, const T* a, const T* b, T* d, std::int64_t count) {
    for (std::int64_t k = 0; k < count; ++k) {
        T s = 0;
        for (int i = 0; i < len; ++i) s += a[len * k + i] * b[len * k + i];
        d[k] = s;
    }
}

void plain_cross(const float* a, const float* b, float* d, std::int64_t count) {
    for (std::int64_t k = 0; k < count; ++k) {
        const float* x = a + 3 * k;
        const float* y = b + 3 * k;
        float* r = d + 3 * k;
        r[0] = x[1] * y[2] - x[2] * y[1];
        r[1] = x[2] * y[0] - x[0] * y[2];
        r[2] = x[0] * y[1] - x[1] * y[0];
    }
}

void plain_transform_3dh(const float* m, const float* p, float* out, std::int64_t count) {
    for (std::int64_t k = 0; k < count; ++k) {
        const float v[4] = {p[3 * k], p[3 * k + 1], p[3 * k + 2], 1.0f};
        float r[4];
        for (int i = 0; i < 4; ++i) {
            float s = 0;
            for (int j = 0; j < 4; ++j) s += m[4 * i + j] * v[j];
            r[i] = s;
        }
        for (int i = 0; i < 3; ++i) out[3 * k + i] = r[i] / r[3];
    }
}

template <class T>
void plain_det(int order, const T* a, T* d, std::int64_t count) {
    if (order == 3) {
        for (std::int64_t k = 0; k < count; ++k) {
            const T* x = a + 9 * k;
            d[k] = det3(x, x + 3, x + 6, 0, 1, 2);
        }
    } else if (order == 4) {
        static constexpr int rest[4][3] = {{1, 2, 3}, {0, 2, 3}, {0, 1, 3}, {0, 1, 2}};
        for (std::int64_t k = 0; k < count; ++k) {
            const T* x = a + 16 * k;
            T s = 0;
            for (int j = 0; j < 4; ++j) {
                const T t = x[j] * det3(x + 4, x + 8, x + 12, rest[j][0], rest[j][1], rest[j][2]);
                s = j % 2 == 0 ? s + t : s - t;
            }
            d[k] = s;
        }
    }
}

template void plain_dot(int, const float*, const float*, float*, std::int64_t);
template void plain_dot(int, const double*, const double*, double*, std::int64_t);
template void plain_det(int, const float*, float*, std::int64_t);
template void plain_det(int, const double*, double*, std::int64_t);

}  // namespace rukbench::peers
