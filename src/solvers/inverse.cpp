// The inversion exports: one line each, naming the operand code, element type and layout.
#include "../frame/entry.hpp"
#include "inverse.hpp"

namespace {
using namespace rukm;
constexpr Layout S = Layout::Std, L = Layout::List, P = Layout::Ptr;
using solve::Export;
using solve::Invert;
}  // namespace

RUKM_ENTRY(8, rukmInvert_m_32f, Export<Invert, "m", float, S>)
RUKM_ENTRY(6, rukmInvert_m_32f_P, Export<Invert, "m", float, P>)
RUKM_ENTRY(8, rukmInvert_m_64f, Export<Invert, "m", double, S>)
RUKM_ENTRY(6, rukmInvert_m_64f_P, Export<Invert, "m", double, P>)
RUKM_ENTRY(11, rukmInvert_ma_32f, Export<Invert, "ma", float, S>)
RUKM_ENTRY(11, rukmInvert_ma_32f_L, Export<Invert, "ma", float, L>)
RUKM_ENTRY(9, rukmInvert_ma_32f_P, Export<Invert, "ma", float, P>)
RUKM_ENTRY(11, rukmInvert_ma_64f, Export<Invert, "ma", double, S>)
RUKM_ENTRY(11, rukmInvert_ma_64f_L, Export<Invert, "ma", double, L>)
RUKM_ENTRY(9, rukmInvert_ma_64f_P, Export<Invert, "ma", double, P>)
