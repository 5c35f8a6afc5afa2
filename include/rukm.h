/*
 * rukm.h - small-matrix and small-vector arithmetic in 32-bit (32f) and 64-bit (64f)
 * IEEE floating point, for single objects and for arrays of objects.
 *
 * Naming: rukm + operation + "_" + operand code + "_" + element type [+ "_L" | "_P"].
 * Operand codes name the sources in order: m matrix, t transposed matrix (the transpose
 * of what is stored), v vector, c constant; a letter followed by "a" is an array of
 * count such objects. The destination is an array whenever a source is.
 *
 * Operands are caller memory described by pointers and byte distances (strides and
 * shifts are in bytes, never elements). Element (i, j) of object k is found at:
 *
 *   standard layout      base + k*objStride + i*rowStride + j*elemStride
 *   pointer-list  (_L)   list[k] + shift + i*rowStride + j*elemStride
 *   element-pointer (_P) ptr[i*width + j] + shift + k*objStride
 *
 * (a transposed operand swaps i and j: standard and _L read base + j*rowStride +
 * i*elemStride, _P reads ptr[j*height + i]; a vector has only i with elemStride, and
 * in _P element i is ptr[i]). In _L exports only array operands are pointer lists;
 * single operands stay in the standard layout. In _P exports every vector or matrix
 * operand is an element-pointer array; a constant array is a base pointer with its
 * objStride. A single constant is passed by value.
 *
 * Parameters: each operand's group (pointer, then objStride/rowStride/elemStride, or
 * shift/rowStride/elemStride, or shift/objStride) in the order of the operand code
 * (the vector before the constant), then the destination, then the sizes, then count.
 *
 * Checks, in this order unless an export says otherwise; the first failing group
 * decides and nothing is read or written before all pass: null pointers (rukErrNullPtr),
 * count >= 1 (rukErrCount), sizes >= 1 (rukErrSize), every stride a positive multiple
 * of the element size (rukErrStride), every shift a non-negative multiple of the
 * element size (rukErrShift).
 *
 * Array calls large enough to be worth it run on up to rukGetNumThreads() threads;
 * results never depend on the thread count. The library allocates nothing for the
 * caller and keeps no state between calls: every export may be called from several
 * threads at once.
 */
#ifndef RUKM_H
#define RUKM_H

#include <stdint.h>

#include "rukcore.h"

#define RUKM_API RUK_API

