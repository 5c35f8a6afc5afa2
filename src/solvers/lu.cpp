// The LU decomposition and back-substitution exports: one line each, naming the family,
// operand code, element type and layout.
#include "../frame/entry.hpp"
#include "lu.hpp"

namespace {
using namespace rukm;
constexpr Layout S = Layout::Std, L = Layout::List, P = Layout::Ptr;
using solve::Export;
using solve::LuDecomp;
using solve::LuSubst;
}  // namespace

RUKM_ENTRY(8, rukmLUDecomp_m_32f, Export<LuDecomp, "m", float, S>)
RUKM_ENTRY(6, rukmLUDecomp_m_32f_P, Export<LuDecomp, "m", float, P>)
RUKM_ENTRY(8, rukmLUDecomp_m_64f, Export<LuDecomp, "m", double, S>)
RUKM_ENTRY(6, rukmLUDecomp_m_64f_P, Export<LuDecomp, "m", double, P>)
RUKM_ENTRY(11, rukmLUDecomp_ma_32f, Export<LuDecomp, "ma", float, S>)
RUKM_ENTRY(11, rukmLUDecomp_ma_32f_L, Export<LuDecomp, "ma", float, L>)
RUKM_ENTRY(9, rukmLUDecomp_ma_32f_P, Export<LuDecomp, "ma", float, P>)
RUKM_ENTRY(11, rukmLUDecomp_ma_64f, Export<LuDecomp, "ma", double, S>)
RUKM_ENTRY(11, rukmLUDecomp_ma_64f_L, Export<LuDecomp, "ma", double, L>)
RUKM_ENTRY(9, rukmLUDecomp_ma_64f_P, Export<LuDecomp, "ma", double, P>)
RUKM_ENTRY(9, rukmLUBackSubst_mv_32f, Export<LuSubst, "mv", float, S>)
RUKM_ENTRY(8, rukmLUBackSubst_mv_32f_P, Export<LuSubst, "mv", float, P>)
RUKM_ENTRY(9, rukmLUBackSubst_mv_64f, Export<LuSubst, "mv", double, S>)
RUKM_ENTRY(8, rukmLUBackSubst_mv_64f_P, Export<LuSubst, "mv", double, P>)
RUKM_ENTRY(12, rukmLUBackSubst_mva_32f, Export<LuSubst, "mva", float, S>)
RUKM_ENTRY(12, rukmLUBackSubst_mva_32f_L, Export<LuSubst, "mva", float, L>)
RUKM_ENTRY(11, rukmLUBackSubst_mva_32f_P, Export<LuSubst, "mva", float, P>)
RUKM_ENTRY(12, rukmLUBackSubst_mva_64f, Export<LuSubst, "mva", double, S>)
RUKM_ENTRY(12, rukmLUBackSubst_mva_64f_L, Export<LuSubst, "mva", double, L>)
RUKM_ENTRY(11, rukmLUBackSubst_mva_64f_P, Export<LuSubst, "mva", double, P>)
RUKM_ENTRY(13, rukmLUBackSubst_mava_32f, Export<LuSubst, "mava", float, S>)
RUKM_ENTRY(13, rukmLUBackSubst_mava_32f_L, Export<LuSubst, "mava", float, L>)
RUKM_ENTRY(12, rukmLUBackSubst_mava_32f_P, Export<LuSubst, "mava", float, P>)
RUKM_ENTRY(13, rukmLUBackSubst_mava_64f, Export<LuSubst, "mava", double, S>)
RUKM_ENTRY(13, rukmLUBackSubst_mava_64f_L, Export<LuSubst, "mava", double, L>)
RUKM_ENTRY(12, rukmLUBackSubst_mava_64f_P, Export<LuSubst, "mava", double, P>)
