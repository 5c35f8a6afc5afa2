// Vector algebra, the homogeneous 3-D transform and the determinant on packed arrays:
//
//   DotProduct_vava         d[k] = a[k] . b[k]   rukmDotProduct_vava_32f / _64f, lengths 3 and 4
//   CrossProduct_vava       d[k] = a[k] x b[k]   rukmCrossProduct_vava_32f (3-vectors)
//   AffineTransform3DH_mva  out[k] = m (p[k], 1) rukmAffineTransform3DH_mva_32f: one 4x4 matrix
//                           divided by its last  (a rotation and scaling near the identity, a
//                           coordinate           translation, and a last row that keeps every
//                                                weight within 5% of 1); points packed 12 bytes
//                                                apart on both sides
//   Det_ma                  d[k] = det(a[k])     rukmDet_ma_32f / _64f, packed orders 3 and 4
//
// each beside an Eigen loop, glm loops (default and with intrinsics) and a plain loop, on the
// same memory. Elements are uniform in [-1, 1). librukm is checked bit for bit against
// references written here the way the library defines its results: the dot products of
// lengths 3 and 4 add their products as (p0 + p1) + p2 and (p0 + p1) + (p2 + p3), the cross
// product and the transform follow their formulas (the transform multiplies by one reciprocal
// of the weight), and the determinant is the cofactor expansion along the last row, each minor
// expanded along its own last row, terms from the last column to the first. The peers sum and
// divide in orders of their own and may fuse multiply-add, so they are checked within a bound
// of the rounding error around a double-precision value.
//
// 1,000 objects stay in the core's caches, 100,000 in its L2 and the last-level cache; the
// 1,000,000-object groups move 24 MB (transform, 32f) to 136 MB (4x4 determinants, 64f): past
// the core's own caches, and partly past the last-level cache.
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "api.hpp"
#include "harness.hpp"
#include "peers.hpp"
#include "rukm.h"

