// Maps of the Eigen peers onto the benchmarks' packed arrays. The arrays are 4096-byte
// aligned and packed, so an object whose size is a multiple of 16 bytes lies on the alignment
// Eigen gives its type, and is mapped with it.
#pragma once

#include <Eigen/Core>

namespace rukbench::peers {

template <class M>
constexpr int alignment() {
    return alignof(M) >= 64 ? Eigen::Aligned64 : alignof(M) >= 32 ? Eigen::Aligned32
                                               : alignof(M) >= 16 ? Eigen::Aligned16
                                                                  : Eigen::Unaligned;
}

template <class M>
using In = Eigen::Map<const M, alignment<M>()>;
template <class M>
using Out = Eigen::Map<M, alignment<M>()>;

}  // namespace rukbench::peers
