// librukcore: the thread count that array operations of the family may use.
//
// Zero means "not set": the count then follows omp_get_max_threads(), so OMP_NUM_THREADS
// and omp_set_num_threads() apply until rukSetNumThreads is called.
#include <omp.h>

#include <atomic>

#include "rukcore.h"

namespace {
std::atomic<int> g_threads{0};
}  // namespace

extern "C" int ownGetNumThreads(void) {
    const int n = g_threads.load(std::memory_order_relaxed);
    return n > 0 ? n : omp_get_max_threads();
}

extern "C" rukStatus rukSetNumThreads(int32_t count) {
    if (count < 1) return rukErrSize;
    g_threads.store(count, std::memory_order_relaxed);
    return rukOk;
}

extern "C" rukStatus rukGetNumThreads(int32_t* count) {
    if (count == nullptr) return rukErrNullPtr;
    *count = ownGetNumThreads();
    return rukOk;
}
