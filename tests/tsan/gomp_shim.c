/* A stand-in for GCC's OpenMP runtime library (libgomp.so.1) that hands every call to
 * LLVM's runtime, so that code compiled by GCC runs under ThreadSanitizer with a runtime
 * whose tool interface reports its synchronisation. LLVM's runtime serves the GOMP entry
 * points under GCC's version names, except the allocator calls of version OMP_5.0.1, which
 * are forwarded here. scripts/tsan.sh adds one marker symbol per version name of GCC's
 * runtime, so the loader finds every version the binaries ask for. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stddef.h>
#include <stdint.h>

typedef void* (*alloc_fn)(size_t, uintptr_t);
typedef void (*free_fn)(void*, uintptr_t);

void* omp_alloc(size_t size, uintptr_t allocator) {
    static alloc_fn real;
    if (!real) real = (alloc_fn)dlsym(RTLD_NEXT, "omp_alloc");
    return real(size, allocator);
}

void omp_free(void* p, uintptr_t allocator) {
    static free_fn real;
    if (!real) real = (free_fn)dlsym(RTLD_NEXT, "omp_free");
    real(p, allocator);
}
