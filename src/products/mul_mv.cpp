// The matrix-vector product and Gaxpy exports: one line each, naming the operation,
// operand code, element type and layout. Gaxpy's mva takes arrays of x and y, its mvav an
// array of x and one y.
#include "../frame/entry.hpp"
#include "matvec.hpp"

namespace {
using namespace rukm;
constexpr Layout S = Layout::Std, L = Layout::List, P = Layout::Ptr;
using matvec::Export;
using matvec::Gaxpy;
using matvec::Mul;
}  // namespace

RUKM_ENTRY(10, rukmMul_mv_32f, Export<Mul, "mv", float, S>)
RUKM_ENTRY(9, rukmMul_mv_32f_P, Export<Mul, "mv", float, P>)
RUKM_ENTRY(10, rukmMul_mv_64f, Export<Mul, "mv", double, S>)
RUKM_ENTRY(9, rukmMul_mv_64f_P, Export<Mul, "mv", double, P>)
RUKM_ENTRY(10, rukmMul_tv_32f, Export<Mul, "tv", float, S>)
RUKM_ENTRY(9, rukmMul_tv_32f_P, Export<Mul, "tv", float, P>)
RUKM_ENTRY(10, rukmMul_tv_64f, Export<Mul, "tv", double, S>)
RUKM_ENTRY(9, rukmMul_tv_64f_P, Export<Mul, "tv", double, P>)
RUKM_ENTRY(13, rukmMul_mva_32f, Export<Mul, "mva", float, S>)
RUKM_ENTRY(13, rukmMul_mva_32f_L, Export<Mul, "mva", float, L>)
RUKM_ENTRY(12, rukmMul_mva_32f_P, Export<Mul, "mva", float, P>)
RUKM_ENTRY(13, rukmMul_mva_64f, Export<Mul, "mva", double, S>)
RUKM_ENTRY(13, rukmMul_mva_64f_L, Export<Mul, "mva", double, L>)
RUKM_ENTRY(12, rukmMul_mva_64f_P, Export<Mul, "mva", double, P>)
RUKM_ENTRY(13, rukmMul_tva_32f, Export<Mul, "tva", float, S>)
RUKM_ENTRY(13, rukmMul_tva_32f_L, Export<Mul, "tva", float, L>)
RUKM_ENTRY(12, rukmMul_tva_32f_P, Export<Mul, "tva", float, P>)
RUKM_ENTRY(13, rukmMul_tva_64f, Export<Mul, "tva", double, S>)
RUKM_ENTRY(13, rukmMul_tva_64f_L, Export<Mul, "tva", double, L>)
RUKM_ENTRY(12, rukmMul_tva_64f_P, Export<Mul, "tva", double, P>)
RUKM_ENTRY(13, rukmMul_mav_32f, Export<Mul, "mav", float, S>)
RUKM_ENTRY(13, rukmMul_mav_32f_L, Export<Mul, "mav", float, L>)
RUKM_ENTRY(12, rukmMul_mav_32f_P, Export<Mul, "mav", float, P>)
RUKM_ENTRY(13, rukmMul_mav_64f, Export<Mul, "mav", double, S>)
RUKM_ENTRY(13, rukmMul_mav_64f_L, Export<Mul, "mav", double, L>)
RUKM_ENTRY(12, rukmMul_mav_64f_P, Export<Mul, "mav", double, P>)
RUKM_ENTRY(13, rukmMul_tav_32f, Export<Mul, "tav", float, S>)
RUKM_ENTRY(13, rukmMul_tav_32f_L, Export<Mul, "tav", float, L>)
RUKM_ENTRY(12, rukmMul_tav_32f_P, Export<Mul, "tav", float, P>)
RUKM_ENTRY(13, rukmMul_tav_64f, Export<Mul, "tav", double, S>)
RUKM_ENTRY(13, rukmMul_tav_64f_L, Export<Mul, "tav", double, L>)
RUKM_ENTRY(12, rukmMul_tav_64f_P, Export<Mul, "tav", double, P>)
RUKM_ENTRY(14, rukmMul_mava_32f, Export<Mul, "mava", float, S>)
RUKM_ENTRY(14, rukmMul_mava_32f_L, Export<Mul, "mava", float, L>)
RUKM_ENTRY(13, rukmMul_mava_32f_P, Export<Mul, "mava", float, P>)
RUKM_ENTRY(14, rukmMul_mava_64f, Export<Mul, "mava", double, S>)
RUKM_ENTRY(14, rukmMul_mava_64f_L, Export<Mul, "mava", double, L>)
RUKM_ENTRY(13, rukmMul_mava_64f_P, Export<Mul, "mava", double, P>)
RUKM_ENTRY(14, rukmMul_tava_32f, Export<Mul, "tava", float, S>)
RUKM_ENTRY(14, rukmMul_tava_32f_L, Export<Mul, "tava", float, L>)
RUKM_ENTRY(13, rukmMul_tava_32f_P, Export<Mul, "tava", float, P>)
RUKM_ENTRY(14, rukmMul_tava_64f, Export<Mul, "tava", double, S>)
RUKM_ENTRY(14, rukmMul_tava_64f_L, Export<Mul, "tava", double, L>)
RUKM_ENTRY(13, rukmMul_tava_64f_P, Export<Mul, "tava", double, P>)
RUKM_ENTRY(13, rukmGaxpy_mv_32f, Export<Gaxpy, "mv", float, S>)
RUKM_ENTRY(12, rukmGaxpy_mv_32f_P, Export<Gaxpy, "mv", float, P>)
RUKM_ENTRY(13, rukmGaxpy_mv_64f, Export<Gaxpy, "mv", double, S>)
RUKM_ENTRY(12, rukmGaxpy_mv_64f_P, Export<Gaxpy, "mv", double, P>)
RUKM_ENTRY(17, rukmGaxpy_mva_32f, Export<Gaxpy, "mva", float, S>)
RUKM_ENTRY(17, rukmGaxpy_mva_32f_L, Export<Gaxpy, "mva", float, L>)
RUKM_ENTRY(16, rukmGaxpy_mva_32f_P, Export<Gaxpy, "mva", float, P>)
RUKM_ENTRY(17, rukmGaxpy_mva_64f, Export<Gaxpy, "mva", double, S>)
RUKM_ENTRY(17, rukmGaxpy_mva_64f_L, Export<Gaxpy, "mva", double, L>)
RUKM_ENTRY(16, rukmGaxpy_mva_64f_P, Export<Gaxpy, "mva", double, P>)
RUKM_ENTRY(16, rukmGaxpy_mvav_32f, Export<Gaxpy, "mvav", float, S>)
RUKM_ENTRY(16, rukmGaxpy_mvav_32f_L, Export<Gaxpy, "mvav", float, L>)
RUKM_ENTRY(15, rukmGaxpy_mvav_32f_P, Export<Gaxpy, "mvav", float, P>)
RUKM_ENTRY(16, rukmGaxpy_mvav_64f, Export<Gaxpy, "mvav", double, S>)
RUKM_ENTRY(16, rukmGaxpy_mvav_64f_L, Export<Gaxpy, "mvav", double, L>)
RUKM_ENTRY(15, rukmGaxpy_mvav_64f_P, Export<Gaxpy, "mvav", double, P>)
