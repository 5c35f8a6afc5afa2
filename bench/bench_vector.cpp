// Vector algebra, the homogeneous 3-D transform and the determinant on packed single-precision
// arrays:
//
//   DotProduct_vava         d[k] = a[k] . b[k]   rukmDotProduct_vava_32f, lengths 3 and 4
//   CrossProduct_vava       d[k] = a[k] x b[k]   rukmCrossProduct_vava_32f (3-vectors)
//   AffineTransform3DH_mva  out[k] = m (p[k], 1) rukmAffineTransform3DH_mva_32f: one 4x4 matrix
//                           divided by its last  whose last row (0.05, -0.03, 0.02, 1.5) keeps
//                           coordinate           every weight in [1.3, 1.7]; points packed 12
//                                                bytes apart on both sides
//   Det_ma                  d[k] = det(a[k])     rukmDet_ma_32f, packed orders 3 and 4
//
// each beside an Eigen loop, a glm loop (not for the determinant) and a plain loop, on the
// same memory. Elements are multiples of 1/1000 in [-2, 2]. librukm is checked bit for bit
// against references written here the way the library defines its results: the dot products
// of lengths 3 and 4 add their products as (p0 + p1) + p2 and (p0 + p1) + (p2 + p3), the cross
// product and the transform follow their formulas (the transform multiplies by one reciprocal
// of the weight), and the determinant is the cofactor expansion along the last row, each minor
// expanded along its own last row, terms from the last column to the first. The peers sum and
// divide in orders of their own and may fuse multiply-add, so they are checked within a bound
// of the rounding error around a double-precision value.
//
// 1,000 determinants and 10,000 points stay in the core's caches. The 1,000,000-object groups
// move 24 MB (transform) to 68 MB (4x4 determinants): past the core's own caches, and about
// the share of a last-level cache that one core of a shared machine keeps, so they run partly
// from that cache and partly from memory; like the matrix-vector product, they have no triad
// beside them.
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "harness.hpp"
#include "peers.hpp"
#include "reference.hpp"
#include "rukm.h"

namespace {

using namespace rukbench;

constexpr double kEps = std::numeric_limits<float>::epsilon();

float value(std::size_t e, std::size_t mult, std::size_t add) {
    return static_cast<float>(static_cast<int>((e * mult + add) % 4001) - 2000) / 1000.0f;
}

bool same_bits(float a, float b) { return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b); }

// |got - exact| within c rounding units of the magnitude `mag` of the terms that formed it
// (false for a NaN left by the poisoning).
bool near(float got, double exact, double mag, double c) { return std::abs(got - exact) <= c * kEps * mag; }

// The arrays of one group: filled once, shared by its cases; `out` is the destination, with
// `per` floats per object.
struct Workload {
    std::string key;
    std::vector<std::size_t> elems;
    std::function<void(const std::vector<float*>&)> fill;
    int out;
    int per;
    std::int64_t count;
};
using Run = std::function<bool(const std::vector<float*>&)>;
using Check = std::function<bool(const std::vector<float*>&, std::int64_t)>;

// One case: the sampled destination objects are poisoned before the timed loop and each is
// checked after it.
Body make_case(const Workload& w, Run run, Check check) {
    return [=](benchmark::State& state) {
        const std::vector<float*> p = arrays<float>(w.key, w.elems, w.fill);
        float* d = p[w.out];
        for_sampled(w.count, [&](std::int64_t k) {
            for (int e = 0; e < w.per; ++e) d[w.per * k + e] = std::numeric_limits<float>::quiet_NaN();
        });
        bool ran = true;
        for (auto _ : state) {
            ran = run(p) && ran;
            benchmark::DoNotOptimize(d);
            benchmark::ClobberMemory();
        }
        if (!ran) {
            state.SkipWithError("a status other than rukOk");
            return;
        }
        bool ok = true;
        for_sampled(w.count, [&](std::int64_t k) { ok = ok && check(p, k); });
        if (!ok) state.SkipWithError("wrong results in the destination");
    };
}

struct Peer {
    std::string impl;
    Run run;
    double min_ratio;
};

