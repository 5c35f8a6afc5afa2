// The symmetric eigen exports: one line each, naming the family, operand code, element type
// and layout.
#include "../frame/entry.hpp"
#include "symmetric.hpp"

namespace {
using namespace rukm;
constexpr Layout S = Layout::Std, L = Layout::List, P = Layout::Ptr;
using eigen::Export;
using SymValues = eigen::Symmetric<false>;
using SymVectors = eigen::Symmetric<true>;
}  // namespace

RUKM_ENTRY(6, rukmEigenValuesSym_m_32f, Export<SymValues, "m", float, S>)
RUKM_ENTRY(5, rukmEigenValuesSym_m_32f_P, Export<SymValues, "m", float, P>)
RUKM_ENTRY(6, rukmEigenValuesSym_m_64f, Export<SymValues, "m", double, S>)
RUKM_ENTRY(5, rukmEigenValuesSym_m_64f_P, Export<SymValues, "m", double, P>)
RUKM_ENTRY(8, rukmEigenValuesSym_ma_32f, Export<SymValues, "ma", float, S>)
RUKM_ENTRY(8, rukmEigenValuesSym_ma_32f_L, Export<SymValues, "ma", float, L>)
RUKM_ENTRY(7, rukmEigenValuesSym_ma_32f_P, Export<SymValues, "ma", float, P>)
RUKM_ENTRY(8, rukmEigenValuesSym_ma_64f, Export<SymValues, "ma", double, S>)
RUKM_ENTRY(8, rukmEigenValuesSym_ma_64f_L, Export<SymValues, "ma", double, L>)
RUKM_ENTRY(7, rukmEigenValuesSym_ma_64f_P, Export<SymValues, "ma", double, P>)
RUKM_ENTRY(9, rukmEigenValuesVectorsSym_m_32f, Export<SymVectors, "m", float, S>)
RUKM_ENTRY(7, rukmEigenValuesVectorsSym_m_32f_P, Export<SymVectors, "m", float, P>)
RUKM_ENTRY(9, rukmEigenValuesVectorsSym_m_64f, Export<SymVectors, "m", double, S>)
RUKM_ENTRY(7, rukmEigenValuesVectorsSym_m_64f_P, Export<SymVectors, "m", double, P>)
RUKM_ENTRY(12, rukmEigenValuesVectorsSym_ma_32f, Export<SymVectors, "ma", float, S>)
RUKM_ENTRY(12, rukmEigenValuesVectorsSym_ma_32f_L, Export<SymVectors, "ma", float, L>)
RUKM_ENTRY(10, rukmEigenValuesVectorsSym_ma_32f_P, Export<SymVectors, "ma", float, P>)
RUKM_ENTRY(12, rukmEigenValuesVectorsSym_ma_64f, Export<SymVectors, "ma", double, S>)
RUKM_ENTRY(12, rukmEigenValuesVectorsSym_ma_64f_L, Export<SymVectors, "ma", double, L>)
RUKM_ENTRY(10, rukmEigenValuesVectorsSym_ma_64f_P, Export<SymVectors, "ma", double, P>)
