// The determinant, trace and Frobenius-norm exports: one line each.
#include "../frame/entry.hpp"
#include "measures.hpp"

namespace {
using namespace rukm;
constexpr Layout S = Layout::Std, L = Layout::List, P = Layout::Ptr;
using namespace measure;
}  // namespace

RUKM_ENTRY(6, rukmDet_m_32f, Export<Det, false, float, S>)
RUKM_ENTRY(5, rukmDet_m_32f_P, Export<Det, false, float, P>)
RUKM_ENTRY(6, rukmDet_m_64f, Export<Det, false, double, S>)
RUKM_ENTRY(5, rukmDet_m_64f_P, Export<Det, false, double, P>)
RUKM_ENTRY(8, rukmDet_ma_32f, Export<Det, true, float, S>)
RUKM_ENTRY(8, rukmDet_ma_32f_L, Export<Det, true, float, L>)
RUKM_ENTRY(7, rukmDet_ma_32f_P, Export<Det, true, float, P>)
RUKM_ENTRY(8, rukmDet_ma_64f, Export<Det, true, double, S>)
RUKM_ENTRY(8, rukmDet_ma_64f_L, Export<Det, true, double, L>)
RUKM_ENTRY(7, rukmDet_ma_64f_P, Export<Det, true, double, P>)
RUKM_ENTRY(5, rukmTrace_m_32f, Export<Trace, false, float, S>)
RUKM_ENTRY(4, rukmTrace_m_32f_P, Export<Trace, false, float, P>)
RUKM_ENTRY(5, rukmTrace_m_64f, Export<Trace, false, double, S>)
RUKM_ENTRY(4, rukmTrace_m_64f_P, Export<Trace, false, double, P>)
RUKM_ENTRY(7, rukmTrace_ma_32f, Export<Trace, true, float, S>)
RUKM_ENTRY(7, rukmTrace_ma_32f_L, Export<Trace, true, float, L>)
RUKM_ENTRY(6, rukmTrace_ma_32f_P, Export<Trace, true, float, P>)
RUKM_ENTRY(7, rukmTrace_ma_64f, Export<Trace, true, double, S>)
RUKM_ENTRY(7, rukmTrace_ma_64f_L, Export<Trace, true, double, L>)
RUKM_ENTRY(6, rukmTrace_ma_64f_P, Export<Trace, true, double, P>)
RUKM_ENTRY(6, rukmFrobNorm_m_32f, Export<Frob, false, float, S>)
RUKM_ENTRY(5, rukmFrobNorm_m_32f_P, Export<Frob, false, float, P>)
RUKM_ENTRY(6, rukmFrobNorm_m_64f, Export<Frob, false, double, S>)
RUKM_ENTRY(5, rukmFrobNorm_m_64f_P, Export<Frob, false, double, P>)
RUKM_ENTRY(8, rukmFrobNorm_ma_32f, Export<Frob, true, float, S>)
RUKM_ENTRY(8, rukmFrobNorm_ma_32f_L, Export<Frob, true, float, L>)
RUKM_ENTRY(7, rukmFrobNorm_ma_32f_P, Export<Frob, true, float, P>)
RUKM_ENTRY(8, rukmFrobNorm_ma_64f, Export<Frob, true, double, S>)
RUKM_ENTRY(8, rukmFrobNorm_ma_64f_L, Export<Frob, true, double, L>)
RUKM_ENTRY(7, rukmFrobNorm_ma_64f_P, Export<Frob, true, double, P>)
