#include "thread_counter.hpp"

#include <atomic>

namespace {
std::atomic<int> g_calls{0}, g_threads{4};
}

extern "C" __attribute__((visibility("default"))) int ownGetNumThreads(void) {
    ++g_calls;
    return g_threads.load();
}

namespace thread_counter {
void set(int threads) { g_threads = threads; }
void reset_calls() { g_calls = 0; }
int calls() { return g_calls.load(); }
}  // namespace thread_counter