namespace {

using namespace rukbench;

template <class T>
bool same_bits(T a, T b) {
    return std::memcmp(&a, &b, sizeof(T)) == 0;
}

// |got - exact| within c rounding units of the magnitude `mag` of the terms that formed it
// (false for a NaN left by the poisoning).
template <class T>
bool near(T got, double exact, double mag, double c) {
    return std::abs(got - exact) <= c * std::numeric_limits<T>::epsilon() * mag;
}

template <class T>
struct Peer {
    std::string impl;
    Run<T> run;
};

// Declares the group: librukm checked by `exact`, the peers by `close`.
template <class T>
void declare(const std::string& name, std::int64_t bytes, const Arrays<T>& w, Run<T> rukm, Check<T> exact,
             const std::vector<Peer<T>>& others, Check<T> close) {
    const bool beyond = bytes > (std::int64_t(48) << 20);
    Group& g = group(name, {w.count, bytes, beyond ? OutOfCache : InCache});
    g.add("rukm", checked_case<T>(w, std::move(rukm), std::move(exact)));
    for (const Peer<T>& p : others) g.add(p.impl, checked_case<T>(w, p.run, close));
}

template <class T>
std::string name_of(const char* op, const std::string& shape, std::int64_t count) {
    return std::string(op) + "/" + type_code<T>() + "/" + shape + "/n" + std::to_string(count);
}

std::int32_t i32(std::int64_t v) { return static_cast<std::int32_t>(v); }

// Two packed source arrays of `per`-element vectors (and the destination at index 2).
template <class T>
Arrays<T> pairs(const char* what, int per, int out_per, std::int64_t count) {
    const auto n = static_cast<std::size_t>(count) * per;
    const auto nd = static_cast<std::size_t>(count) * out_per;
    return {std::string(what) + "/" + type_code<T>() + "/" + std::to_string(per) + "/n" + std::to_string(count),
            {n, n, nd},
            [n, nd](const std::vector<T*>& v) {
                for (std::size_t e = 0; e < n; ++e) {
                    v[0][e] = static_cast<T>(uniform(e, 1));
                    v[1][e] = static_cast<T>(uniform(e, 2));
                }
                for (std::size_t e = 0; e < nd; ++e) v[2][e] = 0;
            },
            2, out_per, count};
}

// The peers that take the same arguments as f(args..., p[0], p[1], p[2], count) for glm's two
// configurations, Eigen and the plain loop.
#if RUKM_BENCH_GLM
#define RUKBENCH_GLM_PEERS(make, fn) {"glm", make(&peers::glm_default::fn)}, {"glm-simd", make(&peers::glm_simd::fn)},
#else
#define RUKBENCH_GLM_PEERS(make, fn)
#endif

// ---------------------------------------------------------------------------------------

template <class T>
void dot_group(int len, std::int64_t count) {
    const Arrays<T> w = pairs<T>("dot", len, 1, count);
    auto rukm = [=](const std::vector<T*>& p) {
        constexpr std::int32_t es = sizeof(T);
        const rukStatus st = Api<T>::dot(p[0], es * len, es, p[1], es * len, es, p[2], len, i32(count));
        benchmark::DoNotOptimize(st);
        return st == rukOk;
    };
    auto exact = [=](const std::vector<T*>& p, std::int64_t k) {
        T q[4];
        for (int i = 0; i < len; ++i) q[i] = p[0][len * k + i] * p[1][len * k + i];
        return same_bits(p[2][k], len == 3 ? (q[0] + q[1]) + q[2] : (q[0] + q[1]) + (q[2] + q[3]));
    };
    auto close = [=](const std::vector<T*>& p, std::int64_t k) {
        double s = 0, mag = 0;
        for (int i = 0; i < len; ++i) {
            const double q = double(p[0][len * k + i]) * p[1][len * k + i];
            s += q;
            mag += std::abs(q);
        }
        return near(p[2][k], s, mag, 2 * len);
    };
    auto peer = [=](void (*f)(int, const T*, const T*, T*, std::int64_t)) -> Run<T> {
        return [=](const std::vector<T*>& p) {
            f(len, p[0], p[1], p[2], count);
            return true;
        };
    };
    declare<T>(name_of<T>("DotProduct_vava", std::to_string(len), count), (2 * len + 1) * count * sizeof(T), w, rukm,
               exact,
               {{"eigen", peer(&peers::eigen_dot<T>)}, RUKBENCH_GLM_PEERS(peer, dot<T>){"plain", peer(&peers::plain_dot<T>)}},
               close);
}

void cross_group(std::int64_t count) {
    const Arrays<float> w = pairs<float>("cross", 3, 3, count);
    auto rukm = [=](const std::vector<float*>& p) {
        const rukStatus st = rukmCrossProduct_vava_32f(p[0], 12, 4, p[1], 12, 4, p[2], 12, 4, i32(count));
        benchmark::DoNotOptimize(st);
        return st == rukOk;
    };
    // Component i is a[j] b[l] - a[l] b[j] with (j, l) = (1, 2), (2, 0), (0, 1).
    auto exact = [](const std::vector<float*>& p, std::int64_t k) {
        const float* a = p[0] + 3 * k;
        const float* b = p[1] + 3 * k;
        bool ok = true;
        for (int i = 0; i < 3; ++i) {
            const int j = (i + 1) % 3, l = (i + 2) % 3;
            ok = ok && same_bits(p[2][3 * k + i], a[j] * b[l] - a[l] * b[j]);
        }
        return ok;
    };
    auto close = [](const std::vector<float*>& p, std::int64_t k) {
        const float* a = p[0] + 3 * k;
        const float* b = p[1] + 3 * k;
        bool ok = true;
        for (int i = 0; i < 3; ++i) {
            const int j = (i + 1) % 3, l = (i + 2) % 3;
            const double u = double(a[j]) * b[l], v = double(a[l]) * b[j];
            ok = ok && near(p[2][3 * k + i], u - v, std::abs(u) + std::abs(v), 2);
        }
        return ok;
    };
    auto peer = [=](void (*f)(const float*, const float*, float*, std::int64_t)) -> Run<float> {
        return [=](const std::vector<float*>& p) {
            f(p[0], p[1], p[2], count);
            return true;
        };
    };
    declare<float>(name_of<float>("CrossProduct_vava", "3", count), 9 * count * 4, w, rukm, exact,
                   {{"eigen", peer(&peers::eigen_cross)}, RUKBENCH_GLM_PEERS(peer, cross){"plain", peer(&peers::plain_cross)}},
                   close);
}

// ---------------------------------------------------------------------------------------

// Row-major: rows 0 to 2 rotate about (1, 1, 1) by a small angle, scale by 1.1 and translate;
// row 3 keeps every weight within 5% of 1 for points in [-1, 1)^3.
constexpr float kMatrix[16] = {1.08f, -0.12f, 0.14f,  0.5f,  0.14f, 1.08f, -0.12f, -0.25f,
                               -0.12f, 0.14f, 1.08f,  0.75f, 0.02f, -0.01f, 0.015f, 1.0f};

void transform_group(std::int64_t count) {
    const auto n = static_cast<std::size_t>(count) * 3;
    const Arrays<float> w{"xf/n" + std::to_string(count), {16, n, n},
                          [n](const std::vector<float*>& v) {
                              for (int e = 0; e < 16; ++e) v[0][e] = kMatrix[e];
                              for (std::size_t e = 0; e < n; ++e) {
                                  v[1][e] = static_cast<float>(uniform(e, 1));
                                  v[2][e] = 0;
                              }
                          },
                          2, 3, count};
    auto rukm = [=](const std::vector<float*>& p) {
        const rukStatus st = rukmAffineTransform3DH_mva_32f(p[0], 16, 4, p[1], 12, 4, p[2], 12, 4, i32(count));
        benchmark::DoNotOptimize(st);
        return st == rukOk;
    };
    // Row i of m applied to (x, y, z, 1), associated as ((m_i0 x + m_i3) + m_i1 y) + m_i2 z.
    auto row = [](const float* m, int i, const float* x) {
        return ((m[4 * i] * x[0] + m[4 * i + 3]) + m[4 * i + 1] * x[1]) + m[4 * i + 2] * x[2];
    };
    auto exact = [=](const std::vector<float*>& p, std::int64_t k) {
        const float* x = p[1] + 3 * k;
        const float r = 1.0f / row(p[0], 3, x);
        bool ok = true;
        for (int i = 0; i < 3; ++i) ok = ok && same_bits(p[2][3 * k + i], row(p[0], i, x) * r);
        return ok;
    };
    // Within a few units of t_i / w, whose errors grow with the magnitudes of the terms of
    // t_i and w.
    auto close = [](const std::vector<float*>& p, std::int64_t k) {
        const float* m = p[0];
        const double x[4] = {p[1][3 * k], p[1][3 * k + 1], p[1][3 * k + 2], 1.0};
        double t[4], mag[4];
        for (int i = 0; i < 4; ++i) {
            t[i] = mag[i] = 0;
            for (int j = 0; j < 4; ++j) {
                t[i] += m[4 * i + j] * x[j];
                mag[i] += std::abs(m[4 * i + j] * x[j]);
            }
        }
        bool ok = true;
        for (int i = 0; i < 3; ++i) {
            const double q = t[i] / t[3], w = std::abs(t[3]);
            ok = ok && near(p[2][3 * k + i], q, std::abs(q) * (1 + mag[3] / w) + mag[i] / w, 8);
        }
        return ok;
    };
    auto peer = [=](void (*f)(const float*, const float*, float*, std::int64_t)) -> Run<float> {
        return [=](const std::vector<float*>& p) {
            f(p[0], p[1], p[2], count);
            return true;
        };
    };
    declare<float>(name_of<float>("AffineTransform3DH_mva", "4x4", count), 6 * count * 4 + 64, w, rukm, exact,
                   {{"eigen", peer(&peers::eigen_transform_3dh)},
                    RUKBENCH_GLM_PEERS(peer, transform_3dh){"plain", peer(&peers::plain_transform_3dh)}},
                   close);
}

// ---------------------------------------------------------------------------------------

// The minor of rows 0 .. r-1 of the row-major order-n matrix a over the r columns `cols`,
// expanded along its last row from its last column to its first, the column at position q
// with the sign (-1)^(r-1+q); with `magnitude` every term is added with its absolute value
// (the size of the terms the expansion cancels).
template <class R, class T>
R expansion(const T* a, int n, int r, const int* cols, bool magnitude) {
    auto elem = [&](int i, int c) { return magnitude ? std::abs(R(a[i * n + c])) : R(a[i * n + c]); };
    if (r == 1) return elem(0, cols[0]);
    R s = 0;
    for (int q = r - 1; q >= 0; --q) {
        int sub[6], m = 0;
        for (int c = 0; c < r; ++c)
            if (c != q) sub[m++] = cols[c];
        const R term = expansion<R>(a, n, r - 1, sub, magnitude) * elem(r - 1, cols[q]);
        if (q == r - 1) s = term;
        else if (magnitude || (r - 1 + q) % 2 == 0) s = s + term;
        else s = s - term;
    }
    return s;
}

template <class T>
void det_group(int order, std::int64_t count) {
    const auto n = static_cast<std::size_t>(count) * order * order;
    const auto nd = static_cast<std::size_t>(count);
    const std::size_t nb = static_cast<std::size_t>(order * order + order);
    const Arrays<T> w{std::string("det/") + type_code<T>() + "/" + std::to_string(order) + "/n" + std::to_string(count),
                      {n, nd, nb},
                      [n, nd, nb](const std::vector<T*>& v) {
                          for (std::size_t e = 0; e < n; ++e) v[0][e] = static_cast<T>(uniform(e, 1));
                          for (std::size_t e = 0; e < nd; ++e) v[1][e] = 0;
                          for (std::size_t e = 0; e < nb; ++e) v[2][e] = 0;
                      },
                      1, 1, count};
    static constexpr int all[4] = {0, 1, 2, 3};
    auto rukm = [=](const std::vector<T*>& p) {
        constexpr std::int32_t es = sizeof(T);
        const rukStatus st = Api<T>::det(p[0], es * order * order, es * order, es, order, p[2], p[1], i32(count));
        benchmark::DoNotOptimize(st);
        return st == rukOk;
    };
    auto exact = [=](const std::vector<T*>& p, std::int64_t k) {
        return same_bits(p[1][k], expansion<T>(p[0] + order * order * k, order, order, all, false));
    };
    auto close = [=](const std::vector<T*>& p, std::int64_t k) {
        const T* a = p[0] + order * order * k;
        return near(p[1][k], expansion<double>(a, order, order, all, false),
                    expansion<double>(a, order, order, all, true), 2 * order * order);
    };
    auto peer = [=](void (*f)(int, const T*, T*, std::int64_t)) -> Run<T> {
        return [=](const std::vector<T*>& p) {
            f(order, p[0], p[1], count);
            return true;
        };
    };
    const std::string shape = std::to_string(order) + "x" + std::to_string(order);
    declare<T>(name_of<T>("Det_ma", shape, count), (order * order + 1) * count * sizeof(T), w, rukm, exact,
               {{"eigen", peer(&peers::eigen_det<T>)}, RUKBENCH_GLM_PEERS(peer, det<T>){"plain", peer(&peers::plain_det<T>)}},
               close);
}

[[maybe_unused]] const bool registered = [] {
    const std::int64_t sizes[] = {1000, 100000, 1000000};
    for (const std::int64_t count : sizes)
        for (const int len : {3, 4}) {
            dot_group<float>(len, count);
            dot_group<double>(len, count);
        }
    for (const std::int64_t count : sizes) cross_group(count);
    for (const std::int64_t count : sizes) transform_group(count);
    for (const std::int64_t count : {std::int64_t{1000}, std::int64_t{1000000}})
        for (const int order : {3, 4}) {
            det_group<float>(order, count);
            det_group<double>(order, count);
        }
    return true;
}();

}  // namespace
