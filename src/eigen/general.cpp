// The general eigen exports (values, right, left and both eigenvector sets) and the buffer-size
// queries: one line each, naming the family, operand code, element type and layout.
#include <tuple>

#include "../frame/entry.hpp"
#include "general.hpp"

namespace {
using namespace rukm;
constexpr Layout S = Layout::Std, L = Layout::List, P = Layout::Ptr;
using eigen::BothVectors;
using eigen::Export;
using eigen::GenValues;
using eigen::LeftVectors;
using eigen::RightVectors;

// The buffer size of an order, in bytes: (matrices * order + 5) * order elements. An order whose
// size does not fit the 32-bit result is refused like an order below 1.
template <class T, int Matrices>
struct BufSize {
    using signature = Signature<Size, Ptr<std::int32_t*>>;
    using checks = Checks<Ptrs, Sizes>;
    static rukStatus run(const Size& order, const Ptr<std::int32_t*>& size) {
        if (const rukStatus st = checks::run(std::tie(order, size))) return st;
        const std::int64_t bytes = eigen::general::buffer_elements(order.v, Matrices) * std::int64_t(sizeof(T));
        if (bytes > INT32_MAX) return rukErrSize;
        *size.v = std::int32_t(bytes);
        return rukOk;
    }
};
}  // namespace

RUKM_ENTRY(2, rukmEigenValuesGetBufSize_32f, BufSize<float, 1>)
RUKM_ENTRY(2, rukmEigenValuesGetBufSize_64f, BufSize<double, 1>)
RUKM_ENTRY(2, rukmEigenValuesVectorsGetBufSize_32f, BufSize<float, 3>)
RUKM_ENTRY(2, rukmEigenValuesVectorsGetBufSize_64f, BufSize<double, 3>)
RUKM_ENTRY(7, rukmEigenValues_m_32f, Export<GenValues, "m", float, S>)
RUKM_ENTRY(6, rukmEigenValues_m_32f_P, Export<GenValues, "m", float, P>)
RUKM_ENTRY(7, rukmEigenValues_m_64f, Export<GenValues, "m", double, S>)
RUKM_ENTRY(6, rukmEigenValues_m_64f_P, Export<GenValues, "m", double, P>)
RUKM_ENTRY(9, rukmEigenValues_ma_32f, Export<GenValues, "ma", float, S>)
RUKM_ENTRY(9, rukmEigenValues_ma_32f_L, Export<GenValues, "ma", float, L>)
RUKM_ENTRY(8, rukmEigenValues_ma_32f_P, Export<GenValues, "ma", float, P>)
RUKM_ENTRY(9, rukmEigenValues_ma_64f, Export<GenValues, "ma", double, S>)
RUKM_ENTRY(9, rukmEigenValues_ma_64f_L, Export<GenValues, "ma", double, L>)
RUKM_ENTRY(8, rukmEigenValues_ma_64f_P, Export<GenValues, "ma", double, P>)
RUKM_ENTRY(10, rukmEigenValuesVectorsRight_m_32f, Export<RightVectors, "m", float, S>)
RUKM_ENTRY(8, rukmEigenValuesVectorsRight_m_32f_P, Export<RightVectors, "m", float, P>)
RUKM_ENTRY(10, rukmEigenValuesVectorsRight_m_64f, Export<RightVectors, "m", double, S>)
RUKM_ENTRY(8, rukmEigenValuesVectorsRight_m_64f_P, Export<RightVectors, "m", double, P>)
RUKM_ENTRY(13, rukmEigenValuesVectorsRight_ma_32f, Export<RightVectors, "ma", float, S>)
RUKM_ENTRY(13, rukmEigenValuesVectorsRight_ma_32f_L, Export<RightVectors, "ma", float, L>)
RUKM_ENTRY(11, rukmEigenValuesVectorsRight_ma_32f_P, Export<RightVectors, "ma", float, P>)
RUKM_ENTRY(13, rukmEigenValuesVectorsRight_ma_64f, Export<RightVectors, "ma", double, S>)
RUKM_ENTRY(13, rukmEigenValuesVectorsRight_ma_64f_L, Export<RightVectors, "ma", double, L>)
RUKM_ENTRY(11, rukmEigenValuesVectorsRight_ma_64f_P, Export<RightVectors, "ma", double, P>)
RUKM_ENTRY(10, rukmEigenValuesVectorsLeft_m_32f, Export<LeftVectors, "m", float, S>)
RUKM_ENTRY(8, rukmEigenValuesVectorsLeft_m_32f_P, Export<LeftVectors, "m", float, P>)
RUKM_ENTRY(10, rukmEigenValuesVectorsLeft_m_64f, Export<LeftVectors, "m", double, S>)
RUKM_ENTRY(8, rukmEigenValuesVectorsLeft_m_64f_P, Export<LeftVectors, "m", double, P>)
RUKM_ENTRY(13, rukmEigenValuesVectorsLeft_ma_32f, Export<LeftVectors, "ma", float, S>)
RUKM_ENTRY(13, rukmEigenValuesVectorsLeft_ma_32f_L, Export<LeftVectors, "ma", float, L>)
RUKM_ENTRY(11, rukmEigenValuesVectorsLeft_ma_32f_P, Export<LeftVectors, "ma", float, P>)
RUKM_ENTRY(13, rukmEigenValuesVectorsLeft_ma_64f, Export<LeftVectors, "ma", double, S>)
RUKM_ENTRY(13, rukmEigenValuesVectorsLeft_ma_64f_L, Export<LeftVectors, "ma", double, L>)
RUKM_ENTRY(11, rukmEigenValuesVectorsLeft_ma_64f_P, Export<LeftVectors, "ma", double, P>)
RUKM_ENTRY(13, rukmEigenValuesVectors_m_32f, Export<BothVectors, "m", float, S>)
RUKM_ENTRY(10, rukmEigenValuesVectors_m_32f_P, Export<BothVectors, "m", float, P>)
RUKM_ENTRY(13, rukmEigenValuesVectors_m_64f, Export<BothVectors, "m", double, S>)
RUKM_ENTRY(10, rukmEigenValuesVectors_m_64f_P, Export<BothVectors, "m", double, P>)
RUKM_ENTRY(17, rukmEigenValuesVectors_ma_32f, Export<BothVectors, "ma", float, S>)
RUKM_ENTRY(17, rukmEigenValuesVectors_ma_32f_L, Export<BothVectors, "ma", float, L>)
RUKM_ENTRY(14, rukmEigenValuesVectors_ma_32f_P, Export<BothVectors, "ma", float, P>)
RUKM_ENTRY(17, rukmEigenValuesVectors_ma_64f, Export<BothVectors, "ma", double, S>)
RUKM_ENTRY(17, rukmEigenValuesVectors_ma_64f_L, Export<BothVectors, "ma", double, L>)
RUKM_ENTRY(14, rukmEigenValuesVectors_ma_64f_P, Export<BothVectors, "ma", double, P>)
