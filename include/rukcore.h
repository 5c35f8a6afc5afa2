/**
 * @file rukcore.h
 * @brief Status codes and the thread count, shared by the ruk libraries.
 *
 * Every exported operation of the family returns a rukStatus: 0 on success, a
 * negative value on failure. The thread-count service lives in librukcore.so;
 * array operations of librukm.so read it on every call.
 */
#ifndef RUKCORE_H
#define RUKCORE_H

#include <stdint.h>

#if defined(RUK_BUILDING_LIBRARY) && defined(__GNUC__)
#define RUK_API __attribute__((visibility("default")))
#else
#define RUK_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/** Status of an operation: 0 is success, every error is negative. */
typedef int32_t rukStatus;

/** The values of rukStatus: rukOk and the errors. */
enum {
    rukOk              = 0,    /**< the operation completed, all outputs are written */
    rukErrSize         = -6,   /**< a size argument (width, height, len, order) is below 1 */
    rukErrNullPtr      = -8,   /**< a required pointer argument is null */
    rukErrDivByZero    = -10,  /**< a divisor is zero or not above the family's tolerance */
    rukErrNotPosDef    = -179, /**< the matrix is not positive definite */
    rukErrStride       = -182, /**< a stride is not a positive multiple of the element size */
    rukErrSingular     = -195, /**< the matrix is singular by the family's test */
    rukErrShift        = -202, /**< a shift is negative or not a multiple of the element size */
    rukErrCount        = -203, /**< the object count of an array operand is below 1 */
    rukErrSizeMismatch = -204, /**< the sizes of the operands do not agree */
    rukErrNoConverge   = -205  /**< an iterative solver did not converge */
};

/** Sets the number of threads that array operations may use (count >= 1, else rukErrSize). */
RUK_API rukStatus rukSetNumThreads(int32_t count);

/** Reads the number of threads that array operations may use (null pointer: rukErrNullPtr). */
RUK_API rukStatus rukGetNumThreads(int32_t* count);

/** Number of threads that array operations may use. Until rukSetNumThreads is called this is
 * omp_get_max_threads(), so OMP_NUM_THREADS applies. Read by the family's libraries. */
RUK_API int ownGetNumThreads(void);

#ifdef __cplusplus
}
#endif

#endif /* RUKCORE_H */
