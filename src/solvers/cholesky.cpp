// The Cholesky decomposition and back-substitution exports: one line each, naming the family,
// operand code, element type and layout.
#include "../frame/entry.hpp"
#include "cholesky.hpp"

namespace {
using namespace rukm;
constexpr Layout S = Layout::Std, L = Layout::List, P = Layout::Ptr;
using solve::CholDecomp;
using solve::CholSubst;
using solve::Export;
}  // namespace

RUKM_ENTRY(7, rukmCholeskyDecomp_m_32f, Export<CholDecomp, "m", float, S>)
RUKM_ENTRY(5, rukmCholeskyDecomp_m_32f_P, Export<CholDecomp, "m", float, P>)
RUKM_ENTRY(7, rukmCholeskyDecomp_m_64f, Export<CholDecomp, "m", double, S>)
RUKM_ENTRY(5, rukmCholeskyDecomp_m_64f_P, Export<CholDecomp, "m", double, P>)
RUKM_ENTRY(10, rukmCholeskyDecomp_ma_32f, Export<CholDecomp, "ma", float, S>)
RUKM_ENTRY(10, rukmCholeskyDecomp_ma_32f_L, Export<CholDecomp, "ma", float, L>)
RUKM_ENTRY(8, rukmCholeskyDecomp_ma_32f_P, Export<CholDecomp, "ma", float, P>)
RUKM_ENTRY(10, rukmCholeskyDecomp_ma_64f, Export<CholDecomp, "ma", double, S>)
RUKM_ENTRY(10, rukmCholeskyDecomp_ma_64f_L, Export<CholDecomp, "ma", double, L>)
RUKM_ENTRY(8, rukmCholeskyDecomp_ma_64f_P, Export<CholDecomp, "ma", double, P>)
RUKM_ENTRY(8, rukmCholeskyBackSubst_mv_32f, Export<CholSubst, "mv", float, S>)
RUKM_ENTRY(7, rukmCholeskyBackSubst_mv_32f_P, Export<CholSubst, "mv", float, P>)
RUKM_ENTRY(8, rukmCholeskyBackSubst_mv_64f, Export<CholSubst, "mv", double, S>)
RUKM_ENTRY(7, rukmCholeskyBackSubst_mv_64f_P, Export<CholSubst, "mv", double, P>)
RUKM_ENTRY(11, rukmCholeskyBackSubst_mva_32f, Export<CholSubst, "mva", float, S>)
RUKM_ENTRY(11, rukmCholeskyBackSubst_mva_32f_L, Export<CholSubst, "mva", float, L>)
RUKM_ENTRY(10, rukmCholeskyBackSubst_mva_32f_P, Export<CholSubst, "mva", float, P>)
RUKM_ENTRY(11, rukmCholeskyBackSubst_mva_64f, Export<CholSubst, "mva", double, S>)
RUKM_ENTRY(11, rukmCholeskyBackSubst_mva_64f_L, Export<CholSubst, "mva", double, L>)
RUKM_ENTRY(10, rukmCholeskyBackSubst_mva_64f_P, Export<CholSubst, "mva", double, P>)
RUKM_ENTRY(12, rukmCholeskyBackSubst_mava_32f, Export<CholSubst, "mava", float, S>)
RUKM_ENTRY(12, rukmCholeskyBackSubst_mava_32f_L, Export<CholSubst, "mava", float, L>)
RUKM_ENTRY(11, rukmCholeskyBackSubst_mava_32f_P, Export<CholSubst, "mava", float, P>)
RUKM_ENTRY(12, rukmCholeskyBackSubst_mava_64f, Export<CholSubst, "mava", double, S>)
RUKM_ENTRY(12, rukmCholeskyBackSubst_mava_64f_L, Export<CholSubst, "mava", double, L>)
RUKM_ENTRY(11, rukmCholeskyBackSubst_mava_64f_P, Export<CholSubst, "mava", double, P>)
