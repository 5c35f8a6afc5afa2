// Extract, LoadIdentity and Transpose: one line each, with the order of the argument
// checks of each form.
#include "../frame/entry.hpp"
#include "move.hpp"

namespace {
using namespace rukm;
constexpr Layout S = Layout::Std, L = Layout::List, P = Layout::Ptr;
using namespace mv;
}  // namespace

RUKM_ENTRY(6, rukmExtract_m_32f, Extract<'m', false, float, S, GeneralChecks<false, S>>)
RUKM_ENTRY(5, rukmExtract_m_32f_P, Extract<'m', false, float, P, SizesFirst>)
RUKM_ENTRY(6, rukmExtract_m_64f, Extract<'m', false, double, S, GeneralChecks<false, S>>)
RUKM_ENTRY(5, rukmExtract_m_64f_P, Extract<'m', false, double, P, SizesFirst>)
RUKM_ENTRY(6, rukmExtract_t_32f, Extract<'t', false, float, S, GeneralChecks<false, S>>)
RUKM_ENTRY(5, rukmExtract_t_32f_P, Extract<'t', false, float, P, SizesFirst>)
RUKM_ENTRY(6, rukmExtract_t_64f, Extract<'t', false, double, S, GeneralChecks<false, S>>)
RUKM_ENTRY(5, rukmExtract_t_64f_P, Extract<'t', false, double, P, SizesFirst>)
RUKM_ENTRY(4, rukmExtract_v_32f, Extract<'v', false, float, S, GeneralChecks<false, S>>)
RUKM_ENTRY(4, rukmExtract_v_32f_P, Extract<'v', false, float, P, GeneralChecks<false, P>>)
RUKM_ENTRY(4, rukmExtract_v_64f, Extract<'v', false, double, S, GeneralChecks<false, S>>)
RUKM_ENTRY(4, rukmExtract_v_64f_P, Extract<'v', false, double, P, SizesFirst>)
RUKM_ENTRY(8, rukmExtract_ma_32f, Extract<'m', true, float, S, ExtractArray>)
RUKM_ENTRY(8, rukmExtract_ma_32f_L, Extract<'m', true, float, L, ExtractArrayShifted>)
RUKM_ENTRY(7, rukmExtract_ma_32f_P, Extract<'m', true, float, P, ExtractArrayShifted>)
RUKM_ENTRY(8, rukmExtract_ma_64f, Extract<'m', true, double, S, ExtractArray>)
RUKM_ENTRY(8, rukmExtract_ma_64f_L, Extract<'m', true, double, L, ExtractArrayShifted>)
RUKM_ENTRY(7, rukmExtract_ma_64f_P, Extract<'m', true, double, P, ExtractArrayShifted>)
RUKM_ENTRY(8, rukmExtract_ta_32f, Extract<'t', true, float, S, ExtractArray>)
RUKM_ENTRY(8, rukmExtract_ta_32f_L, Extract<'t', true, float, L, ExtractArrayShifted>)
RUKM_ENTRY(7, rukmExtract_ta_32f_P, Extract<'t', true, float, P, ExtractArrayShifted>)
RUKM_ENTRY(8, rukmExtract_ta_64f, Extract<'t', true, double, S, ExtractArray>)
RUKM_ENTRY(8, rukmExtract_ta_64f_L, Extract<'t', true, double, L, ExtractArrayShifted>)
RUKM_ENTRY(7, rukmExtract_ta_64f_P, Extract<'t', true, double, P, ExtractArrayShifted>)
RUKM_ENTRY(6, rukmExtract_va_32f, Extract<'v', true, float, S, ExtractArray>)
RUKM_ENTRY(6, rukmExtract_va_32f_L, Extract<'v', true, float, L, ExtractArrayShifted>)
RUKM_ENTRY(6, rukmExtract_va_32f_P, Extract<'v', true, float, P, ExtractArrayShifted>)
RUKM_ENTRY(6, rukmExtract_va_64f, Extract<'v', true, double, S, ExtractArray>)
RUKM_ENTRY(6, rukmExtract_va_64f_L, Extract<'v', true, double, L, ExtractArrayShifted>)
RUKM_ENTRY(6, rukmExtract_va_64f_P, Extract<'v', true, double, P, ExtractArrayShifted>)
RUKM_ENTRY(7, rukmLoadIdentity_ma_32f, Identity<float, S, IdentityStd>)
RUKM_ENTRY(7, rukmLoadIdentity_ma_32f_L, Identity<float, L, IdentityList>)
RUKM_ENTRY(6, rukmLoadIdentity_ma_32f_P, Identity<float, P, IdentityPtr32>)
RUKM_ENTRY(7, rukmLoadIdentity_ma_64f, Identity<double, S, IdentityStd>)
RUKM_ENTRY(7, rukmLoadIdentity_ma_64f_L, Identity<double, L, IdentityList>)
RUKM_ENTRY(6, rukmLoadIdentity_ma_64f_P, Identity<double, P, IdentityPtr64>)
RUKM_ENTRY(8, rukmTranspose_m_32f, Transpose<false, float, S>)
RUKM_ENTRY(6, rukmTranspose_m_32f_P, Transpose<false, float, P>)
RUKM_ENTRY(8, rukmTranspose_m_64f, Transpose<false, double, S>)
RUKM_ENTRY(6, rukmTranspose_m_64f_P, Transpose<false, double, P>)
RUKM_ENTRY(11, rukmTranspose_ma_32f, Transpose<true, float, S>)
RUKM_ENTRY(11, rukmTranspose_ma_32f_L, Transpose<true, float, L>)
RUKM_ENTRY(9, rukmTranspose_ma_32f_P, Transpose<true, float, P>)
RUKM_ENTRY(11, rukmTranspose_ma_64f, Transpose<true, double, S>)
RUKM_ENTRY(11, rukmTranspose_ma_64f_L, Transpose<true, double, L>)
RUKM_ENTRY(9, rukmTranspose_ma_64f_P, Transpose<true, double, P>)
