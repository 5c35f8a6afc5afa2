// Scaling, transposition and copies of arrays of 4x4 single-precision matrices:
//
//   Mul_mac        d[k] = a[k] * s         rukmMul_mac_32f against an Eigen and a plain loop
//   Transpose_ma   d[k] = transpose(a[k])  rukmTranspose_ma_32f against an Eigen and a plain loop
//   Copy_ma_SS     d[k] = a[k]             rukmCopy_ma_32f_SS on packed objects against memcpy
//                                          of the same bytes, and on strided objects against a
//                                          plain strided loop
//
// Packed objects lie back to back (objStride 64, rowStride 16, elemStride 4 bytes). The
// strided objects take every other float (elemStride 8, rowStride 32 bytes) and are padded
// to 160 bytes; their byte count in the table is that of the elements copied. 1,000 objects
// stay in the caches; 4,000,000 objects (512 MB packed, counting source and destination)
// stream from memory.
#include <bit>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include "harness.hpp"
#include "peers.hpp"
#include "rukm.h"

namespace {

using namespace rukbench;

constexpr int kElems = 16;
constexpr std::int32_t kEs = 4, kRs = 16, kOs = 64;  // packed strides in bytes
// Strided layout, in elements: every other float, objects padded by 8 floats.
constexpr std::int64_t kSElem = 2, kSRow = 8, kSObj = 40;
constexpr float kScale = 1.25f;
constexpr float kGap = 7.0f;  // fills the gaps of the strided destination, which no copy may write

// Ordinary data, uniform in [-1, 1).
float value(std::size_t e) { return static_cast<float>(uniform(e, 1)); }

bool same_bits(float a, float b) { return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b); }

// count source and count destination objects in one layout; element (i, j) of object k is
// at index k * obj + i * row + j * elem of either array.
struct Data {
    const float* a;
    float* d;
    std::int64_t count, obj, row, elem;
    std::int64_t at(std::int64_t k, int i, int j) const { return k * obj + i * row + j * elem; }
};

// The packed arrays of one count are shared by the scaling, transposition and dense copy
// groups.
Data packed(std::int64_t count) {
    const auto n = static_cast<std::size_t>(count) * kElems;
    const std::string key = "scale_move/packed/n" + std::to_string(count);
    const auto p = arrays<float>(key, {n, n}, [n](const std::vector<float*>& v) {
        for (std::size_t e = 0; e < n; ++e) {
            v[0][e] = value(e);
            v[1][e] = 0;
        }
    });
    return {p[0], p[1], count, kElems, 4, 1};
}

Data strided(std::int64_t count) {
    const auto n = static_cast<std::size_t>(count * kSObj);
    const std::string key = "scale_move/strided/n" + std::to_string(count);
    const auto p = arrays<float>(key, {n, n}, [n](const std::vector<float*>& v) {
        for (std::size_t e = 0; e < n; ++e) {
            v[0][e] = value(e);
            v[1][e] = kGap;
        }
    });
    return {p[0], p[1], count, kSObj, kSRow, kSElem};
}

// The element that destination element (i, j) of object k must hold.
using Expect = float (*)(const Data& x, std::int64_t k, int i, int j);

// One case: the sampled destination objects are poisoned before the timed loop and checked
// bit for bit after it; in the strided layout the gaps of the checked objects must still
// hold kGap.
template <class Call>
Body make_case(Data (*layout)(std::int64_t), std::int64_t count, Expect expect, Call call) {
    return [=](benchmark::State& state) {
        const Data x = layout(count);
        const float nan = std::numeric_limits<float>::quiet_NaN();
        for_sampled(count, [&](std::int64_t k) {
            for (int i = 0; i < 4; ++i)
                for (int j = 0; j < 4; ++j) x.d[x.at(k, i, j)] = nan;
        });
        bool ok = true;
        for (auto _ : state) {
            ok = call(x) && ok;
            benchmark::ClobberMemory();
        }
        for_sampled(count, [&](std::int64_t k) {
            for (int i = 0; i < 4; ++i)
                for (int j = 0; j < 4; ++j) ok = ok && same_bits(x.d[x.at(k, i, j)], expect(x, k, i, j));
            if (x.elem != 1) {
                for (std::int64_t e = 0; e < x.obj; ++e) {
                    const bool element = e < 4 * x.row && e % x.row < 4 * x.elem && e % x.elem == 0;
                    ok = ok && (element || same_bits(x.d[k * x.obj + e], kGap));
                }
            }
        });
        if (!ok) state.SkipWithError("a status other than rukOk, or a wrong element in the destination");
    };
}

