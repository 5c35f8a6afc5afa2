// The copies between layouts: one line each, naming the kind, element type, source and
// destination layouts and, for two vector copies, their own order of checks.
#include "../frame/entry.hpp"
#include "move.hpp"

namespace {
using namespace rukm;
constexpr Layout S = Layout::Std, L = Layout::List, P = Layout::Ptr;
using namespace mv;
}  // namespace

RUKM_ENTRY(11, rukmCopy_ma_32f_SS, Copy<'m', float, S, S>)
RUKM_ENTRY(11, rukmCopy_ma_32f_SL, Copy<'m', float, S, L>)
RUKM_ENTRY(10, rukmCopy_ma_32f_SP, Copy<'m', float, S, P>)
RUKM_ENTRY(11, rukmCopy_ma_32f_LS, Copy<'m', float, L, S>)
RUKM_ENTRY(11, rukmCopy_ma_32f_LL, Copy<'m', float, L, L>)
RUKM_ENTRY(10, rukmCopy_ma_32f_LP, Copy<'m', float, L, P>)
RUKM_ENTRY(10, rukmCopy_ma_32f_PS, Copy<'m', float, P, S>)
RUKM_ENTRY(10, rukmCopy_ma_32f_PL, Copy<'m', float, P, L>)
RUKM_ENTRY(9, rukmCopy_ma_32f_PP, Copy<'m', float, P, P>)
RUKM_ENTRY(11, rukmCopy_ma_64f_SS, Copy<'m', double, S, S>)
RUKM_ENTRY(11, rukmCopy_ma_64f_SL, Copy<'m', double, S, L>)
RUKM_ENTRY(10, rukmCopy_ma_64f_SP, Copy<'m', double, S, P>)
RUKM_ENTRY(11, rukmCopy_ma_64f_LS, Copy<'m', double, L, S>)
RUKM_ENTRY(11, rukmCopy_ma_64f_LL, Copy<'m', double, L, L>)
RUKM_ENTRY(10, rukmCopy_ma_64f_LP, Copy<'m', double, L, P>)
RUKM_ENTRY(10, rukmCopy_ma_64f_PS, Copy<'m', double, P, S>)
RUKM_ENTRY(10, rukmCopy_ma_64f_PL, Copy<'m', double, P, L>)
RUKM_ENTRY(9, rukmCopy_ma_64f_PP, Copy<'m', double, P, P>)
RUKM_ENTRY(8, rukmCopy_va_32f_SS, Copy<'v', float, S, S>)
RUKM_ENTRY(8, rukmCopy_va_32f_SL, Copy<'v', float, S, L>)
RUKM_ENTRY(8, rukmCopy_va_32f_SP, Copy<'v', float, S, P, CopyShiftsFirst>)
RUKM_ENTRY(8, rukmCopy_va_32f_LS, Copy<'v', float, L, S>)
RUKM_ENTRY(8, rukmCopy_va_32f_LL, Copy<'v', float, L, L>)
RUKM_ENTRY(8, rukmCopy_va_32f_LP, Copy<'v', float, L, P, CopyShiftsFirst>)
RUKM_ENTRY(8, rukmCopy_va_32f_PS, Copy<'v', float, P, S>)
RUKM_ENTRY(8, rukmCopy_va_32f_PL, Copy<'v', float, P, L>)
RUKM_ENTRY(8, rukmCopy_va_32f_PP, Copy<'v', float, P, P>)
RUKM_ENTRY(8, rukmCopy_va_64f_SS, Copy<'v', double, S, S>)
RUKM_ENTRY(8, rukmCopy_va_64f_SL, Copy<'v', double, S, L>)
RUKM_ENTRY(8, rukmCopy_va_64f_SP, Copy<'v', double, S, P>)
RUKM_ENTRY(8, rukmCopy_va_64f_LS, Copy<'v', double, L, S>)
RUKM_ENTRY(8, rukmCopy_va_64f_LL, Copy<'v', double, L, L>)
RUKM_ENTRY(8, rukmCopy_va_64f_LP, Copy<'v', double, L, P>)
RUKM_ENTRY(8, rukmCopy_va_64f_PS, Copy<'v', double, P, S>)
RUKM_ENTRY(8, rukmCopy_va_64f_PL, Copy<'v', double, P, L>)
RUKM_ENTRY(8, rukmCopy_va_64f_PP, Copy<'v', double, P, P>)
