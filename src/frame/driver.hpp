// Array execution: work thresholds and the parallel driver.
//
// An array export computes a work estimate from its sizes (never from strides) and
// compares it with its threshold, the smallest estimate that goes parallel. Below it the
// serial kernel runs on the calling thread without any call into the core library or the
// OpenMP runtime. At or above it the driver asks the core library for the thread count
// and, with at least two threads and at least as many objects as threads, splits the
// array into contiguous runs, one per thread of an OpenMP region:
//
//   chunk = count / T, rem = count % T (computed once, in a single construct);
//   thread t < rem takes chunk + 1 objects from t*(chunk + 1),
//   thread t >= rem takes chunk objects from rem*(chunk + 1) + (t - rem)*chunk.
//
// Each thread runs the serial kernel on its run and merges its status in a critical
// section: the first non-zero status stored wins. When the runtime refuses a new region
// (an export called from inside a parallel region without nesting) the region body runs
// once on the calling thread as a team of one, with the same results.
#pragma once

#include <omp.h>

#include <cstddef>
#include <cstdint>

#include "params.hpp"
#include "rukcore.h"

namespace rukm {

// Thresholds of one export family, per element type (index 0 for 32f, 1 for 64f): the
// smallest work estimate that goes to the parallel driver, for the standard layout with
// contiguous or strided elements, the pointer-list layout (same distinction) and the
// element-pointer layout.
struct Thresholds {
    std::int32_t std_contig[2], std_strided[2], list_contig[2], list_strided[2], elem_ptr[2];

    // The same values for both element types.
    static constexpr Thresholds uniform(std::int32_t sc, std::int32_t ss, std::int32_t l,
                                        std::int32_t p) {
        return {{sc, sc}, {ss, ss}, {l, l}, {l, l}, {p, p}};
    }
    static constexpr Thresholds uniform(std::int32_t all) { return uniform(all, all, all, all); }
    constexpr Thresholds list32(std::int32_t contig, std::int32_t strided) const {
        Thresholds t = *this;
        t.list_contig[0] = contig;
        t.list_strided[0] = strided;
        return t;
    }
    constexpr Thresholds list64(std::int32_t contig, std::int32_t strided) const {
        Thresholds t = *this;
        t.list_contig[1] = contig;
        t.list_strided[1] = strided;
        return t;
    }
    constexpr Thresholds std_typed(std::int32_t f32, std::int32_t f64) const {
        Thresholds t = *this;
        t.std_contig[0] = t.std_strided[0] = f32;
        t.std_contig[1] = t.std_strided[1] = f64;
        return t;
    }
    constexpr Thresholds elem_ptr_typed(std::int32_t f32, std::int32_t f64) const {
        Thresholds t = *this;
        t.elem_ptr[0] = f32;
        t.elem_ptr[1] = f64;
        return t;
    }

    template <class T, Layout L>
    constexpr std::int32_t select(bool contiguous) const {
        constexpr int e = sizeof(T) == 8 ? 1 : 0;
        if constexpr (L == Layout::Ptr) return elem_ptr[e];
        else if constexpr (L == Layout::List) return contiguous ? list_contig[e] : list_strided[e];
        else return contiguous ? std_contig[e] : std_strided[e];
    }
};

// May the runtime open a new parallel region here?
inline bool may_fork() { return omp_get_active_level() < omp_get_max_active_levels(); }

// The run of objects of thread t, for chunk = count / T and rem = count % T.
struct Run {
    std::int32_t first, n;
};
constexpr Run run_of(std::int32_t chunk, std::int32_t rem, std::int32_t t) {
    return t < rem ? Run{t * (chunk + 1), chunk + 1} : Run{rem * (chunk + 1) + (t - rem) * chunk, chunk};
}

namespace detail {

// One region over the runs; body(first, n, t) returns the run's status.
template <class Body>
rukStatus region(std::int32_t count, int requested, Body& body) {
    rukStatus status = rukOk;
    std::int32_t chunk = 0, rem = 0;
    const bool fork = may_fork();
#pragma omp parallel num_threads(requested) if (fork) shared(status, chunk, rem, body, count)
    {
#pragma omp single
        {
            const int T = omp_get_num_threads();
            chunk = count / T;
            rem = count % T;
        }
        const int t = omp_get_thread_num();
        const Run r = run_of(chunk, rem, t);
        const rukStatus s = r.n > 0 ? body(r.first, r.n, t) : rukOk;
#pragma omp critical(rukm_status_merge)
        {
            if (status == rukOk) status = s;
        }
    }
    return status;
}

}  // namespace detail

// Runs run(first, n) over objects [0, count): on the calling thread, or split over the
// threads the core library allows.
template <class R>
rukStatus drive(std::int32_t count, R&& run) {
    const int n = ownGetNumThreads();
    if (n < 2 || count < n) return run(0, count);
    auto body = [&](std::int32_t first, std::int32_t cnt, int) { return run(first, cnt); };
    return detail::region(count, ownGetNumThreads(), body);
}

// As drive, for kernels that need scratch memory of their own: run(first, n, scratch)
// receives a slice of bytesPerThread bytes from one block of the OpenMP allocator when it
// runs on a team, and nullptr (use the caller's buffer) when it runs serially. When the
// block cannot be allocated the whole array runs serially.
template <class R>
rukStatus drive_scratch(std::int32_t count, std::size_t bytesPerThread, R&& run) {
    const int n = ownGetNumThreads();
    if (n < 2 || count < n) return run(0, count, nullptr);
    const int requested = ownGetNumThreads();
    const std::size_t slice = (bytesPerThread + 63) / 64 * 64;
    void* block = requested > 0 ? omp_alloc(slice * static_cast<std::size_t>(requested), omp_default_mem_alloc)
                                : nullptr;
    if (block == nullptr) return run(0, count, nullptr);
    auto body = [&](std::int32_t first, std::int32_t cnt, int t) {
        return run(first, cnt, static_cast<char*>(block) + slice * static_cast<std::size_t>(t));
    };
    const rukStatus s = detail::region(count, requested, body);
    omp_free(block, omp_default_mem_alloc);
    return s;
}

// The decision of an array export: parallel driver at or above the threshold, else the
// serial kernel on the calling thread. The estimate is formed at 64 bits, so no array is
// large enough to wrap it.
template <class R>
rukStatus run_array(std::int64_t estimate, std::int32_t threshold, std::int32_t count, R&& run) {
    if (estimate >= threshold) return drive(count, run);
    return run(0, count);
}

}  // namespace rukm
