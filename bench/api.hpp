// The exports the benchmarks call in both element types, picked by the element type.
#pragma once

#include "rukm.h"

namespace rukbench {

template <class T>
struct Api;
template <>
struct Api<float> {
    static constexpr auto add = &rukmAdd_mama_32f;
    static constexpr auto mul = &rukmMul_mama_32f;
    static constexpr auto mva = &rukmMul_mva_32f;
    static constexpr auto dot = &rukmDotProduct_vava_32f;
    static constexpr auto det = &rukmDet_ma_32f;
};
template <>
struct Api<double> {
    static constexpr auto add = &rukmAdd_mama_64f;
    static constexpr auto mul = &rukmMul_mama_64f;
    static constexpr auto mva = &rukmMul_mva_64f;
    static constexpr auto dot = &rukmDotProduct_vava_64f;
    static constexpr auto det = &rukmDet_ma_64f;
};

}  // namespace rukbench