// Declares the group: librukm checked by `exact`, the peers by `close`, each peer with its
// target.
void declare(const std::string& name, std::int64_t bytes, const Workload& w, Run rukm, Check exact,
             const std::vector<Peer>& others, Check close) {
    Group& g = group(name, {w.count, bytes, InCache});
    g.add("rukm", make_case(w, std::move(rukm), std::move(exact)));
    for (const Peer& p : others) g.add(p.impl, make_case(w, p.run, close));
    for (const Peer& p : others) {
        char factor[16];
        std::snprintf(factor, sizeof factor, "%.1fx", p.min_ratio);
        std::string what = p.min_ratio > 1.0 ? "at least " + std::string(factor) + " " + p.impl
                                             : std::string("at least on par with the best peer");
        if (p.impl != "plain")
            what += "; the peer's -march=native code may fuse multiply-add, librukm never does";
        g.expect(p.impl, p.min_ratio, what);
    }
}

std::string name_of(const char* op, const std::string& shape, std::int64_t count) {
    return std::string(op) + "/32f/" + shape + "/n" + std::to_string(count);
}

std::int32_t i32(std::int64_t v) { return static_cast<std::int32_t>(v); }

// Two packed source arrays of `per`-element vectors (and the destination at index 2).
Workload pairs(const char* what, int per, int out_per, std::int64_t count) {
    const auto n = static_cast<std::size_t>(count) * per;
    const auto nd = static_cast<std::size_t>(count) * out_per;
    return {std::string(what) + "/" + std::to_string(per) + "/n" + std::to_string(count), {n, n, nd},
            [n, nd](const std::vector<float*>& v) {
                for (std::size_t e = 0; e < n; ++e) {
                    v[0][e] = value(e, 37, 0);
                    v[1][e] = value(e, 53, 1777);
                }
                for (std::size_t e = 0; e < nd; ++e) v[2][e] = 0;
            },
            2, out_per, count};
}

// ---------------------------------------------------------------------------------------

void dot_group(int len, std::int64_t count) {
    const Workload w = pairs("dot", len, 1, count);
    auto rukm = [=](const std::vector<float*>& p) {
        const rukStatus st = rukmDotProduct_vava_32f(p[0], 4 * len, 4, p[1], 4 * len, 4, p[2], len, i32(count));
        benchmark::DoNotOptimize(st);
        return st == rukOk;
    };
    auto exact = [=](const std::vector<float*>& p, std::int64_t k) {
        float q[4];
        for (int i = 0; i < len; ++i) q[i] = p[0][len * k + i] * p[1][len * k + i];
        return same_bits(p[2][k], len == 3 ? (q[0] + q[1]) + q[2] : (q[0] + q[1]) + (q[2] + q[3]));
    };
    auto close = [=](const std::vector<float*>& p, std::int64_t k) {
        double s = 0, mag = 0;
        for (int i = 0; i < len; ++i) {
            const double q = double(p[0][len * k + i]) * p[1][len * k + i];
            s += q;
            mag += std::abs(q);
        }
        return near(p[2][k], s, mag, 2 * len);
    };
    auto peer = [=](void (*f)(int, const float*, const float*, float*, std::int64_t)) {
        return [=](const std::vector<float*>& p) {
            f(len, p[0], p[1], p[2], count);
            return true;
        };
    };
    std::vector<Peer> others{{"eigen", peer(&peers::eigen_dot), 1.0}};
#if RUKM_BENCH_GLM
    others.push_back({"glm", peer(&peers::glm_dot), 1.0});
#endif
    others.push_back({"plain", peer(&peers::plain_dot), 1.0});
    declare(name_of("DotProduct_vava", std::to_string(len), count), (2 * len + 1) * count * 4, w, rukm, exact, others,
            close);
}

void cross_group(std::int64_t count) {
    const Workload w = pairs("cross", 3, 3, count);
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
    auto peer = [=](void (*f)(const float*, const float*, float*, std::int64_t)) {
        return [=](const std::vector<float*>& p) {
            f(p[0], p[1], p[2], count);
            return true;
        };
    };
    std::vector<Peer> others{{"eigen", peer(&peers::eigen_cross), 1.0}};
#if RUKM_BENCH_GLM
    others.push_back({"glm", peer(&peers::glm_cross), 1.0});
#endif
    others.push_back({"plain", peer(&peers::plain_cross), 1.0});
    declare(name_of("CrossProduct_vava", "3", count), 9 * count * 4, w, rukm, exact, others, close);
}

