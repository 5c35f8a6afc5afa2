// The homogeneous 3-D transform: each point (x, y, z) of an array is extended to
// (x, y, z, 1), multiplied by one 4x4 matrix and divided by the resulting weight.
//
// Per point, in 32f and in exactly this association:
//   w    = ((m30*x + m33) + m31*y) + m32*z
//   t(i) = ((mi0*x + mi3) + mi1*y) + mi2*z          for i = 0, 1, 2
//   |w| not above the smallest normal (a NaN included): the three results are the largest
//   finite value and the call reports rukErrDivByZero, the other points still transformed;
//   else r = 1 / w (one division) and the results are t(i) * r.
// The matrix is read once per call (per thread) and kept in registers; all three components
// of a point are read before any of its results is written.
#pragma once

#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "../frame/checks.hpp"
#include "../frame/driver.hpp"
#include "../frame/isa.hpp"
#include "../frame/operand.hpp"
#include "../frame/params.hpp"

namespace rukm::xf {

// What a kernel sees: the 16 matrix elements in row-major order, the points, the results.
struct Args {
    float m[16];
    Operand<const float> src;
    Operand<float> dst;
    std::int32_t count;
};

// One point; false when its weight is degenerate.
inline bool point(const float (&m)[16], float x, float y, float z, float* out) {
    const float w = ((m[12] * x + m[15]) + m[13] * y) + m[14] * z;
    float t[3];
    for (int i = 0; i < 3; ++i) t[i] = ((m[4 * i] * x + m[4 * i + 3]) + m[4 * i + 1] * y) + m[4 * i + 2] * z;
    if (!(std::fabs(w) > FLT_MIN)) {
        out[0] = out[1] = out[2] = FLT_MAX;
        return false;
    }
    const float r = 1.0f / w;
    for (int i = 0; i < 3; ++i) out[i] = t[i] * r;
    return true;
}

// Points [first, first + n) through their strides.
inline rukStatus strided(const Args& a, std::ptrdiff_t first, std::ptrdiff_t n) {
    bool ok = true;
    for (std::ptrdiff_t p = first; p < first + n; ++p) {
        const StridedObject<const float> s = a.src.view(p);
        float out[3];
        ok &= point(a.m, *s.at(0, 0), *s.at(0, 1), *s.at(0, 2), out);
        const StridedObject<float> d = a.dst.view(p);
        *d.at(0, 0) = out[0];
        *d.at(0, 1) = out[1];
        *d.at(0, 2) = out[2];
    }
    return ok ? rukOk : rukErrDivByZero;
}

// Contiguous kernels per instruction set (every element stride 4 bytes).
using ContigFn = rukStatus (*)(const Args&);
extern const ContigFn contig[kIsaCount];

struct Export {
    using M = Opd<float, Kind{Shape::Mat, false, Layout::Std}>;
    using V = Opd<float, Kind{Shape::Vec, true, Layout::Std}>;
    using D = Opd<float, Kind{Shape::Vec, true, Layout::Std, true}>;
    using signature = Signature<M, V, D, Count>;
    using checks = Checks<Ptrs, Cnt, Strides>;

    static rukStatus run(const M& m, const V& v, const D& d, const Count& count) {
        if (const rukStatus st = checks::run(std::tie(m, v, d, count))) return st;
        Args args{{}, v.view(), d.view(), count.v};
        const auto mv = m.view(4);
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j) args.m[4 * i + j] = *mv.at(0, i, j);
        const ContigFn fast = gapped(std::tie(m, v, d)) ? nullptr : for_isa(contig);
        auto kernel = [&](std::int32_t k0, std::int32_t n) {
            if (!fast) return strided(args, k0, n);
            Args r = args;
            r.src = args.src.advanced(k0);
            r.dst = args.dst.advanced(k0);
            r.count = n;
            return fast(r);
        };
        // The estimate is compared before the contiguity test: above 2000 the driver runs.
        return run_array(6 * std::int64_t(count.v) + 16, 2001, count.v, kernel);
    }
};

}  // namespace rukm::xf