std::string name_of(const char* op, const char* shape, std::int64_t count) {
    return std::string(op) + "/32f/" + shape + "/n" + std::to_string(count);
}

void scale_group(std::int64_t count, Residency where) {
    Group& g = group(name_of("Mul_mac", "4x4", count), {count, 2 * count * kOs, where});
    const Expect expect = [](const Data& x, std::int64_t k, int i, int j) { return x.a[x.at(k, i, j)] * kScale; };
    g.add("rukm", make_case(packed, count, expect, [](const Data& x) {
        const rukStatus st = rukmMul_mac_32f(x.a, kOs, kRs, kEs, kScale, x.d, kOs, kRs, kEs, 4, 4,
                                             static_cast<std::int32_t>(x.count));
        benchmark::DoNotOptimize(st);
        return st == rukOk;
    }));
    g.add("eigen", make_case(packed, count, expect, [](const Data& x) {
        peers::eigen_scale_4x4(x.a, kScale, x.d, x.count);
        benchmark::DoNotOptimize(x.d);
        return true;
    }));
    g.add("plain", make_case(packed, count, expect, [](const Data& x) {
        peers::plain_scale_4x4(x.a, kScale, x.d, x.count);
        benchmark::DoNotOptimize(x.d);
        return true;
    }));
}

void transpose_group(std::int64_t count, Residency where) {
    Group& g = group(name_of("Transpose_ma", "4x4", count), {count, 2 * count * kOs, where});
    const Expect expect = [](const Data& x, std::int64_t k, int i, int j) { return x.a[x.at(k, j, i)]; };
    g.add("rukm", make_case(packed, count, expect, [](const Data& x) {
        const rukStatus st = rukmTranspose_ma_32f(x.a, kOs, kRs, kEs, 4, 4, x.d, kOs, kRs, kEs,
                                                  static_cast<std::int32_t>(x.count));
        benchmark::DoNotOptimize(st);
        return st == rukOk;
    }));
    g.add("eigen", make_case(packed, count, expect, [](const Data& x) {
        peers::eigen_transpose_4x4(x.a, x.d, x.count);
        benchmark::DoNotOptimize(x.d);
        return true;
    }));
    g.add("plain", make_case(packed, count, expect, [](const Data& x) {
        peers::plain_transpose_4x4(x.a, x.d, x.count);
        benchmark::DoNotOptimize(x.d);
        return true;
    }));
}

const Expect copied = [](const Data& x, std::int64_t k, int i, int j) { return x.a[x.at(k, i, j)]; };

void copy_group(std::int64_t count, Residency where) {
    Group& g = group(name_of("Copy_ma_SS", "4x4", count), {count, 2 * count * kOs, where});
    g.add("rukm", make_case(packed, count, copied, [](const Data& x) {
        const rukStatus st = rukmCopy_ma_32f_SS(x.a, kOs, kRs, kEs, x.d, kOs, kRs, kEs, 4, 4,
                                                static_cast<std::int32_t>(x.count));
        benchmark::DoNotOptimize(st);
        return st == rukOk;
    }));
    g.add("memcpy", make_case(packed, count, copied, [](const Data& x) {
        std::memcpy(x.d, x.a, static_cast<std::size_t>(x.count) * kOs);
        benchmark::DoNotOptimize(x.d);
        return true;
    }));
    if (where == OutOfCache) g.expect("memcpy", 0.9, "out of cache: within 10% of memcpy");
}

void strided_copy_group(std::int64_t count, Residency where) {
    constexpr std::int32_t es = kSElem * 4, rs = kSRow * 4, os = kSObj * 4;
    Group& g = group(name_of("Copy_ma_SS", "4x4-strided", count), {count, 2 * count * kOs, where});
    g.add("rukm", make_case(strided, count, copied, [](const Data& x) {
        const rukStatus st =
            rukmCopy_ma_32f_SS(x.a, os, rs, es, x.d, os, rs, es, 4, 4, static_cast<std::int32_t>(x.count));
        benchmark::DoNotOptimize(st);
        return st == rukOk;
    }));
    g.add("plain", make_case(strided, count, copied, [](const Data& x) {
        peers::plain_copy_4x4(x.a, x.d, x.obj, x.row, x.elem, x.count);
        benchmark::DoNotOptimize(x.d);
        return true;
    }));
}

[[maybe_unused]] const bool registered = [] {
    for (const auto& [count, where] :
         {std::pair{std::int64_t{1000}, InCache}, std::pair{std::int64_t{4000000}, OutOfCache}}) {
        scale_group(count, where);
        transpose_group(count, where);
        copy_group(count, where);
        strided_copy_group(count, where);
    }
    return true;
}();

}  // namespace