// ---------------------------------------------------------------------------------------

// Row-major; rows 0 to 2 rotate, scale and translate, row 3 keeps every weight in [1.3, 1.7]
// for points in [-2, 2]^3.
constexpr float kMatrix[16] = {0.8f,   -0.3f,  0.2f,  1.5f,  0.25f, 0.9f,  -0.4f, -0.75f,
                               -0.15f, 0.35f,  1.1f,  2.25f, 0.05f, -0.03f, 0.02f, 1.5f};

void transform_group(std::int64_t count) {
    const auto n = static_cast<std::size_t>(count) * 3;
    const Workload w{"xf/n" + std::to_string(count), {16, n, n},
                     [n](const std::vector<float*>& v) {
                         for (int e = 0; e < 16; ++e) v[0][e] = kMatrix[e];
                         for (std::size_t e = 0; e < n; ++e) {
                             v[1][e] = value(e, 37, 0);
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
    auto peer = [=](void (*f)(const float*, const float*, float*, std::int64_t)) {
        return [=](const std::vector<float*>& p) {
            f(p[0], p[1], p[2], count);
            return true;
        };
    };
    std::vector<Peer> others;
#if RUKM_BENCH_GLM
    others.push_back({"glm", peer(&peers::glm_transform_3dh), 1.5});
#endif
    others.push_back({"eigen", peer(&peers::eigen_transform_3dh), 1.0});
    others.push_back({"plain", peer(&peers::plain_transform_3dh), 1.0});
    declare(name_of("AffineTransform3DH_mva", "4x4", count), 6 * count * 4 + 64, w, rukm, exact, others, close);
}

// ---------------------------------------------------------------------------------------

void det_group(int order, std::int64_t count) {
    const auto n = static_cast<std::size_t>(count) * order * order;
    const auto nd = static_cast<std::size_t>(count);
    const std::size_t nb = static_cast<std::size_t>(order * order + order);
    const Workload w{"det/" + std::to_string(order) + "/n" + std::to_string(count), {n, nd, nb},
                     [n, nd, nb](const std::vector<float*>& v) {
                         for (std::size_t e = 0; e < n; ++e) v[0][e] = value(e, 37, 0);
                         for (std::size_t e = 0; e < nd; ++e) v[1][e] = 0;
                         for (std::size_t e = 0; e < nb; ++e) v[2][e] = 0;
                     },
                     1, 1, count};
    static constexpr int all[4] = {0, 1, 2, 3};
    auto rukm = [=](const std::vector<float*>& p) {
        const rukStatus st =
            rukmDet_ma_32f(p[0], 4 * order * order, 4 * order, 4, order, p[2], p[1], i32(count));
        benchmark::DoNotOptimize(st);
        return st == rukOk;
    };
    auto exact = [=](const std::vector<float*>& p, std::int64_t k) {
        return same_bits(p[1][k], expansion<float>(p[0] + order * order * k, order, order, all, false));
    };
    auto close = [=](const std::vector<float*>& p, std::int64_t k) {
        const float* a = p[0] + order * order * k;
        return near(p[1][k], expansion<double>(a, order, order, all, false),
                    expansion<double>(a, order, order, all, true), 2 * order * order);
    };
    auto peer = [=](void (*f)(int, const float*, float*, std::int64_t)) {
        return [=](const std::vector<float*>& p) {
            f(order, p[0], p[1], count);
            return true;
        };
    };
    const std::string shape = std::to_string(order) + "x" + std::to_string(order);
    declare(name_of("Det_ma", shape, count), (order * order + 1) * count * 4, w, rukm, exact,
            {{"eigen", peer(&peers::eigen_det), 1.0}, {"plain", peer(&peers::plain_det), 1.0}}, close);
}

[[maybe_unused]] const bool registered = [] {
    for (const int len : {3, 4}) dot_group(len, 1000000);
    cross_group(1000000);
    for (const std::int64_t count : {std::int64_t{10000}, std::int64_t{1000000}}) transform_group(count);
    for (const std::int64_t count : {std::int64_t{1000}, std::int64_t{1000000}})
        for (const int order : {3, 4}) det_group(order, count);
    return true;
}();

}  // namespace