#ifdef __cplusplus
extern "C" {
#endif

/* Version record of the library. */
typedef struct rukLibraryVersion {
    int32_t major;           /* major version                                   */
    int32_t minor;           /* minor version                                   */
    int32_t buildMajor;      /* build series                                    */
    int32_t build;           /* build number                                    */
    char cpuCode[4];         /* processor target of this build, NUL padded      */
    const char* fileName;    /* name of the library file the record describes   */
    const char* versionText; /* version in words                                */
    const char* buildDate;   /* date of the build                               */
} rukLibraryVersion;

/* Returns the library's constant version record (never null, same pointer on every call). */
RUKM_API const rukLibraryVersion* rukmGetLibVersion(void);

/* ---------------------------------------------------------------------------------------
 * Element-wise addition. Each destination element is one IEEE addition of the two
 * source elements at its position; dst may be the same memory as a non-transposed
 * source with the same strides. rukmAdd_mam and rukmAdd_vav check in the order
 * pointers, count, strides, sizes (mam, standard layout) and pointers, sizes, strides,
 * [shifts,] count (vav; in _P forms count comes before the shifts).
 * ------------------------------------------------------------------------------------ */
/* dst = src1 + src2; 32f matrices, standard layout. */
RUKM_API rukStatus rukmAdd_mm_32f(const float* src1, int32_t src1RowStride, int32_t src1ElemStride,
    const float* src2, int32_t src2RowStride, int32_t src2ElemStride, float* dst,
    int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height);
/* dst = src1 + src2; 32f matrices, element-pointer layout. */
RUKM_API rukStatus rukmAdd_mm_32f_P(const float* const* src1, int32_t src1Shift,
    const float* const* src2, int32_t src2Shift, float* const* dst, int32_t dstShift,
    int32_t width, int32_t height);
/* dst = src1 + src2; 64f matrices, standard layout. */
RUKM_API rukStatus rukmAdd_mm_64f(const double* src1, int32_t src1RowStride,
    int32_t src1ElemStride, const double* src2, int32_t src2RowStride, int32_t src2ElemStride,
    double* dst, int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height);
/* dst = src1 + src2; 64f matrices, element-pointer layout. */
RUKM_API rukStatus rukmAdd_mm_64f_P(const double* const* src1, int32_t src1Shift,
    const double* const* src2, int32_t src2Shift, double* const* dst, int32_t dstShift,
    int32_t width, int32_t height);
/* dst = src1^T + src2; 32f matrices, standard layout. */
RUKM_API rukStatus rukmAdd_tm_32f(const float* src1, int32_t src1RowStride, int32_t src1ElemStride,
    const float* src2, int32_t src2RowStride, int32_t src2ElemStride, float* dst,
    int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height);
/* dst = src1^T + src2; 32f matrices, element-pointer layout. */
RUKM_API rukStatus rukmAdd_tm_32f_P(const float* const* src1, int32_t src1Shift,
    const float* const* src2, int32_t src2Shift, float* const* dst, int32_t dstShift,
    int32_t width, int32_t height);
/* dst = src1^T + src2; 64f matrices, standard layout. */
RUKM_API rukStatus rukmAdd_tm_64f(const double* src1, int32_t src1RowStride,
    int32_t src1ElemStride, const double* src2, int32_t src2RowStride, int32_t src2ElemStride,
    double* dst, int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height);
/* dst = src1^T + src2; 64f matrices, element-pointer layout. */
RUKM_API rukStatus rukmAdd_tm_64f_P(const double* const* src1, int32_t src1Shift,
    const double* const* src2, int32_t src2Shift, double* const* dst, int32_t dstShift,
    int32_t width, int32_t height);
/* dst = src1^T + src2^T; 32f matrices, standard layout. */
RUKM_API rukStatus rukmAdd_tt_32f(const float* src1, int32_t src1RowStride, int32_t src1ElemStride,
    const float* src2, int32_t src2RowStride, int32_t src2ElemStride, float* dst,
    int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height);
/* dst = src1^T + src2^T; 32f matrices, element-pointer layout. */
RUKM_API rukStatus rukmAdd_tt_32f_P(const float* const* src1, int32_t src1Shift,
    const float* const* src2, int32_t src2Shift, float* const* dst, int32_t dstShift,
    int32_t width, int32_t height);
/* dst = src1^T + src2^T; 64f matrices, standard layout. */
RUKM_API rukStatus rukmAdd_tt_64f(const double* src1, int32_t src1RowStride,
    int32_t src1ElemStride, const double* src2, int32_t src2RowStride, int32_t src2ElemStride,
    double* dst, int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height);
/* dst = src1^T + src2^T; 64f matrices, element-pointer layout. */
RUKM_API rukStatus rukmAdd_tt_64f_P(const double* const* src1, int32_t src1Shift,
    const double* const* src2, int32_t src2Shift, double* const* dst, int32_t dstShift,
    int32_t width, int32_t height);
/* dst = src1 + src2; 32f vectors, standard layout. */
RUKM_API rukStatus rukmAdd_vv_32f(const float* src1, int32_t src1ElemStride, const float* src2,
    int32_t src2ElemStride, float* dst, int32_t dstElemStride, int32_t len);
/* dst = src1 + src2; 32f vectors, element-pointer layout. */
RUKM_API rukStatus rukmAdd_vv_32f_P(const float* const* src1, int32_t src1Shift,
    const float* const* src2, int32_t src2Shift, float* const* dst, int32_t dstShift, int32_t len);
/* dst = src1 + src2; 64f vectors, standard layout. */
RUKM_API rukStatus rukmAdd_vv_64f(const double* src1, int32_t src1ElemStride, const double* src2,
    int32_t src2ElemStride, double* dst, int32_t dstElemStride, int32_t len);
/* dst = src1 + src2; 64f vectors, element-pointer layout. */
RUKM_API rukStatus rukmAdd_vv_64f_P(const double* const* src1, int32_t src1Shift,
    const double* const* src2, int32_t src2Shift, double* const* dst, int32_t dstShift,
    int32_t len);
/* dst = src + val; 32f vectors, standard layout. */
RUKM_API rukStatus rukmAdd_vc_32f(const float* src, int32_t srcElemStride, float val, float* dst,
    int32_t dstElemStride, int32_t len);
/* dst = src + val; 32f vectors, element-pointer layout. */
RUKM_API rukStatus rukmAdd_vc_32f_P(const float* const* src, int32_t srcShift, float val,
    float* const* dst, int32_t dstShift, int32_t len);
/* dst = src + val; 64f vectors, standard layout. */
RUKM_API rukStatus rukmAdd_vc_64f(const double* src, int32_t srcElemStride, double val,
    double* dst, int32_t dstElemStride, int32_t len);
/* dst = src + val; 64f vectors, element-pointer layout. */
RUKM_API rukStatus rukmAdd_vc_64f_P(const double* const* src, int32_t srcShift, double val,
    double* const* dst, int32_t dstShift, int32_t len);
/* dst[k] = src1[k] + src2 for k < count; 32f matrices, standard layout. */
RUKM_API rukStatus rukmAdd_mam_32f(const float* src1, int32_t src1ObjStride, int32_t src1RowStride,
    int32_t src1ElemStride, const float* src2, int32_t src2RowStride, int32_t src2ElemStride,
    float* dst, int32_t dstObjStride, int32_t dstRowStride, int32_t dstElemStride, int32_t width,
    int32_t height, int32_t count);
/* dst[k] = src1[k] + src2 for k < count; 32f matrices, pointer-list layout. */
RUKM_API rukStatus rukmAdd_mam_32f_L(const float* const* src1, int32_t src1Shift,
    int32_t src1RowStride, int32_t src1ElemStride, const float* src2, int32_t src2RowStride,
    int32_t src2ElemStride, float* const* dst, int32_t dstShift, int32_t dstRowStride,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k] + src2 for k < count; 32f matrices, element-pointer layout. */
RUKM_API rukStatus rukmAdd_mam_32f_P(const float* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, const float* const* src2, int32_t src2Shift, float* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k] + src2 for k < count; 64f matrices, standard layout. */
RUKM_API rukStatus rukmAdd_mam_64f(const double* src1, int32_t src1ObjStride,
    int32_t src1RowStride, int32_t src1ElemStride, const double* src2, int32_t src2RowStride,
    int32_t src2ElemStride, double* dst, int32_t dstObjStride, int32_t dstRowStride,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k] + src2 for k < count; 64f matrices, pointer-list layout. */
RUKM_API rukStatus rukmAdd_mam_64f_L(const double* const* src1, int32_t src1Shift,
    int32_t src1RowStride, int32_t src1ElemStride, const double* src2, int32_t src2RowStride,
    int32_t src2ElemStride, double* const* dst, int32_t dstShift, int32_t dstRowStride,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k] + src2 for k < count; 64f matrices, element-pointer layout. */
RUKM_API rukStatus rukmAdd_mam_64f_P(const double* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, const double* const* src2, int32_t src2Shift, double* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k] + src2^T for k < count; 32f matrices, standard layout. */
RUKM_API rukStatus rukmAdd_mat_32f(const float* src1, int32_t src1ObjStride, int32_t src1RowStride,
    int32_t src1ElemStride, const float* src2, int32_t src2RowStride, int32_t src2ElemStride,
    float* dst, int32_t dstObjStride, int32_t dstRowStride, int32_t dstElemStride, int32_t width,
    int32_t height, int32_t count);
/* dst[k] = src1[k] + src2^T for k < count; 32f matrices, pointer-list layout. */
RUKM_API rukStatus rukmAdd_mat_32f_L(const float* const* src1, int32_t src1Shift,
    int32_t src1RowStride, int32_t src1ElemStride, const float* src2, int32_t src2RowStride,
    int32_t src2ElemStride, float* const* dst, int32_t dstShift, int32_t dstRowStride,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k] + src2^T for k < count; 32f matrices, element-pointer layout. */
RUKM_API rukStatus rukmAdd_mat_32f_P(const float* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, const float* const* src2, int32_t src2Shift, float* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k] + src2^T for k < count; 64f matrices, standard layout. */
RUKM_API rukStatus rukmAdd_mat_64f(const double* src1, int32_t src1ObjStride,
    int32_t src1RowStride, int32_t src1ElemStride, const double* src2, int32_t src2RowStride,
    int32_t src2ElemStride, double* dst, int32_t dstObjStride, int32_t dstRowStride,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k] + src2^T for k < count; 64f matrices, pointer-list layout. */
RUKM_API rukStatus rukmAdd_mat_64f_L(const double* const* src1, int32_t src1Shift,
    int32_t src1RowStride, int32_t src1ElemStride, const double* src2, int32_t src2RowStride,
    int32_t src2ElemStride, double* const* dst, int32_t dstShift, int32_t dstRowStride,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k] + src2^T for k < count; 64f matrices, element-pointer layout. */
RUKM_API rukStatus rukmAdd_mat_64f_P(const double* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, const double* const* src2, int32_t src2Shift, double* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k]^T + src2 for k < count; 32f matrices, standard layout. */
RUKM_API rukStatus rukmAdd_tam_32f(const float* src1, int32_t src1ObjStride, int32_t src1RowStride,
    int32_t src1ElemStride, const float* src2, int32_t src2RowStride, int32_t src2ElemStride,
    float* dst, int32_t dstObjStride, int32_t dstRowStride, int32_t dstElemStride, int32_t width,
    int32_t height, int32_t count);
/* dst[k] = src1[k]^T + src2 for k < count; 32f matrices, pointer-list layout. */
RUKM_API rukStatus rukmAdd_tam_32f_L(const float* const* src1, int32_t src1Shift,
    int32_t src1RowStride, int32_t src1ElemStride, const float* src2, int32_t src2RowStride,
    int32_t src2ElemStride, float* const* dst, int32_t dstShift, int32_t dstRowStride,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k]^T + src2 for k < count; 32f matrices, element-pointer layout. */
RUKM_API rukStatus rukmAdd_tam_32f_P(const float* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, const float* const* src2, int32_t src2Shift, float* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k]^T + src2 for k < count; 64f matrices, standard layout. */
RUKM_API rukStatus rukmAdd_tam_64f(const double* src1, int32_t src1ObjStride,
    int32_t src1RowStride, int32_t src1ElemStride, const double* src2, int32_t src2RowStride,
    int32_t src2ElemStride, double* dst, int32_t dstObjStride, int32_t dstRowStride,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k]^T + src2 for k < count; 64f matrices, pointer-list layout. */
RUKM_API rukStatus rukmAdd_tam_64f_L(const double* const* src1, int32_t src1Shift,
    int32_t src1RowStride, int32_t src1ElemStride, const double* src2, int32_t src2RowStride,
    int32_t src2ElemStride, double* const* dst, int32_t dstShift, int32_t dstRowStride,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k]^T + src2 for k < count; 64f matrices, element-pointer layout. */
RUKM_API rukStatus rukmAdd_tam_64f_P(const double* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, const double* const* src2, int32_t src2Shift, double* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k]^T + src2^T for k < count; 32f matrices, standard layout. */
RUKM_API rukStatus rukmAdd_tat_32f(const float* src1, int32_t src1ObjStride, int32_t src1RowStride,
    int32_t src1ElemStride, const float* src2, int32_t src2RowStride, int32_t src2ElemStride,
    float* dst, int32_t dstObjStride, int32_t dstRowStride, int32_t dstElemStride, int32_t width,
    int32_t height, int32_t count);
/* dst[k] = src1[k]^T + src2^T for k < count; 32f matrices, pointer-list layout. */
RUKM_API rukStatus rukmAdd_tat_32f_L(const float* const* src1, int32_t src1Shift,
    int32_t src1RowStride, int32_t src1ElemStride, const float* src2, int32_t src2RowStride,
    int32_t src2ElemStride, float* const* dst, int32_t dstShift, int32_t dstRowStride,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k]^T + src2^T for k < count; 32f matrices, element-pointer layout. */
RUKM_API rukStatus rukmAdd_tat_32f_P(const float* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, const float* const* src2, int32_t src2Shift, float* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k]^T + src2^T for k < count; 64f matrices, standard layout. */
RUKM_API rukStatus rukmAdd_tat_64f(const double* src1, int32_t src1ObjStride,
    int32_t src1RowStride, int32_t src1ElemStride, const double* src2, int32_t src2RowStride,
    int32_t src2ElemStride, double* dst, int32_t dstObjStride, int32_t dstRowStride,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k]^T + src2^T for k < count; 64f matrices, pointer-list layout. */
RUKM_API rukStatus rukmAdd_tat_64f_L(const double* const* src1, int32_t src1Shift,
    int32_t src1RowStride, int32_t src1ElemStride, const double* src2, int32_t src2RowStride,
    int32_t src2ElemStride, double* const* dst, int32_t dstShift, int32_t dstRowStride,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k]^T + src2^T for k < count; 64f matrices, element-pointer layout. */
RUKM_API rukStatus rukmAdd_tat_64f_P(const double* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, const double* const* src2, int32_t src2Shift, double* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k] + src2[k] for k < count; 32f matrices, standard layout. */
RUKM_API rukStatus rukmAdd_mama_32f(const float* src1, int32_t src1ObjStride,
    int32_t src1RowStride, int32_t src1ElemStride, const float* src2, int32_t src2ObjStride,
    int32_t src2RowStride, int32_t src2ElemStride, float* dst, int32_t dstObjStride,
    int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k] + src2[k] for k < count; 32f matrices, pointer-list layout. */
RUKM_API rukStatus rukmAdd_mama_32f_L(const float* const* src1, int32_t src1Shift,
    int32_t src1RowStride, int32_t src1ElemStride, const float* const* src2, int32_t src2Shift,
    int32_t src2RowStride, int32_t src2ElemStride, float* const* dst, int32_t dstShift,
    int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k] + src2[k] for k < count; 32f matrices, element-pointer layout. */
RUKM_API rukStatus rukmAdd_mama_32f_P(const float* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, const float* const* src2, int32_t src2Shift, int32_t src2ObjStride,
    float* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t width, int32_t height,
    int32_t count);
/* dst[k] = src1[k] + src2[k] for k < count; 64f matrices, standard layout. */
RUKM_API rukStatus rukmAdd_mama_64f(const double* src1, int32_t src1ObjStride,
    int32_t src1RowStride, int32_t src1ElemStride, const double* src2, int32_t src2ObjStride,
    int32_t src2RowStride, int32_t src2ElemStride, double* dst, int32_t dstObjStride,
    int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k] + src2[k] for k < count; 64f matrices, pointer-list layout. */
RUKM_API rukStatus rukmAdd_mama_64f_L(const double* const* src1, int32_t src1Shift,
    int32_t src1RowStride, int32_t src1ElemStride, const double* const* src2, int32_t src2Shift,
    int32_t src2RowStride, int32_t src2ElemStride, double* const* dst, int32_t dstShift,
    int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k] + src2[k] for k < count; 64f matrices, element-pointer layout. */
RUKM_API rukStatus rukmAdd_mama_64f_P(const double* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, const double* const* src2, int32_t src2Shift, int32_t src2ObjStride,
    double* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t width, int32_t height,
    int32_t count);
/* dst[k] = src1[k]^T + src2[k] for k < count; 32f matrices, standard layout. */
RUKM_API rukStatus rukmAdd_tama_32f(const float* src1, int32_t src1ObjStride,
    int32_t src1RowStride, int32_t src1ElemStride, const float* src2, int32_t src2ObjStride,
    int32_t src2RowStride, int32_t src2ElemStride, float* dst, int32_t dstObjStride,
    int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k]^T + src2[k] for k < count; 32f matrices, pointer-list layout. */
RUKM_API rukStatus rukmAdd_tama_32f_L(const float* const* src1, int32_t src1Shift,
    int32_t src1RowStride, int32_t src1ElemStride, const float* const* src2, int32_t src2Shift,
    int32_t src2RowStride, int32_t src2ElemStride, float* const* dst, int32_t dstShift,
    int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k]^T + src2[k] for k < count; 32f matrices, element-pointer layout. */
RUKM_API rukStatus rukmAdd_tama_32f_P(const float* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, const float* const* src2, int32_t src2Shift, int32_t src2ObjStride,
    float* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t width, int32_t height,
    int32_t count);
/* dst[k] = src1[k]^T + src2[k] for k < count; 64f matrices, standard layout. */
RUKM_API rukStatus rukmAdd_tama_64f(const double* src1, int32_t src1ObjStride,
    int32_t src1RowStride, int32_t src1ElemStride, const double* src2, int32_t src2ObjStride,
    int32_t src2RowStride, int32_t src2ElemStride, double* dst, int32_t dstObjStride,
    int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k]^T + src2[k] for k < count; 64f matrices, pointer-list layout. */
RUKM_API rukStatus rukmAdd_tama_64f_L(const double* const* src1, int32_t src1Shift,
    int32_t src1RowStride, int32_t src1ElemStride, const double* const* src2, int32_t src2Shift,
    int32_t src2RowStride, int32_t src2ElemStride, double* const* dst, int32_t dstShift,
    int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k]^T + src2[k] for k < count; 64f matrices, element-pointer layout. */
RUKM_API rukStatus rukmAdd_tama_64f_P(const double* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, const double* const* src2, int32_t src2Shift, int32_t src2ObjStride,
    double* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t width, int32_t height,
    int32_t count);
/* dst[k] = src1[k]^T + src2[k]^T for k < count; 32f matrices, standard layout. */
RUKM_API rukStatus rukmAdd_tata_32f(const float* src1, int32_t src1ObjStride,
    int32_t src1RowStride, int32_t src1ElemStride, const float* src2, int32_t src2ObjStride,
    int32_t src2RowStride, int32_t src2ElemStride, float* dst, int32_t dstObjStride,
    int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k]^T + src2[k]^T for k < count; 32f matrices, pointer-list layout. */
RUKM_API rukStatus rukmAdd_tata_32f_L(const float* const* src1, int32_t src1Shift,
    int32_t src1RowStride, int32_t src1ElemStride, const float* const* src2, int32_t src2Shift,
    int32_t src2RowStride, int32_t src2ElemStride, float* const* dst, int32_t dstShift,
    int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k]^T + src2[k]^T for k < count; 32f matrices, element-pointer layout. */
RUKM_API rukStatus rukmAdd_tata_32f_P(const float* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, const float* const* src2, int32_t src2Shift, int32_t src2ObjStride,
    float* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t width, int32_t height,
    int32_t count);
/* dst[k] = src1[k]^T + src2[k]^T for k < count; 64f matrices, standard layout. */
RUKM_API rukStatus rukmAdd_tata_64f(const double* src1, int32_t src1ObjStride,
    int32_t src1RowStride, int32_t src1ElemStride, const double* src2, int32_t src2ObjStride,
    int32_t src2RowStride, int32_t src2ElemStride, double* dst, int32_t dstObjStride,
    int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k]^T + src2[k]^T for k < count; 64f matrices, pointer-list layout. */
RUKM_API rukStatus rukmAdd_tata_64f_L(const double* const* src1, int32_t src1Shift,
    int32_t src1RowStride, int32_t src1ElemStride, const double* const* src2, int32_t src2Shift,
    int32_t src2RowStride, int32_t src2ElemStride, double* const* dst, int32_t dstShift,
    int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k]^T + src2[k]^T for k < count; 64f matrices, element-pointer layout. */
RUKM_API rukStatus rukmAdd_tata_64f_P(const double* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, const double* const* src2, int32_t src2Shift, int32_t src2ObjStride,
    double* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t width, int32_t height,
    int32_t count);
/* dst[k] = src1[k] + src2 for k < count; 32f vectors, standard layout. */
RUKM_API rukStatus rukmAdd_vav_32f(const float* src1, int32_t src1ObjStride,
    int32_t src1ElemStride, const float* src2, int32_t src2ElemStride, float* dst,
    int32_t dstObjStride, int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = src1[k] + src2 for k < count; 32f vectors, pointer-list layout. */
RUKM_API rukStatus rukmAdd_vav_32f_L(const float* const* src1, int32_t src1Shift,
    int32_t src1ElemStride, const float* src2, int32_t src2ElemStride, float* const* dst,
    int32_t dstShift, int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = src1[k] + src2 for k < count; 32f vectors, element-pointer layout. */
RUKM_API rukStatus rukmAdd_vav_32f_P(const float* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, const float* const* src2, int32_t src2Shift, float* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t len, int32_t count);
/* dst[k] = src1[k] + src2 for k < count; 64f vectors, standard layout. */
RUKM_API rukStatus rukmAdd_vav_64f(const double* src1, int32_t src1ObjStride,
    int32_t src1ElemStride, const double* src2, int32_t src2ElemStride, double* dst,
    int32_t dstObjStride, int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = src1[k] + src2 for k < count; 64f vectors, pointer-list layout. */
RUKM_API rukStatus rukmAdd_vav_64f_L(const double* const* src1, int32_t src1Shift,
    int32_t src1ElemStride, const double* src2, int32_t src2ElemStride, double* const* dst,
    int32_t dstShift, int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = src1[k] + src2 for k < count; 64f vectors, element-pointer layout. */
RUKM_API rukStatus rukmAdd_vav_64f_P(const double* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, const double* const* src2, int32_t src2Shift, double* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t len, int32_t count);
/* dst[k] = src1[k] + src2[k] for k < count; 32f vectors, standard layout. */
RUKM_API rukStatus rukmAdd_vava_32f(const float* src1, int32_t src1ObjStride,
    int32_t src1ElemStride, const float* src2, int32_t src2ObjStride, int32_t src2ElemStride,
    float* dst, int32_t dstObjStride, int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = src1[k] + src2[k] for k < count; 32f vectors, pointer-list layout. */
RUKM_API rukStatus rukmAdd_vava_32f_L(const float* const* src1, int32_t src1Shift,
    int32_t src1ElemStride, const float* const* src2, int32_t src2Shift, int32_t src2ElemStride,
    float* const* dst, int32_t dstShift, int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = src1[k] + src2[k] for k < count; 32f vectors, element-pointer layout. */
RUKM_API rukStatus rukmAdd_vava_32f_P(const float* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, const float* const* src2, int32_t src2Shift, int32_t src2ObjStride,
    float* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t len, int32_t count);
/* dst[k] = src1[k] + src2[k] for k < count; 64f vectors, standard layout. */
RUKM_API rukStatus rukmAdd_vava_64f(const double* src1, int32_t src1ObjStride,
    int32_t src1ElemStride, const double* src2, int32_t src2ObjStride, int32_t src2ElemStride,
    double* dst, int32_t dstObjStride, int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = src1[k] + src2[k] for k < count; 64f vectors, pointer-list layout. */
RUKM_API rukStatus rukmAdd_vava_64f_L(const double* const* src1, int32_t src1Shift,
    int32_t src1ElemStride, const double* const* src2, int32_t src2Shift, int32_t src2ElemStride,
    double* const* dst, int32_t dstShift, int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = src1[k] + src2[k] for k < count; 64f vectors, element-pointer layout. */
RUKM_API rukStatus rukmAdd_vava_64f_P(const double* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, const double* const* src2, int32_t src2Shift, int32_t src2ObjStride,
    double* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t len, int32_t count);
/* dst[k] = src[k] + val for k < count; 32f vectors, standard layout. */
RUKM_API rukStatus rukmAdd_vac_32f(const float* src, int32_t srcObjStride, int32_t srcElemStride,
    float val, float* dst, int32_t dstObjStride, int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = src[k] + val for k < count; 32f vectors, pointer-list layout. */
RUKM_API rukStatus rukmAdd_vac_32f_L(const float* const* src, int32_t srcShift,
    int32_t srcElemStride, float val, float* const* dst, int32_t dstShift, int32_t dstElemStride,
    int32_t len, int32_t count);
/* dst[k] = src[k] + val for k < count; 32f vectors, element-pointer layout. */
RUKM_API rukStatus rukmAdd_vac_32f_P(const float* const* src, int32_t srcShift,
    int32_t srcObjStride, float val, float* const* dst, int32_t dstShift, int32_t dstObjStride,
    int32_t len, int32_t count);
/* dst[k] = src[k] + val for k < count; 64f vectors, standard layout. */
RUKM_API rukStatus rukmAdd_vac_64f(const double* src, int32_t srcObjStride, int32_t srcElemStride,
    double val, double* dst, int32_t dstObjStride, int32_t dstElemStride, int32_t len,
    int32_t count);
/* dst[k] = src[k] + val for k < count; 64f vectors, pointer-list layout. */
RUKM_API rukStatus rukmAdd_vac_64f_L(const double* const* src, int32_t srcShift,
    int32_t srcElemStride, double val, double* const* dst, int32_t dstShift, int32_t dstElemStride,
    int32_t len, int32_t count);
/* dst[k] = src[k] + val for k < count; 64f vectors, element-pointer layout. */
RUKM_API rukStatus rukmAdd_vac_64f_P(const double* const* src, int32_t srcShift,
    int32_t srcObjStride, double val, double* const* dst, int32_t dstShift, int32_t dstObjStride,
    int32_t len, int32_t count);
/* dst[k] = src + val[k] for k < count; 32f vectors, standard layout. */
RUKM_API rukStatus rukmAdd_vca_32f(const float* src, int32_t srcElemStride, const float* val,
    int32_t valObjStride, float* dst, int32_t dstObjStride, int32_t dstElemStride, int32_t len,
    int32_t count);
/* dst[k] = src + val[k] for k < count; 32f vectors, pointer-list layout. */
RUKM_API rukStatus rukmAdd_vca_32f_L(const float* src, int32_t srcElemStride,
    const float* const* val, int32_t valShift, float* const* dst, int32_t dstShift,
    int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = src + val[k] for k < count; 32f vectors, element-pointer layout. */
RUKM_API rukStatus rukmAdd_vca_32f_P(const float* const* src, int32_t srcShift, const float* val,
    int32_t valObjStride, float* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t len,
    int32_t count);
/* dst[k] = src + val[k] for k < count; 64f vectors, standard layout. */
RUKM_API rukStatus rukmAdd_vca_64f(const double* src, int32_t srcElemStride, const double* val,
    int32_t valObjStride, double* dst, int32_t dstObjStride, int32_t dstElemStride, int32_t len,
    int32_t count);
/* dst[k] = src + val[k] for k < count; 64f vectors, pointer-list layout. */
RUKM_API rukStatus rukmAdd_vca_64f_L(const double* src, int32_t srcElemStride,
    const double* const* val, int32_t valShift, double* const* dst, int32_t dstShift,
    int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = src + val[k] for k < count; 64f vectors, element-pointer layout. */
RUKM_API rukStatus rukmAdd_vca_64f_P(const double* const* src, int32_t srcShift, const double* val,
    int32_t valObjStride, double* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t len,
    int32_t count);
/* dst[k] = src[k] + val[k] for k < count; 32f vectors, standard layout. */
RUKM_API rukStatus rukmAdd_vaca_32f(const float* src, int32_t srcObjStride, int32_t srcElemStride,
    const float* val, int32_t valObjStride, float* dst, int32_t dstObjStride,
    int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = src[k] + val[k] for k < count; 32f vectors, pointer-list layout. */
RUKM_API rukStatus rukmAdd_vaca_32f_L(const float* const* src, int32_t srcShift,
    int32_t srcElemStride, const float* const* val, int32_t valShift, float* const* dst,
    int32_t dstShift, int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = src[k] + val[k] for k < count; 32f vectors, element-pointer layout. */
RUKM_API rukStatus rukmAdd_vaca_32f_P(const float* const* src, int32_t srcShift,
    int32_t srcObjStride, const float* val, int32_t valObjStride, float* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t len, int32_t count);
/* dst[k] = src[k] + val[k] for k < count; 64f vectors, standard layout. */
RUKM_API rukStatus rukmAdd_vaca_64f(const double* src, int32_t srcObjStride, int32_t srcElemStride,
    const double* val, int32_t valObjStride, double* dst, int32_t dstObjStride,
    int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = src[k] + val[k] for k < count; 64f vectors, pointer-list layout. */
RUKM_API rukStatus rukmAdd_vaca_64f_L(const double* const* src, int32_t srcShift,
    int32_t srcElemStride, const double* const* val, int32_t valShift, double* const* dst,
    int32_t dstShift, int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = src[k] + val[k] for k < count; 64f vectors, element-pointer layout. */
RUKM_API rukStatus rukmAdd_vaca_64f_P(const double* const* src, int32_t srcShift,
    int32_t srcObjStride, const double* val, int32_t valObjStride, double* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t len, int32_t count);

/* ---------------------------------------------------------------------------------------
 * Element-wise subtraction: the first operand of the code is the minuend (rukmSub_cv is
 * val - src, rukmSub_vc is src - val); the vector operand's group always comes before the
 * constant's. Check orders as for addition; rukmSub_mma (standard layout) checks like
 * rukmSub_mam.
 * ------------------------------------------------------------------------------------ */
/* dst = src1 - src2; 32f matrices, standard layout. */
RUKM_API rukStatus rukmSub_mm_32f(const float* src1, int32_t src1RowStride, int32_t src1ElemStride,
    const float* src2, int32_t src2RowStride, int32_t src2ElemStride, float* dst,
    int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height);
/* dst = src1 - src2; 32f matrices, element-pointer layout. */
RUKM_API rukStatus rukmSub_mm_32f_P(const float* const* src1, int32_t src1Shift,
    const float* const* src2, int32_t src2Shift, float* const* dst, int32_t dstShift,
    int32_t width, int32_t height);
/* dst = src1 - src2; 64f matrices, standard layout. */
RUKM_API rukStatus rukmSub_mm_64f(const double* src1, int32_t src1RowStride,
    int32_t src1ElemStride, const double* src2, int32_t src2RowStride, int32_t src2ElemStride,
    double* dst, int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height);
/* dst = src1 - src2; 64f matrices, element-pointer layout. */
RUKM_API rukStatus rukmSub_mm_64f_P(const double* const* src1, int32_t src1Shift,
    const double* const* src2, int32_t src2Shift, double* const* dst, int32_t dstShift,
    int32_t width, int32_t height);
/* dst = src1 - src2^T; 32f matrices, standard layout. */
RUKM_API rukStatus rukmSub_mt_32f(const float* src1, int32_t src1RowStride, int32_t src1ElemStride,
    const float* src2, int32_t src2RowStride, int32_t src2ElemStride, float* dst,
    int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height);
/* dst = src1 - src2^T; 32f matrices, element-pointer layout. */
RUKM_API rukStatus rukmSub_mt_32f_P(const float* const* src1, int32_t src1Shift,
    const float* const* src2, int32_t src2Shift, float* const* dst, int32_t dstShift,
    int32_t width, int32_t height);
/* dst = src1 - src2^T; 64f matrices, standard layout. */
RUKM_API rukStatus rukmSub_mt_64f(const double* src1, int32_t src1RowStride,
    int32_t src1ElemStride, const double* src2, int32_t src2RowStride, int32_t src2ElemStride,
    double* dst, int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height);
/* dst = src1 - src2^T; 64f matrices, element-pointer layout. */
RUKM_API rukStatus rukmSub_mt_64f_P(const double* const* src1, int32_t src1Shift,
    const double* const* src2, int32_t src2Shift, double* const* dst, int32_t dstShift,
    int32_t width, int32_t height);
/* dst = src1^T - src2; 32f matrices, standard layout. */
RUKM_API rukStatus rukmSub_tm_32f(const float* src1, int32_t src1RowStride, int32_t src1ElemStride,
    const float* src2, int32_t src2RowStride, int32_t src2ElemStride, float* dst,
    int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height);
/* dst = src1^T - src2; 32f matrices, element-pointer layout. */
RUKM_API rukStatus rukmSub_tm_32f_P(const float* const* src1, int32_t src1Shift,
    const float* const* src2, int32_t src2Shift, float* const* dst, int32_t dstShift,
    int32_t width, int32_t height);
/* dst = src1^T - src2; 64f matrices, standard layout. */
RUKM_API rukStatus rukmSub_tm_64f(const double* src1, int32_t src1RowStride,
    int32_t src1ElemStride, const double* src2, int32_t src2RowStride, int32_t src2ElemStride,
    double* dst, int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height);
/* dst = src1^T - src2; 64f matrices, element-pointer layout. */
RUKM_API rukStatus rukmSub_tm_64f_P(const double* const* src1, int32_t src1Shift,
    const double* const* src2, int32_t src2Shift, double* const* dst, int32_t dstShift,
    int32_t width, int32_t height);
/* dst = src1^T - src2^T; 32f matrices, standard layout. */
RUKM_API rukStatus rukmSub_tt_32f(const float* src1, int32_t src1RowStride, int32_t src1ElemStride,
    const float* src2, int32_t src2RowStride, int32_t src2ElemStride, float* dst,
    int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height);
/* dst = src1^T - src2^T; 32f matrices, element-pointer layout. */
RUKM_API rukStatus rukmSub_tt_32f_P(const float* const* src1, int32_t src1Shift,
    const float* const* src2, int32_t src2Shift, float* const* dst, int32_t dstShift,
    int32_t width, int32_t height);
/* dst = src1^T - src2^T; 64f matrices, standard layout. */
RUKM_API rukStatus rukmSub_tt_64f(const double* src1, int32_t src1RowStride,
    int32_t src1ElemStride, const double* src2, int32_t src2RowStride, int32_t src2ElemStride,
    double* dst, int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height);
/* dst = src1^T - src2^T; 64f matrices, element-pointer layout. */
RUKM_API rukStatus rukmSub_tt_64f_P(const double* const* src1, int32_t src1Shift,
    const double* const* src2, int32_t src2Shift, double* const* dst, int32_t dstShift,
    int32_t width, int32_t height);
/* dst = src1 - src2; 32f vectors, standard layout. */
RUKM_API rukStatus rukmSub_vv_32f(const float* src1, int32_t src1ElemStride, const float* src2,
    int32_t src2ElemStride, float* dst, int32_t dstElemStride, int32_t len);
/* dst = src1 - src2; 32f vectors, element-pointer layout. */
RUKM_API rukStatus rukmSub_vv_32f_P(const float* const* src1, int32_t src1Shift,
    const float* const* src2, int32_t src2Shift, float* const* dst, int32_t dstShift, int32_t len);
/* dst = src1 - src2; 64f vectors, standard layout. */
RUKM_API rukStatus rukmSub_vv_64f(const double* src1, int32_t src1ElemStride, const double* src2,
    int32_t src2ElemStride, double* dst, int32_t dstElemStride, int32_t len);
/* dst = src1 - src2; 64f vectors, element-pointer layout. */
RUKM_API rukStatus rukmSub_vv_64f_P(const double* const* src1, int32_t src1Shift,
    const double* const* src2, int32_t src2Shift, double* const* dst, int32_t dstShift,
    int32_t len);
/* dst = src - val; 32f vectors, standard layout. */
RUKM_API rukStatus rukmSub_vc_32f(const float* src, int32_t srcElemStride, float val, float* dst,
    int32_t dstElemStride, int32_t len);
/* dst = src - val; 32f vectors, element-pointer layout. */
RUKM_API rukStatus rukmSub_vc_32f_P(const float* const* src, int32_t srcShift, float val,
    float* const* dst, int32_t dstShift, int32_t len);
/* dst = src - val; 64f vectors, standard layout. */
RUKM_API rukStatus rukmSub_vc_64f(const double* src, int32_t srcElemStride, double val,
    double* dst, int32_t dstElemStride, int32_t len);
/* dst = src - val; 64f vectors, element-pointer layout. */
RUKM_API rukStatus rukmSub_vc_64f_P(const double* const* src, int32_t srcShift, double val,
    double* const* dst, int32_t dstShift, int32_t len);
/* dst = val - src; 32f vectors, standard layout. */
RUKM_API rukStatus rukmSub_cv_32f(const float* src, int32_t srcElemStride, float val, float* dst,
    int32_t dstElemStride, int32_t len);
/* dst = val - src; 32f vectors, element-pointer layout. */
RUKM_API rukStatus rukmSub_cv_32f_P(const float* const* src, int32_t srcShift, float val,
    float* const* dst, int32_t dstShift, int32_t len);
/* dst = val - src; 64f vectors, standard layout. */
RUKM_API rukStatus rukmSub_cv_64f(const double* src, int32_t srcElemStride, double val,
    double* dst, int32_t dstElemStride, int32_t len);
/* dst = val - src; 64f vectors, element-pointer layout. */
RUKM_API rukStatus rukmSub_cv_64f_P(const double* const* src, int32_t srcShift, double val,
    double* const* dst, int32_t dstShift, int32_t len);
/* dst[k] = src1[k] - src2 for k < count; 32f matrices, standard layout. */
RUKM_API rukStatus rukmSub_mam_32f(const float* src1, int32_t src1ObjStride, int32_t src1RowStride,
    int32_t src1ElemStride, const float* src2, int32_t src2RowStride, int32_t src2ElemStride,
    float* dst, int32_t dstObjStride, int32_t dstRowStride, int32_t dstElemStride, int32_t width,
    int32_t height, int32_t count);
/* dst[k] = src1[k] - src2 for k < count; 32f matrices, pointer-list layout. */
RUKM_API rukStatus rukmSub_mam_32f_L(const float* const* src1, int32_t src1Shift,
    int32_t src1RowStride, int32_t src1ElemStride, const float* src2, int32_t src2RowStride,
    int32_t src2ElemStride, float* const* dst, int32_t dstShift, int32_t dstRowStride,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k] - src2 for k < count; 32f matrices, element-pointer layout. */
RUKM_API rukStatus rukmSub_mam_32f_P(const float* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, const float* const* src2, int32_t src2Shift, float* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k] - src2 for k < count; 64f matrices, standard layout. */
RUKM_API rukStatus rukmSub_mam_64f(const double* src1, int32_t src1ObjStride,
    int32_t src1RowStride, int32_t src1ElemStride, const double* src2, int32_t src2RowStride,
    int32_t src2ElemStride, double* dst, int32_t dstObjStride, int32_t dstRowStride,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k] - src2 for k < count; 64f matrices, pointer-list layout. */
RUKM_API rukStatus rukmSub_mam_64f_L(const double* const* src1, int32_t src1Shift,
    int32_t src1RowStride, int32_t src1ElemStride, const double* src2, int32_t src2RowStride,
    int32_t src2ElemStride, double* const* dst, int32_t dstShift, int32_t dstRowStride,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k] - src2 for k < count; 64f matrices, element-pointer layout. */
RUKM_API rukStatus rukmSub_mam_64f_P(const double* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, const double* const* src2, int32_t src2Shift, double* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k] - src2^T for k < count; 32f matrices, standard layout. */
RUKM_API rukStatus rukmSub_mat_32f(const float* src1, int32_t src1ObjStride, int32_t src1RowStride,
    int32_t src1ElemStride, const float* src2, int32_t src2RowStride, int32_t src2ElemStride,
    float* dst, int32_t dstObjStride, int32_t dstRowStride, int32_t dstElemStride, int32_t width,
    int32_t height, int32_t count);
/* dst[k] = src1[k] - src2^T for k < count; 32f matrices, pointer-list layout. */
RUKM_API rukStatus rukmSub_mat_32f_L(const float* const* src1, int32_t src1Shift,
    int32_t src1RowStride, int32_t src1ElemStride, const float* src2, int32_t src2RowStride,
    int32_t src2ElemStride, float* const* dst, int32_t dstShift, int32_t dstRowStride,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k] - src2^T for k < count; 32f matrices, element-pointer layout. */
RUKM_API rukStatus rukmSub_mat_32f_P(const float* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, const float* const* src2, int32_t src2Shift, float* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k] - src2^T for k < count; 64f matrices, standard layout. */
RUKM_API rukStatus rukmSub_mat_64f(const double* src1, int32_t src1ObjStride,
    int32_t src1RowStride, int32_t src1ElemStride, const double* src2, int32_t src2RowStride,
    int32_t src2ElemStride, double* dst, int32_t dstObjStride, int32_t dstRowStride,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k] - src2^T for k < count; 64f matrices, pointer-list layout. */
RUKM_API rukStatus rukmSub_mat_64f_L(const double* const* src1, int32_t src1Shift,
    int32_t src1RowStride, int32_t src1ElemStride, const double* src2, int32_t src2RowStride,
    int32_t src2ElemStride, double* const* dst, int32_t dstShift, int32_t dstRowStride,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k] - src2^T for k < count; 64f matrices, element-pointer layout. */
RUKM_API rukStatus rukmSub_mat_64f_P(const double* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, const double* const* src2, int32_t src2Shift, double* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k]^T - src2 for k < count; 32f matrices, standard layout. */
RUKM_API rukStatus rukmSub_tam_32f(const float* src1, int32_t src1ObjStride, int32_t src1RowStride,
    int32_t src1ElemStride, const float* src2, int32_t src2RowStride, int32_t src2ElemStride,
    float* dst, int32_t dstObjStride, int32_t dstRowStride, int32_t dstElemStride, int32_t width,
    int32_t height, int32_t count);
/* dst[k] = src1[k]^T - src2 for k < count; 32f matrices, pointer-list layout. */
RUKM_API rukStatus rukmSub_tam_32f_L(const float* const* src1, int32_t src1Shift,
    int32_t src1RowStride, int32_t src1ElemStride, const float* src2, int32_t src2RowStride,
    int32_t src2ElemStride, float* const* dst, int32_t dstShift, int32_t dstRowStride,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k]^T - src2 for k < count; 32f matrices, element-pointer layout. */
RUKM_API rukStatus rukmSub_tam_32f_P(const float* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, const float* const* src2, int32_t src2Shift, float* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k]^T - src2 for k < count; 64f matrices, standard layout. */
RUKM_API rukStatus rukmSub_tam_64f(const double* src1, int32_t src1ObjStride,
    int32_t src1RowStride, int32_t src1ElemStride, const double* src2, int32_t src2RowStride,
    int32_t src2ElemStride, double* dst, int32_t dstObjStride, int32_t dstRowStride,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k]^T - src2 for k < count; 64f matrices, pointer-list layout. */
RUKM_API rukStatus rukmSub_tam_64f_L(const double* const* src1, int32_t src1Shift,
    int32_t src1RowStride, int32_t src1ElemStride, const double* src2, int32_t src2RowStride,
    int32_t src2ElemStride, double* const* dst, int32_t dstShift, int32_t dstRowStride,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k]^T - src2 for k < count; 64f matrices, element-pointer layout. */
RUKM_API rukStatus rukmSub_tam_64f_P(const double* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, const double* const* src2, int32_t src2Shift, double* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k]^T - src2^T for k < count; 32f matrices, standard layout. */
RUKM_API rukStatus rukmSub_tat_32f(const float* src1, int32_t src1ObjStride, int32_t src1RowStride,
    int32_t src1ElemStride, const float* src2, int32_t src2RowStride, int32_t src2ElemStride,
    float* dst, int32_t dstObjStride, int32_t dstRowStride, int32_t dstElemStride, int32_t width,
    int32_t height, int32_t count);
/* dst[k] = src1[k]^T - src2^T for k < count; 32f matrices, pointer-list layout. */
RUKM_API rukStatus rukmSub_tat_32f_L(const float* const* src1, int32_t src1Shift,
    int32_t src1RowStride, int32_t src1ElemStride, const float* src2, int32_t src2RowStride,
    int32_t src2ElemStride, float* const* dst, int32_t dstShift, int32_t dstRowStride,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k]^T - src2^T for k < count; 32f matrices, element-pointer layout. */
RUKM_API rukStatus rukmSub_tat_32f_P(const float* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, const float* const* src2, int32_t src2Shift, float* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k]^T - src2^T for k < count; 64f matrices, standard layout. */
RUKM_API rukStatus rukmSub_tat_64f(const double* src1, int32_t src1ObjStride,
    int32_t src1RowStride, int32_t src1ElemStride, const double* src2, int32_t src2RowStride,
    int32_t src2ElemStride, double* dst, int32_t dstObjStride, int32_t dstRowStride,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k]^T - src2^T for k < count; 64f matrices, pointer-list layout. */
RUKM_API rukStatus rukmSub_tat_64f_L(const double* const* src1, int32_t src1Shift,
    int32_t src1RowStride, int32_t src1ElemStride, const double* src2, int32_t src2RowStride,
    int32_t src2ElemStride, double* const* dst, int32_t dstShift, int32_t dstRowStride,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k]^T - src2^T for k < count; 64f matrices, element-pointer layout. */
RUKM_API rukStatus rukmSub_tat_64f_P(const double* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, const double* const* src2, int32_t src2Shift, double* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1 - src2[k] for k < count; 32f matrices, standard layout. */
RUKM_API rukStatus rukmSub_mma_32f(const float* src1, int32_t src1RowStride,
    int32_t src1ElemStride, const float* src2, int32_t src2ObjStride, int32_t src2RowStride,
    int32_t src2ElemStride, float* dst, int32_t dstObjStride, int32_t dstRowStride,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1 - src2[k] for k < count; 32f matrices, pointer-list layout. */
RUKM_API rukStatus rukmSub_mma_32f_L(const float* src1, int32_t src1RowStride,
    int32_t src1ElemStride, const float* const* src2, int32_t src2Shift, int32_t src2RowStride,
    int32_t src2ElemStride, float* const* dst, int32_t dstShift, int32_t dstRowStride,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1 - src2[k] for k < count; 32f matrices, element-pointer layout. */
RUKM_API rukStatus rukmSub_mma_32f_P(const float* const* src1, int32_t src1Shift,
    const float* const* src2, int32_t src2Shift, int32_t src2ObjStride, float* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1 - src2[k] for k < count; 64f matrices, standard layout. */
RUKM_API rukStatus rukmSub_mma_64f(const double* src1, int32_t src1RowStride,
    int32_t src1ElemStride, const double* src2, int32_t src2ObjStride, int32_t src2RowStride,
    int32_t src2ElemStride, double* dst, int32_t dstObjStride, int32_t dstRowStride,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1 - src2[k] for k < count; 64f matrices, pointer-list layout. */
RUKM_API rukStatus rukmSub_mma_64f_L(const double* src1, int32_t src1RowStride,
    int32_t src1ElemStride, const double* const* src2, int32_t src2Shift, int32_t src2RowStride,
    int32_t src2ElemStride, double* const* dst, int32_t dstShift, int32_t dstRowStride,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1 - src2[k] for k < count; 64f matrices, element-pointer layout. */
RUKM_API rukStatus rukmSub_mma_64f_P(const double* const* src1, int32_t src1Shift,
    const double* const* src2, int32_t src2Shift, int32_t src2ObjStride, double* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1 - src2[k]^T for k < count; 32f matrices, standard layout. */
RUKM_API rukStatus rukmSub_mta_32f(const float* src1, int32_t src1RowStride,
    int32_t src1ElemStride, const float* src2, int32_t src2ObjStride, int32_t src2RowStride,
    int32_t src2ElemStride, float* dst, int32_t dstObjStride, int32_t dstRowStride,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1 - src2[k]^T for k < count; 32f matrices, pointer-list layout. */
RUKM_API rukStatus rukmSub_mta_32f_L(const float* src1, int32_t src1RowStride,
    int32_t src1ElemStride, const float* const* src2, int32_t src2Shift, int32_t src2RowStride,
    int32_t src2ElemStride, float* const* dst, int32_t dstShift, int32_t dstRowStride,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1 - src2[k]^T for k < count; 32f matrices, element-pointer layout. */
RUKM_API rukStatus rukmSub_mta_32f_P(const float* const* src1, int32_t src1Shift,
    const float* const* src2, int32_t src2Shift, int32_t src2ObjStride, float* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1 - src2[k]^T for k < count; 64f matrices, standard layout. */
RUKM_API rukStatus rukmSub_mta_64f(const double* src1, int32_t src1RowStride,
    int32_t src1ElemStride, const double* src2, int32_t src2ObjStride, int32_t src2RowStride,
    int32_t src2ElemStride, double* dst, int32_t dstObjStride, int32_t dstRowStride,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1 - src2[k]^T for k < count; 64f matrices, pointer-list layout. */
RUKM_API rukStatus rukmSub_mta_64f_L(const double* src1, int32_t src1RowStride,
    int32_t src1ElemStride, const double* const* src2, int32_t src2Shift, int32_t src2RowStride,
    int32_t src2ElemStride, double* const* dst, int32_t dstShift, int32_t dstRowStride,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1 - src2[k]^T for k < count; 64f matrices, element-pointer layout. */
RUKM_API rukStatus rukmSub_mta_64f_P(const double* const* src1, int32_t src1Shift,
    const double* const* src2, int32_t src2Shift, int32_t src2ObjStride, double* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1^T - src2[k] for k < count; 32f matrices, standard layout. */
RUKM_API rukStatus rukmSub_tma_32f(const float* src1, int32_t src1RowStride,
    int32_t src1ElemStride, const float* src2, int32_t src2ObjStride, int32_t src2RowStride,
    int32_t src2ElemStride, float* dst, int32_t dstObjStride, int32_t dstRowStride,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1^T - src2[k] for k < count; 32f matrices, pointer-list layout. */
RUKM_API rukStatus rukmSub_tma_32f_L(const float* src1, int32_t src1RowStride,
    int32_t src1ElemStride, const float* const* src2, int32_t src2Shift, int32_t src2RowStride,
    int32_t src2ElemStride, float* const* dst, int32_t dstShift, int32_t dstRowStride,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1^T - src2[k] for k < count; 32f matrices, element-pointer layout. */
RUKM_API rukStatus rukmSub_tma_32f_P(const float* const* src1, int32_t src1Shift,
    const float* const* src2, int32_t src2Shift, int32_t src2ObjStride, float* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1^T - src2[k] for k < count; 64f matrices, standard layout. */
RUKM_API rukStatus rukmSub_tma_64f(const double* src1, int32_t src1RowStride,
    int32_t src1ElemStride, const double* src2, int32_t src2ObjStride, int32_t src2RowStride,
    int32_t src2ElemStride, double* dst, int32_t dstObjStride, int32_t dstRowStride,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1^T - src2[k] for k < count; 64f matrices, pointer-list layout. */
RUKM_API rukStatus rukmSub_tma_64f_L(const double* src1, int32_t src1RowStride,
    int32_t src1ElemStride, const double* const* src2, int32_t src2Shift, int32_t src2RowStride,
    int32_t src2ElemStride, double* const* dst, int32_t dstShift, int32_t dstRowStride,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1^T - src2[k] for k < count; 64f matrices, element-pointer layout. */
RUKM_API rukStatus rukmSub_tma_64f_P(const double* const* src1, int32_t src1Shift,
    const double* const* src2, int32_t src2Shift, int32_t src2ObjStride, double* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1^T - src2[k]^T for k < count; 32f matrices, standard layout. */
RUKM_API rukStatus rukmSub_tta_32f(const float* src1, int32_t src1RowStride,
    int32_t src1ElemStride, const float* src2, int32_t src2ObjStride, int32_t src2RowStride,
    int32_t src2ElemStride, float* dst, int32_t dstObjStride, int32_t dstRowStride,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1^T - src2[k]^T for k < count; 32f matrices, pointer-list layout. */
RUKM_API rukStatus rukmSub_tta_32f_L(const float* src1, int32_t src1RowStride,
    int32_t src1ElemStride, const float* const* src2, int32_t src2Shift, int32_t src2RowStride,
    int32_t src2ElemStride, float* const* dst, int32_t dstShift, int32_t dstRowStride,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1^T - src2[k]^T for k < count; 32f matrices, element-pointer layout. */
RUKM_API rukStatus rukmSub_tta_32f_P(const float* const* src1, int32_t src1Shift,
    const float* const* src2, int32_t src2Shift, int32_t src2ObjStride, float* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1^T - src2[k]^T for k < count; 64f matrices, standard layout. */
RUKM_API rukStatus rukmSub_tta_64f(const double* src1, int32_t src1RowStride,
    int32_t src1ElemStride, const double* src2, int32_t src2ObjStride, int32_t src2RowStride,
    int32_t src2ElemStride, double* dst, int32_t dstObjStride, int32_t dstRowStride,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1^T - src2[k]^T for k < count; 64f matrices, pointer-list layout. */
RUKM_API rukStatus rukmSub_tta_64f_L(const double* src1, int32_t src1RowStride,
    int32_t src1ElemStride, const double* const* src2, int32_t src2Shift, int32_t src2RowStride,
    int32_t src2ElemStride, double* const* dst, int32_t dstShift, int32_t dstRowStride,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1^T - src2[k]^T for k < count; 64f matrices, element-pointer layout. */
RUKM_API rukStatus rukmSub_tta_64f_P(const double* const* src1, int32_t src1Shift,
    const double* const* src2, int32_t src2Shift, int32_t src2ObjStride, double* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k] - src2[k] for k < count; 32f matrices, standard layout. */
RUKM_API rukStatus rukmSub_mama_32f(const float* src1, int32_t src1ObjStride,
    int32_t src1RowStride, int32_t src1ElemStride, const float* src2, int32_t src2ObjStride,
    int32_t src2RowStride, int32_t src2ElemStride, float* dst, int32_t dstObjStride,
    int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k] - src2[k] for k < count; 32f matrices, pointer-list layout. */
RUKM_API rukStatus rukmSub_mama_32f_L(const float* const* src1, int32_t src1Shift,
    int32_t src1RowStride, int32_t src1ElemStride, const float* const* src2, int32_t src2Shift,
    int32_t src2RowStride, int32_t src2ElemStride, float* const* dst, int32_t dstShift,
    int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k] - src2[k] for k < count; 32f matrices, element-pointer layout. */
RUKM_API rukStatus rukmSub_mama_32f_P(const float* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, const float* const* src2, int32_t src2Shift, int32_t src2ObjStride,
    float* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t width, int32_t height,
    int32_t count);
/* dst[k] = src1[k] - src2[k] for k < count; 64f matrices, standard layout. */
RUKM_API rukStatus rukmSub_mama_64f(const double* src1, int32_t src1ObjStride,
    int32_t src1RowStride, int32_t src1ElemStride, const double* src2, int32_t src2ObjStride,
    int32_t src2RowStride, int32_t src2ElemStride, double* dst, int32_t dstObjStride,
    int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k] - src2[k] for k < count; 64f matrices, pointer-list layout. */
RUKM_API rukStatus rukmSub_mama_64f_L(const double* const* src1, int32_t src1Shift,
    int32_t src1RowStride, int32_t src1ElemStride, const double* const* src2, int32_t src2Shift,
    int32_t src2RowStride, int32_t src2ElemStride, double* const* dst, int32_t dstShift,
    int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k] - src2[k] for k < count; 64f matrices, element-pointer layout. */
RUKM_API rukStatus rukmSub_mama_64f_P(const double* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, const double* const* src2, int32_t src2Shift, int32_t src2ObjStride,
    double* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t width, int32_t height,
    int32_t count);
/* dst[k] = src1[k] - src2[k]^T for k < count; 32f matrices, standard layout. */
RUKM_API rukStatus rukmSub_mata_32f(const float* src1, int32_t src1ObjStride,
    int32_t src1RowStride, int32_t src1ElemStride, const float* src2, int32_t src2ObjStride,
    int32_t src2RowStride, int32_t src2ElemStride, float* dst, int32_t dstObjStride,
    int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k] - src2[k]^T for k < count; 32f matrices, pointer-list layout. */
RUKM_API rukStatus rukmSub_mata_32f_L(const float* const* src1, int32_t src1Shift,
    int32_t src1RowStride, int32_t src1ElemStride, const float* const* src2, int32_t src2Shift,
    int32_t src2RowStride, int32_t src2ElemStride, float* const* dst, int32_t dstShift,
    int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k] - src2[k]^T for k < count; 32f matrices, element-pointer layout. */
RUKM_API rukStatus rukmSub_mata_32f_P(const float* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, const float* const* src2, int32_t src2Shift, int32_t src2ObjStride,
    float* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t width, int32_t height,
    int32_t count);
/* dst[k] = src1[k] - src2[k]^T for k < count; 64f matrices, standard layout. */
RUKM_API rukStatus rukmSub_mata_64f(const double* src1, int32_t src1ObjStride,
    int32_t src1RowStride, int32_t src1ElemStride, const double* src2, int32_t src2ObjStride,
    int32_t src2RowStride, int32_t src2ElemStride, double* dst, int32_t dstObjStride,
    int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k] - src2[k]^T for k < count; 64f matrices, pointer-list layout. */
RUKM_API rukStatus rukmSub_mata_64f_L(const double* const* src1, int32_t src1Shift,
    int32_t src1RowStride, int32_t src1ElemStride, const double* const* src2, int32_t src2Shift,
    int32_t src2RowStride, int32_t src2ElemStride, double* const* dst, int32_t dstShift,
    int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k] - src2[k]^T for k < count; 64f matrices, element-pointer layout. */
RUKM_API rukStatus rukmSub_mata_64f_P(const double* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, const double* const* src2, int32_t src2Shift, int32_t src2ObjStride,
    double* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t width, int32_t height,
    int32_t count);
/* dst[k] = src1[k]^T - src2[k] for k < count; 32f matrices, standard layout. */
RUKM_API rukStatus rukmSub_tama_32f(const float* src1, int32_t src1ObjStride,
    int32_t src1RowStride, int32_t src1ElemStride, const float* src2, int32_t src2ObjStride,
    int32_t src2RowStride, int32_t src2ElemStride, float* dst, int32_t dstObjStride,
    int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k]^T - src2[k] for k < count; 32f matrices, pointer-list layout. */
RUKM_API rukStatus rukmSub_tama_32f_L(const float* const* src1, int32_t src1Shift,
    int32_t src1RowStride, int32_t src1ElemStride, const float* const* src2, int32_t src2Shift,
    int32_t src2RowStride, int32_t src2ElemStride, float* const* dst, int32_t dstShift,
    int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k]^T - src2[k] for k < count; 32f matrices, element-pointer layout. */
RUKM_API rukStatus rukmSub_tama_32f_P(const float* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, const float* const* src2, int32_t src2Shift, int32_t src2ObjStride,
    float* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t width, int32_t height,
    int32_t count);
/* dst[k] = src1[k]^T - src2[k] for k < count; 64f matrices, standard layout. */
RUKM_API rukStatus rukmSub_tama_64f(const double* src1, int32_t src1ObjStride,
    int32_t src1RowStride, int32_t src1ElemStride, const double* src2, int32_t src2ObjStride,
    int32_t src2RowStride, int32_t src2ElemStride, double* dst, int32_t dstObjStride,
    int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k]^T - src2[k] for k < count; 64f matrices, pointer-list layout. */
RUKM_API rukStatus rukmSub_tama_64f_L(const double* const* src1, int32_t src1Shift,
    int32_t src1RowStride, int32_t src1ElemStride, const double* const* src2, int32_t src2Shift,
    int32_t src2RowStride, int32_t src2ElemStride, double* const* dst, int32_t dstShift,
    int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k]^T - src2[k] for k < count; 64f matrices, element-pointer layout. */
RUKM_API rukStatus rukmSub_tama_64f_P(const double* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, const double* const* src2, int32_t src2Shift, int32_t src2ObjStride,
    double* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t width, int32_t height,
    int32_t count);
/* dst[k] = src1[k]^T - src2[k]^T for k < count; 32f matrices, standard layout. */
RUKM_API rukStatus rukmSub_tata_32f(const float* src1, int32_t src1ObjStride,
    int32_t src1RowStride, int32_t src1ElemStride, const float* src2, int32_t src2ObjStride,
    int32_t src2RowStride, int32_t src2ElemStride, float* dst, int32_t dstObjStride,
    int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k]^T - src2[k]^T for k < count; 32f matrices, pointer-list layout. */
RUKM_API rukStatus rukmSub_tata_32f_L(const float* const* src1, int32_t src1Shift,
    int32_t src1RowStride, int32_t src1ElemStride, const float* const* src2, int32_t src2Shift,
    int32_t src2RowStride, int32_t src2ElemStride, float* const* dst, int32_t dstShift,
    int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k]^T - src2[k]^T for k < count; 32f matrices, element-pointer layout. */
RUKM_API rukStatus rukmSub_tata_32f_P(const float* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, const float* const* src2, int32_t src2Shift, int32_t src2ObjStride,
    float* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t width, int32_t height,
    int32_t count);
/* dst[k] = src1[k]^T - src2[k]^T for k < count; 64f matrices, standard layout. */
RUKM_API rukStatus rukmSub_tata_64f(const double* src1, int32_t src1ObjStride,
    int32_t src1RowStride, int32_t src1ElemStride, const double* src2, int32_t src2ObjStride,
    int32_t src2RowStride, int32_t src2ElemStride, double* dst, int32_t dstObjStride,
    int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k]^T - src2[k]^T for k < count; 64f matrices, pointer-list layout. */
RUKM_API rukStatus rukmSub_tata_64f_L(const double* const* src1, int32_t src1Shift,
    int32_t src1RowStride, int32_t src1ElemStride, const double* const* src2, int32_t src2Shift,
    int32_t src2RowStride, int32_t src2ElemStride, double* const* dst, int32_t dstShift,
    int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src1[k]^T - src2[k]^T for k < count; 64f matrices, element-pointer layout. */
RUKM_API rukStatus rukmSub_tata_64f_P(const double* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, const double* const* src2, int32_t src2Shift, int32_t src2ObjStride,
    double* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t width, int32_t height,
    int32_t count);
/* dst[k] = src1[k] - src2 for k < count; 32f vectors, standard layout. */
RUKM_API rukStatus rukmSub_vav_32f(const float* src1, int32_t src1ObjStride,
    int32_t src1ElemStride, const float* src2, int32_t src2ElemStride, float* dst,
    int32_t dstObjStride, int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = src1[k] - src2 for k < count; 32f vectors, pointer-list layout. */
RUKM_API rukStatus rukmSub_vav_32f_L(const float* const* src1, int32_t src1Shift,
    int32_t src1ElemStride, const float* src2, int32_t src2ElemStride, float* const* dst,
    int32_t dstShift, int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = src1[k] - src2 for k < count; 32f vectors, element-pointer layout. */
RUKM_API rukStatus rukmSub_vav_32f_P(const float* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, const float* const* src2, int32_t src2Shift, float* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t len, int32_t count);
/* dst[k] = src1[k] - src2 for k < count; 64f vectors, standard layout. */
RUKM_API rukStatus rukmSub_vav_64f(const double* src1, int32_t src1ObjStride,
    int32_t src1ElemStride, const double* src2, int32_t src2ElemStride, double* dst,
    int32_t dstObjStride, int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = src1[k] - src2 for k < count; 64f vectors, pointer-list layout. */
RUKM_API rukStatus rukmSub_vav_64f_L(const double* const* src1, int32_t src1Shift,
    int32_t src1ElemStride, const double* src2, int32_t src2ElemStride, double* const* dst,
    int32_t dstShift, int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = src1[k] - src2 for k < count; 64f vectors, element-pointer layout. */
RUKM_API rukStatus rukmSub_vav_64f_P(const double* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, const double* const* src2, int32_t src2Shift, double* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t len, int32_t count);
/* dst[k] = src1 - src2[k] for k < count; 32f vectors, standard layout. */
RUKM_API rukStatus rukmSub_vva_32f(const float* src1, int32_t src1ElemStride, const float* src2,
    int32_t src2ObjStride, int32_t src2ElemStride, float* dst, int32_t dstObjStride,
    int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = src1 - src2[k] for k < count; 32f vectors, pointer-list layout. */
RUKM_API rukStatus rukmSub_vva_32f_L(const float* src1, int32_t src1ElemStride,
    const float* const* src2, int32_t src2Shift, int32_t src2ElemStride, float* const* dst,
    int32_t dstShift, int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = src1 - src2[k] for k < count; 32f vectors, element-pointer layout. */
RUKM_API rukStatus rukmSub_vva_32f_P(const float* const* src1, int32_t src1Shift,
    const float* const* src2, int32_t src2Shift, int32_t src2ObjStride, float* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t len, int32_t count);
/* dst[k] = src1 - src2[k] for k < count; 64f vectors, standard layout. */
RUKM_API rukStatus rukmSub_vva_64f(const double* src1, int32_t src1ElemStride, const double* src2,
    int32_t src2ObjStride, int32_t src2ElemStride, double* dst, int32_t dstObjStride,
    int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = src1 - src2[k] for k < count; 64f vectors, pointer-list layout. */
RUKM_API rukStatus rukmSub_vva_64f_L(const double* src1, int32_t src1ElemStride,
    const double* const* src2, int32_t src2Shift, int32_t src2ElemStride, double* const* dst,
    int32_t dstShift, int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = src1 - src2[k] for k < count; 64f vectors, element-pointer layout. */
RUKM_API rukStatus rukmSub_vva_64f_P(const double* const* src1, int32_t src1Shift,
    const double* const* src2, int32_t src2Shift, int32_t src2ObjStride, double* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t len, int32_t count);
/* dst[k] = src1[k] - src2[k] for k < count; 32f vectors, standard layout. */
RUKM_API rukStatus rukmSub_vava_32f(const float* src1, int32_t src1ObjStride,
    int32_t src1ElemStride, const float* src2, int32_t src2ObjStride, int32_t src2ElemStride,
    float* dst, int32_t dstObjStride, int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = src1[k] - src2[k] for k < count; 32f vectors, pointer-list layout. */
RUKM_API rukStatus rukmSub_vava_32f_L(const float* const* src1, int32_t src1Shift,
    int32_t src1ElemStride, const float* const* src2, int32_t src2Shift, int32_t src2ElemStride,
    float* const* dst, int32_t dstShift, int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = src1[k] - src2[k] for k < count; 32f vectors, element-pointer layout. */
RUKM_API rukStatus rukmSub_vava_32f_P(const float* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, const float* const* src2, int32_t src2Shift, int32_t src2ObjStride,
    float* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t len, int32_t count);
/* dst[k] = src1[k] - src2[k] for k < count; 64f vectors, standard layout. */
RUKM_API rukStatus rukmSub_vava_64f(const double* src1, int32_t src1ObjStride,
    int32_t src1ElemStride, const double* src2, int32_t src2ObjStride, int32_t src2ElemStride,
    double* dst, int32_t dstObjStride, int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = src1[k] - src2[k] for k < count; 64f vectors, pointer-list layout. */
RUKM_API rukStatus rukmSub_vava_64f_L(const double* const* src1, int32_t src1Shift,
    int32_t src1ElemStride, const double* const* src2, int32_t src2Shift, int32_t src2ElemStride,
    double* const* dst, int32_t dstShift, int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = src1[k] - src2[k] for k < count; 64f vectors, element-pointer layout. */
RUKM_API rukStatus rukmSub_vava_64f_P(const double* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, const double* const* src2, int32_t src2Shift, int32_t src2ObjStride,
    double* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t len, int32_t count);
/* dst[k] = src[k] - val for k < count; 32f vectors, standard layout. */
RUKM_API rukStatus rukmSub_vac_32f(const float* src, int32_t srcObjStride, int32_t srcElemStride,
    float val, float* dst, int32_t dstObjStride, int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = src[k] - val for k < count; 32f vectors, pointer-list layout. */
RUKM_API rukStatus rukmSub_vac_32f_L(const float* const* src, int32_t srcShift,
    int32_t srcElemStride, float val, float* const* dst, int32_t dstShift, int32_t dstElemStride,
    int32_t len, int32_t count);
/* dst[k] = src[k] - val for k < count; 32f vectors, element-pointer layout. */
RUKM_API rukStatus rukmSub_vac_32f_P(const float* const* src, int32_t srcShift,
    int32_t srcObjStride, float val, float* const* dst, int32_t dstShift, int32_t dstObjStride,
    int32_t len, int32_t count);
/* dst[k] = src[k] - val for k < count; 64f vectors, standard layout. */
RUKM_API rukStatus rukmSub_vac_64f(const double* src, int32_t srcObjStride, int32_t srcElemStride,
    double val, double* dst, int32_t dstObjStride, int32_t dstElemStride, int32_t len,
    int32_t count);
/* dst[k] = src[k] - val for k < count; 64f vectors, pointer-list layout. */
RUKM_API rukStatus rukmSub_vac_64f_L(const double* const* src, int32_t srcShift,
    int32_t srcElemStride, double val, double* const* dst, int32_t dstShift, int32_t dstElemStride,
    int32_t len, int32_t count);
/* dst[k] = src[k] - val for k < count; 64f vectors, element-pointer layout. */
RUKM_API rukStatus rukmSub_vac_64f_P(const double* const* src, int32_t srcShift,
    int32_t srcObjStride, double val, double* const* dst, int32_t dstShift, int32_t dstObjStride,
    int32_t len, int32_t count);
/* dst[k] = src - val[k] for k < count; 32f vectors, standard layout. */
RUKM_API rukStatus rukmSub_vca_32f(const float* src, int32_t srcElemStride, const float* val,
    int32_t valObjStride, float* dst, int32_t dstObjStride, int32_t dstElemStride, int32_t len,
    int32_t count);
/* dst[k] = src - val[k] for k < count; 32f vectors, pointer-list layout. */
RUKM_API rukStatus rukmSub_vca_32f_L(const float* src, int32_t srcElemStride,
    const float* const* val, int32_t valShift, float* const* dst, int32_t dstShift,
    int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = src - val[k] for k < count; 32f vectors, element-pointer layout. */
RUKM_API rukStatus rukmSub_vca_32f_P(const float* const* src, int32_t srcShift, const float* val,
    int32_t valObjStride, float* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t len,
    int32_t count);
/* dst[k] = src - val[k] for k < count; 64f vectors, standard layout. */
RUKM_API rukStatus rukmSub_vca_64f(const double* src, int32_t srcElemStride, const double* val,
    int32_t valObjStride, double* dst, int32_t dstObjStride, int32_t dstElemStride, int32_t len,
    int32_t count);
/* dst[k] = src - val[k] for k < count; 64f vectors, pointer-list layout. */
RUKM_API rukStatus rukmSub_vca_64f_L(const double* src, int32_t srcElemStride,
    const double* const* val, int32_t valShift, double* const* dst, int32_t dstShift,
    int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = src - val[k] for k < count; 64f vectors, element-pointer layout. */
RUKM_API rukStatus rukmSub_vca_64f_P(const double* const* src, int32_t srcShift, const double* val,
    int32_t valObjStride, double* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t len,
    int32_t count);
/* dst[k] = src[k] - val[k] for k < count; 32f vectors, standard layout. */
RUKM_API rukStatus rukmSub_vaca_32f(const float* src, int32_t srcObjStride, int32_t srcElemStride,
    const float* val, int32_t valObjStride, float* dst, int32_t dstObjStride,
    int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = src[k] - val[k] for k < count; 32f vectors, pointer-list layout. */
RUKM_API rukStatus rukmSub_vaca_32f_L(const float* const* src, int32_t srcShift,
    int32_t srcElemStride, const float* const* val, int32_t valShift, float* const* dst,
    int32_t dstShift, int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = src[k] - val[k] for k < count; 32f vectors, element-pointer layout. */
RUKM_API rukStatus rukmSub_vaca_32f_P(const float* const* src, int32_t srcShift,
    int32_t srcObjStride, const float* val, int32_t valObjStride, float* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t len, int32_t count);
/* dst[k] = src[k] - val[k] for k < count; 64f vectors, standard layout. */
RUKM_API rukStatus rukmSub_vaca_64f(const double* src, int32_t srcObjStride, int32_t srcElemStride,
    const double* val, int32_t valObjStride, double* dst, int32_t dstObjStride,
    int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = src[k] - val[k] for k < count; 64f vectors, pointer-list layout. */
RUKM_API rukStatus rukmSub_vaca_64f_L(const double* const* src, int32_t srcShift,
    int32_t srcElemStride, const double* const* val, int32_t valShift, double* const* dst,
    int32_t dstShift, int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = src[k] - val[k] for k < count; 64f vectors, element-pointer layout. */
RUKM_API rukStatus rukmSub_vaca_64f_P(const double* const* src, int32_t srcShift,
    int32_t srcObjStride, const double* val, int32_t valObjStride, double* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t len, int32_t count);
/* dst[k] = val[k] - src for k < count; 32f vectors, standard layout. */
RUKM_API rukStatus rukmSub_cav_32f(const float* src, int32_t srcElemStride, const float* val,
    int32_t valObjStride, float* dst, int32_t dstObjStride, int32_t dstElemStride, int32_t len,
    int32_t count);
/* dst[k] = val[k] - src for k < count; 32f vectors, pointer-list layout. */
RUKM_API rukStatus rukmSub_cav_32f_L(const float* src, int32_t srcElemStride,
    const float* const* val, int32_t valShift, float* const* dst, int32_t dstShift,
    int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = val[k] - src for k < count; 32f vectors, element-pointer layout. */
RUKM_API rukStatus rukmSub_cav_32f_P(const float* const* src, int32_t srcShift, const float* val,
    int32_t valObjStride, float* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t len,
    int32_t count);
/* dst[k] = val[k] - src for k < count; 64f vectors, standard layout. */
RUKM_API rukStatus rukmSub_cav_64f(const double* src, int32_t srcElemStride, const double* val,
    int32_t valObjStride, double* dst, int32_t dstObjStride, int32_t dstElemStride, int32_t len,
    int32_t count);
/* dst[k] = val[k] - src for k < count; 64f vectors, pointer-list layout. */
RUKM_API rukStatus rukmSub_cav_64f_L(const double* src, int32_t srcElemStride,
    const double* const* val, int32_t valShift, double* const* dst, int32_t dstShift,
    int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = val[k] - src for k < count; 64f vectors, element-pointer layout. */
RUKM_API rukStatus rukmSub_cav_64f_P(const double* const* src, int32_t srcShift, const double* val,
    int32_t valObjStride, double* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t len,
    int32_t count);
/* dst[k] = val - src[k] for k < count; 32f vectors, standard layout. */
RUKM_API rukStatus rukmSub_cva_32f(const float* src, int32_t srcObjStride, int32_t srcElemStride,
    float val, float* dst, int32_t dstObjStride, int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = val - src[k] for k < count; 32f vectors, pointer-list layout. */
RUKM_API rukStatus rukmSub_cva_32f_L(const float* const* src, int32_t srcShift,
    int32_t srcElemStride, float val, float* const* dst, int32_t dstShift, int32_t dstElemStride,
    int32_t len, int32_t count);
/* dst[k] = val - src[k] for k < count; 32f vectors, element-pointer layout. */
RUKM_API rukStatus rukmSub_cva_32f_P(const float* const* src, int32_t srcShift,
    int32_t srcObjStride, float val, float* const* dst, int32_t dstShift, int32_t dstObjStride,
    int32_t len, int32_t count);
/* dst[k] = val - src[k] for k < count; 64f vectors, standard layout. */
RUKM_API rukStatus rukmSub_cva_64f(const double* src, int32_t srcObjStride, int32_t srcElemStride,
    double val, double* dst, int32_t dstObjStride, int32_t dstElemStride, int32_t len,
    int32_t count);
/* dst[k] = val - src[k] for k < count; 64f vectors, pointer-list layout. */
RUKM_API rukStatus rukmSub_cva_64f_L(const double* const* src, int32_t srcShift,
    int32_t srcElemStride, double val, double* const* dst, int32_t dstShift, int32_t dstElemStride,
    int32_t len, int32_t count);
/* dst[k] = val - src[k] for k < count; 64f vectors, element-pointer layout. */
RUKM_API rukStatus rukmSub_cva_64f_P(const double* const* src, int32_t srcShift,
    int32_t srcObjStride, double val, double* const* dst, int32_t dstShift, int32_t dstObjStride,
    int32_t len, int32_t count);
/* dst[k] = val[k] - src[k] for k < count; 32f vectors, standard layout. */
RUKM_API rukStatus rukmSub_cava_32f(const float* src, int32_t srcObjStride, int32_t srcElemStride,
    const float* val, int32_t valObjStride, float* dst, int32_t dstObjStride,
    int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = val[k] - src[k] for k < count; 32f vectors, pointer-list layout. */
RUKM_API rukStatus rukmSub_cava_32f_L(const float* const* src, int32_t srcShift,
    int32_t srcElemStride, const float* const* val, int32_t valShift, float* const* dst,
    int32_t dstShift, int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = val[k] - src[k] for k < count; 32f vectors, element-pointer layout. */
RUKM_API rukStatus rukmSub_cava_32f_P(const float* const* src, int32_t srcShift,
    int32_t srcObjStride, const float* val, int32_t valObjStride, float* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t len, int32_t count);
/* dst[k] = val[k] - src[k] for k < count; 64f vectors, standard layout. */
RUKM_API rukStatus rukmSub_cava_64f(const double* src, int32_t srcObjStride, int32_t srcElemStride,
    const double* val, int32_t valObjStride, double* dst, int32_t dstObjStride,
    int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = val[k] - src[k] for k < count; 64f vectors, pointer-list layout. */
RUKM_API rukStatus rukmSub_cava_64f_L(const double* const* src, int32_t srcShift,
    int32_t srcElemStride, const double* const* val, int32_t valShift, double* const* dst,
    int32_t dstShift, int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = val[k] - src[k] for k < count; 64f vectors, element-pointer layout. */
RUKM_API rukStatus rukmSub_cava_64f_P(const double* const* src, int32_t srcShift,
    int32_t srcObjStride, const double* val, int32_t valObjStride, double* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t len, int32_t count);

/* ---------------------------------------------------------------------------------------
 * Scaling by a constant: each destination element is one IEEE multiplication of the source
 * element by the constant (val for every object, or val[k] per object in vca and vaca). A NaN
 * or infinite constant propagates (0 * inf is NaN). dst may be the same memory as a
 * non-transposed source with the same strides.
 * ------------------------------------------------------------------------------------ */
/* dst = src * val; 32f matrices, standard layout. */
RUKM_API rukStatus rukmMul_mc_32f(const float* src, int32_t srcRowStride, int32_t srcElemStride,
    float val, float* dst, int32_t dstRowStride, int32_t dstElemStride, int32_t width,
    int32_t height);
/* dst = src * val; 32f matrices, element-pointer layout. */
RUKM_API rukStatus rukmMul_mc_32f_P(const float* const* src, int32_t srcShift, float val,
    float* const* dst, int32_t dstShift, int32_t width, int32_t height);
/* dst = src * val; 64f matrices, standard layout. */
RUKM_API rukStatus rukmMul_mc_64f(const double* src, int32_t srcRowStride, int32_t srcElemStride,
    double val, double* dst, int32_t dstRowStride, int32_t dstElemStride, int32_t width,
    int32_t height);
/* dst = src * val; 64f matrices, element-pointer layout. */
RUKM_API rukStatus rukmMul_mc_64f_P(const double* const* src, int32_t srcShift, double val,
    double* const* dst, int32_t dstShift, int32_t width, int32_t height);
/* dst = src^T * val; 32f matrices, standard layout. */
RUKM_API rukStatus rukmMul_tc_32f(const float* src, int32_t srcRowStride, int32_t srcElemStride,
    float val, float* dst, int32_t dstRowStride, int32_t dstElemStride, int32_t width,
    int32_t height);
/* dst = src^T * val; 32f matrices, element-pointer layout. */
RUKM_API rukStatus rukmMul_tc_32f_P(const float* const* src, int32_t srcShift, float val,
    float* const* dst, int32_t dstShift, int32_t width, int32_t height);
/* dst = src^T * val; 64f matrices, standard layout. */
RUKM_API rukStatus rukmMul_tc_64f(const double* src, int32_t srcRowStride, int32_t srcElemStride,
    double val, double* dst, int32_t dstRowStride, int32_t dstElemStride, int32_t width,
    int32_t height);
/* dst = src^T * val; 64f matrices, element-pointer layout. */
RUKM_API rukStatus rukmMul_tc_64f_P(const double* const* src, int32_t srcShift, double val,
    double* const* dst, int32_t dstShift, int32_t width, int32_t height);
/* dst = src * val; 32f vectors, standard layout. */
RUKM_API rukStatus rukmMul_vc_32f(const float* src, int32_t srcElemStride, float val, float* dst,
    int32_t dstElemStride, int32_t len);
/* dst = src * val; 32f vectors, element-pointer layout. */
RUKM_API rukStatus rukmMul_vc_32f_P(const float* const* src, int32_t srcShift, float val,
    float* const* dst, int32_t dstShift, int32_t len);
/* dst = src * val; 64f vectors, standard layout. */
RUKM_API rukStatus rukmMul_vc_64f(const double* src, int32_t srcElemStride, double val,
    double* dst, int32_t dstElemStride, int32_t len);
/* dst = src * val; 64f vectors, element-pointer layout. */
RUKM_API rukStatus rukmMul_vc_64f_P(const double* const* src, int32_t srcShift, double val,
    double* const* dst, int32_t dstShift, int32_t len);
/* dst[k] = src[k] * val for k < count; 32f matrices, standard layout. */
RUKM_API rukStatus rukmMul_mac_32f(const float* src, int32_t srcObjStride, int32_t srcRowStride,
    int32_t srcElemStride, float val, float* dst, int32_t dstObjStride, int32_t dstRowStride,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src[k] * val for k < count; 32f matrices, pointer-list layout. */
RUKM_API rukStatus rukmMul_mac_32f_L(const float* const* src, int32_t srcShift,
    int32_t srcRowStride, int32_t srcElemStride, float val, float* const* dst, int32_t dstShift,
    int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src[k] * val for k < count; 32f matrices, element-pointer layout. */
RUKM_API rukStatus rukmMul_mac_32f_P(const float* const* src, int32_t srcShift,
    int32_t srcObjStride, float val, float* const* dst, int32_t dstShift, int32_t dstObjStride,
    int32_t width, int32_t height, int32_t count);
/* dst[k] = src[k] * val for k < count; 64f matrices, standard layout. */
RUKM_API rukStatus rukmMul_mac_64f(const double* src, int32_t srcObjStride, int32_t srcRowStride,
    int32_t srcElemStride, double val, double* dst, int32_t dstObjStride, int32_t dstRowStride,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src[k] * val for k < count; 64f matrices, pointer-list layout. */
RUKM_API rukStatus rukmMul_mac_64f_L(const double* const* src, int32_t srcShift,
    int32_t srcRowStride, int32_t srcElemStride, double val, double* const* dst, int32_t dstShift,
    int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src[k] * val for k < count; 64f matrices, element-pointer layout. */
RUKM_API rukStatus rukmMul_mac_64f_P(const double* const* src, int32_t srcShift,
    int32_t srcObjStride, double val, double* const* dst, int32_t dstShift, int32_t dstObjStride,
    int32_t width, int32_t height, int32_t count);
/* dst[k] = src[k]^T * val for k < count; 32f matrices, standard layout. */
RUKM_API rukStatus rukmMul_tac_32f(const float* src, int32_t srcObjStride, int32_t srcRowStride,
    int32_t srcElemStride, float val, float* dst, int32_t dstObjStride, int32_t dstRowStride,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src[k]^T * val for k < count; 32f matrices, pointer-list layout. */
RUKM_API rukStatus rukmMul_tac_32f_L(const float* const* src, int32_t srcShift,
    int32_t srcRowStride, int32_t srcElemStride, float val, float* const* dst, int32_t dstShift,
    int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src[k]^T * val for k < count; 32f matrices, element-pointer layout. */
RUKM_API rukStatus rukmMul_tac_32f_P(const float* const* src, int32_t srcShift,
    int32_t srcObjStride, float val, float* const* dst, int32_t dstShift, int32_t dstObjStride,
    int32_t width, int32_t height, int32_t count);
/* dst[k] = src[k]^T * val for k < count; 64f matrices, standard layout. */
RUKM_API rukStatus rukmMul_tac_64f(const double* src, int32_t srcObjStride, int32_t srcRowStride,
    int32_t srcElemStride, double val, double* dst, int32_t dstObjStride, int32_t dstRowStride,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src[k]^T * val for k < count; 64f matrices, pointer-list layout. */
RUKM_API rukStatus rukmMul_tac_64f_L(const double* const* src, int32_t srcShift,
    int32_t srcRowStride, int32_t srcElemStride, double val, double* const* dst, int32_t dstShift,
    int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src[k]^T * val for k < count; 64f matrices, element-pointer layout. */
RUKM_API rukStatus rukmMul_tac_64f_P(const double* const* src, int32_t srcShift,
    int32_t srcObjStride, double val, double* const* dst, int32_t dstShift, int32_t dstObjStride,
    int32_t width, int32_t height, int32_t count);
/* dst[k] = src[k] * val for k < count; 32f vectors, standard layout. */
RUKM_API rukStatus rukmMul_vac_32f(const float* src, int32_t srcObjStride, int32_t srcElemStride,
    float val, float* dst, int32_t dstObjStride, int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = src[k] * val for k < count; 32f vectors, pointer-list layout. */
RUKM_API rukStatus rukmMul_vac_32f_L(const float* const* src, int32_t srcShift,
    int32_t srcElemStride, float val, float* const* dst, int32_t dstShift, int32_t dstElemStride,
    int32_t len, int32_t count);
/* dst[k] = src[k] * val for k < count; 32f vectors, element-pointer layout. */
RUKM_API rukStatus rukmMul_vac_32f_P(const float* const* src, int32_t srcShift,
    int32_t srcObjStride, float val, float* const* dst, int32_t dstShift, int32_t dstObjStride,
    int32_t len, int32_t count);
/* dst[k] = src[k] * val for k < count; 64f vectors, standard layout. */
RUKM_API rukStatus rukmMul_vac_64f(const double* src, int32_t srcObjStride, int32_t srcElemStride,
    double val, double* dst, int32_t dstObjStride, int32_t dstElemStride, int32_t len,
    int32_t count);
/* dst[k] = src[k] * val for k < count; 64f vectors, pointer-list layout. */
RUKM_API rukStatus rukmMul_vac_64f_L(const double* const* src, int32_t srcShift,
    int32_t srcElemStride, double val, double* const* dst, int32_t dstShift, int32_t dstElemStride,
    int32_t len, int32_t count);
/* dst[k] = src[k] * val for k < count; 64f vectors, element-pointer layout. */
RUKM_API rukStatus rukmMul_vac_64f_P(const double* const* src, int32_t srcShift,
    int32_t srcObjStride, double val, double* const* dst, int32_t dstShift, int32_t dstObjStride,
    int32_t len, int32_t count);
/* dst[k] = src * val[k] for k < count; 32f vectors, standard layout. */
RUKM_API rukStatus rukmMul_vca_32f(const float* src, int32_t srcElemStride, const float* val,
    int32_t valObjStride, float* dst, int32_t dstObjStride, int32_t dstElemStride, int32_t len,
    int32_t count);
/* dst[k] = src * val[k] for k < count; 32f vectors, pointer-list layout. */
RUKM_API rukStatus rukmMul_vca_32f_L(const float* src, int32_t srcElemStride,
    const float* const* val, int32_t valShift, float* const* dst, int32_t dstShift,
    int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = src * val[k] for k < count; 32f vectors, element-pointer layout. */
RUKM_API rukStatus rukmMul_vca_32f_P(const float* const* src, int32_t srcShift, const float* val,
    int32_t valObjStride, float* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t len,
    int32_t count);
/* dst[k] = src * val[k] for k < count; 64f vectors, standard layout. */
RUKM_API rukStatus rukmMul_vca_64f(const double* src, int32_t srcElemStride, const double* val,
    int32_t valObjStride, double* dst, int32_t dstObjStride, int32_t dstElemStride, int32_t len,
    int32_t count);
/* dst[k] = src * val[k] for k < count; 64f vectors, pointer-list layout. */
RUKM_API rukStatus rukmMul_vca_64f_L(const double* src, int32_t srcElemStride,
    const double* const* val, int32_t valShift, double* const* dst, int32_t dstShift,
    int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = src * val[k] for k < count; 64f vectors, element-pointer layout. */
RUKM_API rukStatus rukmMul_vca_64f_P(const double* const* src, int32_t srcShift, const double* val,
    int32_t valObjStride, double* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t len,
    int32_t count);
/* dst[k] = src[k] * val[k] for k < count; 32f vectors, standard layout. */
RUKM_API rukStatus rukmMul_vaca_32f(const float* src, int32_t srcObjStride, int32_t srcElemStride,
    const float* val, int32_t valObjStride, float* dst, int32_t dstObjStride,
    int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = src[k] * val[k] for k < count; 32f vectors, pointer-list layout. */
RUKM_API rukStatus rukmMul_vaca_32f_L(const float* const* src, int32_t srcShift,
    int32_t srcElemStride, const float* const* val, int32_t valShift, float* const* dst,
    int32_t dstShift, int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = src[k] * val[k] for k < count; 32f vectors, element-pointer layout. */
RUKM_API rukStatus rukmMul_vaca_32f_P(const float* const* src, int32_t srcShift,
    int32_t srcObjStride, const float* val, int32_t valObjStride, float* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t len, int32_t count);
/* dst[k] = src[k] * val[k] for k < count; 64f vectors, standard layout. */
RUKM_API rukStatus rukmMul_vaca_64f(const double* src, int32_t srcObjStride, int32_t srcElemStride,
    const double* val, int32_t valObjStride, double* dst, int32_t dstObjStride,
    int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = src[k] * val[k] for k < count; 64f vectors, pointer-list layout. */
RUKM_API rukStatus rukmMul_vaca_64f_L(const double* const* src, int32_t srcShift,
    int32_t srcElemStride, const double* const* val, int32_t valShift, double* const* dst,
    int32_t dstShift, int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = src[k] * val[k] for k < count; 64f vectors, element-pointer layout. */
RUKM_API rukStatus rukmMul_vaca_64f_P(const double* const* src, int32_t srcShift,
    int32_t srcObjStride, const double* val, int32_t valObjStride, double* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t len, int32_t count);

/* ---------------------------------------------------------------------------------------
 * Copy between layouts: suffix = source layout then destination layout (S standard,
 * L pointer list, P element pointers). Elements move as raw bits: NaN payloads, -0 and
 * subnormals arrive unchanged. Checks: pointers, sizes, count, row and element strides,
 * shifts, then object strides only when count > 1 (rukmCopy_va_32f_LP and _SP check shifts
 * before the row and element strides).
 * ------------------------------------------------------------------------------------ */
/* dst[k] = src[k], bit for bit, for k < count; 32f matrices, standard layout to standard layout. */
RUKM_API rukStatus rukmCopy_ma_32f_SS(const float* src, int32_t srcObjStride, int32_t srcRowStride,
    int32_t srcElemStride, float* dst, int32_t dstObjStride, int32_t dstRowStride,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src[k], bit for bit, for k < count; 32f matrices, standard layout to pointer-list layout. */
RUKM_API rukStatus rukmCopy_ma_32f_SL(const float* src, int32_t srcObjStride, int32_t srcRowStride,
    int32_t srcElemStride, float* const* dst, int32_t dstShift, int32_t dstRowStride,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src[k], bit for bit, for k < count; 32f matrices, standard layout to element-pointer layout. */
RUKM_API rukStatus rukmCopy_ma_32f_SP(const float* src, int32_t srcObjStride, int32_t srcRowStride,
    int32_t srcElemStride, float* const* dst, int32_t dstShift, int32_t dstObjStride,
    int32_t width, int32_t height, int32_t count);
/* dst[k] = src[k], bit for bit, for k < count; 32f matrices, pointer-list layout to standard layout. */
RUKM_API rukStatus rukmCopy_ma_32f_LS(const float* const* src, int32_t srcShift,
    int32_t srcRowStride, int32_t srcElemStride, float* dst, int32_t dstObjStride,
    int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src[k], bit for bit, for k < count; 32f matrices, pointer-list layout to pointer-list layout. */
RUKM_API rukStatus rukmCopy_ma_32f_LL(const float* const* src, int32_t srcShift,
    int32_t srcRowStride, int32_t srcElemStride, float* const* dst, int32_t dstShift,
    int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src[k], bit for bit, for k < count; 32f matrices, pointer-list layout to element-pointer layout. */
RUKM_API rukStatus rukmCopy_ma_32f_LP(const float* const* src, int32_t srcShift,
    int32_t srcRowStride, int32_t srcElemStride, float* const* dst, int32_t dstShift,
    int32_t dstObjStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src[k], bit for bit, for k < count; 32f matrices, element-pointer layout to standard layout. */
RUKM_API rukStatus rukmCopy_ma_32f_PS(const float* const* src, int32_t srcShift,
    int32_t srcObjStride, float* dst, int32_t dstObjStride, int32_t dstRowStride,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src[k], bit for bit, for k < count; 32f matrices, element-pointer layout to pointer-list layout. */
RUKM_API rukStatus rukmCopy_ma_32f_PL(const float* const* src, int32_t srcShift,
    int32_t srcObjStride, float* const* dst, int32_t dstShift, int32_t dstRowStride,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src[k], bit for bit, for k < count; 32f matrices, element-pointer layout to element-pointer layout. */
RUKM_API rukStatus rukmCopy_ma_32f_PP(const float* const* src, int32_t srcShift,
    int32_t srcObjStride, float* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t width,
    int32_t height, int32_t count);
/* dst[k] = src[k], bit for bit, for k < count; 64f matrices, standard layout to standard layout. */
RUKM_API rukStatus rukmCopy_ma_64f_SS(const double* src, int32_t srcObjStride,
    int32_t srcRowStride, int32_t srcElemStride, double* dst, int32_t dstObjStride,
    int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src[k], bit for bit, for k < count; 64f matrices, standard layout to pointer-list layout. */
RUKM_API rukStatus rukmCopy_ma_64f_SL(const double* src, int32_t srcObjStride,
    int32_t srcRowStride, int32_t srcElemStride, double* const* dst, int32_t dstShift,
    int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src[k], bit for bit, for k < count; 64f matrices, standard layout to element-pointer layout. */
RUKM_API rukStatus rukmCopy_ma_64f_SP(const double* src, int32_t srcObjStride,
    int32_t srcRowStride, int32_t srcElemStride, double* const* dst, int32_t dstShift,
    int32_t dstObjStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src[k], bit for bit, for k < count; 64f matrices, pointer-list layout to standard layout. */
RUKM_API rukStatus rukmCopy_ma_64f_LS(const double* const* src, int32_t srcShift,
    int32_t srcRowStride, int32_t srcElemStride, double* dst, int32_t dstObjStride,
    int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src[k], bit for bit, for k < count; 64f matrices, pointer-list layout to pointer-list layout. */
RUKM_API rukStatus rukmCopy_ma_64f_LL(const double* const* src, int32_t srcShift,
    int32_t srcRowStride, int32_t srcElemStride, double* const* dst, int32_t dstShift,
    int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src[k], bit for bit, for k < count; 64f matrices, pointer-list layout to element-pointer layout. */
RUKM_API rukStatus rukmCopy_ma_64f_LP(const double* const* src, int32_t srcShift,
    int32_t srcRowStride, int32_t srcElemStride, double* const* dst, int32_t dstShift,
    int32_t dstObjStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src[k], bit for bit, for k < count; 64f matrices, element-pointer layout to standard layout. */
RUKM_API rukStatus rukmCopy_ma_64f_PS(const double* const* src, int32_t srcShift,
    int32_t srcObjStride, double* dst, int32_t dstObjStride, int32_t dstRowStride,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src[k], bit for bit, for k < count; 64f matrices, element-pointer layout to pointer-list layout. */
RUKM_API rukStatus rukmCopy_ma_64f_PL(const double* const* src, int32_t srcShift,
    int32_t srcObjStride, double* const* dst, int32_t dstShift, int32_t dstRowStride,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* dst[k] = src[k], bit for bit, for k < count; 64f matrices, element-pointer layout to element-pointer layout. */
RUKM_API rukStatus rukmCopy_ma_64f_PP(const double* const* src, int32_t srcShift,
    int32_t srcObjStride, double* const* dst, int32_t dstShift, int32_t dstObjStride,
    int32_t width, int32_t height, int32_t count);
/* dst[k] = src[k], bit for bit, for k < count; 32f vectors, standard layout to standard layout. */
RUKM_API rukStatus rukmCopy_va_32f_SS(const float* src, int32_t srcObjStride,
    int32_t srcElemStride, float* dst, int32_t dstObjStride, int32_t dstElemStride, int32_t len,
    int32_t count);
/* dst[k] = src[k], bit for bit, for k < count; 32f vectors, standard layout to pointer-list layout. */
RUKM_API rukStatus rukmCopy_va_32f_SL(const float* src, int32_t srcObjStride,
    int32_t srcElemStride, float* const* dst, int32_t dstShift, int32_t dstElemStride, int32_t len,
    int32_t count);
/* dst[k] = src[k], bit for bit, for k < count; 32f vectors, standard layout to element-pointer layout. */
RUKM_API rukStatus rukmCopy_va_32f_SP(const float* src, int32_t srcObjStride,
    int32_t srcElemStride, float* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t len,
    int32_t count);
/* dst[k] = src[k], bit for bit, for k < count; 32f vectors, pointer-list layout to standard layout. */
RUKM_API rukStatus rukmCopy_va_32f_LS(const float* const* src, int32_t srcShift,
    int32_t srcElemStride, float* dst, int32_t dstObjStride, int32_t dstElemStride, int32_t len,
    int32_t count);
/* dst[k] = src[k], bit for bit, for k < count; 32f vectors, pointer-list layout to pointer-list layout. */
RUKM_API rukStatus rukmCopy_va_32f_LL(const float* const* src, int32_t srcShift,
    int32_t srcElemStride, float* const* dst, int32_t dstShift, int32_t dstElemStride, int32_t len,
    int32_t count);
/* dst[k] = src[k], bit for bit, for k < count; 32f vectors, pointer-list layout to element-pointer layout. */
RUKM_API rukStatus rukmCopy_va_32f_LP(const float* const* src, int32_t srcShift,
    int32_t srcElemStride, float* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t len,
    int32_t count);
/* dst[k] = src[k], bit for bit, for k < count; 32f vectors, element-pointer layout to standard layout. */
RUKM_API rukStatus rukmCopy_va_32f_PS(const float* const* src, int32_t srcShift,
    int32_t srcObjStride, float* dst, int32_t dstObjStride, int32_t dstElemStride, int32_t len,
    int32_t count);
/* dst[k] = src[k], bit for bit, for k < count; 32f vectors, element-pointer layout to pointer-list layout. */
RUKM_API rukStatus rukmCopy_va_32f_PL(const float* const* src, int32_t srcShift,
    int32_t srcObjStride, float* const* dst, int32_t dstShift, int32_t dstElemStride, int32_t len,
    int32_t count);
/* dst[k] = src[k], bit for bit, for k < count; 32f vectors, element-pointer layout to element-pointer layout. */
RUKM_API rukStatus rukmCopy_va_32f_PP(const float* const* src, int32_t srcShift,
    int32_t srcObjStride, float* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t len,
    int32_t count);
/* dst[k] = src[k], bit for bit, for k < count; 64f vectors, standard layout to standard layout. */
RUKM_API rukStatus rukmCopy_va_64f_SS(const double* src, int32_t srcObjStride,
    int32_t srcElemStride, double* dst, int32_t dstObjStride, int32_t dstElemStride, int32_t len,
    int32_t count);
/* dst[k] = src[k], bit for bit, for k < count; 64f vectors, standard layout to pointer-list layout. */
RUKM_API rukStatus rukmCopy_va_64f_SL(const double* src, int32_t srcObjStride,
    int32_t srcElemStride, double* const* dst, int32_t dstShift, int32_t dstElemStride,
    int32_t len, int32_t count);
/* dst[k] = src[k], bit for bit, for k < count; 64f vectors, standard layout to element-pointer layout. */
RUKM_API rukStatus rukmCopy_va_64f_SP(const double* src, int32_t srcObjStride,
    int32_t srcElemStride, double* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t len,
    int32_t count);
/* dst[k] = src[k], bit for bit, for k < count; 64f vectors, pointer-list layout to standard layout. */
RUKM_API rukStatus rukmCopy_va_64f_LS(const double* const* src, int32_t srcShift,
    int32_t srcElemStride, double* dst, int32_t dstObjStride, int32_t dstElemStride, int32_t len,
    int32_t count);
/* dst[k] = src[k], bit for bit, for k < count; 64f vectors, pointer-list layout to pointer-list layout. */
RUKM_API rukStatus rukmCopy_va_64f_LL(const double* const* src, int32_t srcShift,
    int32_t srcElemStride, double* const* dst, int32_t dstShift, int32_t dstElemStride,
    int32_t len, int32_t count);
/* dst[k] = src[k], bit for bit, for k < count; 64f vectors, pointer-list layout to element-pointer layout. */
RUKM_API rukStatus rukmCopy_va_64f_LP(const double* const* src, int32_t srcShift,
    int32_t srcElemStride, double* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t len,
    int32_t count);
/* dst[k] = src[k], bit for bit, for k < count; 64f vectors, element-pointer layout to standard layout. */
RUKM_API rukStatus rukmCopy_va_64f_PS(const double* const* src, int32_t srcShift,
    int32_t srcObjStride, double* dst, int32_t dstObjStride, int32_t dstElemStride, int32_t len,
    int32_t count);
/* dst[k] = src[k], bit for bit, for k < count; 64f vectors, element-pointer layout to pointer-list layout. */
RUKM_API rukStatus rukmCopy_va_64f_PL(const double* const* src, int32_t srcShift,
    int32_t srcObjStride, double* const* dst, int32_t dstShift, int32_t dstElemStride, int32_t len,
    int32_t count);
/* dst[k] = src[k], bit for bit, for k < count; 64f vectors, element-pointer layout to element-pointer layout. */
RUKM_API rukStatus rukmCopy_va_64f_PP(const double* const* src, int32_t srcShift,
    int32_t srcObjStride, double* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t len,
    int32_t count);

/* ---------------------------------------------------------------------------------------
 * Extract gathers an operand of any layout into the packed buffer dst (element (i, j) of
 * object k at index (k*height + i)*width + j; element e of vector k at k*len + e), bit for
 * bit. LoadIdentity writes 0.0 everywhere and 1.0 on the diagonal. Transpose writes the
 * transpose of a height x width source into a width x height destination; source and
 * destination must not overlap. None of them runs on several threads. Check orders:
 *   Extract _m, _t, _v: pointers, sizes, strides; _m_P, _t_P and _v_64f_P: sizes, pointers,
 *     shift; _v_32f_P: pointers, size, shift; _ma, _ta, _va: pointers, sizes, count, strides;
 *     their _L and _P forms: pointers, sizes, count, shift, strides.
 *   LoadIdentity: pointer, sizes, count, row and element strides, then (standard) objStride
 *     only when count > 1 or (_L) shift; _P: pointer, sizes, count, shift (32f: shift before
 *     count), objStride only when count > 1.
 *   Transpose: pointers, count, sizes, strides, shifts.
 * ------------------------------------------------------------------------------------ */
/* Gathers src into the packed row-major buffer dst; 32f matrices, standard layout. */
RUKM_API rukStatus rukmExtract_m_32f(const float* src, int32_t srcRowStride, int32_t srcElemStride,
    float* dst, int32_t width, int32_t height);
/* Gathers src into the packed row-major buffer dst; 32f matrices, element-pointer layout. */
RUKM_API rukStatus rukmExtract_m_32f_P(const float* const* src, int32_t srcShift, float* dst,
    int32_t width, int32_t height);
/* Gathers src into the packed row-major buffer dst; 64f matrices, standard layout. */
RUKM_API rukStatus rukmExtract_m_64f(const double* src, int32_t srcRowStride,
    int32_t srcElemStride, double* dst, int32_t width, int32_t height);
/* Gathers src into the packed row-major buffer dst; 64f matrices, element-pointer layout. */
RUKM_API rukStatus rukmExtract_m_64f_P(const double* const* src, int32_t srcShift, double* dst,
    int32_t width, int32_t height);
/* Gathers src^T into the packed row-major buffer dst; 32f transposed matrices, standard layout. */
RUKM_API rukStatus rukmExtract_t_32f(const float* src, int32_t srcRowStride, int32_t srcElemStride,
    float* dst, int32_t width, int32_t height);
/* Gathers src^T into the packed row-major buffer dst; 32f transposed matrices, element-pointer layout. */
RUKM_API rukStatus rukmExtract_t_32f_P(const float* const* src, int32_t srcShift, float* dst,
    int32_t width, int32_t height);
/* Gathers src^T into the packed row-major buffer dst; 64f transposed matrices, standard layout. */
RUKM_API rukStatus rukmExtract_t_64f(const double* src, int32_t srcRowStride,
    int32_t srcElemStride, double* dst, int32_t width, int32_t height);
/* Gathers src^T into the packed row-major buffer dst; 64f transposed matrices, element-pointer layout. */
RUKM_API rukStatus rukmExtract_t_64f_P(const double* const* src, int32_t srcShift, double* dst,
    int32_t width, int32_t height);
/* Gathers src into the packed row-major buffer dst; 32f vectors, standard layout. */
RUKM_API rukStatus rukmExtract_v_32f(const float* src, int32_t srcElemStride, float* dst,
    int32_t len);
/* Gathers src into the packed row-major buffer dst; 32f vectors, element-pointer layout. */
RUKM_API rukStatus rukmExtract_v_32f_P(const float* const* src, int32_t srcShift, float* dst,
    int32_t len);
/* Gathers src into the packed row-major buffer dst; 64f vectors, standard layout. */
RUKM_API rukStatus rukmExtract_v_64f(const double* src, int32_t srcElemStride, double* dst,
    int32_t len);
/* Gathers src into the packed row-major buffer dst; 64f vectors, element-pointer layout. */
RUKM_API rukStatus rukmExtract_v_64f_P(const double* const* src, int32_t srcShift, double* dst,
    int32_t len);
/* Gathers src[k] into the packed row-major buffer dst object after object; 32f matrices, standard layout. */
RUKM_API rukStatus rukmExtract_ma_32f(const float* src, int32_t srcObjStride, int32_t srcRowStride,
    int32_t srcElemStride, float* dst, int32_t width, int32_t height, int32_t count);
/* Gathers src[k] into the packed row-major buffer dst object after object; 32f matrices, pointer-list layout. */
RUKM_API rukStatus rukmExtract_ma_32f_L(const float* const* src, int32_t srcShift,
    int32_t srcRowStride, int32_t srcElemStride, float* dst, int32_t width, int32_t height,
    int32_t count);
/* Gathers src[k] into the packed row-major buffer dst object after object; 32f matrices, element-pointer layout. */
RUKM_API rukStatus rukmExtract_ma_32f_P(const float* const* src, int32_t srcShift,
    int32_t srcObjStride, float* dst, int32_t width, int32_t height, int32_t count);
/* Gathers src[k] into the packed row-major buffer dst object after object; 64f matrices, standard layout. */
RUKM_API rukStatus rukmExtract_ma_64f(const double* src, int32_t srcObjStride,
    int32_t srcRowStride, int32_t srcElemStride, double* dst, int32_t width, int32_t height,
    int32_t count);
/* Gathers src[k] into the packed row-major buffer dst object after object; 64f matrices, pointer-list layout. */
RUKM_API rukStatus rukmExtract_ma_64f_L(const double* const* src, int32_t srcShift,
    int32_t srcRowStride, int32_t srcElemStride, double* dst, int32_t width, int32_t height,
    int32_t count);
/* Gathers src[k] into the packed row-major buffer dst object after object; 64f matrices, element-pointer layout. */
RUKM_API rukStatus rukmExtract_ma_64f_P(const double* const* src, int32_t srcShift,
    int32_t srcObjStride, double* dst, int32_t width, int32_t height, int32_t count);
/* Gathers src[k]^T into the packed row-major buffer dst object after object; 32f transposed matrices, standard layout. */
RUKM_API rukStatus rukmExtract_ta_32f(const float* src, int32_t srcObjStride, int32_t srcRowStride,
    int32_t srcElemStride, float* dst, int32_t width, int32_t height, int32_t count);
/* Gathers src[k]^T into the packed row-major buffer dst object after object; 32f transposed matrices, pointer-list layout. */
RUKM_API rukStatus rukmExtract_ta_32f_L(const float* const* src, int32_t srcShift,
    int32_t srcRowStride, int32_t srcElemStride, float* dst, int32_t width, int32_t height,
    int32_t count);
/* Gathers src[k]^T into the packed row-major buffer dst object after object; 32f transposed matrices, element-pointer layout. */
RUKM_API rukStatus rukmExtract_ta_32f_P(const float* const* src, int32_t srcShift,
    int32_t srcObjStride, float* dst, int32_t width, int32_t height, int32_t count);
/* Gathers src[k]^T into the packed row-major buffer dst object after object; 64f transposed matrices, standard layout. */
RUKM_API rukStatus rukmExtract_ta_64f(const double* src, int32_t srcObjStride,
    int32_t srcRowStride, int32_t srcElemStride, double* dst, int32_t width, int32_t height,
    int32_t count);
/* Gathers src[k]^T into the packed row-major buffer dst object after object; 64f transposed matrices, pointer-list layout. */
RUKM_API rukStatus rukmExtract_ta_64f_L(const double* const* src, int32_t srcShift,
    int32_t srcRowStride, int32_t srcElemStride, double* dst, int32_t width, int32_t height,
    int32_t count);
/* Gathers src[k]^T into the packed row-major buffer dst object after object; 64f transposed matrices, element-pointer layout. */
RUKM_API rukStatus rukmExtract_ta_64f_P(const double* const* src, int32_t srcShift,
    int32_t srcObjStride, double* dst, int32_t width, int32_t height, int32_t count);
/* Gathers src[k] into the packed row-major buffer dst object after object; 32f vectors, standard layout. */
RUKM_API rukStatus rukmExtract_va_32f(const float* src, int32_t srcObjStride,
    int32_t srcElemStride, float* dst, int32_t len, int32_t count);
/* Gathers src[k] into the packed row-major buffer dst object after object; 32f vectors, pointer-list layout. */
RUKM_API rukStatus rukmExtract_va_32f_L(const float* const* src, int32_t srcShift,
    int32_t srcElemStride, float* dst, int32_t len, int32_t count);
/* Gathers src[k] into the packed row-major buffer dst object after object; 32f vectors, element-pointer layout. */
RUKM_API rukStatus rukmExtract_va_32f_P(const float* const* src, int32_t srcShift,
    int32_t srcObjStride, float* dst, int32_t len, int32_t count);
/* Gathers src[k] into the packed row-major buffer dst object after object; 64f vectors, standard layout. */
RUKM_API rukStatus rukmExtract_va_64f(const double* src, int32_t srcObjStride,
    int32_t srcElemStride, double* dst, int32_t len, int32_t count);
/* Gathers src[k] into the packed row-major buffer dst object after object; 64f vectors, pointer-list layout. */
RUKM_API rukStatus rukmExtract_va_64f_L(const double* const* src, int32_t srcShift,
    int32_t srcElemStride, double* dst, int32_t len, int32_t count);
/* Gathers src[k] into the packed row-major buffer dst object after object; 64f vectors, element-pointer layout. */
RUKM_API rukStatus rukmExtract_va_64f_P(const double* const* src, int32_t srcShift,
    int32_t srcObjStride, double* dst, int32_t len, int32_t count);
/* Sets each dst[k] to the identity (ones on (i, i) for i < min(width, height), zeros elsewhere); 32f, standard layout. */
RUKM_API rukStatus rukmLoadIdentity_ma_32f(float* dst, int32_t dstObjStride, int32_t dstRowStride,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* Sets each dst[k] to the identity (ones on (i, i) for i < min(width, height), zeros elsewhere); 32f, pointer-list layout. */
RUKM_API rukStatus rukmLoadIdentity_ma_32f_L(float* const* dst, int32_t dstShift,
    int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* Sets each dst[k] to the identity (ones on (i, i) for i < min(width, height), zeros elsewhere); 32f, element-pointer layout. */
RUKM_API rukStatus rukmLoadIdentity_ma_32f_P(float* const* dst, int32_t dstShift,
    int32_t dstObjStride, int32_t width, int32_t height, int32_t count);
/* Sets each dst[k] to the identity (ones on (i, i) for i < min(width, height), zeros elsewhere); 64f, standard layout. */
RUKM_API rukStatus rukmLoadIdentity_ma_64f(double* dst, int32_t dstObjStride, int32_t dstRowStride,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* Sets each dst[k] to the identity (ones on (i, i) for i < min(width, height), zeros elsewhere); 64f, pointer-list layout. */
RUKM_API rukStatus rukmLoadIdentity_ma_64f_L(double* const* dst, int32_t dstShift,
    int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* Sets each dst[k] to the identity (ones on (i, i) for i < min(width, height), zeros elsewhere); 64f, element-pointer layout. */
RUKM_API rukStatus rukmLoadIdentity_ma_64f_P(double* const* dst, int32_t dstShift,
    int32_t dstObjStride, int32_t width, int32_t height, int32_t count);
/* dst = src^T (src height x width, dst width x height); 32f, standard layout. */
RUKM_API rukStatus rukmTranspose_m_32f(const float* src, int32_t srcRowStride,
    int32_t srcElemStride, int32_t width, int32_t height, float* dst, int32_t dstRowStride,
    int32_t dstElemStride);
/* dst = src^T (src height x width, dst width x height); 32f, element-pointer layout. */
RUKM_API rukStatus rukmTranspose_m_32f_P(const float* const* src, int32_t srcShift, int32_t width,
    int32_t height, float* const* dst, int32_t dstShift);
/* dst = src^T (src height x width, dst width x height); 64f, standard layout. */
RUKM_API rukStatus rukmTranspose_m_64f(const double* src, int32_t srcRowStride,
    int32_t srcElemStride, int32_t width, int32_t height, double* dst, int32_t dstRowStride,
    int32_t dstElemStride);
/* dst = src^T (src height x width, dst width x height); 64f, element-pointer layout. */
RUKM_API rukStatus rukmTranspose_m_64f_P(const double* const* src, int32_t srcShift, int32_t width,
    int32_t height, double* const* dst, int32_t dstShift);
/* dst[k] = src[k]^T (src height x width, dst width x height) for k < count; 32f, standard layout. */
RUKM_API rukStatus rukmTranspose_ma_32f(const float* src, int32_t srcObjStride,
    int32_t srcRowStride, int32_t srcElemStride, int32_t width, int32_t height, float* dst,
    int32_t dstObjStride, int32_t dstRowStride, int32_t dstElemStride, int32_t count);
/* dst[k] = src[k]^T (src height x width, dst width x height) for k < count; 32f, pointer-list layout. */
RUKM_API rukStatus rukmTranspose_ma_32f_L(const float* const* src, int32_t srcShift,
    int32_t srcRowStride, int32_t srcElemStride, int32_t width, int32_t height, float* const* dst,
    int32_t dstShift, int32_t dstRowStride, int32_t dstElemStride, int32_t count);
/* dst[k] = src[k]^T (src height x width, dst width x height) for k < count; 32f, element-pointer layout. */
RUKM_API rukStatus rukmTranspose_ma_32f_P(const float* const* src, int32_t srcShift,
    int32_t srcObjStride, int32_t width, int32_t height, float* const* dst, int32_t dstShift,
    int32_t dstObjStride, int32_t count);
/* dst[k] = src[k]^T (src height x width, dst width x height) for k < count; 64f, standard layout. */
RUKM_API rukStatus rukmTranspose_ma_64f(const double* src, int32_t srcObjStride,
    int32_t srcRowStride, int32_t srcElemStride, int32_t width, int32_t height, double* dst,
    int32_t dstObjStride, int32_t dstRowStride, int32_t dstElemStride, int32_t count);
/* dst[k] = src[k]^T (src height x width, dst width x height) for k < count; 64f, pointer-list layout. */
RUKM_API rukStatus rukmTranspose_ma_64f_L(const double* const* src, int32_t srcShift,
    int32_t srcRowStride, int32_t srcElemStride, int32_t width, int32_t height, double* const* dst,
    int32_t dstShift, int32_t dstRowStride, int32_t dstElemStride, int32_t count);
/* dst[k] = src[k]^T (src height x width, dst width x height) for k < count; 64f, element-pointer layout. */
RUKM_API rukStatus rukmTranspose_ma_64f_P(const double* const* src, int32_t srcShift,
    int32_t srcObjStride, int32_t width, int32_t height, double* const* dst, int32_t dstShift,
    int32_t dstObjStride, int32_t count);

/* ---------------------------------------------------------------------------------------
 * Matrix products. Sizes are those of the matrices as stored, also for a t operand:
 * mm needs src1Width = src2Height, mt src1Width = src2Width, tm src1Height = src2Height,
 * tt src1Height = src2Width (else rukErrSizeMismatch, checked after the sizes and before
 * any stride or shift). dst has the rows of the first factor and the columns of the second.
 * Every element is the sum over k in increasing order of one rounded product each, never
 * fused: from +0 in general, from the first product when both sources are square of order
 * 3 to 6 (so only an all -0 sum can differ, in the sign of its zero). dst must not overlap
 * a source. Array calls whose results fill tens of megabytes of packed objects may write
 * them past the caches (streaming stores); the values are the same.
 * ------------------------------------------------------------------------------------ */
/* dst = src1 * src2; 32f matrices, standard layout. */
RUKM_API rukStatus rukmMul_mm_32f(const float* src1, int32_t src1RowStride, int32_t src1ElemStride,
    int32_t src1Width, int32_t src1Height, const float* src2, int32_t src2RowStride,
    int32_t src2ElemStride, int32_t src2Width, int32_t src2Height, float* dst,
    int32_t dstRowStride, int32_t dstElemStride);
/* dst = src1 * src2; 32f matrices, element-pointer layout. */
RUKM_API rukStatus rukmMul_mm_32f_P(const float* const* src1, int32_t src1Shift, int32_t src1Width,
    int32_t src1Height, const float* const* src2, int32_t src2Shift, int32_t src2Width,
    int32_t src2Height, float* const* dst, int32_t dstShift);
/* dst = src1 * src2; 64f matrices, standard layout. */
RUKM_API rukStatus rukmMul_mm_64f(const double* src1, int32_t src1RowStride,
    int32_t src1ElemStride, int32_t src1Width, int32_t src1Height, const double* src2,
    int32_t src2RowStride, int32_t src2ElemStride, int32_t src2Width, int32_t src2Height,
    double* dst, int32_t dstRowStride, int32_t dstElemStride);
/* dst = src1 * src2; 64f matrices, element-pointer layout. */
RUKM_API rukStatus rukmMul_mm_64f_P(const double* const* src1, int32_t src1Shift,
    int32_t src1Width, int32_t src1Height, const double* const* src2, int32_t src2Shift,
    int32_t src2Width, int32_t src2Height, double* const* dst, int32_t dstShift);
/* dst = src1 * src2^T; 32f matrices, standard layout. */
RUKM_API rukStatus rukmMul_mt_32f(const float* src1, int32_t src1RowStride, int32_t src1ElemStride,
    int32_t src1Width, int32_t src1Height, const float* src2, int32_t src2RowStride,
    int32_t src2ElemStride, int32_t src2Width, int32_t src2Height, float* dst,
    int32_t dstRowStride, int32_t dstElemStride);
/* dst = src1 * src2^T; 32f matrices, element-pointer layout. */
RUKM_API rukStatus rukmMul_mt_32f_P(const float* const* src1, int32_t src1Shift, int32_t src1Width,
    int32_t src1Height, const float* const* src2, int32_t src2Shift, int32_t src2Width,
    int32_t src2Height, float* const* dst, int32_t dstShift);
/* dst = src1 * src2^T; 64f matrices, standard layout. */
RUKM_API rukStatus rukmMul_mt_64f(const double* src1, int32_t src1RowStride,
    int32_t src1ElemStride, int32_t src1Width, int32_t src1Height, const double* src2,
    int32_t src2RowStride, int32_t src2ElemStride, int32_t src2Width, int32_t src2Height,
    double* dst, int32_t dstRowStride, int32_t dstElemStride);
/* dst = src1 * src2^T; 64f matrices, element-pointer layout. */
RUKM_API rukStatus rukmMul_mt_64f_P(const double* const* src1, int32_t src1Shift,
    int32_t src1Width, int32_t src1Height, const double* const* src2, int32_t src2Shift,
    int32_t src2Width, int32_t src2Height, double* const* dst, int32_t dstShift);
/* dst = src1^T * src2; 32f matrices, standard layout. */
RUKM_API rukStatus rukmMul_tm_32f(const float* src1, int32_t src1RowStride, int32_t src1ElemStride,
    int32_t src1Width, int32_t src1Height, const float* src2, int32_t src2RowStride,
    int32_t src2ElemStride, int32_t src2Width, int32_t src2Height, float* dst,
    int32_t dstRowStride, int32_t dstElemStride);
/* dst = src1^T * src2; 32f matrices, element-pointer layout. */
RUKM_API rukStatus rukmMul_tm_32f_P(const float* const* src1, int32_t src1Shift, int32_t src1Width,
    int32_t src1Height, const float* const* src2, int32_t src2Shift, int32_t src2Width,
    int32_t src2Height, float* const* dst, int32_t dstShift);
/* dst = src1^T * src2; 64f matrices, standard layout. */
RUKM_API rukStatus rukmMul_tm_64f(const double* src1, int32_t src1RowStride,
    int32_t src1ElemStride, int32_t src1Width, int32_t src1Height, const double* src2,
    int32_t src2RowStride, int32_t src2ElemStride, int32_t src2Width, int32_t src2Height,
    double* dst, int32_t dstRowStride, int32_t dstElemStride);
/* dst = src1^T * src2; 64f matrices, element-pointer layout. */
RUKM_API rukStatus rukmMul_tm_64f_P(const double* const* src1, int32_t src1Shift,
    int32_t src1Width, int32_t src1Height, const double* const* src2, int32_t src2Shift,
    int32_t src2Width, int32_t src2Height, double* const* dst, int32_t dstShift);
/* dst = src1^T * src2^T; 32f matrices, standard layout. */
RUKM_API rukStatus rukmMul_tt_32f(const float* src1, int32_t src1RowStride, int32_t src1ElemStride,
    int32_t src1Width, int32_t src1Height, const float* src2, int32_t src2RowStride,
    int32_t src2ElemStride, int32_t src2Width, int32_t src2Height, float* dst,
    int32_t dstRowStride, int32_t dstElemStride);
/* dst = src1^T * src2^T; 32f matrices, element-pointer layout. */
RUKM_API rukStatus rukmMul_tt_32f_P(const float* const* src1, int32_t src1Shift, int32_t src1Width,
    int32_t src1Height, const float* const* src2, int32_t src2Shift, int32_t src2Width,
    int32_t src2Height, float* const* dst, int32_t dstShift);
/* dst = src1^T * src2^T; 64f matrices, standard layout. */
RUKM_API rukStatus rukmMul_tt_64f(const double* src1, int32_t src1RowStride,
    int32_t src1ElemStride, int32_t src1Width, int32_t src1Height, const double* src2,
    int32_t src2RowStride, int32_t src2ElemStride, int32_t src2Width, int32_t src2Height,
    double* dst, int32_t dstRowStride, int32_t dstElemStride);
/* dst = src1^T * src2^T; 64f matrices, element-pointer layout. */
RUKM_API rukStatus rukmMul_tt_64f_P(const double* const* src1, int32_t src1Shift,
    int32_t src1Width, int32_t src1Height, const double* const* src2, int32_t src2Shift,
    int32_t src2Width, int32_t src2Height, double* const* dst, int32_t dstShift);
/* dst[k] = src1[k] * src2 for k < count; 32f matrices, standard layout. */
RUKM_API rukStatus rukmMul_mam_32f(const float* src1, int32_t src1ObjStride, int32_t src1RowStride,
    int32_t src1ElemStride, int32_t src1Width, int32_t src1Height, const float* src2,
    int32_t src2RowStride, int32_t src2ElemStride, int32_t src2Width, int32_t src2Height,
    float* dst, int32_t dstObjStride, int32_t dstRowStride, int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k] * src2 for k < count; 32f matrices, pointer-list layout. */
RUKM_API rukStatus rukmMul_mam_32f_L(const float* const* src1, int32_t src1Shift,
    int32_t src1RowStride, int32_t src1ElemStride, int32_t src1Width, int32_t src1Height,
    const float* src2, int32_t src2RowStride, int32_t src2ElemStride, int32_t src2Width,
    int32_t src2Height, float* const* dst, int32_t dstShift, int32_t dstRowStride,
    int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k] * src2 for k < count; 32f matrices, element-pointer layout. */
RUKM_API rukStatus rukmMul_mam_32f_P(const float* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, int32_t src1Width, int32_t src1Height, const float* const* src2,
    int32_t src2Shift, int32_t src2Width, int32_t src2Height, float* const* dst, int32_t dstShift,
    int32_t dstObjStride, int32_t count);
/* dst[k] = src1[k] * src2 for k < count; 64f matrices, standard layout. */
RUKM_API rukStatus rukmMul_mam_64f(const double* src1, int32_t src1ObjStride,
    int32_t src1RowStride, int32_t src1ElemStride, int32_t src1Width, int32_t src1Height,
    const double* src2, int32_t src2RowStride, int32_t src2ElemStride, int32_t src2Width,
    int32_t src2Height, double* dst, int32_t dstObjStride, int32_t dstRowStride,
    int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k] * src2 for k < count; 64f matrices, pointer-list layout. */
RUKM_API rukStatus rukmMul_mam_64f_L(const double* const* src1, int32_t src1Shift,
    int32_t src1RowStride, int32_t src1ElemStride, int32_t src1Width, int32_t src1Height,
    const double* src2, int32_t src2RowStride, int32_t src2ElemStride, int32_t src2Width,
    int32_t src2Height, double* const* dst, int32_t dstShift, int32_t dstRowStride,
    int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k] * src2 for k < count; 64f matrices, element-pointer layout. */
RUKM_API rukStatus rukmMul_mam_64f_P(const double* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, int32_t src1Width, int32_t src1Height, const double* const* src2,
    int32_t src2Shift, int32_t src2Width, int32_t src2Height, double* const* dst, int32_t dstShift,
    int32_t dstObjStride, int32_t count);
/* dst[k] = src1[k] * src2[k] for k < count; 32f matrices, standard layout. */
RUKM_API rukStatus rukmMul_mama_32f(const float* src1, int32_t src1ObjStride,
    int32_t src1RowStride, int32_t src1ElemStride, int32_t src1Width, int32_t src1Height,
    const float* src2, int32_t src2ObjStride, int32_t src2RowStride, int32_t src2ElemStride,
    int32_t src2Width, int32_t src2Height, float* dst, int32_t dstObjStride, int32_t dstRowStride,
    int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k] * src2[k] for k < count; 32f matrices, pointer-list layout. */
RUKM_API rukStatus rukmMul_mama_32f_L(const float* const* src1, int32_t src1Shift,
    int32_t src1RowStride, int32_t src1ElemStride, int32_t src1Width, int32_t src1Height,
    const float* const* src2, int32_t src2Shift, int32_t src2RowStride, int32_t src2ElemStride,
    int32_t src2Width, int32_t src2Height, float* const* dst, int32_t dstShift,
    int32_t dstRowStride, int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k] * src2[k] for k < count; 32f matrices, element-pointer layout. */
RUKM_API rukStatus rukmMul_mama_32f_P(const float* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, int32_t src1Width, int32_t src1Height, const float* const* src2,
    int32_t src2Shift, int32_t src2ObjStride, int32_t src2Width, int32_t src2Height,
    float* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t count);
/* dst[k] = src1[k] * src2[k] for k < count; 64f matrices, standard layout. */
RUKM_API rukStatus rukmMul_mama_64f(const double* src1, int32_t src1ObjStride,
    int32_t src1RowStride, int32_t src1ElemStride, int32_t src1Width, int32_t src1Height,
    const double* src2, int32_t src2ObjStride, int32_t src2RowStride, int32_t src2ElemStride,
    int32_t src2Width, int32_t src2Height, double* dst, int32_t dstObjStride, int32_t dstRowStride,
    int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k] * src2[k] for k < count; 64f matrices, pointer-list layout. */
RUKM_API rukStatus rukmMul_mama_64f_L(const double* const* src1, int32_t src1Shift,
    int32_t src1RowStride, int32_t src1ElemStride, int32_t src1Width, int32_t src1Height,
    const double* const* src2, int32_t src2Shift, int32_t src2RowStride, int32_t src2ElemStride,
    int32_t src2Width, int32_t src2Height, double* const* dst, int32_t dstShift,
    int32_t dstRowStride, int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k] * src2[k] for k < count; 64f matrices, element-pointer layout. */
RUKM_API rukStatus rukmMul_mama_64f_P(const double* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, int32_t src1Width, int32_t src1Height, const double* const* src2,
    int32_t src2Shift, int32_t src2ObjStride, int32_t src2Width, int32_t src2Height,
    double* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t count);
/* dst[k] = src1[k] * src2^T for k < count; 32f matrices, standard layout. */
RUKM_API rukStatus rukmMul_mat_32f(const float* src1, int32_t src1ObjStride, int32_t src1RowStride,
    int32_t src1ElemStride, int32_t src1Width, int32_t src1Height, const float* src2,
    int32_t src2RowStride, int32_t src2ElemStride, int32_t src2Width, int32_t src2Height,
    float* dst, int32_t dstObjStride, int32_t dstRowStride, int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k] * src2^T for k < count; 32f matrices, pointer-list layout. */
RUKM_API rukStatus rukmMul_mat_32f_L(const float* const* src1, int32_t src1Shift,
    int32_t src1RowStride, int32_t src1ElemStride, int32_t src1Width, int32_t src1Height,
    const float* src2, int32_t src2RowStride, int32_t src2ElemStride, int32_t src2Width,
    int32_t src2Height, float* const* dst, int32_t dstShift, int32_t dstRowStride,
    int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k] * src2^T for k < count; 32f matrices, element-pointer layout. */
RUKM_API rukStatus rukmMul_mat_32f_P(const float* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, int32_t src1Width, int32_t src1Height, const float* const* src2,
    int32_t src2Shift, int32_t src2Width, int32_t src2Height, float* const* dst, int32_t dstShift,
    int32_t dstObjStride, int32_t count);
/* dst[k] = src1[k] * src2^T for k < count; 64f matrices, standard layout. */
RUKM_API rukStatus rukmMul_mat_64f(const double* src1, int32_t src1ObjStride,
    int32_t src1RowStride, int32_t src1ElemStride, int32_t src1Width, int32_t src1Height,
    const double* src2, int32_t src2RowStride, int32_t src2ElemStride, int32_t src2Width,
    int32_t src2Height, double* dst, int32_t dstObjStride, int32_t dstRowStride,
    int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k] * src2^T for k < count; 64f matrices, pointer-list layout. */
RUKM_API rukStatus rukmMul_mat_64f_L(const double* const* src1, int32_t src1Shift,
    int32_t src1RowStride, int32_t src1ElemStride, int32_t src1Width, int32_t src1Height,
    const double* src2, int32_t src2RowStride, int32_t src2ElemStride, int32_t src2Width,
    int32_t src2Height, double* const* dst, int32_t dstShift, int32_t dstRowStride,
    int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k] * src2^T for k < count; 64f matrices, element-pointer layout. */
RUKM_API rukStatus rukmMul_mat_64f_P(const double* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, int32_t src1Width, int32_t src1Height, const double* const* src2,
    int32_t src2Shift, int32_t src2Width, int32_t src2Height, double* const* dst, int32_t dstShift,
    int32_t dstObjStride, int32_t count);
/* dst[k] = src1[k] * src2[k]^T for k < count; 32f matrices, standard layout. */
RUKM_API rukStatus rukmMul_mata_32f(const float* src1, int32_t src1ObjStride,
    int32_t src1RowStride, int32_t src1ElemStride, int32_t src1Width, int32_t src1Height,
    const float* src2, int32_t src2ObjStride, int32_t src2RowStride, int32_t src2ElemStride,
    int32_t src2Width, int32_t src2Height, float* dst, int32_t dstObjStride, int32_t dstRowStride,
    int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k] * src2[k]^T for k < count; 32f matrices, pointer-list layout. */
RUKM_API rukStatus rukmMul_mata_32f_L(const float* const* src1, int32_t src1Shift,
    int32_t src1RowStride, int32_t src1ElemStride, int32_t src1Width, int32_t src1Height,
    const float* const* src2, int32_t src2Shift, int32_t src2RowStride, int32_t src2ElemStride,
    int32_t src2Width, int32_t src2Height, float* const* dst, int32_t dstShift,
    int32_t dstRowStride, int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k] * src2[k]^T for k < count; 32f matrices, element-pointer layout. */
RUKM_API rukStatus rukmMul_mata_32f_P(const float* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, int32_t src1Width, int32_t src1Height, const float* const* src2,
    int32_t src2Shift, int32_t src2ObjStride, int32_t src2Width, int32_t src2Height,
    float* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t count);
/* dst[k] = src1[k] * src2[k]^T for k < count; 64f matrices, standard layout. */
RUKM_API rukStatus rukmMul_mata_64f(const double* src1, int32_t src1ObjStride,
    int32_t src1RowStride, int32_t src1ElemStride, int32_t src1Width, int32_t src1Height,
    const double* src2, int32_t src2ObjStride, int32_t src2RowStride, int32_t src2ElemStride,
    int32_t src2Width, int32_t src2Height, double* dst, int32_t dstObjStride, int32_t dstRowStride,
    int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k] * src2[k]^T for k < count; 64f matrices, pointer-list layout. */
RUKM_API rukStatus rukmMul_mata_64f_L(const double* const* src1, int32_t src1Shift,
    int32_t src1RowStride, int32_t src1ElemStride, int32_t src1Width, int32_t src1Height,
    const double* const* src2, int32_t src2Shift, int32_t src2RowStride, int32_t src2ElemStride,
    int32_t src2Width, int32_t src2Height, double* const* dst, int32_t dstShift,
    int32_t dstRowStride, int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k] * src2[k]^T for k < count; 64f matrices, element-pointer layout. */
RUKM_API rukStatus rukmMul_mata_64f_P(const double* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, int32_t src1Width, int32_t src1Height, const double* const* src2,
    int32_t src2Shift, int32_t src2ObjStride, int32_t src2Width, int32_t src2Height,
    double* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t count);
/* dst[k] = src1 * src2[k] for k < count; 32f matrices, standard layout. */
RUKM_API rukStatus rukmMul_mma_32f(const float* src1, int32_t src1RowStride,
    int32_t src1ElemStride, int32_t src1Width, int32_t src1Height, const float* src2,
    int32_t src2ObjStride, int32_t src2RowStride, int32_t src2ElemStride, int32_t src2Width,
    int32_t src2Height, float* dst, int32_t dstObjStride, int32_t dstRowStride,
    int32_t dstElemStride, int32_t count);
/* dst[k] = src1 * src2[k] for k < count; 32f matrices, pointer-list layout. */
RUKM_API rukStatus rukmMul_mma_32f_L(const float* src1, int32_t src1RowStride,
    int32_t src1ElemStride, int32_t src1Width, int32_t src1Height, const float* const* src2,
    int32_t src2Shift, int32_t src2RowStride, int32_t src2ElemStride, int32_t src2Width,
    int32_t src2Height, float* const* dst, int32_t dstShift, int32_t dstRowStride,
    int32_t dstElemStride, int32_t count);
/* dst[k] = src1 * src2[k] for k < count; 32f matrices, element-pointer layout. */
RUKM_API rukStatus rukmMul_mma_32f_P(const float* const* src1, int32_t src1Shift,
    int32_t src1Width, int32_t src1Height, const float* const* src2, int32_t src2Shift,
    int32_t src2ObjStride, int32_t src2Width, int32_t src2Height, float* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t count);
/* dst[k] = src1 * src2[k] for k < count; 64f matrices, standard layout. */
RUKM_API rukStatus rukmMul_mma_64f(const double* src1, int32_t src1RowStride,
    int32_t src1ElemStride, int32_t src1Width, int32_t src1Height, const double* src2,
    int32_t src2ObjStride, int32_t src2RowStride, int32_t src2ElemStride, int32_t src2Width,
    int32_t src2Height, double* dst, int32_t dstObjStride, int32_t dstRowStride,
    int32_t dstElemStride, int32_t count);
/* dst[k] = src1 * src2[k] for k < count; 64f matrices, pointer-list layout. */
RUKM_API rukStatus rukmMul_mma_64f_L(const double* src1, int32_t src1RowStride,
    int32_t src1ElemStride, int32_t src1Width, int32_t src1Height, const double* const* src2,
    int32_t src2Shift, int32_t src2RowStride, int32_t src2ElemStride, int32_t src2Width,
    int32_t src2Height, double* const* dst, int32_t dstShift, int32_t dstRowStride,
    int32_t dstElemStride, int32_t count);
/* dst[k] = src1 * src2[k] for k < count; 64f matrices, element-pointer layout. */
RUKM_API rukStatus rukmMul_mma_64f_P(const double* const* src1, int32_t src1Shift,
    int32_t src1Width, int32_t src1Height, const double* const* src2, int32_t src2Shift,
    int32_t src2ObjStride, int32_t src2Width, int32_t src2Height, double* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t count);
/* dst[k] = src1 * src2[k]^T for k < count; 32f matrices, standard layout. */
RUKM_API rukStatus rukmMul_mta_32f(const float* src1, int32_t src1RowStride,
    int32_t src1ElemStride, int32_t src1Width, int32_t src1Height, const float* src2,
    int32_t src2ObjStride, int32_t src2RowStride, int32_t src2ElemStride, int32_t src2Width,
    int32_t src2Height, float* dst, int32_t dstObjStride, int32_t dstRowStride,
    int32_t dstElemStride, int32_t count);
/* dst[k] = src1 * src2[k]^T for k < count; 32f matrices, pointer-list layout. */
RUKM_API rukStatus rukmMul_mta_32f_L(const float* src1, int32_t src1RowStride,
    int32_t src1ElemStride, int32_t src1Width, int32_t src1Height, const float* const* src2,
    int32_t src2Shift, int32_t src2RowStride, int32_t src2ElemStride, int32_t src2Width,
    int32_t src2Height, float* const* dst, int32_t dstShift, int32_t dstRowStride,
    int32_t dstElemStride, int32_t count);
/* dst[k] = src1 * src2[k]^T for k < count; 32f matrices, element-pointer layout. */
RUKM_API rukStatus rukmMul_mta_32f_P(const float* const* src1, int32_t src1Shift,
    int32_t src1Width, int32_t src1Height, const float* const* src2, int32_t src2Shift,
    int32_t src2ObjStride, int32_t src2Width, int32_t src2Height, float* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t count);
/* dst[k] = src1 * src2[k]^T for k < count; 64f matrices, standard layout. */
RUKM_API rukStatus rukmMul_mta_64f(const double* src1, int32_t src1RowStride,
    int32_t src1ElemStride, int32_t src1Width, int32_t src1Height, const double* src2,
    int32_t src2ObjStride, int32_t src2RowStride, int32_t src2ElemStride, int32_t src2Width,
    int32_t src2Height, double* dst, int32_t dstObjStride, int32_t dstRowStride,
    int32_t dstElemStride, int32_t count);
/* dst[k] = src1 * src2[k]^T for k < count; 64f matrices, pointer-list layout. */
RUKM_API rukStatus rukmMul_mta_64f_L(const double* src1, int32_t src1RowStride,
    int32_t src1ElemStride, int32_t src1Width, int32_t src1Height, const double* const* src2,
    int32_t src2Shift, int32_t src2RowStride, int32_t src2ElemStride, int32_t src2Width,
    int32_t src2Height, double* const* dst, int32_t dstShift, int32_t dstRowStride,
    int32_t dstElemStride, int32_t count);
/* dst[k] = src1 * src2[k]^T for k < count; 64f matrices, element-pointer layout. */
RUKM_API rukStatus rukmMul_mta_64f_P(const double* const* src1, int32_t src1Shift,
    int32_t src1Width, int32_t src1Height, const double* const* src2, int32_t src2Shift,
    int32_t src2ObjStride, int32_t src2Width, int32_t src2Height, double* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t count);
/* dst[k] = src1[k]^T * src2 for k < count; 32f matrices, standard layout. */
RUKM_API rukStatus rukmMul_tam_32f(const float* src1, int32_t src1ObjStride, int32_t src1RowStride,
    int32_t src1ElemStride, int32_t src1Width, int32_t src1Height, const float* src2,
    int32_t src2RowStride, int32_t src2ElemStride, int32_t src2Width, int32_t src2Height,
    float* dst, int32_t dstObjStride, int32_t dstRowStride, int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k]^T * src2 for k < count; 32f matrices, pointer-list layout. */
RUKM_API rukStatus rukmMul_tam_32f_L(const float* const* src1, int32_t src1Shift,
    int32_t src1RowStride, int32_t src1ElemStride, int32_t src1Width, int32_t src1Height,
    const float* src2, int32_t src2RowStride, int32_t src2ElemStride, int32_t src2Width,
    int32_t src2Height, float* const* dst, int32_t dstShift, int32_t dstRowStride,
    int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k]^T * src2 for k < count; 32f matrices, element-pointer layout. */
RUKM_API rukStatus rukmMul_tam_32f_P(const float* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, int32_t src1Width, int32_t src1Height, const float* const* src2,
    int32_t src2Shift, int32_t src2Width, int32_t src2Height, float* const* dst, int32_t dstShift,
    int32_t dstObjStride, int32_t count);
/* dst[k] = src1[k]^T * src2 for k < count; 64f matrices, standard layout. */
RUKM_API rukStatus rukmMul_tam_64f(const double* src1, int32_t src1ObjStride,
    int32_t src1RowStride, int32_t src1ElemStride, int32_t src1Width, int32_t src1Height,
    const double* src2, int32_t src2RowStride, int32_t src2ElemStride, int32_t src2Width,
    int32_t src2Height, double* dst, int32_t dstObjStride, int32_t dstRowStride,
    int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k]^T * src2 for k < count; 64f matrices, pointer-list layout. */
RUKM_API rukStatus rukmMul_tam_64f_L(const double* const* src1, int32_t src1Shift,
    int32_t src1RowStride, int32_t src1ElemStride, int32_t src1Width, int32_t src1Height,
    const double* src2, int32_t src2RowStride, int32_t src2ElemStride, int32_t src2Width,
    int32_t src2Height, double* const* dst, int32_t dstShift, int32_t dstRowStride,
    int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k]^T * src2 for k < count; 64f matrices, element-pointer layout. */
RUKM_API rukStatus rukmMul_tam_64f_P(const double* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, int32_t src1Width, int32_t src1Height, const double* const* src2,
    int32_t src2Shift, int32_t src2Width, int32_t src2Height, double* const* dst, int32_t dstShift,
    int32_t dstObjStride, int32_t count);
/* dst[k] = src1[k]^T * src2[k] for k < count; 32f matrices, standard layout. */
RUKM_API rukStatus rukmMul_tama_32f(const float* src1, int32_t src1ObjStride,
    int32_t src1RowStride, int32_t src1ElemStride, int32_t src1Width, int32_t src1Height,
    const float* src2, int32_t src2ObjStride, int32_t src2RowStride, int32_t src2ElemStride,
    int32_t src2Width, int32_t src2Height, float* dst, int32_t dstObjStride, int32_t dstRowStride,
    int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k]^T * src2[k] for k < count; 32f matrices, pointer-list layout. */
RUKM_API rukStatus rukmMul_tama_32f_L(const float* const* src1, int32_t src1Shift,
    int32_t src1RowStride, int32_t src1ElemStride, int32_t src1Width, int32_t src1Height,
    const float* const* src2, int32_t src2Shift, int32_t src2RowStride, int32_t src2ElemStride,
    int32_t src2Width, int32_t src2Height, float* const* dst, int32_t dstShift,
    int32_t dstRowStride, int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k]^T * src2[k] for k < count; 32f matrices, element-pointer layout. */
RUKM_API rukStatus rukmMul_tama_32f_P(const float* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, int32_t src1Width, int32_t src1Height, const float* const* src2,
    int32_t src2Shift, int32_t src2ObjStride, int32_t src2Width, int32_t src2Height,
    float* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t count);
/* dst[k] = src1[k]^T * src2[k] for k < count; 64f matrices, standard layout. */
RUKM_API rukStatus rukmMul_tama_64f(const double* src1, int32_t src1ObjStride,
    int32_t src1RowStride, int32_t src1ElemStride, int32_t src1Width, int32_t src1Height,
    const double* src2, int32_t src2ObjStride, int32_t src2RowStride, int32_t src2ElemStride,
    int32_t src2Width, int32_t src2Height, double* dst, int32_t dstObjStride, int32_t dstRowStride,
    int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k]^T * src2[k] for k < count; 64f matrices, pointer-list layout. */
RUKM_API rukStatus rukmMul_tama_64f_L(const double* const* src1, int32_t src1Shift,
    int32_t src1RowStride, int32_t src1ElemStride, int32_t src1Width, int32_t src1Height,
    const double* const* src2, int32_t src2Shift, int32_t src2RowStride, int32_t src2ElemStride,
    int32_t src2Width, int32_t src2Height, double* const* dst, int32_t dstShift,
    int32_t dstRowStride, int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k]^T * src2[k] for k < count; 64f matrices, element-pointer layout. */
RUKM_API rukStatus rukmMul_tama_64f_P(const double* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, int32_t src1Width, int32_t src1Height, const double* const* src2,
    int32_t src2Shift, int32_t src2ObjStride, int32_t src2Width, int32_t src2Height,
    double* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t count);
/* dst[k] = src1[k]^T * src2^T for k < count; 32f matrices, standard layout. */
RUKM_API rukStatus rukmMul_tat_32f(const float* src1, int32_t src1ObjStride, int32_t src1RowStride,
    int32_t src1ElemStride, int32_t src1Width, int32_t src1Height, const float* src2,
    int32_t src2RowStride, int32_t src2ElemStride, int32_t src2Width, int32_t src2Height,
    float* dst, int32_t dstObjStride, int32_t dstRowStride, int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k]^T * src2^T for k < count; 32f matrices, pointer-list layout. */
RUKM_API rukStatus rukmMul_tat_32f_L(const float* const* src1, int32_t src1Shift,
    int32_t src1RowStride, int32_t src1ElemStride, int32_t src1Width, int32_t src1Height,
    const float* src2, int32_t src2RowStride, int32_t src2ElemStride, int32_t src2Width,
    int32_t src2Height, float* const* dst, int32_t dstShift, int32_t dstRowStride,
    int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k]^T * src2^T for k < count; 32f matrices, element-pointer layout. */
RUKM_API rukStatus rukmMul_tat_32f_P(const float* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, int32_t src1Width, int32_t src1Height, const float* const* src2,
    int32_t src2Shift, int32_t src2Width, int32_t src2Height, float* const* dst, int32_t dstShift,
    int32_t dstObjStride, int32_t count);
/* dst[k] = src1[k]^T * src2^T for k < count; 64f matrices, standard layout. */
RUKM_API rukStatus rukmMul_tat_64f(const double* src1, int32_t src1ObjStride,
    int32_t src1RowStride, int32_t src1ElemStride, int32_t src1Width, int32_t src1Height,
    const double* src2, int32_t src2RowStride, int32_t src2ElemStride, int32_t src2Width,
    int32_t src2Height, double* dst, int32_t dstObjStride, int32_t dstRowStride,
    int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k]^T * src2^T for k < count; 64f matrices, pointer-list layout. */
RUKM_API rukStatus rukmMul_tat_64f_L(const double* const* src1, int32_t src1Shift,
    int32_t src1RowStride, int32_t src1ElemStride, int32_t src1Width, int32_t src1Height,
    const double* src2, int32_t src2RowStride, int32_t src2ElemStride, int32_t src2Width,
    int32_t src2Height, double* const* dst, int32_t dstShift, int32_t dstRowStride,
    int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k]^T * src2^T for k < count; 64f matrices, element-pointer layout. */
RUKM_API rukStatus rukmMul_tat_64f_P(const double* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, int32_t src1Width, int32_t src1Height, const double* const* src2,
    int32_t src2Shift, int32_t src2Width, int32_t src2Height, double* const* dst, int32_t dstShift,
    int32_t dstObjStride, int32_t count);
/* dst[k] = src1[k]^T * src2[k]^T for k < count; 32f matrices, standard layout. */
RUKM_API rukStatus rukmMul_tata_32f(const float* src1, int32_t src1ObjStride,
    int32_t src1RowStride, int32_t src1ElemStride, int32_t src1Width, int32_t src1Height,
    const float* src2, int32_t src2ObjStride, int32_t src2RowStride, int32_t src2ElemStride,
    int32_t src2Width, int32_t src2Height, float* dst, int32_t dstObjStride, int32_t dstRowStride,
    int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k]^T * src2[k]^T for k < count; 32f matrices, pointer-list layout. */
RUKM_API rukStatus rukmMul_tata_32f_L(const float* const* src1, int32_t src1Shift,
    int32_t src1RowStride, int32_t src1ElemStride, int32_t src1Width, int32_t src1Height,
    const float* const* src2, int32_t src2Shift, int32_t src2RowStride, int32_t src2ElemStride,
    int32_t src2Width, int32_t src2Height, float* const* dst, int32_t dstShift,
    int32_t dstRowStride, int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k]^T * src2[k]^T for k < count; 32f matrices, element-pointer layout. */
RUKM_API rukStatus rukmMul_tata_32f_P(const float* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, int32_t src1Width, int32_t src1Height, const float* const* src2,
    int32_t src2Shift, int32_t src2ObjStride, int32_t src2Width, int32_t src2Height,
    float* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t count);
/* dst[k] = src1[k]^T * src2[k]^T for k < count; 64f matrices, standard layout. */
RUKM_API rukStatus rukmMul_tata_64f(const double* src1, int32_t src1ObjStride,
    int32_t src1RowStride, int32_t src1ElemStride, int32_t src1Width, int32_t src1Height,
    const double* src2, int32_t src2ObjStride, int32_t src2RowStride, int32_t src2ElemStride,
    int32_t src2Width, int32_t src2Height, double* dst, int32_t dstObjStride, int32_t dstRowStride,
    int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k]^T * src2[k]^T for k < count; 64f matrices, pointer-list layout. */
RUKM_API rukStatus rukmMul_tata_64f_L(const double* const* src1, int32_t src1Shift,
    int32_t src1RowStride, int32_t src1ElemStride, int32_t src1Width, int32_t src1Height,
    const double* const* src2, int32_t src2Shift, int32_t src2RowStride, int32_t src2ElemStride,
    int32_t src2Width, int32_t src2Height, double* const* dst, int32_t dstShift,
    int32_t dstRowStride, int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k]^T * src2[k]^T for k < count; 64f matrices, element-pointer layout. */
RUKM_API rukStatus rukmMul_tata_64f_P(const double* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, int32_t src1Width, int32_t src1Height, const double* const* src2,
    int32_t src2Shift, int32_t src2ObjStride, int32_t src2Width, int32_t src2Height,
    double* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t count);
/* dst[k] = src1^T * src2[k] for k < count; 32f matrices, standard layout. */
RUKM_API rukStatus rukmMul_tma_32f(const float* src1, int32_t src1RowStride,
    int32_t src1ElemStride, int32_t src1Width, int32_t src1Height, const float* src2,
    int32_t src2ObjStride, int32_t src2RowStride, int32_t src2ElemStride, int32_t src2Width,
    int32_t src2Height, float* dst, int32_t dstObjStride, int32_t dstRowStride,
    int32_t dstElemStride, int32_t count);
/* dst[k] = src1^T * src2[k] for k < count; 32f matrices, pointer-list layout. */
RUKM_API rukStatus rukmMul_tma_32f_L(const float* src1, int32_t src1RowStride,
    int32_t src1ElemStride, int32_t src1Width, int32_t src1Height, const float* const* src2,
    int32_t src2Shift, int32_t src2RowStride, int32_t src2ElemStride, int32_t src2Width,
    int32_t src2Height, float* const* dst, int32_t dstShift, int32_t dstRowStride,
    int32_t dstElemStride, int32_t count);
/* dst[k] = src1^T * src2[k] for k < count; 32f matrices, element-pointer layout. */
RUKM_API rukStatus rukmMul_tma_32f_P(const float* const* src1, int32_t src1Shift,
    int32_t src1Width, int32_t src1Height, const float* const* src2, int32_t src2Shift,
    int32_t src2ObjStride, int32_t src2Width, int32_t src2Height, float* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t count);
/* dst[k] = src1^T * src2[k] for k < count; 64f matrices, standard layout. */
RUKM_API rukStatus rukmMul_tma_64f(const double* src1, int32_t src1RowStride,
    int32_t src1ElemStride, int32_t src1Width, int32_t src1Height, const double* src2,
    int32_t src2ObjStride, int32_t src2RowStride, int32_t src2ElemStride, int32_t src2Width,
    int32_t src2Height, double* dst, int32_t dstObjStride, int32_t dstRowStride,
    int32_t dstElemStride, int32_t count);
/* dst[k] = src1^T * src2[k] for k < count; 64f matrices, pointer-list layout. */
RUKM_API rukStatus rukmMul_tma_64f_L(const double* src1, int32_t src1RowStride,
    int32_t src1ElemStride, int32_t src1Width, int32_t src1Height, const double* const* src2,
    int32_t src2Shift, int32_t src2RowStride, int32_t src2ElemStride, int32_t src2Width,
    int32_t src2Height, double* const* dst, int32_t dstShift, int32_t dstRowStride,
    int32_t dstElemStride, int32_t count);
/* dst[k] = src1^T * src2[k] for k < count; 64f matrices, element-pointer layout. */
RUKM_API rukStatus rukmMul_tma_64f_P(const double* const* src1, int32_t src1Shift,
    int32_t src1Width, int32_t src1Height, const double* const* src2, int32_t src2Shift,
    int32_t src2ObjStride, int32_t src2Width, int32_t src2Height, double* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t count);
/* dst[k] = src1^T * src2[k]^T for k < count; 32f matrices, standard layout. */
RUKM_API rukStatus rukmMul_tta_32f(const float* src1, int32_t src1RowStride,
    int32_t src1ElemStride, int32_t src1Width, int32_t src1Height, const float* src2,
    int32_t src2ObjStride, int32_t src2RowStride, int32_t src2ElemStride, int32_t src2Width,
    int32_t src2Height, float* dst, int32_t dstObjStride, int32_t dstRowStride,
    int32_t dstElemStride, int32_t count);
/* dst[k] = src1^T * src2[k]^T for k < count; 32f matrices, pointer-list layout. */
RUKM_API rukStatus rukmMul_tta_32f_L(const float* src1, int32_t src1RowStride,
    int32_t src1ElemStride, int32_t src1Width, int32_t src1Height, const float* const* src2,
    int32_t src2Shift, int32_t src2RowStride, int32_t src2ElemStride, int32_t src2Width,
    int32_t src2Height, float* const* dst, int32_t dstShift, int32_t dstRowStride,
    int32_t dstElemStride, int32_t count);
/* dst[k] = src1^T * src2[k]^T for k < count; 32f matrices, element-pointer layout. */
RUKM_API rukStatus rukmMul_tta_32f_P(const float* const* src1, int32_t src1Shift,
    int32_t src1Width, int32_t src1Height, const float* const* src2, int32_t src2Shift,
    int32_t src2ObjStride, int32_t src2Width, int32_t src2Height, float* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t count);
/* dst[k] = src1^T * src2[k]^T for k < count; 64f matrices, standard layout. */
RUKM_API rukStatus rukmMul_tta_64f(const double* src1, int32_t src1RowStride,
    int32_t src1ElemStride, int32_t src1Width, int32_t src1Height, const double* src2,
    int32_t src2ObjStride, int32_t src2RowStride, int32_t src2ElemStride, int32_t src2Width,
    int32_t src2Height, double* dst, int32_t dstObjStride, int32_t dstRowStride,
    int32_t dstElemStride, int32_t count);
/* dst[k] = src1^T * src2[k]^T for k < count; 64f matrices, pointer-list layout. */
RUKM_API rukStatus rukmMul_tta_64f_L(const double* src1, int32_t src1RowStride,
    int32_t src1ElemStride, int32_t src1Width, int32_t src1Height, const double* const* src2,
    int32_t src2Shift, int32_t src2RowStride, int32_t src2ElemStride, int32_t src2Width,
    int32_t src2Height, double* const* dst, int32_t dstShift, int32_t dstRowStride,
    int32_t dstElemStride, int32_t count);
/* dst[k] = src1^T * src2[k]^T for k < count; 64f matrices, element-pointer layout. */
RUKM_API rukStatus rukmMul_tta_64f_P(const double* const* src1, int32_t src1Shift,
    int32_t src1Width, int32_t src1Height, const double* const* src2, int32_t src2Shift,
    int32_t src2ObjStride, int32_t src2Width, int32_t src2Height, double* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t count);

/* ---------------------------------------------------------------------------------------
 * Matrix-vector products and Gaxpy. src1 has src1Height rows and src1Width columns as
 * stored. Mul mv needs src1Width = src2Len and writes src1Height elements; tv (the transpose
 * of src1) needs src1Height = src2Len and writes src1Width. Gaxpy needs src1Width = src2Len
 * and src1Height = src3Len. Mismatches give rukErrSizeMismatch after the size checks and
 * before the strides. Sums run over k in increasing order from +0 (from the first product
 * for square orders 3 to 6); Gaxpy adds y last, and its single forms of orders 4 to 6 add
 * the last column's product first. dst must not overlap a source.
 * ------------------------------------------------------------------------------------ */
/* dst = src1 * src2; 32f, standard layout. */
RUKM_API rukStatus rukmMul_mv_32f(const float* src1, int32_t src1RowStride, int32_t src1ElemStride,
    int32_t src1Width, int32_t src1Height, const float* src2, int32_t src2ElemStride,
    int32_t src2Len, float* dst, int32_t dstElemStride);
/* dst = src1 * src2; 32f, element-pointer layout. */
RUKM_API rukStatus rukmMul_mv_32f_P(const float* const* src1, int32_t src1Shift, int32_t src1Width,
    int32_t src1Height, const float* const* src2, int32_t src2Shift, int32_t src2Len,
    float* const* dst, int32_t dstShift);
/* dst = src1 * src2; 64f, standard layout. */
RUKM_API rukStatus rukmMul_mv_64f(const double* src1, int32_t src1RowStride,
    int32_t src1ElemStride, int32_t src1Width, int32_t src1Height, const double* src2,
    int32_t src2ElemStride, int32_t src2Len, double* dst, int32_t dstElemStride);
/* dst = src1 * src2; 64f, element-pointer layout. */
RUKM_API rukStatus rukmMul_mv_64f_P(const double* const* src1, int32_t src1Shift,
    int32_t src1Width, int32_t src1Height, const double* const* src2, int32_t src2Shift,
    int32_t src2Len, double* const* dst, int32_t dstShift);
/* dst = src1^T * src2; 32f, standard layout. */
RUKM_API rukStatus rukmMul_tv_32f(const float* src1, int32_t src1RowStride, int32_t src1ElemStride,
    int32_t src1Width, int32_t src1Height, const float* src2, int32_t src2ElemStride,
    int32_t src2Len, float* dst, int32_t dstElemStride);
/* dst = src1^T * src2; 32f, element-pointer layout. */
RUKM_API rukStatus rukmMul_tv_32f_P(const float* const* src1, int32_t src1Shift, int32_t src1Width,
    int32_t src1Height, const float* const* src2, int32_t src2Shift, int32_t src2Len,
    float* const* dst, int32_t dstShift);
/* dst = src1^T * src2; 64f, standard layout. */
RUKM_API rukStatus rukmMul_tv_64f(const double* src1, int32_t src1RowStride,
    int32_t src1ElemStride, int32_t src1Width, int32_t src1Height, const double* src2,
    int32_t src2ElemStride, int32_t src2Len, double* dst, int32_t dstElemStride);
/* dst = src1^T * src2; 64f, element-pointer layout. */
RUKM_API rukStatus rukmMul_tv_64f_P(const double* const* src1, int32_t src1Shift,
    int32_t src1Width, int32_t src1Height, const double* const* src2, int32_t src2Shift,
    int32_t src2Len, double* const* dst, int32_t dstShift);
/* dst[k] = src1 * src2[k] for k < count; 32f, standard layout. */
RUKM_API rukStatus rukmMul_mva_32f(const float* src1, int32_t src1RowStride,
    int32_t src1ElemStride, int32_t src1Width, int32_t src1Height, const float* src2,
    int32_t src2ObjStride, int32_t src2ElemStride, int32_t src2Len, float* dst,
    int32_t dstObjStride, int32_t dstElemStride, int32_t count);
/* dst[k] = src1 * src2[k] for k < count; 32f, pointer-list layout. */
RUKM_API rukStatus rukmMul_mva_32f_L(const float* src1, int32_t src1RowStride,
    int32_t src1ElemStride, int32_t src1Width, int32_t src1Height, const float* const* src2,
    int32_t src2Shift, int32_t src2ElemStride, int32_t src2Len, float* const* dst,
    int32_t dstShift, int32_t dstElemStride, int32_t count);
/* dst[k] = src1 * src2[k] for k < count; 32f, element-pointer layout. */
RUKM_API rukStatus rukmMul_mva_32f_P(const float* const* src1, int32_t src1Shift,
    int32_t src1Width, int32_t src1Height, const float* const* src2, int32_t src2Shift,
    int32_t src2ObjStride, int32_t src2Len, float* const* dst, int32_t dstShift,
    int32_t dstObjStride, int32_t count);
/* dst[k] = src1 * src2[k] for k < count; 64f, standard layout. */
RUKM_API rukStatus rukmMul_mva_64f(const double* src1, int32_t src1RowStride,
    int32_t src1ElemStride, int32_t src1Width, int32_t src1Height, const double* src2,
    int32_t src2ObjStride, int32_t src2ElemStride, int32_t src2Len, double* dst,
    int32_t dstObjStride, int32_t dstElemStride, int32_t count);
/* dst[k] = src1 * src2[k] for k < count; 64f, pointer-list layout. */
RUKM_API rukStatus rukmMul_mva_64f_L(const double* src1, int32_t src1RowStride,
    int32_t src1ElemStride, int32_t src1Width, int32_t src1Height, const double* const* src2,
    int32_t src2Shift, int32_t src2ElemStride, int32_t src2Len, double* const* dst,
    int32_t dstShift, int32_t dstElemStride, int32_t count);
/* dst[k] = src1 * src2[k] for k < count; 64f, element-pointer layout. */
RUKM_API rukStatus rukmMul_mva_64f_P(const double* const* src1, int32_t src1Shift,
    int32_t src1Width, int32_t src1Height, const double* const* src2, int32_t src2Shift,
    int32_t src2ObjStride, int32_t src2Len, double* const* dst, int32_t dstShift,
    int32_t dstObjStride, int32_t count);
/* dst[k] = src1^T * src2[k] for k < count; 32f, standard layout. */
RUKM_API rukStatus rukmMul_tva_32f(const float* src1, int32_t src1RowStride,
    int32_t src1ElemStride, int32_t src1Width, int32_t src1Height, const float* src2,
    int32_t src2ObjStride, int32_t src2ElemStride, int32_t src2Len, float* dst,
    int32_t dstObjStride, int32_t dstElemStride, int32_t count);
/* dst[k] = src1^T * src2[k] for k < count; 32f, pointer-list layout. */
RUKM_API rukStatus rukmMul_tva_32f_L(const float* src1, int32_t src1RowStride,
    int32_t src1ElemStride, int32_t src1Width, int32_t src1Height, const float* const* src2,
    int32_t src2Shift, int32_t src2ElemStride, int32_t src2Len, float* const* dst,
    int32_t dstShift, int32_t dstElemStride, int32_t count);
/* dst[k] = src1^T * src2[k] for k < count; 32f, element-pointer layout. */
RUKM_API rukStatus rukmMul_tva_32f_P(const float* const* src1, int32_t src1Shift,
    int32_t src1Width, int32_t src1Height, const float* const* src2, int32_t src2Shift,
    int32_t src2ObjStride, int32_t src2Len, float* const* dst, int32_t dstShift,
    int32_t dstObjStride, int32_t count);
/* dst[k] = src1^T * src2[k] for k < count; 64f, standard layout. */
RUKM_API rukStatus rukmMul_tva_64f(const double* src1, int32_t src1RowStride,
    int32_t src1ElemStride, int32_t src1Width, int32_t src1Height, const double* src2,
    int32_t src2ObjStride, int32_t src2ElemStride, int32_t src2Len, double* dst,
    int32_t dstObjStride, int32_t dstElemStride, int32_t count);
/* dst[k] = src1^T * src2[k] for k < count; 64f, pointer-list layout. */
RUKM_API rukStatus rukmMul_tva_64f_L(const double* src1, int32_t src1RowStride,
    int32_t src1ElemStride, int32_t src1Width, int32_t src1Height, const double* const* src2,
    int32_t src2Shift, int32_t src2ElemStride, int32_t src2Len, double* const* dst,
    int32_t dstShift, int32_t dstElemStride, int32_t count);
/* dst[k] = src1^T * src2[k] for k < count; 64f, element-pointer layout. */
RUKM_API rukStatus rukmMul_tva_64f_P(const double* const* src1, int32_t src1Shift,
    int32_t src1Width, int32_t src1Height, const double* const* src2, int32_t src2Shift,
    int32_t src2ObjStride, int32_t src2Len, double* const* dst, int32_t dstShift,
    int32_t dstObjStride, int32_t count);
/* dst[k] = src1[k] * src2 for k < count; 32f, standard layout. */
RUKM_API rukStatus rukmMul_mav_32f(const float* src1, int32_t src1ObjStride, int32_t src1RowStride,
    int32_t src1ElemStride, int32_t src1Width, int32_t src1Height, const float* src2,
    int32_t src2ElemStride, int32_t src2Len, float* dst, int32_t dstObjStride,
    int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k] * src2 for k < count; 32f, pointer-list layout. */
RUKM_API rukStatus rukmMul_mav_32f_L(const float* const* src1, int32_t src1Shift,
    int32_t src1RowStride, int32_t src1ElemStride, int32_t src1Width, int32_t src1Height,
    const float* src2, int32_t src2ElemStride, int32_t src2Len, float* const* dst,
    int32_t dstShift, int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k] * src2 for k < count; 32f, element-pointer layout. */
RUKM_API rukStatus rukmMul_mav_32f_P(const float* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, int32_t src1Width, int32_t src1Height, const float* const* src2,
    int32_t src2Shift, int32_t src2Len, float* const* dst, int32_t dstShift, int32_t dstObjStride,
    int32_t count);
/* dst[k] = src1[k] * src2 for k < count; 64f, standard layout. */
RUKM_API rukStatus rukmMul_mav_64f(const double* src1, int32_t src1ObjStride,
    int32_t src1RowStride, int32_t src1ElemStride, int32_t src1Width, int32_t src1Height,
    const double* src2, int32_t src2ElemStride, int32_t src2Len, double* dst, int32_t dstObjStride,
    int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k] * src2 for k < count; 64f, pointer-list layout. */
RUKM_API rukStatus rukmMul_mav_64f_L(const double* const* src1, int32_t src1Shift,
    int32_t src1RowStride, int32_t src1ElemStride, int32_t src1Width, int32_t src1Height,
    const double* src2, int32_t src2ElemStride, int32_t src2Len, double* const* dst,
    int32_t dstShift, int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k] * src2 for k < count; 64f, element-pointer layout. */
RUKM_API rukStatus rukmMul_mav_64f_P(const double* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, int32_t src1Width, int32_t src1Height, const double* const* src2,
    int32_t src2Shift, int32_t src2Len, double* const* dst, int32_t dstShift, int32_t dstObjStride,
    int32_t count);
/* dst[k] = src1[k]^T * src2 for k < count; 32f, standard layout. */
RUKM_API rukStatus rukmMul_tav_32f(const float* src1, int32_t src1ObjStride, int32_t src1RowStride,
    int32_t src1ElemStride, int32_t src1Width, int32_t src1Height, const float* src2,
    int32_t src2ElemStride, int32_t src2Len, float* dst, int32_t dstObjStride,
    int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k]^T * src2 for k < count; 32f, pointer-list layout. */
RUKM_API rukStatus rukmMul_tav_32f_L(const float* const* src1, int32_t src1Shift,
    int32_t src1RowStride, int32_t src1ElemStride, int32_t src1Width, int32_t src1Height,
    const float* src2, int32_t src2ElemStride, int32_t src2Len, float* const* dst,
    int32_t dstShift, int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k]^T * src2 for k < count; 32f, element-pointer layout. */
RUKM_API rukStatus rukmMul_tav_32f_P(const float* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, int32_t src1Width, int32_t src1Height, const float* const* src2,
    int32_t src2Shift, int32_t src2Len, float* const* dst, int32_t dstShift, int32_t dstObjStride,
    int32_t count);
/* dst[k] = src1[k]^T * src2 for k < count; 64f, standard layout. */
RUKM_API rukStatus rukmMul_tav_64f(const double* src1, int32_t src1ObjStride,
    int32_t src1RowStride, int32_t src1ElemStride, int32_t src1Width, int32_t src1Height,
    const double* src2, int32_t src2ElemStride, int32_t src2Len, double* dst, int32_t dstObjStride,
    int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k]^T * src2 for k < count; 64f, pointer-list layout. */
RUKM_API rukStatus rukmMul_tav_64f_L(const double* const* src1, int32_t src1Shift,
    int32_t src1RowStride, int32_t src1ElemStride, int32_t src1Width, int32_t src1Height,
    const double* src2, int32_t src2ElemStride, int32_t src2Len, double* const* dst,
    int32_t dstShift, int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k]^T * src2 for k < count; 64f, element-pointer layout. */
RUKM_API rukStatus rukmMul_tav_64f_P(const double* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, int32_t src1Width, int32_t src1Height, const double* const* src2,
    int32_t src2Shift, int32_t src2Len, double* const* dst, int32_t dstShift, int32_t dstObjStride,
    int32_t count);
/* dst[k] = src1[k] * src2[k] for k < count; 32f, standard layout. */
RUKM_API rukStatus rukmMul_mava_32f(const float* src1, int32_t src1ObjStride,
    int32_t src1RowStride, int32_t src1ElemStride, int32_t src1Width, int32_t src1Height,
    const float* src2, int32_t src2ObjStride, int32_t src2ElemStride, int32_t src2Len, float* dst,
    int32_t dstObjStride, int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k] * src2[k] for k < count; 32f, pointer-list layout. */
RUKM_API rukStatus rukmMul_mava_32f_L(const float* const* src1, int32_t src1Shift,
    int32_t src1RowStride, int32_t src1ElemStride, int32_t src1Width, int32_t src1Height,
    const float* const* src2, int32_t src2Shift, int32_t src2ElemStride, int32_t src2Len,
    float* const* dst, int32_t dstShift, int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k] * src2[k] for k < count; 32f, element-pointer layout. */
RUKM_API rukStatus rukmMul_mava_32f_P(const float* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, int32_t src1Width, int32_t src1Height, const float* const* src2,
    int32_t src2Shift, int32_t src2ObjStride, int32_t src2Len, float* const* dst, int32_t dstShift,
    int32_t dstObjStride, int32_t count);
/* dst[k] = src1[k] * src2[k] for k < count; 64f, standard layout. */
RUKM_API rukStatus rukmMul_mava_64f(const double* src1, int32_t src1ObjStride,
    int32_t src1RowStride, int32_t src1ElemStride, int32_t src1Width, int32_t src1Height,
    const double* src2, int32_t src2ObjStride, int32_t src2ElemStride, int32_t src2Len,
    double* dst, int32_t dstObjStride, int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k] * src2[k] for k < count; 64f, pointer-list layout. */
RUKM_API rukStatus rukmMul_mava_64f_L(const double* const* src1, int32_t src1Shift,
    int32_t src1RowStride, int32_t src1ElemStride, int32_t src1Width, int32_t src1Height,
    const double* const* src2, int32_t src2Shift, int32_t src2ElemStride, int32_t src2Len,
    double* const* dst, int32_t dstShift, int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k] * src2[k] for k < count; 64f, element-pointer layout. */
RUKM_API rukStatus rukmMul_mava_64f_P(const double* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, int32_t src1Width, int32_t src1Height, const double* const* src2,
    int32_t src2Shift, int32_t src2ObjStride, int32_t src2Len, double* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t count);
/* dst[k] = src1[k]^T * src2[k] for k < count; 32f, standard layout. */
RUKM_API rukStatus rukmMul_tava_32f(const float* src1, int32_t src1ObjStride,
    int32_t src1RowStride, int32_t src1ElemStride, int32_t src1Width, int32_t src1Height,
    const float* src2, int32_t src2ObjStride, int32_t src2ElemStride, int32_t src2Len, float* dst,
    int32_t dstObjStride, int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k]^T * src2[k] for k < count; 32f, pointer-list layout. */
RUKM_API rukStatus rukmMul_tava_32f_L(const float* const* src1, int32_t src1Shift,
    int32_t src1RowStride, int32_t src1ElemStride, int32_t src1Width, int32_t src1Height,
    const float* const* src2, int32_t src2Shift, int32_t src2ElemStride, int32_t src2Len,
    float* const* dst, int32_t dstShift, int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k]^T * src2[k] for k < count; 32f, element-pointer layout. */
RUKM_API rukStatus rukmMul_tava_32f_P(const float* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, int32_t src1Width, int32_t src1Height, const float* const* src2,
    int32_t src2Shift, int32_t src2ObjStride, int32_t src2Len, float* const* dst, int32_t dstShift,
    int32_t dstObjStride, int32_t count);
/* dst[k] = src1[k]^T * src2[k] for k < count; 64f, standard layout. */
RUKM_API rukStatus rukmMul_tava_64f(const double* src1, int32_t src1ObjStride,
    int32_t src1RowStride, int32_t src1ElemStride, int32_t src1Width, int32_t src1Height,
    const double* src2, int32_t src2ObjStride, int32_t src2ElemStride, int32_t src2Len,
    double* dst, int32_t dstObjStride, int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k]^T * src2[k] for k < count; 64f, pointer-list layout. */
RUKM_API rukStatus rukmMul_tava_64f_L(const double* const* src1, int32_t src1Shift,
    int32_t src1RowStride, int32_t src1ElemStride, int32_t src1Width, int32_t src1Height,
    const double* const* src2, int32_t src2Shift, int32_t src2ElemStride, int32_t src2Len,
    double* const* dst, int32_t dstShift, int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k]^T * src2[k] for k < count; 64f, element-pointer layout. */
RUKM_API rukStatus rukmMul_tava_64f_P(const double* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, int32_t src1Width, int32_t src1Height, const double* const* src2,
    int32_t src2Shift, int32_t src2ObjStride, int32_t src2Len, double* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t count);
/* dst = src1 * src2 + src3; 32f, standard layout. */
RUKM_API rukStatus rukmGaxpy_mv_32f(const float* src1, int32_t src1RowStride,
    int32_t src1ElemStride, int32_t src1Width, int32_t src1Height, const float* src2,
    int32_t src2ElemStride, int32_t src2Len, const float* src3, int32_t src3ElemStride,
    int32_t src3Len, float* dst, int32_t dstElemStride);
/* dst = src1 * src2 + src3; 32f, element-pointer layout. */
RUKM_API rukStatus rukmGaxpy_mv_32f_P(const float* const* src1, int32_t src1Shift,
    int32_t src1Width, int32_t src1Height, const float* const* src2, int32_t src2Shift,
    int32_t src2Len, const float* const* src3, int32_t src3Shift, int32_t src3Len,
    float* const* dst, int32_t dstShift);
/* dst = src1 * src2 + src3; 64f, standard layout. */
RUKM_API rukStatus rukmGaxpy_mv_64f(const double* src1, int32_t src1RowStride,
    int32_t src1ElemStride, int32_t src1Width, int32_t src1Height, const double* src2,
    int32_t src2ElemStride, int32_t src2Len, const double* src3, int32_t src3ElemStride,
    int32_t src3Len, double* dst, int32_t dstElemStride);
/* dst = src1 * src2 + src3; 64f, element-pointer layout. */
RUKM_API rukStatus rukmGaxpy_mv_64f_P(const double* const* src1, int32_t src1Shift,
    int32_t src1Width, int32_t src1Height, const double* const* src2, int32_t src2Shift,
    int32_t src2Len, const double* const* src3, int32_t src3Shift, int32_t src3Len,
    double* const* dst, int32_t dstShift);
/* dst[k] = src1 * src2[k] + src3[k] for k < count; 32f, standard layout. */
RUKM_API rukStatus rukmGaxpy_mva_32f(const float* src1, int32_t src1RowStride,
    int32_t src1ElemStride, int32_t src1Width, int32_t src1Height, const float* src2,
    int32_t src2ObjStride, int32_t src2ElemStride, int32_t src2Len, const float* src3,
    int32_t src3ObjStride, int32_t src3ElemStride, int32_t src3Len, float* dst,
    int32_t dstObjStride, int32_t dstElemStride, int32_t count);
/* dst[k] = src1 * src2[k] + src3[k] for k < count; 32f, pointer-list layout. */
RUKM_API rukStatus rukmGaxpy_mva_32f_L(const float* src1, int32_t src1RowStride,
    int32_t src1ElemStride, int32_t src1Width, int32_t src1Height, const float* const* src2,
    int32_t src2Shift, int32_t src2ElemStride, int32_t src2Len, const float* const* src3,
    int32_t src3Shift, int32_t src3ElemStride, int32_t src3Len, float* const* dst,
    int32_t dstShift, int32_t dstElemStride, int32_t count);
/* dst[k] = src1 * src2[k] + src3[k] for k < count; 32f, element-pointer layout. */
RUKM_API rukStatus rukmGaxpy_mva_32f_P(const float* const* src1, int32_t src1Shift,
    int32_t src1Width, int32_t src1Height, const float* const* src2, int32_t src2Shift,
    int32_t src2ObjStride, int32_t src2Len, const float* const* src3, int32_t src3Shift,
    int32_t src3ObjStride, int32_t src3Len, float* const* dst, int32_t dstShift,
    int32_t dstObjStride, int32_t count);
/* dst[k] = src1 * src2[k] + src3[k] for k < count; 64f, standard layout. */
RUKM_API rukStatus rukmGaxpy_mva_64f(const double* src1, int32_t src1RowStride,
    int32_t src1ElemStride, int32_t src1Width, int32_t src1Height, const double* src2,
    int32_t src2ObjStride, int32_t src2ElemStride, int32_t src2Len, const double* src3,
    int32_t src3ObjStride, int32_t src3ElemStride, int32_t src3Len, double* dst,
    int32_t dstObjStride, int32_t dstElemStride, int32_t count);
/* dst[k] = src1 * src2[k] + src3[k] for k < count; 64f, pointer-list layout. */
RUKM_API rukStatus rukmGaxpy_mva_64f_L(const double* src1, int32_t src1RowStride,
    int32_t src1ElemStride, int32_t src1Width, int32_t src1Height, const double* const* src2,
    int32_t src2Shift, int32_t src2ElemStride, int32_t src2Len, const double* const* src3,
    int32_t src3Shift, int32_t src3ElemStride, int32_t src3Len, double* const* dst,
    int32_t dstShift, int32_t dstElemStride, int32_t count);
/* dst[k] = src1 * src2[k] + src3[k] for k < count; 64f, element-pointer layout. */
RUKM_API rukStatus rukmGaxpy_mva_64f_P(const double* const* src1, int32_t src1Shift,
    int32_t src1Width, int32_t src1Height, const double* const* src2, int32_t src2Shift,
    int32_t src2ObjStride, int32_t src2Len, const double* const* src3, int32_t src3Shift,
    int32_t src3ObjStride, int32_t src3Len, double* const* dst, int32_t dstShift,
    int32_t dstObjStride, int32_t count);
/* dst[k] = src1 * src2[k] + src3 for k < count; 32f, standard layout. */
RUKM_API rukStatus rukmGaxpy_mvav_32f(const float* src1, int32_t src1RowStride,
    int32_t src1ElemStride, int32_t src1Width, int32_t src1Height, const float* src2,
    int32_t src2ObjStride, int32_t src2ElemStride, int32_t src2Len, const float* src3,
    int32_t src3ElemStride, int32_t src3Len, float* dst, int32_t dstObjStride,
    int32_t dstElemStride, int32_t count);
/* dst[k] = src1 * src2[k] + src3 for k < count; 32f, pointer-list layout. */
RUKM_API rukStatus rukmGaxpy_mvav_32f_L(const float* src1, int32_t src1RowStride,
    int32_t src1ElemStride, int32_t src1Width, int32_t src1Height, const float* const* src2,
    int32_t src2Shift, int32_t src2ElemStride, int32_t src2Len, const float* src3,
    int32_t src3ElemStride, int32_t src3Len, float* const* dst, int32_t dstShift,
    int32_t dstElemStride, int32_t count);
/* dst[k] = src1 * src2[k] + src3 for k < count; 32f, element-pointer layout. */
RUKM_API rukStatus rukmGaxpy_mvav_32f_P(const float* const* src1, int32_t src1Shift,
    int32_t src1Width, int32_t src1Height, const float* const* src2, int32_t src2Shift,
    int32_t src2ObjStride, int32_t src2Len, const float* const* src3, int32_t src3Shift,
    int32_t src3Len, float* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t count);
/* dst[k] = src1 * src2[k] + src3 for k < count; 64f, standard layout. */
RUKM_API rukStatus rukmGaxpy_mvav_64f(const double* src1, int32_t src1RowStride,
    int32_t src1ElemStride, int32_t src1Width, int32_t src1Height, const double* src2,
    int32_t src2ObjStride, int32_t src2ElemStride, int32_t src2Len, const double* src3,
    int32_t src3ElemStride, int32_t src3Len, double* dst, int32_t dstObjStride,
    int32_t dstElemStride, int32_t count);
/* dst[k] = src1 * src2[k] + src3 for k < count; 64f, pointer-list layout. */
RUKM_API rukStatus rukmGaxpy_mvav_64f_L(const double* src1, int32_t src1RowStride,
    int32_t src1ElemStride, int32_t src1Width, int32_t src1Height, const double* const* src2,
    int32_t src2Shift, int32_t src2ElemStride, int32_t src2Len, const double* src3,
    int32_t src3ElemStride, int32_t src3Len, double* const* dst, int32_t dstShift,
    int32_t dstElemStride, int32_t count);
/* dst[k] = src1 * src2[k] + src3 for k < count; 64f, element-pointer layout. */
RUKM_API rukStatus rukmGaxpy_mvav_64f_P(const double* const* src1, int32_t src1Shift,
    int32_t src1Width, int32_t src1Height, const double* const* src2, int32_t src2Shift,
    int32_t src2ObjStride, int32_t src2Len, const double* const* src3, int32_t src3Shift,
    int32_t src3Len, double* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t count);

/* ---------------------------------------------------------------------------------------
 * Vector algebra. Scalar results of array forms (dot products, norms) are packed: result k at
 * dst[k]. Dot products and norms of lengths 3 to 6 add their products as (p0 + p1) + p2,
 * (p0 + p1) + (p2 + p3), ((p0 + p1) + (p2 + p3)) + p4 and ((p0 + p1) + (p2 + p3)) + (p4 + p5);
 * other lengths add in increasing order from +0, except the contiguous single forms, which
 * first add the elements before src2's (the norm: src's) 16-byte boundary, then blocks of
 * eight in two 4-lane (32f) or 2-lane (64f) accumulators, then the rest. The norm is the
 * correctly rounded square root of the plain sum of squares. The cross product works on
 * 3-vectors, has no size argument and checks: vv pointers, strides (_P: shifts); vav
 * pointers, strides, [shifts,] count (_P: pointers, object strides, count, shifts); vva and
 * vava pointers, count, strides, [shifts]. dst must not overlap a source. The homogeneous
 * transform writes the largest finite value into all three components of a point whose
 * weight is not above the smallest normal (or is NaN) and then returns rukErrDivByZero,
 * after transforming every other point.
 * ------------------------------------------------------------------------------------ */
/* dst = sum over i of src1(i) * src2(i); 32f, standard layout. */
RUKM_API rukStatus rukmDotProduct_vv_32f(const float* src1, int32_t src1ElemStride,
    const float* src2, int32_t src2ElemStride, float* dst, int32_t len);
/* dst = sum over i of src1(i) * src2(i); 32f, element-pointer layout. */
RUKM_API rukStatus rukmDotProduct_vv_32f_P(const float* const* src1, int32_t src1Shift,
    const float* const* src2, int32_t src2Shift, float* dst, int32_t len);
/* dst = sum over i of src1(i) * src2(i); 64f, standard layout. */
RUKM_API rukStatus rukmDotProduct_vv_64f(const double* src1, int32_t src1ElemStride,
    const double* src2, int32_t src2ElemStride, double* dst, int32_t len);
/* dst = sum over i of src1(i) * src2(i); 64f, element-pointer layout. */
RUKM_API rukStatus rukmDotProduct_vv_64f_P(const double* const* src1, int32_t src1Shift,
    const double* const* src2, int32_t src2Shift, double* dst, int32_t len);
/* dst[k] = sum over i of src1[k](i) * src2(i) for k < count (packed results); 32f, standard layout. */
RUKM_API rukStatus rukmDotProduct_vav_32f(const float* src1, int32_t src1ObjStride,
    int32_t src1ElemStride, const float* src2, int32_t src2ElemStride, float* dst, int32_t len,
    int32_t count);
/* dst[k] = sum over i of src1[k](i) * src2(i) for k < count (packed results); 32f, pointer-list layout. */
RUKM_API rukStatus rukmDotProduct_vav_32f_L(const float* const* src1, int32_t src1Shift,
    int32_t src1ElemStride, const float* src2, int32_t src2ElemStride, float* dst, int32_t len,
    int32_t count);
/* dst[k] = sum over i of src1[k](i) * src2(i) for k < count (packed results); 32f, element-pointer layout. */
RUKM_API rukStatus rukmDotProduct_vav_32f_P(const float* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, const float* const* src2, int32_t src2Shift, float* dst, int32_t len,
    int32_t count);
/* dst[k] = sum over i of src1[k](i) * src2(i) for k < count (packed results); 64f, standard layout. */
RUKM_API rukStatus rukmDotProduct_vav_64f(const double* src1, int32_t src1ObjStride,
    int32_t src1ElemStride, const double* src2, int32_t src2ElemStride, double* dst, int32_t len,
    int32_t count);
/* dst[k] = sum over i of src1[k](i) * src2(i) for k < count (packed results); 64f, pointer-list layout. */
RUKM_API rukStatus rukmDotProduct_vav_64f_L(const double* const* src1, int32_t src1Shift,
    int32_t src1ElemStride, const double* src2, int32_t src2ElemStride, double* dst, int32_t len,
    int32_t count);
/* dst[k] = sum over i of src1[k](i) * src2(i) for k < count (packed results); 64f, element-pointer layout. */
RUKM_API rukStatus rukmDotProduct_vav_64f_P(const double* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, const double* const* src2, int32_t src2Shift, double* dst, int32_t len,
    int32_t count);
/* dst[k] = sum over i of src1[k](i) * src2[k](i) for k < count (packed results); 32f, standard layout. */
RUKM_API rukStatus rukmDotProduct_vava_32f(const float* src1, int32_t src1ObjStride,
    int32_t src1ElemStride, const float* src2, int32_t src2ObjStride, int32_t src2ElemStride,
    float* dst, int32_t len, int32_t count);
/* dst[k] = sum over i of src1[k](i) * src2[k](i) for k < count (packed results); 32f, pointer-list layout. */
RUKM_API rukStatus rukmDotProduct_vava_32f_L(const float* const* src1, int32_t src1Shift,
    int32_t src1ElemStride, const float* const* src2, int32_t src2Shift, int32_t src2ElemStride,
    float* dst, int32_t len, int32_t count);
/* dst[k] = sum over i of src1[k](i) * src2[k](i) for k < count (packed results); 32f, element-pointer layout. */
RUKM_API rukStatus rukmDotProduct_vava_32f_P(const float* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, const float* const* src2, int32_t src2Shift, int32_t src2ObjStride,
    float* dst, int32_t len, int32_t count);
/* dst[k] = sum over i of src1[k](i) * src2[k](i) for k < count (packed results); 64f, standard layout. */
RUKM_API rukStatus rukmDotProduct_vava_64f(const double* src1, int32_t src1ObjStride,
    int32_t src1ElemStride, const double* src2, int32_t src2ObjStride, int32_t src2ElemStride,
    double* dst, int32_t len, int32_t count);
/* dst[k] = sum over i of src1[k](i) * src2[k](i) for k < count (packed results); 64f, pointer-list layout. */
RUKM_API rukStatus rukmDotProduct_vava_64f_L(const double* const* src1, int32_t src1Shift,
    int32_t src1ElemStride, const double* const* src2, int32_t src2Shift, int32_t src2ElemStride,
    double* dst, int32_t len, int32_t count);
/* dst[k] = sum over i of src1[k](i) * src2[k](i) for k < count (packed results); 64f, element-pointer layout. */
RUKM_API rukStatus rukmDotProduct_vava_64f_P(const double* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, const double* const* src2, int32_t src2Shift, int32_t src2ObjStride,
    double* dst, int32_t len, int32_t count);
/* dst = src1 x src2 (3-vectors); 32f, standard layout. */
RUKM_API rukStatus rukmCrossProduct_vv_32f(const float* src1, int32_t src1ElemStride,
    const float* src2, int32_t src2ElemStride, float* dst, int32_t dstElemStride);
/* dst = src1 x src2 (3-vectors); 32f, element-pointer layout. */
RUKM_API rukStatus rukmCrossProduct_vv_32f_P(const float* const* src1, int32_t src1Shift,
    const float* const* src2, int32_t src2Shift, float* const* dst, int32_t dstShift);
/* dst = src1 x src2 (3-vectors); 64f, standard layout. */
RUKM_API rukStatus rukmCrossProduct_vv_64f(const double* src1, int32_t src1ElemStride,
    const double* src2, int32_t src2ElemStride, double* dst, int32_t dstElemStride);
/* dst = src1 x src2 (3-vectors); 64f, element-pointer layout. */
RUKM_API rukStatus rukmCrossProduct_vv_64f_P(const double* const* src1, int32_t src1Shift,
    const double* const* src2, int32_t src2Shift, double* const* dst, int32_t dstShift);
/* dst[k] = src1[k] x src2 (3-vectors) for k < count; 32f, standard layout. */
RUKM_API rukStatus rukmCrossProduct_vav_32f(const float* src1, int32_t src1ObjStride,
    int32_t src1ElemStride, const float* src2, int32_t src2ElemStride, float* dst,
    int32_t dstObjStride, int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k] x src2 (3-vectors) for k < count; 32f, pointer-list layout. */
RUKM_API rukStatus rukmCrossProduct_vav_32f_L(const float* const* src1, int32_t src1Shift,
    int32_t src1ElemStride, const float* src2, int32_t src2ElemStride, float* const* dst,
    int32_t dstShift, int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k] x src2 (3-vectors) for k < count; 32f, element-pointer layout. */
RUKM_API rukStatus rukmCrossProduct_vav_32f_P(const float* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, const float* const* src2, int32_t src2Shift, float* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t count);
/* dst[k] = src1[k] x src2 (3-vectors) for k < count; 64f, standard layout. */
RUKM_API rukStatus rukmCrossProduct_vav_64f(const double* src1, int32_t src1ObjStride,
    int32_t src1ElemStride, const double* src2, int32_t src2ElemStride, double* dst,
    int32_t dstObjStride, int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k] x src2 (3-vectors) for k < count; 64f, pointer-list layout. */
RUKM_API rukStatus rukmCrossProduct_vav_64f_L(const double* const* src1, int32_t src1Shift,
    int32_t src1ElemStride, const double* src2, int32_t src2ElemStride, double* const* dst,
    int32_t dstShift, int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k] x src2 (3-vectors) for k < count; 64f, element-pointer layout. */
RUKM_API rukStatus rukmCrossProduct_vav_64f_P(const double* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, const double* const* src2, int32_t src2Shift, double* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t count);
/* dst[k] = src1 x src2[k] (3-vectors) for k < count; 32f, standard layout. */
RUKM_API rukStatus rukmCrossProduct_vva_32f(const float* src1, int32_t src1ElemStride,
    const float* src2, int32_t src2ObjStride, int32_t src2ElemStride, float* dst,
    int32_t dstObjStride, int32_t dstElemStride, int32_t count);
/* dst[k] = src1 x src2[k] (3-vectors) for k < count; 32f, pointer-list layout. */
RUKM_API rukStatus rukmCrossProduct_vva_32f_L(const float* src1, int32_t src1ElemStride,
    const float* const* src2, int32_t src2Shift, int32_t src2ElemStride, float* const* dst,
    int32_t dstShift, int32_t dstElemStride, int32_t count);
/* dst[k] = src1 x src2[k] (3-vectors) for k < count; 32f, element-pointer layout. */
RUKM_API rukStatus rukmCrossProduct_vva_32f_P(const float* const* src1, int32_t src1Shift,
    const float* const* src2, int32_t src2Shift, int32_t src2ObjStride, float* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t count);
/* dst[k] = src1 x src2[k] (3-vectors) for k < count; 64f, standard layout. */
RUKM_API rukStatus rukmCrossProduct_vva_64f(const double* src1, int32_t src1ElemStride,
    const double* src2, int32_t src2ObjStride, int32_t src2ElemStride, double* dst,
    int32_t dstObjStride, int32_t dstElemStride, int32_t count);
/* dst[k] = src1 x src2[k] (3-vectors) for k < count; 64f, pointer-list layout. */
RUKM_API rukStatus rukmCrossProduct_vva_64f_L(const double* src1, int32_t src1ElemStride,
    const double* const* src2, int32_t src2Shift, int32_t src2ElemStride, double* const* dst,
    int32_t dstShift, int32_t dstElemStride, int32_t count);
/* dst[k] = src1 x src2[k] (3-vectors) for k < count; 64f, element-pointer layout. */
RUKM_API rukStatus rukmCrossProduct_vva_64f_P(const double* const* src1, int32_t src1Shift,
    const double* const* src2, int32_t src2Shift, int32_t src2ObjStride, double* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t count);
/* dst[k] = src1[k] x src2[k] (3-vectors) for k < count; 32f, standard layout. */
RUKM_API rukStatus rukmCrossProduct_vava_32f(const float* src1, int32_t src1ObjStride,
    int32_t src1ElemStride, const float* src2, int32_t src2ObjStride, int32_t src2ElemStride,
    float* dst, int32_t dstObjStride, int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k] x src2[k] (3-vectors) for k < count; 32f, pointer-list layout. */
RUKM_API rukStatus rukmCrossProduct_vava_32f_L(const float* const* src1, int32_t src1Shift,
    int32_t src1ElemStride, const float* const* src2, int32_t src2Shift, int32_t src2ElemStride,
    float* const* dst, int32_t dstShift, int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k] x src2[k] (3-vectors) for k < count; 32f, element-pointer layout. */
RUKM_API rukStatus rukmCrossProduct_vava_32f_P(const float* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, const float* const* src2, int32_t src2Shift, int32_t src2ObjStride,
    float* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t count);
/* dst[k] = src1[k] x src2[k] (3-vectors) for k < count; 64f, standard layout. */
RUKM_API rukStatus rukmCrossProduct_vava_64f(const double* src1, int32_t src1ObjStride,
    int32_t src1ElemStride, const double* src2, int32_t src2ObjStride, int32_t src2ElemStride,
    double* dst, int32_t dstObjStride, int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k] x src2[k] (3-vectors) for k < count; 64f, pointer-list layout. */
RUKM_API rukStatus rukmCrossProduct_vava_64f_L(const double* const* src1, int32_t src1Shift,
    int32_t src1ElemStride, const double* const* src2, int32_t src2Shift, int32_t src2ElemStride,
    double* const* dst, int32_t dstShift, int32_t dstElemStride, int32_t count);
/* dst[k] = src1[k] x src2[k] (3-vectors) for k < count; 64f, element-pointer layout. */
RUKM_API rukStatus rukmCrossProduct_vava_64f_P(const double* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, const double* const* src2, int32_t src2Shift, int32_t src2ObjStride,
    double* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t count);
/* dst = sqrt(sum over i of src(i)^2); 32f, standard layout. */
RUKM_API rukStatus rukmL2Norm_v_32f(const float* src, int32_t srcElemStride, float* dst,
    int32_t len);
/* dst = sqrt(sum over i of src(i)^2); 32f, element-pointer layout. */
RUKM_API rukStatus rukmL2Norm_v_32f_P(const float* const* src, int32_t srcShift, float* dst,
    int32_t len);
/* dst = sqrt(sum over i of src(i)^2); 64f, standard layout. */
RUKM_API rukStatus rukmL2Norm_v_64f(const double* src, int32_t srcElemStride, double* dst,
    int32_t len);
/* dst = sqrt(sum over i of src(i)^2); 64f, element-pointer layout. */
RUKM_API rukStatus rukmL2Norm_v_64f_P(const double* const* src, int32_t srcShift, double* dst,
    int32_t len);
/* dst[k] = sqrt(sum over i of src[k](i)^2) for k < count (packed results); 32f, standard layout. */
RUKM_API rukStatus rukmL2Norm_va_32f(const float* src, int32_t srcObjStride, int32_t srcElemStride,
    float* dst, int32_t len, int32_t count);
/* dst[k] = sqrt(sum over i of src[k](i)^2) for k < count (packed results); 32f, pointer-list layout. */
RUKM_API rukStatus rukmL2Norm_va_32f_L(const float* const* src, int32_t srcShift,
    int32_t srcElemStride, float* dst, int32_t len, int32_t count);
/* dst[k] = sqrt(sum over i of src[k](i)^2) for k < count (packed results); 32f, element-pointer layout. */
RUKM_API rukStatus rukmL2Norm_va_32f_P(const float* const* src, int32_t srcShift,
    int32_t srcObjStride, float* dst, int32_t len, int32_t count);
/* dst[k] = sqrt(sum over i of src[k](i)^2) for k < count (packed results); 64f, standard layout. */
RUKM_API rukStatus rukmL2Norm_va_64f(const double* src, int32_t srcObjStride,
    int32_t srcElemStride, double* dst, int32_t len, int32_t count);
/* dst[k] = sqrt(sum over i of src[k](i)^2) for k < count (packed results); 64f, pointer-list layout. */
RUKM_API rukStatus rukmL2Norm_va_64f_L(const double* const* src, int32_t srcShift,
    int32_t srcElemStride, double* dst, int32_t len, int32_t count);
/* dst[k] = sqrt(sum over i of src[k](i)^2) for k < count (packed results); 64f, element-pointer layout. */
RUKM_API rukStatus rukmL2Norm_va_64f_P(const double* const* src, int32_t srcShift,
    int32_t srcObjStride, double* dst, int32_t len, int32_t count);
/* dst = scale1 * src1 + scale2 * src2; 32f, standard layout. */
RUKM_API rukStatus rukmLComb_vv_32f(const float* src1, int32_t src1ElemStride, float scale1,
    const float* src2, int32_t src2ElemStride, float scale2, float* dst, int32_t dstElemStride,
    int32_t len);
/* dst = scale1 * src1 + scale2 * src2; 32f, element-pointer layout. */
RUKM_API rukStatus rukmLComb_vv_32f_P(const float* const* src1, int32_t src1Shift, float scale1,
    const float* const* src2, int32_t src2Shift, float scale2, float* const* dst, int32_t dstShift,
    int32_t len);
/* dst = scale1 * src1 + scale2 * src2; 64f, standard layout. */
RUKM_API rukStatus rukmLComb_vv_64f(const double* src1, int32_t src1ElemStride, double scale1,
    const double* src2, int32_t src2ElemStride, double scale2, double* dst, int32_t dstElemStride,
    int32_t len);
/* dst = scale1 * src1 + scale2 * src2; 64f, element-pointer layout. */
RUKM_API rukStatus rukmLComb_vv_64f_P(const double* const* src1, int32_t src1Shift, double scale1,
    const double* const* src2, int32_t src2Shift, double scale2, double* const* dst,
    int32_t dstShift, int32_t len);
/* dst[k] = scale1 * src1[k] + scale2 * src2 for k < count; 32f, standard layout. */
RUKM_API rukStatus rukmLComb_vav_32f(const float* src1, int32_t src1ObjStride,
    int32_t src1ElemStride, float scale1, const float* src2, int32_t src2ElemStride, float scale2,
    float* dst, int32_t dstObjStride, int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = scale1 * src1[k] + scale2 * src2 for k < count; 32f, pointer-list layout. */
RUKM_API rukStatus rukmLComb_vav_32f_L(const float* const* src1, int32_t src1Shift,
    int32_t src1ElemStride, float scale1, const float* src2, int32_t src2ElemStride, float scale2,
    float* const* dst, int32_t dstShift, int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = scale1 * src1[k] + scale2 * src2 for k < count; 32f, element-pointer layout. */
RUKM_API rukStatus rukmLComb_vav_32f_P(const float* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, float scale1, const float* const* src2, int32_t src2Shift, float scale2,
    float* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t len, int32_t count);
/* dst[k] = scale1 * src1[k] + scale2 * src2 for k < count; 64f, standard layout. */
RUKM_API rukStatus rukmLComb_vav_64f(const double* src1, int32_t src1ObjStride,
    int32_t src1ElemStride, double scale1, const double* src2, int32_t src2ElemStride,
    double scale2, double* dst, int32_t dstObjStride, int32_t dstElemStride, int32_t len,
    int32_t count);
/* dst[k] = scale1 * src1[k] + scale2 * src2 for k < count; 64f, pointer-list layout. */
RUKM_API rukStatus rukmLComb_vav_64f_L(const double* const* src1, int32_t src1Shift,
    int32_t src1ElemStride, double scale1, const double* src2, int32_t src2ElemStride,
    double scale2, double* const* dst, int32_t dstShift, int32_t dstElemStride, int32_t len,
    int32_t count);
/* dst[k] = scale1 * src1[k] + scale2 * src2 for k < count; 64f, element-pointer layout. */
RUKM_API rukStatus rukmLComb_vav_64f_P(const double* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, double scale1, const double* const* src2, int32_t src2Shift,
    double scale2, double* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t len,
    int32_t count);
/* dst[k] = scale1 * src1[k] + scale2 * src2[k] for k < count; 32f, standard layout. */
RUKM_API rukStatus rukmLComb_vava_32f(const float* src1, int32_t src1ObjStride,
    int32_t src1ElemStride, float scale1, const float* src2, int32_t src2ObjStride,
    int32_t src2ElemStride, float scale2, float* dst, int32_t dstObjStride, int32_t dstElemStride,
    int32_t len, int32_t count);
/* dst[k] = scale1 * src1[k] + scale2 * src2[k] for k < count; 32f, pointer-list layout. */
RUKM_API rukStatus rukmLComb_vava_32f_L(const float* const* src1, int32_t src1Shift,
    int32_t src1ElemStride, float scale1, const float* const* src2, int32_t src2Shift,
    int32_t src2ElemStride, float scale2, float* const* dst, int32_t dstShift,
    int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = scale1 * src1[k] + scale2 * src2[k] for k < count; 32f, element-pointer layout. */
RUKM_API rukStatus rukmLComb_vava_32f_P(const float* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, float scale1, const float* const* src2, int32_t src2Shift,
    int32_t src2ObjStride, float scale2, float* const* dst, int32_t dstShift, int32_t dstObjStride,
    int32_t len, int32_t count);
/* dst[k] = scale1 * src1[k] + scale2 * src2[k] for k < count; 64f, standard layout. */
RUKM_API rukStatus rukmLComb_vava_64f(const double* src1, int32_t src1ObjStride,
    int32_t src1ElemStride, double scale1, const double* src2, int32_t src2ObjStride,
    int32_t src2ElemStride, double scale2, double* dst, int32_t dstObjStride,
    int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = scale1 * src1[k] + scale2 * src2[k] for k < count; 64f, pointer-list layout. */
RUKM_API rukStatus rukmLComb_vava_64f_L(const double* const* src1, int32_t src1Shift,
    int32_t src1ElemStride, double scale1, const double* const* src2, int32_t src2Shift,
    int32_t src2ElemStride, double scale2, double* const* dst, int32_t dstShift,
    int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = scale1 * src1[k] + scale2 * src2[k] for k < count; 64f, element-pointer layout. */
RUKM_API rukStatus rukmLComb_vava_64f_P(const double* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, double scale1, const double* const* src2, int32_t src2Shift,
    int32_t src2ObjStride, double scale2, double* const* dst, int32_t dstShift,
    int32_t dstObjStride, int32_t len, int32_t count);
/* dst = scale * src1 + src2; 32f, standard layout. */
RUKM_API rukStatus rukmSaxpy_vv_32f(const float* src1, int32_t src1ElemStride, float scale,
    const float* src2, int32_t src2ElemStride, float* dst, int32_t dstElemStride, int32_t len);
/* dst = scale * src1 + src2; 32f, element-pointer layout. */
RUKM_API rukStatus rukmSaxpy_vv_32f_P(const float* const* src1, int32_t src1Shift, float scale,
    const float* const* src2, int32_t src2Shift, float* const* dst, int32_t dstShift, int32_t len);
/* dst = scale * src1 + src2; 64f, standard layout. */
RUKM_API rukStatus rukmSaxpy_vv_64f(const double* src1, int32_t src1ElemStride, double scale,
    const double* src2, int32_t src2ElemStride, double* dst, int32_t dstElemStride, int32_t len);
/* dst = scale * src1 + src2; 64f, element-pointer layout. */
RUKM_API rukStatus rukmSaxpy_vv_64f_P(const double* const* src1, int32_t src1Shift, double scale,
    const double* const* src2, int32_t src2Shift, double* const* dst, int32_t dstShift,
    int32_t len);
/* dst[k] = scale * src1[k] + src2 for k < count; 32f, standard layout. */
RUKM_API rukStatus rukmSaxpy_vav_32f(const float* src1, int32_t src1ObjStride,
    int32_t src1ElemStride, float scale, const float* src2, int32_t src2ElemStride, float* dst,
    int32_t dstObjStride, int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = scale * src1[k] + src2 for k < count; 32f, pointer-list layout. */
RUKM_API rukStatus rukmSaxpy_vav_32f_L(const float* const* src1, int32_t src1Shift,
    int32_t src1ElemStride, float scale, const float* src2, int32_t src2ElemStride,
    float* const* dst, int32_t dstShift, int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = scale * src1[k] + src2 for k < count; 32f, element-pointer layout. */
RUKM_API rukStatus rukmSaxpy_vav_32f_P(const float* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, float scale, const float* const* src2, int32_t src2Shift,
    float* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t len, int32_t count);
/* dst[k] = scale * src1[k] + src2 for k < count; 64f, standard layout. */
RUKM_API rukStatus rukmSaxpy_vav_64f(const double* src1, int32_t src1ObjStride,
    int32_t src1ElemStride, double scale, const double* src2, int32_t src2ElemStride, double* dst,
    int32_t dstObjStride, int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = scale * src1[k] + src2 for k < count; 64f, pointer-list layout. */
RUKM_API rukStatus rukmSaxpy_vav_64f_L(const double* const* src1, int32_t src1Shift,
    int32_t src1ElemStride, double scale, const double* src2, int32_t src2ElemStride,
    double* const* dst, int32_t dstShift, int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = scale * src1[k] + src2 for k < count; 64f, element-pointer layout. */
RUKM_API rukStatus rukmSaxpy_vav_64f_P(const double* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, double scale, const double* const* src2, int32_t src2Shift,
    double* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t len, int32_t count);
/* dst[k] = scale * src1 + src2[k] for k < count; 32f, standard layout. */
RUKM_API rukStatus rukmSaxpy_vva_32f(const float* src1, int32_t src1ElemStride, float scale,
    const float* src2, int32_t src2ObjStride, int32_t src2ElemStride, float* dst,
    int32_t dstObjStride, int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = scale * src1 + src2[k] for k < count; 32f, pointer-list layout. */
RUKM_API rukStatus rukmSaxpy_vva_32f_L(const float* src1, int32_t src1ElemStride, float scale,
    const float* const* src2, int32_t src2Shift, int32_t src2ElemStride, float* const* dst,
    int32_t dstShift, int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = scale * src1 + src2[k] for k < count; 32f, element-pointer layout. */
RUKM_API rukStatus rukmSaxpy_vva_32f_P(const float* const* src1, int32_t src1Shift, float scale,
    const float* const* src2, int32_t src2Shift, int32_t src2ObjStride, float* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t len, int32_t count);
/* dst[k] = scale * src1 + src2[k] for k < count; 64f, standard layout. */
RUKM_API rukStatus rukmSaxpy_vva_64f(const double* src1, int32_t src1ElemStride, double scale,
    const double* src2, int32_t src2ObjStride, int32_t src2ElemStride, double* dst,
    int32_t dstObjStride, int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = scale * src1 + src2[k] for k < count; 64f, pointer-list layout. */
RUKM_API rukStatus rukmSaxpy_vva_64f_L(const double* src1, int32_t src1ElemStride, double scale,
    const double* const* src2, int32_t src2Shift, int32_t src2ElemStride, double* const* dst,
    int32_t dstShift, int32_t dstElemStride, int32_t len, int32_t count);
/* dst[k] = scale * src1 + src2[k] for k < count; 64f, element-pointer layout. */
RUKM_API rukStatus rukmSaxpy_vva_64f_P(const double* const* src1, int32_t src1Shift, double scale,
    const double* const* src2, int32_t src2Shift, int32_t src2ObjStride, double* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t len, int32_t count);
/* dst[k] = scale * src1[k] + src2[k] for k < count; 32f, standard layout. */
RUKM_API rukStatus rukmSaxpy_vava_32f(const float* src1, int32_t src1ObjStride,
    int32_t src1ElemStride, float scale, const float* src2, int32_t src2ObjStride,
    int32_t src2ElemStride, float* dst, int32_t dstObjStride, int32_t dstElemStride, int32_t len,
    int32_t count);
/* dst[k] = scale * src1[k] + src2[k] for k < count; 32f, pointer-list layout. */
RUKM_API rukStatus rukmSaxpy_vava_32f_L(const float* const* src1, int32_t src1Shift,
    int32_t src1ElemStride, float scale, const float* const* src2, int32_t src2Shift,
    int32_t src2ElemStride, float* const* dst, int32_t dstShift, int32_t dstElemStride,
    int32_t len, int32_t count);
/* dst[k] = scale * src1[k] + src2[k] for k < count; 32f, element-pointer layout. */
RUKM_API rukStatus rukmSaxpy_vava_32f_P(const float* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, float scale, const float* const* src2, int32_t src2Shift,
    int32_t src2ObjStride, float* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t len,
    int32_t count);
/* dst[k] = scale * src1[k] + src2[k] for k < count; 64f, standard layout. */
RUKM_API rukStatus rukmSaxpy_vava_64f(const double* src1, int32_t src1ObjStride,
    int32_t src1ElemStride, double scale, const double* src2, int32_t src2ObjStride,
    int32_t src2ElemStride, double* dst, int32_t dstObjStride, int32_t dstElemStride, int32_t len,
    int32_t count);
/* dst[k] = scale * src1[k] + src2[k] for k < count; 64f, pointer-list layout. */
RUKM_API rukStatus rukmSaxpy_vava_64f_L(const double* const* src1, int32_t src1Shift,
    int32_t src1ElemStride, double scale, const double* const* src2, int32_t src2Shift,
    int32_t src2ElemStride, double* const* dst, int32_t dstShift, int32_t dstElemStride,
    int32_t len, int32_t count);
/* dst[k] = scale * src1[k] + src2[k] for k < count; 64f, element-pointer layout. */
RUKM_API rukStatus rukmSaxpy_vava_64f_P(const double* const* src1, int32_t src1Shift,
    int32_t src1ObjStride, double scale, const double* const* src2, int32_t src2Shift,
    int32_t src2ObjStride, double* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t len,
    int32_t count);
/* Transforms count points (x, y, z, 1) by the 4x4 src1 and divides by the weight; 32f, standard layout. */
RUKM_API rukStatus rukmAffineTransform3DH_mva_32f(const float* src1, int32_t src1RowStride,
    int32_t src1ElemStride, const float* src2, int32_t src2ObjStride, int32_t src2ElemStride,
    float* dst, int32_t dstObjStride, int32_t dstElemStride, int32_t count);

/* ---------------------------------------------------------------------------------------
 * Determinant, trace and Frobenius norm; array results are packed (result k at dst[k]).
 * Determinant: orders 3 to 6 by cofactor expansion along the last row (no tolerance);
 * orders 1, 2 and 7 and above by elimination with partial pivoting on a copy in buffer
 * (order*order elements followed by order 32-bit integers; always non-null), giving 0 when
 * a pivot falls below 2 * order^3 * the smallest normal number. Trace: the diagonal summed
 * in ascending order from 0. Frobenius norm: the square root of the sum of squares; the sum
 * is flushed to 0 when below epsilon (or NaN) in rukmFrobNorm_m_32f, _m_32f_P, _m_64f_P and
 * in the array forms other than square orders 3 to 6 (standard and pointer-list layouts)
 * and order 3 (element-pointer layout).
 * ------------------------------------------------------------------------------------ */
/* dst = determinant of src (buffer: order*order elements then order int32); 32f, standard layout. */
RUKM_API rukStatus rukmDet_m_32f(const float* src, int32_t srcRowStride, int32_t srcElemStride,
    int32_t order, float* buffer, float* dst);
/* dst = determinant of src (buffer: order*order elements then order int32); 32f, element-pointer layout. */
RUKM_API rukStatus rukmDet_m_32f_P(const float* const* src, int32_t srcShift, int32_t order,
    float* buffer, float* dst);
/* dst = determinant of src (buffer: order*order elements then order int32); 64f, standard layout. */
RUKM_API rukStatus rukmDet_m_64f(const double* src, int32_t srcRowStride, int32_t srcElemStride,
    int32_t order, double* buffer, double* dst);
/* dst = determinant of src (buffer: order*order elements then order int32); 64f, element-pointer layout. */
RUKM_API rukStatus rukmDet_m_64f_P(const double* const* src, int32_t srcShift, int32_t order,
    double* buffer, double* dst);
/* dst[k] = determinant of src[k] (buffer: order*order elements then order int32) for k < count (packed results); 32f, standard layout. */
RUKM_API rukStatus rukmDet_ma_32f(const float* src, int32_t srcObjStride, int32_t srcRowStride,
    int32_t srcElemStride, int32_t order, float* buffer, float* dst, int32_t count);
/* dst[k] = determinant of src[k] (buffer: order*order elements then order int32) for k < count (packed results); 32f, pointer-list layout. */
RUKM_API rukStatus rukmDet_ma_32f_L(const float* const* src, int32_t srcShift,
    int32_t srcRowStride, int32_t srcElemStride, int32_t order, float* buffer, float* dst,
    int32_t count);
/* dst[k] = determinant of src[k] (buffer: order*order elements then order int32) for k < count (packed results); 32f, element-pointer layout. */
RUKM_API rukStatus rukmDet_ma_32f_P(const float* const* src, int32_t srcShift,
    int32_t srcObjStride, int32_t order, float* buffer, float* dst, int32_t count);
/* dst[k] = determinant of src[k] (buffer: order*order elements then order int32) for k < count (packed results); 64f, standard layout. */
RUKM_API rukStatus rukmDet_ma_64f(const double* src, int32_t srcObjStride, int32_t srcRowStride,
    int32_t srcElemStride, int32_t order, double* buffer, double* dst, int32_t count);
/* dst[k] = determinant of src[k] (buffer: order*order elements then order int32) for k < count (packed results); 64f, pointer-list layout. */
RUKM_API rukStatus rukmDet_ma_64f_L(const double* const* src, int32_t srcShift,
    int32_t srcRowStride, int32_t srcElemStride, int32_t order, double* buffer, double* dst,
    int32_t count);
/* dst[k] = determinant of src[k] (buffer: order*order elements then order int32) for k < count (packed results); 64f, element-pointer layout. */
RUKM_API rukStatus rukmDet_ma_64f_P(const double* const* src, int32_t srcShift,
    int32_t srcObjStride, int32_t order, double* buffer, double* dst, int32_t count);
/* dst = sum of the diagonal of src; 32f, standard layout. */
RUKM_API rukStatus rukmTrace_m_32f(const float* src, int32_t srcRowStride, int32_t srcElemStride,
    int32_t order, float* dst);
/* dst = sum of the diagonal of src; 32f, element-pointer layout. */
RUKM_API rukStatus rukmTrace_m_32f_P(const float* const* src, int32_t srcShift, int32_t order,
    float* dst);
/* dst = sum of the diagonal of src; 64f, standard layout. */
RUKM_API rukStatus rukmTrace_m_64f(const double* src, int32_t srcRowStride, int32_t srcElemStride,
    int32_t order, double* dst);
/* dst = sum of the diagonal of src; 64f, element-pointer layout. */
RUKM_API rukStatus rukmTrace_m_64f_P(const double* const* src, int32_t srcShift, int32_t order,
    double* dst);
/* dst[k] = sum of the diagonal of src[k] for k < count (packed results); 32f, standard layout. */
RUKM_API rukStatus rukmTrace_ma_32f(const float* src, int32_t srcObjStride, int32_t srcRowStride,
    int32_t srcElemStride, int32_t order, float* dst, int32_t count);
/* dst[k] = sum of the diagonal of src[k] for k < count (packed results); 32f, pointer-list layout. */
RUKM_API rukStatus rukmTrace_ma_32f_L(const float* const* src, int32_t srcShift,
    int32_t srcRowStride, int32_t srcElemStride, int32_t order, float* dst, int32_t count);
/* dst[k] = sum of the diagonal of src[k] for k < count (packed results); 32f, element-pointer layout. */
RUKM_API rukStatus rukmTrace_ma_32f_P(const float* const* src, int32_t srcShift,
    int32_t srcObjStride, int32_t order, float* dst, int32_t count);
/* dst[k] = sum of the diagonal of src[k] for k < count (packed results); 64f, standard layout. */
RUKM_API rukStatus rukmTrace_ma_64f(const double* src, int32_t srcObjStride, int32_t srcRowStride,
    int32_t srcElemStride, int32_t order, double* dst, int32_t count);
/* dst[k] = sum of the diagonal of src[k] for k < count (packed results); 64f, pointer-list layout. */
RUKM_API rukStatus rukmTrace_ma_64f_L(const double* const* src, int32_t srcShift,
    int32_t srcRowStride, int32_t srcElemStride, int32_t order, double* dst, int32_t count);
/* dst[k] = sum of the diagonal of src[k] for k < count (packed results); 64f, element-pointer layout. */
RUKM_API rukStatus rukmTrace_ma_64f_P(const double* const* src, int32_t srcShift,
    int32_t srcObjStride, int32_t order, double* dst, int32_t count);
/* dst = sqrt(sum of squares of the elements of src); 32f, standard layout. */
RUKM_API rukStatus rukmFrobNorm_m_32f(const float* src, int32_t srcRowStride,
    int32_t srcElemStride, int32_t width, int32_t height, float* dst);
/* dst = sqrt(sum of squares of the elements of src); 32f, element-pointer layout. */
RUKM_API rukStatus rukmFrobNorm_m_32f_P(const float* const* src, int32_t srcShift, int32_t width,
    int32_t height, float* dst);
/* dst = sqrt(sum of squares of the elements of src); 64f, standard layout. */
RUKM_API rukStatus rukmFrobNorm_m_64f(const double* src, int32_t srcRowStride,
    int32_t srcElemStride, int32_t width, int32_t height, double* dst);
/* dst = sqrt(sum of squares of the elements of src); 64f, element-pointer layout. */
RUKM_API rukStatus rukmFrobNorm_m_64f_P(const double* const* src, int32_t srcShift, int32_t width,
    int32_t height, double* dst);
/* dst[k] = sqrt(sum of squares of the elements of src[k]) for k < count (packed results); 32f, standard layout. */
RUKM_API rukStatus rukmFrobNorm_ma_32f(const float* src, int32_t srcObjStride,
    int32_t srcRowStride, int32_t srcElemStride, int32_t width, int32_t height, float* dst,
    int32_t count);
/* dst[k] = sqrt(sum of squares of the elements of src[k]) for k < count (packed results); 32f, pointer-list layout. */
RUKM_API rukStatus rukmFrobNorm_ma_32f_L(const float* const* src, int32_t srcShift,
    int32_t srcRowStride, int32_t srcElemStride, int32_t width, int32_t height, float* dst,
    int32_t count);
/* dst[k] = sqrt(sum of squares of the elements of src[k]) for k < count (packed results); 32f, element-pointer layout. */
RUKM_API rukStatus rukmFrobNorm_ma_32f_P(const float* const* src, int32_t srcShift,
    int32_t srcObjStride, int32_t width, int32_t height, float* dst, int32_t count);
/* dst[k] = sqrt(sum of squares of the elements of src[k]) for k < count (packed results); 64f, standard layout. */
RUKM_API rukStatus rukmFrobNorm_ma_64f(const double* src, int32_t srcObjStride,
    int32_t srcRowStride, int32_t srcElemStride, int32_t width, int32_t height, double* dst,
    int32_t count);
/* dst[k] = sqrt(sum of squares of the elements of src[k]) for k < count (packed results); 64f, pointer-list layout. */
RUKM_API rukStatus rukmFrobNorm_ma_64f_L(const double* const* src, int32_t srcShift,
    int32_t srcRowStride, int32_t srcElemStride, int32_t width, int32_t height, double* dst,
    int32_t count);
/* dst[k] = sqrt(sum of squares of the elements of src[k]) for k < count (packed results); 64f, element-pointer layout. */
RUKM_API rukStatus rukmFrobNorm_ma_64f_P(const double* const* src, int32_t srcShift,
    int32_t srcObjStride, int32_t width, int32_t height, double* dst, int32_t count);

/* ---------------------------------------------------------------------------------------
 * LU decomposition with partial pivoting (P A = L U) and back substitution. Rows of dst
 * never move: pivotIndex[i] (order int32 entries per matrix; arrays keep count*order
 * entries, those of matrix k from k*order) is the dst row holding row i of the
 * factorization, with L(i, j) in its columns j < i (unit diagonal implied) and U(i, j) in
 * the others. src and dst may be the same matrix. A pivot is singular when its magnitude is
 * at most epsilon (orders 1, 2 and 7 and above) or below twice the smallest normal number
 * (orders 3 to 6): rukErrSingular, and arrays stop at the first singular matrix (a parallel
 * run at its own first one). The back substitution tests nothing; dst must not overlap src2.
 * ------------------------------------------------------------------------------------ */
/* LU factorization with partial pivoting: dst holds L (unit diagonal implied) and U, rows stay in place and pivotIndex records them; 32f, standard layout. */
RUKM_API rukStatus rukmLUDecomp_m_32f(const float* src, int32_t srcRowStride, int32_t srcElemStride,
    int32_t* pivotIndex, float* dst, int32_t dstRowStride, int32_t dstElemStride, int32_t order);
/* LU factorization with partial pivoting: dst holds L (unit diagonal implied) and U, rows stay in place and pivotIndex records them; 32f, element-pointer layout. */
RUKM_API rukStatus rukmLUDecomp_m_32f_P(const float* const* src, int32_t srcShift,
    int32_t* pivotIndex, float* const* dst, int32_t dstShift, int32_t order);
/* LU factorization with partial pivoting: dst holds L (unit diagonal implied) and U, rows stay in place and pivotIndex records them; 64f, standard layout. */
RUKM_API rukStatus rukmLUDecomp_m_64f(const double* src, int32_t srcRowStride,
    int32_t srcElemStride, int32_t* pivotIndex, double* dst, int32_t dstRowStride,
    int32_t dstElemStride, int32_t order);
/* LU factorization with partial pivoting: dst holds L (unit diagonal implied) and U, rows stay in place and pivotIndex records them; 64f, element-pointer layout. */
RUKM_API rukStatus rukmLUDecomp_m_64f_P(const double* const* src, int32_t srcShift,
    int32_t* pivotIndex, double* const* dst, int32_t dstShift, int32_t order);
/* LU factorizations of src[k] into dst[k], pivot entries of matrix k from pivotIndex[k*order]; 32f, standard layout. */
RUKM_API rukStatus rukmLUDecomp_ma_32f(const float* src, int32_t srcObjStride, int32_t srcRowStride,
    int32_t srcElemStride, int32_t* pivotIndex, float* dst, int32_t dstObjStride,
    int32_t dstRowStride, int32_t dstElemStride, int32_t order, int32_t count);
/* LU factorizations of src[k] into dst[k], pivot entries of matrix k from pivotIndex[k*order]; 32f, pointer-list layout. */
RUKM_API rukStatus rukmLUDecomp_ma_32f_L(const float* const* src, int32_t srcShift,
    int32_t srcRowStride, int32_t srcElemStride, int32_t* pivotIndex, float* const* dst,
    int32_t dstShift, int32_t dstRowStride, int32_t dstElemStride, int32_t order, int32_t count);
/* LU factorizations of src[k] into dst[k], pivot entries of matrix k from pivotIndex[k*order]; 32f, element-pointer layout. */
RUKM_API rukStatus rukmLUDecomp_ma_32f_P(const float* const* src, int32_t srcShift,
    int32_t srcObjStride, int32_t* pivotIndex, float* const* dst, int32_t dstShift,
    int32_t dstObjStride, int32_t order, int32_t count);
/* LU factorizations of src[k] into dst[k], pivot entries of matrix k from pivotIndex[k*order]; 64f, standard layout. */
RUKM_API rukStatus rukmLUDecomp_ma_64f(const double* src, int32_t srcObjStride,
    int32_t srcRowStride, int32_t srcElemStride, int32_t* pivotIndex, double* dst,
    int32_t dstObjStride, int32_t dstRowStride, int32_t dstElemStride, int32_t order,
    int32_t count);
/* LU factorizations of src[k] into dst[k], pivot entries of matrix k from pivotIndex[k*order]; 64f, pointer-list layout. */
RUKM_API rukStatus rukmLUDecomp_ma_64f_L(const double* const* src, int32_t srcShift,
    int32_t srcRowStride, int32_t srcElemStride, int32_t* pivotIndex, double* const* dst,
    int32_t dstShift, int32_t dstRowStride, int32_t dstElemStride, int32_t order, int32_t count);
/* LU factorizations of src[k] into dst[k], pivot entries of matrix k from pivotIndex[k*order]; 64f, element-pointer layout. */
RUKM_API rukStatus rukmLUDecomp_ma_64f_P(const double* const* src, int32_t srcShift,
    int32_t srcObjStride, int32_t* pivotIndex, double* const* dst, int32_t dstShift,
    int32_t dstObjStride, int32_t order, int32_t count);
/* solves A x = src2 for x = dst, given src and pivotIndex from LUDecomp; 32f, standard layout. */
RUKM_API rukStatus rukmLUBackSubst_mv_32f(const float* src, int32_t srcRowStride,
    int32_t srcElemStride, const int32_t* pivotIndex, const float* src2, int32_t src2ElemStride,
    float* dst, int32_t dstElemStride, int32_t order);
/* solves A x = src2 for x = dst, given src and pivotIndex from LUDecomp; 32f, element-pointer layout. */
RUKM_API rukStatus rukmLUBackSubst_mv_32f_P(const float* const* src, int32_t srcShift,
    const int32_t* pivotIndex, const float* const* src2, int32_t src2Shift, float* const* dst,
    int32_t dstShift, int32_t order);
/* solves A x = src2 for x = dst, given src and pivotIndex from LUDecomp; 64f, standard layout. */
RUKM_API rukStatus rukmLUBackSubst_mv_64f(const double* src, int32_t srcRowStride,
    int32_t srcElemStride, const int32_t* pivotIndex, const double* src2, int32_t src2ElemStride,
    double* dst, int32_t dstElemStride, int32_t order);
/* solves A x = src2 for x = dst, given src and pivotIndex from LUDecomp; 64f, element-pointer layout. */
RUKM_API rukStatus rukmLUBackSubst_mv_64f_P(const double* const* src, int32_t srcShift,
    const int32_t* pivotIndex, const double* const* src2, int32_t src2Shift, double* const* dst,
    int32_t dstShift, int32_t order);
/* solves A x = src2[k] for dst[k], one factorization for every right-hand side; 32f, standard layout. */
RUKM_API rukStatus rukmLUBackSubst_mva_32f(const float* src, int32_t srcRowStride,
    int32_t srcElemStride, const int32_t* pivotIndex, const float* src2, int32_t src2ObjStride,
    int32_t src2ElemStride, float* dst, int32_t dstObjStride, int32_t dstElemStride, int32_t order,
    int32_t count);
/* solves A x = src2[k] for dst[k], one factorization for every right-hand side; 32f, pointer-list layout. */
RUKM_API rukStatus rukmLUBackSubst_mva_32f_L(const float* src, int32_t srcRowStride,
    int32_t srcElemStride, const int32_t* pivotIndex, const float* const* src2, int32_t src2Shift,
    int32_t src2ElemStride, float* const* dst, int32_t dstShift, int32_t dstElemStride,
    int32_t order, int32_t count);
/* solves A x = src2[k] for dst[k], one factorization for every right-hand side; 32f, element-pointer layout. */
RUKM_API rukStatus rukmLUBackSubst_mva_32f_P(const float* const* src, int32_t srcShift,
    const int32_t* pivotIndex, const float* const* src2, int32_t src2Shift, int32_t src2ObjStride,
    float* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t order, int32_t count);
/* solves A x = src2[k] for dst[k], one factorization for every right-hand side; 64f, standard layout. */
RUKM_API rukStatus rukmLUBackSubst_mva_64f(const double* src, int32_t srcRowStride,
    int32_t srcElemStride, const int32_t* pivotIndex, const double* src2, int32_t src2ObjStride,
    int32_t src2ElemStride, double* dst, int32_t dstObjStride, int32_t dstElemStride, int32_t order,
    int32_t count);
/* solves A x = src2[k] for dst[k], one factorization for every right-hand side; 64f, pointer-list layout. */
RUKM_API rukStatus rukmLUBackSubst_mva_64f_L(const double* src, int32_t srcRowStride,
    int32_t srcElemStride, const int32_t* pivotIndex, const double* const* src2, int32_t src2Shift,
    int32_t src2ElemStride, double* const* dst, int32_t dstShift, int32_t dstElemStride,
    int32_t order, int32_t count);
/* solves A x = src2[k] for dst[k], one factorization for every right-hand side; 64f, element-pointer layout. */
RUKM_API rukStatus rukmLUBackSubst_mva_64f_P(const double* const* src, int32_t srcShift,
    const int32_t* pivotIndex, const double* const* src2, int32_t src2Shift, int32_t src2ObjStride,
    double* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t order, int32_t count);
/* solves A[k] x = src2[k] for dst[k], pivot entries of matrix k from pivotIndex[k*order]; 32f, standard layout. */
RUKM_API rukStatus rukmLUBackSubst_mava_32f(const float* src, int32_t srcObjStride,
    int32_t srcRowStride, int32_t srcElemStride, const int32_t* pivotIndex, const float* src2,
    int32_t src2ObjStride, int32_t src2ElemStride, float* dst, int32_t dstObjStride,
    int32_t dstElemStride, int32_t order, int32_t count);
/* solves A[k] x = src2[k] for dst[k], pivot entries of matrix k from pivotIndex[k*order]; 32f, pointer-list layout. */
RUKM_API rukStatus rukmLUBackSubst_mava_32f_L(const float* const* src, int32_t srcShift,
    int32_t srcRowStride, int32_t srcElemStride, const int32_t* pivotIndex,
    const float* const* src2, int32_t src2Shift, int32_t src2ElemStride, float* const* dst,
    int32_t dstShift, int32_t dstElemStride, int32_t order, int32_t count);
/* solves A[k] x = src2[k] for dst[k], pivot entries of matrix k from pivotIndex[k*order]; 32f, element-pointer layout. */
RUKM_API rukStatus rukmLUBackSubst_mava_32f_P(const float* const* src, int32_t srcShift,
    int32_t srcObjStride, const int32_t* pivotIndex, const float* const* src2, int32_t src2Shift,
    int32_t src2ObjStride, float* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t order,
    int32_t count);
/* solves A[k] x = src2[k] for dst[k], pivot entries of matrix k from pivotIndex[k*order]; 64f, standard layout. */
RUKM_API rukStatus rukmLUBackSubst_mava_64f(const double* src, int32_t srcObjStride,
    int32_t srcRowStride, int32_t srcElemStride, const int32_t* pivotIndex, const double* src2,
    int32_t src2ObjStride, int32_t src2ElemStride, double* dst, int32_t dstObjStride,
    int32_t dstElemStride, int32_t order, int32_t count);
/* solves A[k] x = src2[k] for dst[k], pivot entries of matrix k from pivotIndex[k*order]; 64f, pointer-list layout. */
RUKM_API rukStatus rukmLUBackSubst_mava_64f_L(const double* const* src, int32_t srcShift,
    int32_t srcRowStride, int32_t srcElemStride, const int32_t* pivotIndex,
    const double* const* src2, int32_t src2Shift, int32_t src2ElemStride, double* const* dst,
    int32_t dstShift, int32_t dstElemStride, int32_t order, int32_t count);
/* solves A[k] x = src2[k] for dst[k], pivot entries of matrix k from pivotIndex[k*order]; 64f, element-pointer layout. */
RUKM_API rukStatus rukmLUBackSubst_mava_64f_P(const double* const* src, int32_t srcShift,
    int32_t srcObjStride, const int32_t* pivotIndex, const double* const* src2, int32_t src2Shift,
    int32_t src2ObjStride, double* const* dst, int32_t dstShift, int32_t dstObjStride,
    int32_t order, int32_t count);

/* ---------------------------------------------------------------------------------------
 * Cholesky decomposition A = L L^T of symmetric positive-definite matrices and back
 * substitution. Only the lower triangle of src is read. dst receives L below the diagonal
 * and 1 / L(i, i) on it; its strict upper triangle is never written. src and dst may be
 * the same matrix. A diagonal term d with 0 >= d gives rukErrNotPosDef (rows before it and
 * the row's off-diagonal elements are written; arrays stop at that matrix, a parallel run
 * at its own first one). 32f reciprocal square roots are the processor's approximation
 * refined by one Newton step (about 22 correct bits). The back substitution reads the same
 * packing and tests nothing. rukmCholeskyBackSubst_mva _L forms check pointers, strides,
 * shifts, order, then count.
 * ------------------------------------------------------------------------------------ */
/* Cholesky factor L of the symmetric positive-definite src (lower triangle read): dst holds L below the diagonal and 1/L(i,i) on it; 32f, standard layout. */
RUKM_API rukStatus rukmCholeskyDecomp_m_32f(const float* src, int32_t srcRowStride,
    int32_t srcElemStride, float* dst, int32_t dstRowStride, int32_t dstElemStride, int32_t order);
/* Cholesky factor L of the symmetric positive-definite src (lower triangle read): dst holds L below the diagonal and 1/L(i,i) on it; 32f, element-pointer layout. */
RUKM_API rukStatus rukmCholeskyDecomp_m_32f_P(const float* const* src, int32_t srcShift,
    float* const* dst, int32_t dstShift, int32_t order);
/* Cholesky factor L of the symmetric positive-definite src (lower triangle read): dst holds L below the diagonal and 1/L(i,i) on it; 64f, standard layout. */
RUKM_API rukStatus rukmCholeskyDecomp_m_64f(const double* src, int32_t srcRowStride,
    int32_t srcElemStride, double* dst, int32_t dstRowStride, int32_t dstElemStride, int32_t order);
/* Cholesky factor L of the symmetric positive-definite src (lower triangle read): dst holds L below the diagonal and 1/L(i,i) on it; 64f, element-pointer layout. */
RUKM_API rukStatus rukmCholeskyDecomp_m_64f_P(const double* const* src, int32_t srcShift,
    double* const* dst, int32_t dstShift, int32_t order);
/* Cholesky factors of src[k] into dst[k] (lower triangles; reciprocal diagonals); 32f, standard layout. */
RUKM_API rukStatus rukmCholeskyDecomp_ma_32f(const float* src, int32_t srcObjStride,
    int32_t srcRowStride, int32_t srcElemStride, float* dst, int32_t dstObjStride,
    int32_t dstRowStride, int32_t dstElemStride, int32_t order, int32_t count);
/* Cholesky factors of src[k] into dst[k] (lower triangles; reciprocal diagonals); 32f, pointer-list layout. */
RUKM_API rukStatus rukmCholeskyDecomp_ma_32f_L(const float* const* src, int32_t srcShift,
    int32_t srcRowStride, int32_t srcElemStride, float* const* dst, int32_t dstShift,
    int32_t dstRowStride, int32_t dstElemStride, int32_t order, int32_t count);
/* Cholesky factors of src[k] into dst[k] (lower triangles; reciprocal diagonals); 32f, element-pointer layout. */
RUKM_API rukStatus rukmCholeskyDecomp_ma_32f_P(const float* const* src, int32_t srcShift,
    int32_t srcObjStride, float* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t order,
    int32_t count);
/* Cholesky factors of src[k] into dst[k] (lower triangles; reciprocal diagonals); 64f, standard layout. */
RUKM_API rukStatus rukmCholeskyDecomp_ma_64f(const double* src, int32_t srcObjStride,
    int32_t srcRowStride, int32_t srcElemStride, double* dst, int32_t dstObjStride,
    int32_t dstRowStride, int32_t dstElemStride, int32_t order, int32_t count);
/* Cholesky factors of src[k] into dst[k] (lower triangles; reciprocal diagonals); 64f, pointer-list layout. */
RUKM_API rukStatus rukmCholeskyDecomp_ma_64f_L(const double* const* src, int32_t srcShift,
    int32_t srcRowStride, int32_t srcElemStride, double* const* dst, int32_t dstShift,
    int32_t dstRowStride, int32_t dstElemStride, int32_t order, int32_t count);
/* Cholesky factors of src[k] into dst[k] (lower triangles; reciprocal diagonals); 64f, element-pointer layout. */
RUKM_API rukStatus rukmCholeskyDecomp_ma_64f_P(const double* const* src, int32_t srcShift,
    int32_t srcObjStride, double* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t order,
    int32_t count);
/* solves L L^T x = src2 for x = dst, given the factor src from CholeskyDecomp; 32f, standard layout. */
RUKM_API rukStatus rukmCholeskyBackSubst_mv_32f(const float* src, int32_t srcRowStride,
    int32_t srcElemStride, const float* src2, int32_t src2ElemStride, float* dst,
    int32_t dstElemStride, int32_t order);
/* solves L L^T x = src2 for x = dst, given the factor src from CholeskyDecomp; 32f, element-pointer layout. */
RUKM_API rukStatus rukmCholeskyBackSubst_mv_32f_P(const float* const* src, int32_t srcShift,
    const float* const* src2, int32_t src2Shift, float* const* dst, int32_t dstShift,
    int32_t order);
/* solves L L^T x = src2 for x = dst, given the factor src from CholeskyDecomp; 64f, standard layout. */
RUKM_API rukStatus rukmCholeskyBackSubst_mv_64f(const double* src, int32_t srcRowStride,
    int32_t srcElemStride, const double* src2, int32_t src2ElemStride, double* dst,
    int32_t dstElemStride, int32_t order);
/* solves L L^T x = src2 for x = dst, given the factor src from CholeskyDecomp; 64f, element-pointer layout. */
RUKM_API rukStatus rukmCholeskyBackSubst_mv_64f_P(const double* const* src, int32_t srcShift,
    const double* const* src2, int32_t src2Shift, double* const* dst, int32_t dstShift,
    int32_t order);
/* solves L L^T x = src2[k] for dst[k], one factor for every right-hand side; 32f, standard layout. */
RUKM_API rukStatus rukmCholeskyBackSubst_mva_32f(const float* src, int32_t srcRowStride,
    int32_t srcElemStride, const float* src2, int32_t src2ObjStride, int32_t src2ElemStride,
    float* dst, int32_t dstObjStride, int32_t dstElemStride, int32_t order, int32_t count);
/* solves L L^T x = src2[k] for dst[k], one factor for every right-hand side; 32f, pointer-list layout. */
RUKM_API rukStatus rukmCholeskyBackSubst_mva_32f_L(const float* src, int32_t srcRowStride,
    int32_t srcElemStride, const float* const* src2, int32_t src2Shift, int32_t src2ElemStride,
    float* const* dst, int32_t dstShift, int32_t dstElemStride, int32_t order, int32_t count);
/* solves L L^T x = src2[k] for dst[k], one factor for every right-hand side; 32f, element-pointer layout. */
RUKM_API rukStatus rukmCholeskyBackSubst_mva_32f_P(const float* const* src, int32_t srcShift,
    const float* const* src2, int32_t src2Shift, int32_t src2ObjStride, float* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t order, int32_t count);
/* solves L L^T x = src2[k] for dst[k], one factor for every right-hand side; 64f, standard layout. */
RUKM_API rukStatus rukmCholeskyBackSubst_mva_64f(const double* src, int32_t srcRowStride,
    int32_t srcElemStride, const double* src2, int32_t src2ObjStride, int32_t src2ElemStride,
    double* dst, int32_t dstObjStride, int32_t dstElemStride, int32_t order, int32_t count);
/* solves L L^T x = src2[k] for dst[k], one factor for every right-hand side; 64f, pointer-list layout. */
RUKM_API rukStatus rukmCholeskyBackSubst_mva_64f_L(const double* src, int32_t srcRowStride,
    int32_t srcElemStride, const double* const* src2, int32_t src2Shift, int32_t src2ElemStride,
    double* const* dst, int32_t dstShift, int32_t dstElemStride, int32_t order, int32_t count);
/* solves L L^T x = src2[k] for dst[k], one factor for every right-hand side; 64f, element-pointer layout. */
RUKM_API rukStatus rukmCholeskyBackSubst_mva_64f_P(const double* const* src, int32_t srcShift,
    const double* const* src2, int32_t src2Shift, int32_t src2ObjStride, double* const* dst,
    int32_t dstShift, int32_t dstObjStride, int32_t order, int32_t count);
/* solves L[k] L[k]^T x = src2[k] for dst[k]; 32f, standard layout. */
RUKM_API rukStatus rukmCholeskyBackSubst_mava_32f(const float* src, int32_t srcObjStride,
    int32_t srcRowStride, int32_t srcElemStride, const float* src2, int32_t src2ObjStride,
    int32_t src2ElemStride, float* dst, int32_t dstObjStride, int32_t dstElemStride, int32_t order,
    int32_t count);
/* solves L[k] L[k]^T x = src2[k] for dst[k]; 32f, pointer-list layout. */
RUKM_API rukStatus rukmCholeskyBackSubst_mava_32f_L(const float* const* src, int32_t srcShift,
    int32_t srcRowStride, int32_t srcElemStride, const float* const* src2, int32_t src2Shift,
    int32_t src2ElemStride, float* const* dst, int32_t dstShift, int32_t dstElemStride,
    int32_t order, int32_t count);
/* solves L[k] L[k]^T x = src2[k] for dst[k]; 32f, element-pointer layout. */
RUKM_API rukStatus rukmCholeskyBackSubst_mava_32f_P(const float* const* src, int32_t srcShift,
    int32_t srcObjStride, const float* const* src2, int32_t src2Shift, int32_t src2ObjStride,
    float* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t order, int32_t count);
/* solves L[k] L[k]^T x = src2[k] for dst[k]; 64f, standard layout. */
RUKM_API rukStatus rukmCholeskyBackSubst_mava_64f(const double* src, int32_t srcObjStride,
    int32_t srcRowStride, int32_t srcElemStride, const double* src2, int32_t src2ObjStride,
    int32_t src2ElemStride, double* dst, int32_t dstObjStride, int32_t dstElemStride, int32_t order,
    int32_t count);
/* solves L[k] L[k]^T x = src2[k] for dst[k]; 64f, pointer-list layout. */
RUKM_API rukStatus rukmCholeskyBackSubst_mava_64f_L(const double* const* src, int32_t srcShift,
    int32_t srcRowStride, int32_t srcElemStride, const double* const* src2, int32_t src2Shift,
    int32_t src2ElemStride, double* const* dst, int32_t dstShift, int32_t dstElemStride,
    int32_t order, int32_t count);
/* solves L[k] L[k]^T x = src2[k] for dst[k]; 64f, element-pointer layout. */
RUKM_API rukStatus rukmCholeskyBackSubst_mava_64f_P(const double* const* src, int32_t srcShift,
    int32_t srcObjStride, const double* const* src2, int32_t src2Shift, int32_t src2ObjStride,
    double* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t order, int32_t count);

/* ---------------------------------------------------------------------------------------
 * Householder QR decomposition A = Q R of height x width matrices (width <= height, else
 * rukErrSizeMismatch, checked after every other argument) and back substitution, which
 * returns the width elements of x solving R x = (Q^T b) restricted to its first width rows:
 * the exact solution for a square A, the least-squares one for a tall A. dst holds R on and
 * above the diagonal and the Householder vectors' components below it (the leading 1 is
 * implied; width - 1 reflections for a square matrix, width otherwise). buffer holds height
 * elements (always non-null; parallel array calls use scratch of their own). A column whose
 * squared norm from the diagonal down is below epsilon gives rukErrDivByZero (dst holds the
 * first k reflections applied; arrays stop at that matrix, a parallel run at its own first
 * one). src and dst of the decomposition may be the same matrix. The back substitution
 * tests nothing: a zero on the diagonal of R gives infinities or NaNs.
 * ------------------------------------------------------------------------------------ */
/* Householder QR of the height x width src (width <= height): R on and above the diagonal of dst, reflectors below it (buffer: height elements); 32f, standard layout. */
RUKM_API rukStatus rukmQRDecomp_m_32f(const float* src, int32_t srcRowStride, int32_t srcElemStride,
    float* buffer, float* dst, int32_t dstRowStride, int32_t dstElemStride, int32_t width,
    int32_t height);
/* Householder QR of the height x width src (width <= height): R on and above the diagonal of dst, reflectors below it (buffer: height elements); 32f, element-pointer layout. */
RUKM_API rukStatus rukmQRDecomp_m_32f_P(const float* const* src, int32_t srcShift, float* buffer,
    float* const* dst, int32_t dstShift, int32_t width, int32_t height);
/* Householder QR of the height x width src (width <= height): R on and above the diagonal of dst, reflectors below it (buffer: height elements); 64f, standard layout. */
RUKM_API rukStatus rukmQRDecomp_m_64f(const double* src, int32_t srcRowStride,
    int32_t srcElemStride, double* buffer, double* dst, int32_t dstRowStride, int32_t dstElemStride,
    int32_t width, int32_t height);
/* Householder QR of the height x width src (width <= height): R on and above the diagonal of dst, reflectors below it (buffer: height elements); 64f, element-pointer layout. */
RUKM_API rukStatus rukmQRDecomp_m_64f_P(const double* const* src, int32_t srcShift, double* buffer,
    double* const* dst, int32_t dstShift, int32_t width, int32_t height);
/* Householder QR factorizations of src[k] into dst[k] (buffer: height elements); 32f, standard layout. */
RUKM_API rukStatus rukmQRDecomp_ma_32f(const float* src, int32_t srcObjStride, int32_t srcRowStride,
    int32_t srcElemStride, float* buffer, float* dst, int32_t dstObjStride, int32_t dstRowStride,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* Householder QR factorizations of src[k] into dst[k] (buffer: height elements); 32f, pointer-list layout. */
RUKM_API rukStatus rukmQRDecomp_ma_32f_L(const float* const* src, int32_t srcShift,
    int32_t srcRowStride, int32_t srcElemStride, float* buffer, float* const* dst, int32_t dstShift,
    int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* Householder QR factorizations of src[k] into dst[k] (buffer: height elements); 32f, element-pointer layout. */
RUKM_API rukStatus rukmQRDecomp_ma_32f_P(const float* const* src, int32_t srcShift,
    int32_t srcObjStride, float* buffer, float* const* dst, int32_t dstShift, int32_t dstObjStride,
    int32_t width, int32_t height, int32_t count);
/* Householder QR factorizations of src[k] into dst[k] (buffer: height elements); 64f, standard layout. */
RUKM_API rukStatus rukmQRDecomp_ma_64f(const double* src, int32_t srcObjStride,
    int32_t srcRowStride, int32_t srcElemStride, double* buffer, double* dst, int32_t dstObjStride,
    int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* Householder QR factorizations of src[k] into dst[k] (buffer: height elements); 64f, pointer-list layout. */
RUKM_API rukStatus rukmQRDecomp_ma_64f_L(const double* const* src, int32_t srcShift,
    int32_t srcRowStride, int32_t srcElemStride, double* buffer, double* const* dst,
    int32_t dstShift, int32_t dstRowStride, int32_t dstElemStride, int32_t width, int32_t height,
    int32_t count);
/* Householder QR factorizations of src[k] into dst[k] (buffer: height elements); 64f, element-pointer layout. */
RUKM_API rukStatus rukmQRDecomp_ma_64f_P(const double* const* src, int32_t srcShift,
    int32_t srcObjStride, double* buffer, double* const* dst, int32_t dstShift,
    int32_t dstObjStride, int32_t width, int32_t height, int32_t count);
/* least-squares solution dst of A x = src2, given src from QRDecomp (buffer: height elements); 32f, standard layout. */
RUKM_API rukStatus rukmQRBackSubst_mv_32f(const float* src, int32_t srcRowStride,
    int32_t srcElemStride, float* buffer, const float* src2, int32_t src2ElemStride, float* dst,
    int32_t dstElemStride, int32_t width, int32_t height);
/* least-squares solution dst of A x = src2, given src from QRDecomp (buffer: height elements); 32f, element-pointer layout. */
RUKM_API rukStatus rukmQRBackSubst_mv_32f_P(const float* const* src, int32_t srcShift,
    float* buffer, const float* const* src2, int32_t src2Shift, float* const* dst, int32_t dstShift,
    int32_t width, int32_t height);
/* least-squares solution dst of A x = src2, given src from QRDecomp (buffer: height elements); 64f, standard layout. */
RUKM_API rukStatus rukmQRBackSubst_mv_64f(const double* src, int32_t srcRowStride,
    int32_t srcElemStride, double* buffer, const double* src2, int32_t src2ElemStride, double* dst,
    int32_t dstElemStride, int32_t width, int32_t height);
/* least-squares solution dst of A x = src2, given src from QRDecomp (buffer: height elements); 64f, element-pointer layout. */
RUKM_API rukStatus rukmQRBackSubst_mv_64f_P(const double* const* src, int32_t srcShift,
    double* buffer, const double* const* src2, int32_t src2Shift, double* const* dst,
    int32_t dstShift, int32_t width, int32_t height);
/* least-squares solutions dst[k] of A x = src2[k], one factorization for every right-hand side (buffer: height elements); 32f, standard layout. */
RUKM_API rukStatus rukmQRBackSubst_mva_32f(const float* src, int32_t srcRowStride,
    int32_t srcElemStride, float* buffer, const float* src2, int32_t src2ObjStride,
    int32_t src2ElemStride, float* dst, int32_t dstObjStride, int32_t dstElemStride, int32_t width,
    int32_t height, int32_t count);
/* least-squares solutions dst[k] of A x = src2[k], one factorization for every right-hand side (buffer: height elements); 32f, pointer-list layout. */
RUKM_API rukStatus rukmQRBackSubst_mva_32f_L(const float* src, int32_t srcRowStride,
    int32_t srcElemStride, float* buffer, const float* const* src2, int32_t src2Shift,
    int32_t src2ElemStride, float* const* dst, int32_t dstShift, int32_t dstElemStride,
    int32_t width, int32_t height, int32_t count);
/* least-squares solutions dst[k] of A x = src2[k], one factorization for every right-hand side (buffer: height elements); 32f, element-pointer layout. */
RUKM_API rukStatus rukmQRBackSubst_mva_32f_P(const float* const* src, int32_t srcShift,
    float* buffer, const float* const* src2, int32_t src2Shift, int32_t src2ObjStride,
    float* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t width, int32_t height,
    int32_t count);
/* least-squares solutions dst[k] of A x = src2[k], one factorization for every right-hand side (buffer: height elements); 64f, standard layout. */
RUKM_API rukStatus rukmQRBackSubst_mva_64f(const double* src, int32_t srcRowStride,
    int32_t srcElemStride, double* buffer, const double* src2, int32_t src2ObjStride,
    int32_t src2ElemStride, double* dst, int32_t dstObjStride, int32_t dstElemStride, int32_t width,
    int32_t height, int32_t count);
/* least-squares solutions dst[k] of A x = src2[k], one factorization for every right-hand side (buffer: height elements); 64f, pointer-list layout. */
RUKM_API rukStatus rukmQRBackSubst_mva_64f_L(const double* src, int32_t srcRowStride,
    int32_t srcElemStride, double* buffer, const double* const* src2, int32_t src2Shift,
    int32_t src2ElemStride, double* const* dst, int32_t dstShift, int32_t dstElemStride,
    int32_t width, int32_t height, int32_t count);
/* least-squares solutions dst[k] of A x = src2[k], one factorization for every right-hand side (buffer: height elements); 64f, element-pointer layout. */
RUKM_API rukStatus rukmQRBackSubst_mva_64f_P(const double* const* src, int32_t srcShift,
    double* buffer, const double* const* src2, int32_t src2Shift, int32_t src2ObjStride,
    double* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t width, int32_t height,
    int32_t count);
/* least-squares solutions dst[k] of A[k] x = src2[k] (buffer: height elements); 32f, standard layout. */
RUKM_API rukStatus rukmQRBackSubst_mava_32f(const float* src, int32_t srcObjStride,
    int32_t srcRowStride, int32_t srcElemStride, float* buffer, const float* src2,
    int32_t src2ObjStride, int32_t src2ElemStride, float* dst, int32_t dstObjStride,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* least-squares solutions dst[k] of A[k] x = src2[k] (buffer: height elements); 32f, pointer-list layout. */
RUKM_API rukStatus rukmQRBackSubst_mava_32f_L(const float* const* src, int32_t srcShift,
    int32_t srcRowStride, int32_t srcElemStride, float* buffer, const float* const* src2,
    int32_t src2Shift, int32_t src2ElemStride, float* const* dst, int32_t dstShift,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* least-squares solutions dst[k] of A[k] x = src2[k] (buffer: height elements); 32f, element-pointer layout. */
RUKM_API rukStatus rukmQRBackSubst_mava_32f_P(const float* const* src, int32_t srcShift,
    int32_t srcObjStride, float* buffer, const float* const* src2, int32_t src2Shift,
    int32_t src2ObjStride, float* const* dst, int32_t dstShift, int32_t dstObjStride, int32_t width,
    int32_t height, int32_t count);
/* least-squares solutions dst[k] of A[k] x = src2[k] (buffer: height elements); 64f, standard layout. */
RUKM_API rukStatus rukmQRBackSubst_mava_64f(const double* src, int32_t srcObjStride,
    int32_t srcRowStride, int32_t srcElemStride, double* buffer, const double* src2,
    int32_t src2ObjStride, int32_t src2ElemStride, double* dst, int32_t dstObjStride,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* least-squares solutions dst[k] of A[k] x = src2[k] (buffer: height elements); 64f, pointer-list layout. */
RUKM_API rukStatus rukmQRBackSubst_mava_64f_L(const double* const* src, int32_t srcShift,
    int32_t srcRowStride, int32_t srcElemStride, double* buffer, const double* const* src2,
    int32_t src2Shift, int32_t src2ElemStride, double* const* dst, int32_t dstShift,
    int32_t dstElemStride, int32_t width, int32_t height, int32_t count);
/* least-squares solutions dst[k] of A[k] x = src2[k] (buffer: height elements); 64f, element-pointer layout. */
RUKM_API rukStatus rukmQRBackSubst_mava_64f_P(const double* const* src, int32_t srcShift,
    int32_t srcObjStride, double* buffer, const double* const* src2, int32_t src2Shift,
    int32_t src2ObjStride, double* const* dst, int32_t dstShift, int32_t dstObjStride,
    int32_t width, int32_t height, int32_t count);

/* ---------------------------------------------------------------------------------------
 * Matrix inversion, as the adjugate divided by the determinant: closed cofactor forms for
 * orders 3 to 6; for order 2 and orders 7 and above one pivoted elimination for the
 * determinant and one per cofactor, on copies in buffer (order*order elements followed by
 * order int32; always non-null; parallel array calls use scratch of their own), where a
 * minor whose elimination meets a tiny pivot counts as tau (so the inverse of the identity
 * has off-diagonal elements of magnitude tau there). tau = 2 * order^3 * the smallest normal
 * number: a determinant (or, in the elimination, a pivot) below it gives rukErrSingular and
 * nothing is written to that matrix; arrays stop at it (a parallel run at its own first
 * one). Order 1: rukErrSingular unless |a| > tau, else dst = 1 / a. src and dst must not
 * overlap.
 * ------------------------------------------------------------------------------------ */
/* dst = inverse of src (buffer: order*order elements then order int32); 32f, standard layout. */
RUKM_API rukStatus rukmInvert_m_32f(const float* src, int32_t srcRowStride, int32_t srcElemStride,
    float* buffer, float* dst, int32_t dstRowStride, int32_t dstElemStride, int32_t order);
/* dst = inverse of src (buffer: order*order elements then order int32); 32f, element-pointer layout. */
RUKM_API rukStatus rukmInvert_m_32f_P(const float* const* src, int32_t srcShift, float* buffer,
    float* const* dst, int32_t dstShift, int32_t order);
/* dst = inverse of src (buffer: order*order elements then order int32); 64f, standard layout. */
RUKM_API rukStatus rukmInvert_m_64f(const double* src, int32_t srcRowStride, int32_t srcElemStride,
    double* buffer, double* dst, int32_t dstRowStride, int32_t dstElemStride, int32_t order);
/* dst = inverse of src (buffer: order*order elements then order int32); 64f, element-pointer layout. */
RUKM_API rukStatus rukmInvert_m_64f_P(const double* const* src, int32_t srcShift, double* buffer,
    double* const* dst, int32_t dstShift, int32_t order);
/* dst[k] = inverse of src[k] (buffer: order*order elements then order int32); 32f, standard layout. */
RUKM_API rukStatus rukmInvert_ma_32f(const float* src, int32_t srcObjStride, int32_t srcRowStride,
    int32_t srcElemStride, float* buffer, float* dst, int32_t dstObjStride, int32_t dstRowStride,
    int32_t dstElemStride, int32_t order, int32_t count);
/* dst[k] = inverse of src[k] (buffer: order*order elements then order int32); 32f, pointer-list layout. */
RUKM_API rukStatus rukmInvert_ma_32f_L(const float* const* src, int32_t srcShift,
    int32_t srcRowStride, int32_t srcElemStride, float* buffer, float* const* dst, int32_t dstShift,
    int32_t dstRowStride, int32_t dstElemStride, int32_t order, int32_t count);
/* dst[k] = inverse of src[k] (buffer: order*order elements then order int32); 32f, element-pointer layout. */
RUKM_API rukStatus rukmInvert_ma_32f_P(const float* const* src, int32_t srcShift,
    int32_t srcObjStride, float* buffer, float* const* dst, int32_t dstShift, int32_t dstObjStride,
    int32_t order, int32_t count);
/* dst[k] = inverse of src[k] (buffer: order*order elements then order int32); 64f, standard layout. */
RUKM_API rukStatus rukmInvert_ma_64f(const double* src, int32_t srcObjStride, int32_t srcRowStride,
    int32_t srcElemStride, double* buffer, double* dst, int32_t dstObjStride, int32_t dstRowStride,
    int32_t dstElemStride, int32_t order, int32_t count);
/* dst[k] = inverse of src[k] (buffer: order*order elements then order int32); 64f, pointer-list layout. */
RUKM_API rukStatus rukmInvert_ma_64f_L(const double* const* src, int32_t srcShift,
    int32_t srcRowStride, int32_t srcElemStride, double* buffer, double* const* dst,
    int32_t dstShift, int32_t dstRowStride, int32_t dstElemStride, int32_t order, int32_t count);
/* dst[k] = inverse of src[k] (buffer: order*order elements then order int32); 64f, element-pointer layout. */
RUKM_API rukStatus rukmInvert_ma_64f_P(const double* const* src, int32_t srcShift,
    int32_t srcObjStride, double* buffer, double* const* dst, int32_t dstShift,
    int32_t dstObjStride, int32_t order, int32_t count);

/* ---------------------------------------------------------------------------------------
 * Eigenvalues and eigenvectors of real symmetric matrices (symmetry is not checked).
 * Order 1: the element (vector 1). Order 2: closed form from src(0,0), src(0,1), src(1,1),
 * values not sorted (the larger magnitude first); rukErrSingular when |det| <= epsilon,
 * before any output. Order 3 and above: Householder reduction to tridiagonal form and the
 * implicit-shift QL or QR iteration (at most 30 sweeps per eigenvalue, else
 * rukErrNoConverge with partial outputs); the values are then sorted in descending order,
 * the eigenvector columns of dst with them. A matrix whose eigenvalue product has magnitude
 * at most epsilon gives rukErrSingular: the values family returns its values unsorted, the
 * vectors family sorted with their vectors. dstValues is packed (matrix k from k*order) and
 * is also the work vector of the reduction: it must not overlap buffer or dst. buffer holds
 * order*order elements. Arrays stop at the first matrix that fails (a parallel run at its
 * own first one). Checks: pointers, order, count, shifts, strides.
 * ------------------------------------------------------------------------------------ */
/* eigenvalues of the symmetric src, descending, into dstValues (buffer: order*order elements); 32f, standard layout. */
RUKM_API rukStatus rukmEigenValuesSym_m_32f(const float* src, int32_t srcRowStride,
    int32_t srcElemStride, float* buffer, float* dstValues, int32_t order);
/* eigenvalues of the symmetric src, descending, into dstValues (buffer: order*order elements); 32f, element-pointer layout. */
RUKM_API rukStatus rukmEigenValuesSym_m_32f_P(const float* const* src, int32_t srcShift,
    float* buffer, float* dstValues, int32_t order);
/* eigenvalues of the symmetric src, descending, into dstValues (buffer: order*order elements); 64f, standard layout. */
RUKM_API rukStatus rukmEigenValuesSym_m_64f(const double* src, int32_t srcRowStride,
    int32_t srcElemStride, double* buffer, double* dstValues, int32_t order);
/* eigenvalues of the symmetric src, descending, into dstValues (buffer: order*order elements); 64f, element-pointer layout. */
RUKM_API rukStatus rukmEigenValuesSym_m_64f_P(const double* const* src, int32_t srcShift,
    double* buffer, double* dstValues, int32_t order);
/* eigenvalues of the symmetric src[k], descending, into dstValues[k*order] (buffer: order*order elements); 32f, standard layout. */
RUKM_API rukStatus rukmEigenValuesSym_ma_32f(const float* src, int32_t srcObjStride,
    int32_t srcRowStride, int32_t srcElemStride, float* buffer, float* dstValues, int32_t order,
    int32_t count);
/* eigenvalues of the symmetric src[k], descending, into dstValues[k*order] (buffer: order*order elements); 32f, pointer-list layout. */
RUKM_API rukStatus rukmEigenValuesSym_ma_32f_L(const float* const* src, int32_t srcShift,
    int32_t srcRowStride, int32_t srcElemStride, float* buffer, float* dstValues, int32_t order,
    int32_t count);
/* eigenvalues of the symmetric src[k], descending, into dstValues[k*order] (buffer: order*order elements); 32f, element-pointer layout. */
RUKM_API rukStatus rukmEigenValuesSym_ma_32f_P(const float* const* src, int32_t srcShift,
    int32_t srcObjStride, float* buffer, float* dstValues, int32_t order, int32_t count);
/* eigenvalues of the symmetric src[k], descending, into dstValues[k*order] (buffer: order*order elements); 64f, standard layout. */
RUKM_API rukStatus rukmEigenValuesSym_ma_64f(const double* src, int32_t srcObjStride,
    int32_t srcRowStride, int32_t srcElemStride, double* buffer, double* dstValues, int32_t order,
    int32_t count);
/* eigenvalues of the symmetric src[k], descending, into dstValues[k*order] (buffer: order*order elements); 64f, pointer-list layout. */
RUKM_API rukStatus rukmEigenValuesSym_ma_64f_L(const double* const* src, int32_t srcShift,
    int32_t srcRowStride, int32_t srcElemStride, double* buffer, double* dstValues, int32_t order,
    int32_t count);
/* eigenvalues of the symmetric src[k], descending, into dstValues[k*order] (buffer: order*order elements); 64f, element-pointer layout. */
RUKM_API rukStatus rukmEigenValuesSym_ma_64f_P(const double* const* src, int32_t srcShift,
    int32_t srcObjStride, double* buffer, double* dstValues, int32_t order, int32_t count);
/* eigenvalues of the symmetric src, descending, and the unit eigenvectors as the columns of dst (buffer: order*order elements); 32f, standard layout. */
RUKM_API rukStatus rukmEigenValuesVectorsSym_m_32f(const float* src, int32_t srcRowStride,
    int32_t srcElemStride, float* buffer, float* dst, int32_t dstRowStride, int32_t dstElemStride,
    float* dstValues, int32_t order);
/* eigenvalues of the symmetric src, descending, and the unit eigenvectors as the columns of dst (buffer: order*order elements); 32f, element-pointer layout. */
RUKM_API rukStatus rukmEigenValuesVectorsSym_m_32f_P(const float* const* src, int32_t srcShift,
    float* buffer, float* const* dst, int32_t dstShift, float* dstValues, int32_t order);
/* eigenvalues of the symmetric src, descending, and the unit eigenvectors as the columns of dst (buffer: order*order elements); 64f, standard layout. */
RUKM_API rukStatus rukmEigenValuesVectorsSym_m_64f(const double* src, int32_t srcRowStride,
    int32_t srcElemStride, double* buffer, double* dst, int32_t dstRowStride, int32_t dstElemStride,
    double* dstValues, int32_t order);
/* eigenvalues of the symmetric src, descending, and the unit eigenvectors as the columns of dst (buffer: order*order elements); 64f, element-pointer layout. */
RUKM_API rukStatus rukmEigenValuesVectorsSym_m_64f_P(const double* const* src, int32_t srcShift,
    double* buffer, double* const* dst, int32_t dstShift, double* dstValues, int32_t order);
/* eigenvalues of the symmetric src[k], descending, and the unit eigenvectors as the columns of dst[k] (buffer: order*order elements); 32f, standard layout. */
RUKM_API rukStatus rukmEigenValuesVectorsSym_ma_32f(const float* src, int32_t srcObjStride,
    int32_t srcRowStride, int32_t srcElemStride, float* buffer, float* dst, int32_t dstObjStride,
    int32_t dstRowStride, int32_t dstElemStride, float* dstValues, int32_t order, int32_t count);
/* eigenvalues of the symmetric src[k], descending, and the unit eigenvectors as the columns of dst[k] (buffer: order*order elements); 32f, pointer-list layout. */
RUKM_API rukStatus rukmEigenValuesVectorsSym_ma_32f_L(const float* const* src, int32_t srcShift,
    int32_t srcRowStride, int32_t srcElemStride, float* buffer, float* const* dst, int32_t dstShift,
    int32_t dstRowStride, int32_t dstElemStride, float* dstValues, int32_t order, int32_t count);
/* eigenvalues of the symmetric src[k], descending, and the unit eigenvectors as the columns of dst[k] (buffer: order*order elements); 32f, element-pointer layout. */
RUKM_API rukStatus rukmEigenValuesVectorsSym_ma_32f_P(const float* const* src, int32_t srcShift,
    int32_t srcObjStride, float* buffer, float* const* dst, int32_t dstShift, int32_t dstObjStride,
    float* dstValues, int32_t order, int32_t count);
/* eigenvalues of the symmetric src[k], descending, and the unit eigenvectors as the columns of dst[k] (buffer: order*order elements); 64f, standard layout. */
RUKM_API rukStatus rukmEigenValuesVectorsSym_ma_64f(const double* src, int32_t srcObjStride,
    int32_t srcRowStride, int32_t srcElemStride, double* buffer, double* dst, int32_t dstObjStride,
    int32_t dstRowStride, int32_t dstElemStride, double* dstValues, int32_t order, int32_t count);
/* eigenvalues of the symmetric src[k], descending, and the unit eigenvectors as the columns of dst[k] (buffer: order*order elements); 64f, pointer-list layout. */
RUKM_API rukStatus rukmEigenValuesVectorsSym_ma_64f_L(const double* const* src, int32_t srcShift,
    int32_t srcRowStride, int32_t srcElemStride, double* buffer, double* const* dst,
    int32_t dstShift, int32_t dstRowStride, int32_t dstElemStride, double* dstValues, int32_t order,
    int32_t count);
/* eigenvalues of the symmetric src[k], descending, and the unit eigenvectors as the columns of dst[k] (buffer: order*order elements); 64f, element-pointer layout. */
RUKM_API rukStatus rukmEigenValuesVectorsSym_ma_64f_P(const double* const* src, int32_t srcShift,
    int32_t srcObjStride, double* buffer, double* const* dst, int32_t dstShift,
    int32_t dstObjStride, double* dstValues, int32_t order, int32_t count);

/* ---------------------------------------------------------------------------------------
 * Eigenvalues of real general (non-symmetric) matrices: Householder reduction to upper
 * Hessenberg form, then the double-shift QR iteration with one budget of 30*order sweeps for
 * the whole matrix. A sub-diagonal element of magnitude at most epsilon splits the matrix
 * (an absolute test: scale badly scaled matrices first). Products of elements are formed
 * unscaled: keep the elements within about 1e-18 .. 1e18 in magnitude in 32f (1e-150 ..
 * 1e150 in 64f), here and in the eigenvector exports. dstValuesRe[i] + i*dstValuesIm[i]
 * is eigenvalue i, in the order of the diagonal of the final quasi-triangular form (not
 * sorted); a complex conjugate pair takes two consecutive indices, the positive imaginary
 * part first; a real value has imaginary part 0. Both arrays are packed (matrix k from
 * k*order). buffer: rukmEigenValuesGetBufSize bytes, any alignment; its contents afterwards
 * are of no use. Checks: pointers, order, count, shifts, strides (rukErrNullPtr, rukErrSize,
 * rukErrCount, rukErrShift, rukErrStride); nothing is read or written before they pass.
 * rukErrNoConverge when the budget runs out while a block larger than 2 x 2 is active: the
 * values of the blocks split off before (the higher indices) are written, the others are
 * not. A singular matrix is not an error. Arrays stop at the first matrix that fails (a
 * parallel run at its own first one); parallel array calls use scratch of their own (of the
 * eigenvector buffer size) instead of buffer.
 *
 * The size queries write the buffer size in bytes for an order: (order + 5) * order elements
 * for rukmEigenValues, (3 * order + 5) * order for the eigenvector exports. Checks: bufSize
 * non-null (rukErrNullPtr), then order >= 1 (rukErrSize; also for an order whose size does
 * not fit in 32 bits); *bufSize is written only on rukOk.
 * ------------------------------------------------------------------------------------ */
/* eigenvalues of src into dstValuesRe/Im (buffer: rukmEigenValuesGetBufSize bytes); 32f, standard layout. */
RUKM_API rukStatus rukmEigenValues_m_32f(const float* src, int32_t srcRowStride,
    int32_t srcElemStride, float* dstValuesRe, float* dstValuesIm, int32_t order, uint8_t* buffer);
/* eigenvalues of src into dstValuesRe/Im (buffer: rukmEigenValuesGetBufSize bytes); 32f, element-pointer layout. */
RUKM_API rukStatus rukmEigenValues_m_32f_P(const float* const* src, int32_t srcShift,
    float* dstValuesRe, float* dstValuesIm, int32_t order, uint8_t* buffer);
/* eigenvalues of src into dstValuesRe/Im (buffer: rukmEigenValuesGetBufSize bytes); 64f, standard layout. */
RUKM_API rukStatus rukmEigenValues_m_64f(const double* src, int32_t srcRowStride,
    int32_t srcElemStride, double* dstValuesRe, double* dstValuesIm, int32_t order,
    uint8_t* buffer);
/* eigenvalues of src into dstValuesRe/Im (buffer: rukmEigenValuesGetBufSize bytes); 64f, element-pointer layout. */
RUKM_API rukStatus rukmEigenValues_m_64f_P(const double* const* src, int32_t srcShift,
    double* dstValuesRe, double* dstValuesIm, int32_t order, uint8_t* buffer);
/* eigenvalues of src[k] into dstValuesRe/Im[k*order] (buffer: rukmEigenValuesGetBufSize bytes); 32f, standard layout. */
RUKM_API rukStatus rukmEigenValues_ma_32f(const float* src, int32_t srcObjStride,
    int32_t srcRowStride, int32_t srcElemStride, float* dstValuesRe, float* dstValuesIm,
    int32_t order, int32_t count, uint8_t* buffer);
/* eigenvalues of src[k] into dstValuesRe/Im[k*order] (buffer: rukmEigenValuesGetBufSize bytes); 32f, pointer-list layout. */
RUKM_API rukStatus rukmEigenValues_ma_32f_L(const float* const* src, int32_t srcShift,
    int32_t srcRowStride, int32_t srcElemStride, float* dstValuesRe, float* dstValuesIm,
    int32_t order, int32_t count, uint8_t* buffer);
/* eigenvalues of src[k] into dstValuesRe/Im[k*order] (buffer: rukmEigenValuesGetBufSize bytes); 32f, element-pointer layout. */
RUKM_API rukStatus rukmEigenValues_ma_32f_P(const float* const* src, int32_t srcShift,
    int32_t srcObjStride, float* dstValuesRe, float* dstValuesIm, int32_t order, int32_t count,
    uint8_t* buffer);
/* eigenvalues of src[k] into dstValuesRe/Im[k*order] (buffer: rukmEigenValuesGetBufSize bytes); 64f, standard layout. */
RUKM_API rukStatus rukmEigenValues_ma_64f(const double* src, int32_t srcObjStride,
    int32_t srcRowStride, int32_t srcElemStride, double* dstValuesRe, double* dstValuesIm,
    int32_t order, int32_t count, uint8_t* buffer);
/* eigenvalues of src[k] into dstValuesRe/Im[k*order] (buffer: rukmEigenValuesGetBufSize bytes); 64f, pointer-list layout. */
RUKM_API rukStatus rukmEigenValues_ma_64f_L(const double* const* src, int32_t srcShift,
    int32_t srcRowStride, int32_t srcElemStride, double* dstValuesRe, double* dstValuesIm,
    int32_t order, int32_t count, uint8_t* buffer);
/* eigenvalues of src[k] into dstValuesRe/Im[k*order] (buffer: rukmEigenValuesGetBufSize bytes); 64f, element-pointer layout. */
RUKM_API rukStatus rukmEigenValues_ma_64f_P(const double* const* src, int32_t srcShift,
    int32_t srcObjStride, double* dstValuesRe, double* dstValuesIm, int32_t order, int32_t count,
    uint8_t* buffer);
/* *bufSize = bytes of the buffer of rukmEigenValues_* of this order: (order + 5) * order elements; 32f. */
RUKM_API rukStatus rukmEigenValuesGetBufSize_32f(int32_t order, int32_t* bufSize);
/* *bufSize = bytes of the buffer of rukmEigenValues_* of this order: (order + 5) * order elements; 64f. */
RUKM_API rukStatus rukmEigenValuesGetBufSize_64f(int32_t order, int32_t* bufSize);
/* *bufSize = bytes of the buffer of the eigenvector exports of this order: (3 * order + 5) * order elements; 32f. */
RUKM_API rukStatus rukmEigenValuesVectorsGetBufSize_32f(int32_t order, int32_t* bufSize);
/* *bufSize = bytes of the buffer of the eigenvector exports of this order: (3 * order + 5) * order elements; 64f. */
RUKM_API rukStatus rukmEigenValuesVectorsGetBufSize_64f(int32_t order, int32_t* bufSize);

/* ---------------------------------------------------------------------------------------
 * Eigenvalues and right (A v = lambda v), left (u^H A = lambda u^H) or both sets of
 * eigenvectors of real general matrices. The reduction to Hessenberg form also forms Q; the
 * double-shift QR iteration (relative deflation test, 30*order sweeps in all) leaves the real
 * Schur form T = Q^T A Q; the eigenvectors of T come from substitution in the quasi-triangular
 * system (a pivot below epsilon * |lambda| is replaced by that bound, and the solution is scaled
 * down where it would overflow) and are multiplied by Q. Values as for rukmEigenValues
 * (computed with a deflation test relative to the neighbouring diagonal elements, so they may
 * differ from rukmEigenValues in the last bits or in order): diagonal order of T, pairs with the
 * positive imaginary part first, packed). Column j of dst (dstRight, dstLeft) belongs to
 * eigenvalue j: a real unit vector for a real value; for a pair j, j+1 column j holds the real
 * part and column j+1 the imaginary part of the vector of eigenvalue j (that of j+1 is its
 * conjugate). Every vector has unit Euclidean norm and its component of largest modulus is
 * real. A defective or singular matrix still gives rukOk (vectors of a repeated eigenvalue may
 * be nearly parallel). buffer: rukmEigenValuesVectorsGetBufSize bytes, any alignment.
 * Checks: pointers (rukErrNullPtr), order (rukErrSize), count (rukErrCount); single matrices
 * then all strides (rukErrStride) or, _P, all shifts (rukErrShift); standard arrays all
 * strides; _L and _P arrays operand by operand: the source's shift, the source's strides, the
 * destinations' shifts, the destinations' strides. rukErrNoConverge: the values of the blocks
 * split off before are written, no destination matrix is. The destination matrices are
 * written only when the matrix succeeds. Arrays stop at the first matrix that fails (a
 * parallel run at its own first one); parallel array calls use scratch of their own.
 * ------------------------------------------------------------------------------------ */
/* eigenvalues of src and its right eigenvectors as the columns of dst (buffer: rukmEigenValuesVectorsGetBufSize bytes); 32f, standard layout. */
RUKM_API rukStatus rukmEigenValuesVectorsRight_m_32f(const float* src, int32_t srcRowStride,
    int32_t srcElemStride, float* dst, int32_t dstRowStride, int32_t dstElemStride,
    float* dstValuesRe, float* dstValuesIm, int32_t order, uint8_t* buffer);
/* eigenvalues of src and its right eigenvectors as the columns of dst (buffer: rukmEigenValuesVectorsGetBufSize bytes); 32f, element-pointer layout. */
RUKM_API rukStatus rukmEigenValuesVectorsRight_m_32f_P(const float* const* src, int32_t srcShift,
    float* const* dst, int32_t dstShift, float* dstValuesRe, float* dstValuesIm, int32_t order,
    uint8_t* buffer);
/* eigenvalues of src and its right eigenvectors as the columns of dst (buffer: rukmEigenValuesVectorsGetBufSize bytes); 64f, standard layout. */
RUKM_API rukStatus rukmEigenValuesVectorsRight_m_64f(const double* src, int32_t srcRowStride,
    int32_t srcElemStride, double* dst, int32_t dstRowStride, int32_t dstElemStride,
    double* dstValuesRe, double* dstValuesIm, int32_t order, uint8_t* buffer);
/* eigenvalues of src and its right eigenvectors as the columns of dst (buffer: rukmEigenValuesVectorsGetBufSize bytes); 64f, element-pointer layout. */
RUKM_API rukStatus rukmEigenValuesVectorsRight_m_64f_P(const double* const* src, int32_t srcShift,
    double* const* dst, int32_t dstShift, double* dstValuesRe, double* dstValuesIm, int32_t order,
    uint8_t* buffer);
/* eigenvalues of src[k] and its right eigenvectors as the columns of dst[k] (buffer: rukmEigenValuesVectorsGetBufSize bytes); 32f, standard layout. */
RUKM_API rukStatus rukmEigenValuesVectorsRight_ma_32f(const float* src, int32_t srcObjStride,
    int32_t srcRowStride, int32_t srcElemStride, float* dst, int32_t dstObjStride,
    int32_t dstRowStride, int32_t dstElemStride, float* dstValuesRe, float* dstValuesIm,
    int32_t order, int32_t count, uint8_t* buffer);
/* eigenvalues of src[k] and its right eigenvectors as the columns of dst[k] (buffer: rukmEigenValuesVectorsGetBufSize bytes); 32f, pointer-list layout. */
RUKM_API rukStatus rukmEigenValuesVectorsRight_ma_32f_L(const float* const* src, int32_t srcShift,
    int32_t srcRowStride, int32_t srcElemStride, float* const* dst, int32_t dstShift,
    int32_t dstRowStride, int32_t dstElemStride, float* dstValuesRe, float* dstValuesIm,
    int32_t order, int32_t count, uint8_t* buffer);
/* eigenvalues of src[k] and its right eigenvectors as the columns of dst[k] (buffer: rukmEigenValuesVectorsGetBufSize bytes); 32f, element-pointer layout. */
RUKM_API rukStatus rukmEigenValuesVectorsRight_ma_32f_P(const float* const* src, int32_t srcShift,
    int32_t srcObjStride, float* const* dst, int32_t dstShift, int32_t dstObjStride,
    float* dstValuesRe, float* dstValuesIm, int32_t order, int32_t count, uint8_t* buffer);
/* eigenvalues of src[k] and its right eigenvectors as the columns of dst[k] (buffer: rukmEigenValuesVectorsGetBufSize bytes); 64f, standard layout. */
RUKM_API rukStatus rukmEigenValuesVectorsRight_ma_64f(const double* src, int32_t srcObjStride,
    int32_t srcRowStride, int32_t srcElemStride, double* dst, int32_t dstObjStride,
    int32_t dstRowStride, int32_t dstElemStride, double* dstValuesRe, double* dstValuesIm,
    int32_t order, int32_t count, uint8_t* buffer);
/* eigenvalues of src[k] and its right eigenvectors as the columns of dst[k] (buffer: rukmEigenValuesVectorsGetBufSize bytes); 64f, pointer-list layout. */
RUKM_API rukStatus rukmEigenValuesVectorsRight_ma_64f_L(const double* const* src, int32_t srcShift,
    int32_t srcRowStride, int32_t srcElemStride, double* const* dst, int32_t dstShift,
    int32_t dstRowStride, int32_t dstElemStride, double* dstValuesRe, double* dstValuesIm,
    int32_t order, int32_t count, uint8_t* buffer);
/* eigenvalues of src[k] and its right eigenvectors as the columns of dst[k] (buffer: rukmEigenValuesVectorsGetBufSize bytes); 64f, element-pointer layout. */
RUKM_API rukStatus rukmEigenValuesVectorsRight_ma_64f_P(const double* const* src, int32_t srcShift,
    int32_t srcObjStride, double* const* dst, int32_t dstShift, int32_t dstObjStride,
    double* dstValuesRe, double* dstValuesIm, int32_t order, int32_t count, uint8_t* buffer);
/* eigenvalues of src and its left eigenvectors as the columns of dst (buffer: rukmEigenValuesVectorsGetBufSize bytes); 32f, standard layout. */
RUKM_API rukStatus rukmEigenValuesVectorsLeft_m_32f(const float* src, int32_t srcRowStride,
    int32_t srcElemStride, float* dst, int32_t dstRowStride, int32_t dstElemStride,
    float* dstValuesRe, float* dstValuesIm, int32_t order, uint8_t* buffer);
/* eigenvalues of src and its left eigenvectors as the columns of dst (buffer: rukmEigenValuesVectorsGetBufSize bytes); 32f, element-pointer layout. */
RUKM_API rukStatus rukmEigenValuesVectorsLeft_m_32f_P(const float* const* src, int32_t srcShift,
    float* const* dst, int32_t dstShift, float* dstValuesRe, float* dstValuesIm, int32_t order,
    uint8_t* buffer);
/* eigenvalues of src and its left eigenvectors as the columns of dst (buffer: rukmEigenValuesVectorsGetBufSize bytes); 64f, standard layout. */
RUKM_API rukStatus rukmEigenValuesVectorsLeft_m_64f(const double* src, int32_t srcRowStride,
    int32_t srcElemStride, double* dst, int32_t dstRowStride, int32_t dstElemStride,
    double* dstValuesRe, double* dstValuesIm, int32_t order, uint8_t* buffer);
/* eigenvalues of src and its left eigenvectors as the columns of dst (buffer: rukmEigenValuesVectorsGetBufSize bytes); 64f, element-pointer layout. */
RUKM_API rukStatus rukmEigenValuesVectorsLeft_m_64f_P(const double* const* src, int32_t srcShift,
    double* const* dst, int32_t dstShift, double* dstValuesRe, double* dstValuesIm, int32_t order,
    uint8_t* buffer);
/* eigenvalues of src[k] and its left eigenvectors as the columns of dst[k] (buffer: rukmEigenValuesVectorsGetBufSize bytes); 32f, standard layout. */
RUKM_API rukStatus rukmEigenValuesVectorsLeft_ma_32f(const float* src, int32_t srcObjStride,
    int32_t srcRowStride, int32_t srcElemStride, float* dst, int32_t dstObjStride,
    int32_t dstRowStride, int32_t dstElemStride, float* dstValuesRe, float* dstValuesIm,
    int32_t order, int32_t count, uint8_t* buffer);
/* eigenvalues of src[k] and its left eigenvectors as the columns of dst[k] (buffer: rukmEigenValuesVectorsGetBufSize bytes); 32f, pointer-list layout. */
RUKM_API rukStatus rukmEigenValuesVectorsLeft_ma_32f_L(const float* const* src, int32_t srcShift,
    int32_t srcRowStride, int32_t srcElemStride, float* const* dst, int32_t dstShift,
    int32_t dstRowStride, int32_t dstElemStride, float* dstValuesRe, float* dstValuesIm,
    int32_t order, int32_t count, uint8_t* buffer);
/* eigenvalues of src[k] and its left eigenvectors as the columns of dst[k] (buffer: rukmEigenValuesVectorsGetBufSize bytes); 32f, element-pointer layout. */
RUKM_API rukStatus rukmEigenValuesVectorsLeft_ma_32f_P(const float* const* src, int32_t srcShift,
    int32_t srcObjStride, float* const* dst, int32_t dstShift, int32_t dstObjStride,
    float* dstValuesRe, float* dstValuesIm, int32_t order, int32_t count, uint8_t* buffer);
/* eigenvalues of src[k] and its left eigenvectors as the columns of dst[k] (buffer: rukmEigenValuesVectorsGetBufSize bytes); 64f, standard layout. */
RUKM_API rukStatus rukmEigenValuesVectorsLeft_ma_64f(const double* src, int32_t srcObjStride,
    int32_t srcRowStride, int32_t srcElemStride, double* dst, int32_t dstObjStride,
    int32_t dstRowStride, int32_t dstElemStride, double* dstValuesRe, double* dstValuesIm,
    int32_t order, int32_t count, uint8_t* buffer);
/* eigenvalues of src[k] and its left eigenvectors as the columns of dst[k] (buffer: rukmEigenValuesVectorsGetBufSize bytes); 64f, pointer-list layout. */
RUKM_API rukStatus rukmEigenValuesVectorsLeft_ma_64f_L(const double* const* src, int32_t srcShift,
    int32_t srcRowStride, int32_t srcElemStride, double* const* dst, int32_t dstShift,
    int32_t dstRowStride, int32_t dstElemStride, double* dstValuesRe, double* dstValuesIm,
    int32_t order, int32_t count, uint8_t* buffer);
/* eigenvalues of src[k] and its left eigenvectors as the columns of dst[k] (buffer: rukmEigenValuesVectorsGetBufSize bytes); 64f, element-pointer layout. */
RUKM_API rukStatus rukmEigenValuesVectorsLeft_ma_64f_P(const double* const* src, int32_t srcShift,
    int32_t srcObjStride, double* const* dst, int32_t dstShift, int32_t dstObjStride,
    double* dstValuesRe, double* dstValuesIm, int32_t order, int32_t count, uint8_t* buffer);
/* eigenvalues of src with its right (dstRight) and left (dstLeft) eigenvectors as columns (buffer: rukmEigenValuesVectorsGetBufSize bytes); 32f, standard layout. */
RUKM_API rukStatus rukmEigenValuesVectors_m_32f(const float* src, int32_t srcRowStride,
    int32_t srcElemStride, float* dstRight, int32_t dstRightRowStride, int32_t dstRightElemStride,
    float* dstLeft, int32_t dstLeftRowStride, int32_t dstLeftElemStride, float* dstValuesRe,
    float* dstValuesIm, int32_t order, uint8_t* buffer);
/* eigenvalues of src with its right (dstRight) and left (dstLeft) eigenvectors as columns (buffer: rukmEigenValuesVectorsGetBufSize bytes); 32f, element-pointer layout. */
RUKM_API rukStatus rukmEigenValuesVectors_m_32f_P(const float* const* src, int32_t srcShift,
    float* const* dstRight, int32_t dstRightShift, float* const* dstLeft, int32_t dstLeftShift,
    float* dstValuesRe, float* dstValuesIm, int32_t order, uint8_t* buffer);
/* eigenvalues of src with its right (dstRight) and left (dstLeft) eigenvectors as columns (buffer: rukmEigenValuesVectorsGetBufSize bytes); 64f, standard layout. */
RUKM_API rukStatus rukmEigenValuesVectors_m_64f(const double* src, int32_t srcRowStride,
    int32_t srcElemStride, double* dstRight, int32_t dstRightRowStride, int32_t dstRightElemStride,
    double* dstLeft, int32_t dstLeftRowStride, int32_t dstLeftElemStride, double* dstValuesRe,
    double* dstValuesIm, int32_t order, uint8_t* buffer);
/* eigenvalues of src with its right (dstRight) and left (dstLeft) eigenvectors as columns (buffer: rukmEigenValuesVectorsGetBufSize bytes); 64f, element-pointer layout. */
RUKM_API rukStatus rukmEigenValuesVectors_m_64f_P(const double* const* src, int32_t srcShift,
    double* const* dstRight, int32_t dstRightShift, double* const* dstLeft, int32_t dstLeftShift,
    double* dstValuesRe, double* dstValuesIm, int32_t order, uint8_t* buffer);
/* eigenvalues of src[k] with its right (dstRight[k]) and left (dstLeft[k]) eigenvectors as columns (buffer: rukmEigenValuesVectorsGetBufSize bytes); 32f, standard layout. */
RUKM_API rukStatus rukmEigenValuesVectors_ma_32f(const float* src, int32_t srcObjStride,
    int32_t srcRowStride, int32_t srcElemStride, float* dstRight, int32_t dstRightObjStride,
    int32_t dstRightRowStride, int32_t dstRightElemStride, float* dstLeft, int32_t dstLeftObjStride,
    int32_t dstLeftRowStride, int32_t dstLeftElemStride, float* dstValuesRe, float* dstValuesIm,
    int32_t order, int32_t count, uint8_t* buffer);
/* eigenvalues of src[k] with its right (dstRight[k]) and left (dstLeft[k]) eigenvectors as columns (buffer: rukmEigenValuesVectorsGetBufSize bytes); 32f, pointer-list layout. */
RUKM_API rukStatus rukmEigenValuesVectors_ma_32f_L(const float* const* src, int32_t srcShift,
    int32_t srcRowStride, int32_t srcElemStride, float* const* dstRight, int32_t dstRightShift,
    int32_t dstRightRowStride, int32_t dstRightElemStride, float* const* dstLeft,
    int32_t dstLeftShift, int32_t dstLeftRowStride, int32_t dstLeftElemStride, float* dstValuesRe,
    float* dstValuesIm, int32_t order, int32_t count, uint8_t* buffer);
/* eigenvalues of src[k] with its right (dstRight[k]) and left (dstLeft[k]) eigenvectors as columns (buffer: rukmEigenValuesVectorsGetBufSize bytes); 32f, element-pointer layout. */
RUKM_API rukStatus rukmEigenValuesVectors_ma_32f_P(const float* const* src, int32_t srcShift,
    int32_t srcObjStride, float* const* dstRight, int32_t dstRightShift, int32_t dstRightObjStride,
    float* const* dstLeft, int32_t dstLeftShift, int32_t dstLeftObjStride, float* dstValuesRe,
    float* dstValuesIm, int32_t order, int32_t count, uint8_t* buffer);
/* eigenvalues of src[k] with its right (dstRight[k]) and left (dstLeft[k]) eigenvectors as columns (buffer: rukmEigenValuesVectorsGetBufSize bytes); 64f, standard layout. */
RUKM_API rukStatus rukmEigenValuesVectors_ma_64f(const double* src, int32_t srcObjStride,
    int32_t srcRowStride, int32_t srcElemStride, double* dstRight, int32_t dstRightObjStride,
    int32_t dstRightRowStride, int32_t dstRightElemStride, double* dstLeft,
    int32_t dstLeftObjStride, int32_t dstLeftRowStride, int32_t dstLeftElemStride,
    double* dstValuesRe, double* dstValuesIm, int32_t order, int32_t count, uint8_t* buffer);
/* eigenvalues of src[k] with its right (dstRight[k]) and left (dstLeft[k]) eigenvectors as columns (buffer: rukmEigenValuesVectorsGetBufSize bytes); 64f, pointer-list layout. */
RUKM_API rukStatus rukmEigenValuesVectors_ma_64f_L(const double* const* src, int32_t srcShift,
    int32_t srcRowStride, int32_t srcElemStride, double* const* dstRight, int32_t dstRightShift,
    int32_t dstRightRowStride, int32_t dstRightElemStride, double* const* dstLeft,
    int32_t dstLeftShift, int32_t dstLeftRowStride, int32_t dstLeftElemStride, double* dstValuesRe,
    double* dstValuesIm, int32_t order, int32_t count, uint8_t* buffer);
/* eigenvalues of src[k] with its right (dstRight[k]) and left (dstLeft[k]) eigenvectors as columns (buffer: rukmEigenValuesVectorsGetBufSize bytes); 64f, element-pointer layout. */
RUKM_API rukStatus rukmEigenValuesVectors_ma_64f_P(const double* const* src, int32_t srcShift,
    int32_t srcObjStride, double* const* dstRight, int32_t dstRightShift, int32_t dstRightObjStride,
    double* const* dstLeft, int32_t dstLeftShift, int32_t dstLeftObjStride, double* dstValuesRe,
    double* dstValuesIm, int32_t order, int32_t count, uint8_t* buffer);

#ifdef __cplusplus
}
#endif

#endif /* RUKM_H */
