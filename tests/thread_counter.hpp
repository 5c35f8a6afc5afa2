// A test executable that links thread_counter.cpp (and exports its symbols) defines the core
// library's ownGetNumThreads itself: the library's every question about the thread count is
// counted here, and answered with the count the test sets. An array call below its threshold
// asks nothing; at the threshold the driver asks once to decide and once for the team size.
#pragma once

namespace thread_counter {
void set(int threads);   // the count the library will see
void reset_calls();
int calls();             // questions asked since the last reset
}  // namespace thread_counter
