// What the Eigen peers share: the alignment an Eigen map of a fixed-size object may claim on
// the benchmarks' packed arrays (the arrays are 4096-byte aligned and packed, so every object
// whose size is a multiple of 16 bytes is aligned to the largest power of two its type asks
// for), and the peers' own copies of the packed row-major sources.
#pragma once

#include <Eigen/Core>

#include <cstdint>
#include <vector>

namespace rukbench::peers {

template <class M>
constexpr int map_alignment() {
    return alignof(M) >= 64 ? Eigen::Aligned64 : alignof(M) >= 32 ? Eigen::Aligned32
                                               : alignof(M) >= 16 ? Eigen::Aligned16
                                                                  : Eigen::Unaligned;
}

namespace eigen {

template <class M>
using Objects = std::vector<M, Eigen::aligned_allocator<M>>;

// The packed row-major sources, copied into M's storage order.
template <class M>
Objects<M> load(const typename M::Scalar* a, std::int64_t count) {
    using Rows = Eigen::Matrix<typename M::Scalar, M::RowsAtCompileTime, M::ColsAtCompileTime, Eigen::RowMajor>;
    Objects<M> out(static_cast<std::size_t>(count));
    for (std::size_t k = 0; k < out.size(); ++k) out[k] = Eigen::Map<const Rows>(a + k * M::SizeAtCompileTime);
    return out;
}

}  // namespace eigen

}  // namespace rukbench::peers
