// The QR decomposition and back-substitution exports: one line each, naming the family,
// operand code, element type and layout.
#include "../frame/entry.hpp"
#include "qr.hpp"

namespace {
using namespace rukm;
constexpr Layout S = Layout::Std, L = Layout::List, P = Layout::Ptr;
using solve::Export;
using solve::QrDecomp;
using solve::QrSubst;
}  // namespace

RUKM_ENTRY(9, rukmQRDecomp_m_32f, Export<QrDecomp, "m", float, S>)
RUKM_ENTRY(7, rukmQRDecomp_m_32f_P, Export<QrDecomp, "m", float, P>)
RUKM_ENTRY(9, rukmQRDecomp_m_64f, Export<QrDecomp, "m", double, S>)
RUKM_ENTRY(7, rukmQRDecomp_m_64f_P, Export<QrDecomp, "m", double, P>)
RUKM_ENTRY(12, rukmQRDecomp_ma_32f, Export<QrDecomp, "ma", float, S>)
RUKM_ENTRY(12, rukmQRDecomp_ma_32f_L, Export<QrDecomp, "ma", float, L>)
RUKM_ENTRY(10, rukmQRDecomp_ma_32f_P, Export<QrDecomp, "ma", float, P>)
RUKM_ENTRY(12, rukmQRDecomp_ma_64f, Export<QrDecomp, "ma", double, S>)
RUKM_ENTRY(12, rukmQRDecomp_ma_64f_L, Export<QrDecomp, "ma", double, L>)
RUKM_ENTRY(10, rukmQRDecomp_ma_64f_P, Export<QrDecomp, "ma", double, P>)
RUKM_ENTRY(10, rukmQRBackSubst_mv_32f, Export<QrSubst, "mv", float, S>)
RUKM_ENTRY(9, rukmQRBackSubst_mv_32f_P, Export<QrSubst, "mv", float, P>)
RUKM_ENTRY(10, rukmQRBackSubst_mv_64f, Export<QrSubst, "mv", double, S>)
RUKM_ENTRY(9, rukmQRBackSubst_mv_64f_P, Export<QrSubst, "mv", double, P>)
RUKM_ENTRY(13, rukmQRBackSubst_mva_32f, Export<QrSubst, "mva", float, S>)
RUKM_ENTRY(13, rukmQRBackSubst_mva_32f_L, Export<QrSubst, "mva", float, L>)
RUKM_ENTRY(12, rukmQRBackSubst_mva_32f_P, Export<QrSubst, "mva", float, P>)
RUKM_ENTRY(13, rukmQRBackSubst_mva_64f, Export<QrSubst, "mva", double, S>)
RUKM_ENTRY(13, rukmQRBackSubst_mva_64f_L, Export<QrSubst, "mva", double, L>)
RUKM_ENTRY(12, rukmQRBackSubst_mva_64f_P, Export<QrSubst, "mva", double, P>)
RUKM_ENTRY(14, rukmQRBackSubst_mava_32f, Export<QrSubst, "mava", float, S>)
RUKM_ENTRY(14, rukmQRBackSubst_mava_32f_L, Export<QrSubst, "mava", float, L>)
RUKM_ENTRY(13, rukmQRBackSubst_mava_32f_P, Export<QrSubst, "mava", float, P>)
RUKM_ENTRY(14, rukmQRBackSubst_mava_64f, Export<QrSubst, "mava", double, S>)
RUKM_ENTRY(14, rukmQRBackSubst_mava_64f_L, Export<QrSubst, "mava", double, L>)
RUKM_ENTRY(13, rukmQRBackSubst_mava_64f_P, Export<QrSubst, "mava", double, P>)
