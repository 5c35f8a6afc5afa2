// The alignment an Eigen map of a fixed-size object may claim on the benchmarks' packed
// arrays: the arrays are 4096-byte aligned and packed, so every object whose size is a
// multiple of 16 bytes is aligned to the largest power of two its type asks for.
#pragma once

#include <Eigen/Core>

namespace rukbench::peers {

template <class M>
constexpr int map_alignment() {
    return alignof(M) >= 64 ? Eigen::Aligned64 : alignof(M) >= 32 ? Eigen::Aligned32
                                               : alignof(M) >= 16 ? Eigen::Aligned16
                                                                  : Eigen::Unaligned;
}

}  // namespace rukbench::peers
