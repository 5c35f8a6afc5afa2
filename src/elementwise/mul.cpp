// The scaling exports: one line each, naming the operand code, element type and layout.
// Every one keeps the general order of the argument checks.
#include "../frame/entry.hpp"
#include "ew.hpp"

namespace {
using namespace rukm;
constexpr Layout S = Layout::Std, L = Layout::List, P = Layout::Ptr;
using namespace ew;
}  // namespace

RUKM_ENTRY(9, rukmMul_mc_32f, Export<Mul, "mc", float, S>)
RUKM_ENTRY(7, rukmMul_mc_32f_P, Export<Mul, "mc", float, P>)
RUKM_ENTRY(9, rukmMul_mc_64f, Export<Mul, "mc", double, S>)
RUKM_ENTRY(7, rukmMul_mc_64f_P, Export<Mul, "mc", double, P>)
RUKM_ENTRY(9, rukmMul_tc_32f, Export<Mul, "tc", float, S>)
RUKM_ENTRY(7, rukmMul_tc_32f_P, Export<Mul, "tc", float, P>)
RUKM_ENTRY(9, rukmMul_tc_64f, Export<Mul, "tc", double, S>)
RUKM_ENTRY(7, rukmMul_tc_64f_P, Export<Mul, "tc", double, P>)
RUKM_ENTRY(6, rukmMul_vc_32f, Export<Mul, "vc", float, S>)
RUKM_ENTRY(6, rukmMul_vc_32f_P, Export<Mul, "vc", float, P>)
RUKM_ENTRY(6, rukmMul_vc_64f, Export<Mul, "vc", double, S>)
RUKM_ENTRY(6, rukmMul_vc_64f_P, Export<Mul, "vc", double, P>)
RUKM_ENTRY(12, rukmMul_mac_32f, Export<Mul, "mac", float, S>)
RUKM_ENTRY(12, rukmMul_mac_32f_L, Export<Mul, "mac", float, L>)
RUKM_ENTRY(10, rukmMul_mac_32f_P, Export<Mul, "mac", float, P>)
RUKM_ENTRY(12, rukmMul_mac_64f, Export<Mul, "mac", double, S>)
RUKM_ENTRY(12, rukmMul_mac_64f_L, Export<Mul, "mac", double, L>)
RUKM_ENTRY(10, rukmMul_mac_64f_P, Export<Mul, "mac", double, P>)
RUKM_ENTRY(12, rukmMul_tac_32f, Export<Mul, "tac", float, S>)
RUKM_ENTRY(12, rukmMul_tac_32f_L, Export<Mul, "tac", float, L>)
RUKM_ENTRY(10, rukmMul_tac_32f_P, Export<Mul, "tac", float, P>)
RUKM_ENTRY(12, rukmMul_tac_64f, Export<Mul, "tac", double, S>)
RUKM_ENTRY(12, rukmMul_tac_64f_L, Export<Mul, "tac", double, L>)
RUKM_ENTRY(10, rukmMul_tac_64f_P, Export<Mul, "tac", double, P>)
RUKM_ENTRY(9, rukmMul_vac_32f, Export<Mul, "vac", float, S>)
RUKM_ENTRY(9, rukmMul_vac_32f_L, Export<Mul, "vac", float, L>)
RUKM_ENTRY(9, rukmMul_vac_32f_P, Export<Mul, "vac", float, P>)
RUKM_ENTRY(9, rukmMul_vac_64f, Export<Mul, "vac", double, S>)
RUKM_ENTRY(9, rukmMul_vac_64f_L, Export<Mul, "vac", double, L>)
RUKM_ENTRY(9, rukmMul_vac_64f_P, Export<Mul, "vac", double, P>)
RUKM_ENTRY(9, rukmMul_vca_32f, Export<Mul, "vca", float, S>)
RUKM_ENTRY(9, rukmMul_vca_32f_L, Export<Mul, "vca", float, L>)
RUKM_ENTRY(9, rukmMul_vca_32f_P, Export<Mul, "vca", float, P>)
RUKM_ENTRY(9, rukmMul_vca_64f, Export<Mul, "vca", double, S>)
RUKM_ENTRY(9, rukmMul_vca_64f_L, Export<Mul, "vca", double, L>)
RUKM_ENTRY(9, rukmMul_vca_64f_P, Export<Mul, "vca", double, P>)
RUKM_ENTRY(10, rukmMul_vaca_32f, Export<Mul, "vaca", float, S>)
RUKM_ENTRY(10, rukmMul_vaca_32f_L, Export<Mul, "vaca", float, L>)
RUKM_ENTRY(10, rukmMul_vaca_32f_P, Export<Mul, "vaca", float, P>)
RUKM_ENTRY(10, rukmMul_vaca_64f, Export<Mul, "vaca", double, S>)
RUKM_ENTRY(10, rukmMul_vaca_64f_L, Export<Mul, "vaca", double, L>)
RUKM_ENTRY(10, rukmMul_vaca_64f_P, Export<Mul, "vaca", double, P>)
