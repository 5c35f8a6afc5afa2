// The array exports under conditions no ordinary case meets, seen through the public
// interface only:
//
//   concurrency   many application threads calling array exports above their work
//                 thresholds at once, calls from inside an OpenMP parallel region with
//                 nesting refused and allowed, the thread count changed between calls;
//   scratch       the OpenMP allocator refusing the per-thread scratch block of the
//                 families that need one (this program defines omp_alloc itself);
//   addresses     strides and counts whose byte offsets pass 2^31 and 2^32, with the
//                 objects in a sparse mapping, serially and split over threads.
//
// Every result must have the bits of the same call made on one thread with packed
// operands. scripts/tsan.sh runs the concurrency tests under ThreadSanitizer.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <omp.h>
#include <sys/mman.h>
#include <unistd.h>

#include <atomic>
#include <cstdint>
#include <cstring>
#include <functional>
#include <random>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "rukm.h"

// The OpenMP allocator as the library sees it: counts the requests and refuses them while
// g_refuse is set, else hands them to the runtime.
namespace {
std::atomic<int> g_requests{0};
std::atomic<bool> g_refuse{false};
}  // namespace

extern "C" void* omp_alloc(std::size_t size, omp_allocator_handle_t allocator) noexcept {
    using Fn = void* (*)(std::size_t, omp_allocator_handle_t);
    static const Fn real = [] {
        void* f = dlvsym(RTLD_NEXT, "omp_alloc", "OMP_5.0.1");
        return reinterpret_cast<Fn>(f ? f : dlsym(RTLD_NEXT, "omp_alloc"));
    }();
    ++g_requests;
    return g_refuse ? nullptr : real(size, allocator);
}

namespace {

constexpr int kOrder = 4, kCount = 5200;  // above every family's threshold for order 4
constexpr int kObj = kOrder * kOrder;

// One array call: its sources, its outputs (compared) and its work buffer (not compared).
struct Job {
    std::vector<double> src, out;
    std::vector<unsigned char> buffer;
    std::vector<std::int32_t> pivots;
    std::vector<double> values;  // eigenvalues of the sparse-mapping tests
    std::function<rukStatus(Job&)> call;
    rukStatus status = rukOk;

    void run() { status = call(*this); }
    bool same(const Job& o) const {
        return status == o.status && out.size() == o.out.size() &&
               std::memcmp(out.data(), o.out.data(), out.size() * sizeof(double)) == 0 && pivots == o.pivots;
    }
};

// Source matrices: symmetric and diagonally dominant, so every factorisation succeeds.
template <class T>
void fill(Job& j, unsigned seed) {
    std::mt19937 g(seed);
    std::uniform_real_distribution<double> u(-1, 1);
    T* s = reinterpret_cast<T*>(j.src.data());
    for (int k = 0; k < kCount; ++k)
        for (int r = 0; r < kOrder; ++r)
            for (int c = 0; c <= r; ++c) {
                const T v = T(r == c ? 8 + u(g) : u(g));
                s[k * kObj + r * kOrder + c] = s[k * kObj + c * kOrder + r] = v;
            }
}

template <class T>
const T* in(Job& j) { return reinterpret_cast<const T*>(j.src.data()); }
template <class T>
T* out(Job& j, std::size_t at = 0) { return reinterpret_cast<T*>(j.out.data()) + at; }
template <class T>
T* buf(Job& j) { return reinterpret_cast<T*>(j.buffer.data()); }

constexpr std::int32_t S4 = kObj * 4, R4 = kOrder * 4, S8 = kObj * 8, R8 = kOrder * 8;

struct Kind {
    const char* name;
    int esz;
    std::size_t out_doubles;  // room for the outputs, in doubles
    std::function<rukStatus(Job&)> call;
    bool scratch = false;     // the parallel form allocates per-thread scratch
};

const Kind kKinds[] = {
    {"Add_mama_32f", 4, kCount * kObj, [](Job& j) {
         return rukmAdd_mama_32f(in<float>(j), S4, R4, 4, in<float>(j), S4, R4, 4, out<float>(j), S4, R4, 4,
                                 kOrder, kOrder, kCount);
     }},
    {"Mul_mama_64f", 8, kCount * kObj, [](Job& j) {
         return rukmMul_mama_64f(in<double>(j), S8, R8, 8, kOrder, kOrder, in<double>(j), S8, R8, 8, kOrder, kOrder,
                                 out<double>(j), S8, R8, 8, kCount);
     }},
    {"LUDecomp_ma_64f", 8, kCount * kObj, [](Job& j) {
         return rukmLUDecomp_ma_64f(in<double>(j), S8, R8, 8, j.pivots.data(), out<double>(j), S8, R8, 8, kOrder,
                                    kCount);
     }},
    {"Invert_ma_32f", 4, kCount * kObj, [](Job& j) {
         return rukmInvert_ma_32f(in<float>(j), S4, R4, 4, buf<float>(j), out<float>(j), S4, R4, 4, kOrder, kCount);
     }, true},
    {"Det_ma_64f", 8, kCount, [](Job& j) {
         return rukmDet_ma_64f(in<double>(j), S8, R8, 8, kOrder, buf<double>(j), out<double>(j), kCount);
     }, true},
    {"QRDecomp_ma_32f", 4, kCount * kObj, [](Job& j) {
         return rukmQRDecomp_ma_32f(in<float>(j), S4, R4, 4, buf<float>(j), out<float>(j), S4, R4, 4, kOrder, kOrder,
                                    kCount);
     }, true},
    {"QRBackSubst_mava_64f", 8, kCount * kOrder, [](Job& j) {
         return rukmQRBackSubst_mava_64f(in<double>(j), S8, R8, 8, buf<double>(j), in<double>(j), S8, 8, out<double>(j),
                                         R8, 8, kOrder, kOrder, kCount);
     }, true},
    {"CholeskyDecomp_ma_32f", 4, kCount * kObj, [](Job& j) {
         return rukmCholeskyDecomp_ma_32f(in<float>(j), S4, R4, 4, out<float>(j), S4, R4, 4, kOrder, kCount);
     }},
    {"EigenValuesVectorsSym_ma_64f", 8, kCount * (kObj + kOrder), [](Job& j) {
         return rukmEigenValuesVectorsSym_ma_64f(in<double>(j), S8, R8, 8, buf<double>(j), out<double>(j), S8, R8, 8,
                                                 out<double>(j, kCount * kObj), kOrder, kCount);
     }, true},
    {"EigenValuesSym_ma_32f", 4, kCount * kOrder, [](Job& j) {
         return rukmEigenValuesSym_ma_32f(in<float>(j), S4, R4, 4, buf<float>(j), out<float>(j), kOrder, kCount);
     }, true},
    {"EigenValues_ma_64f", 8, kCount * 2 * kOrder, [](Job& j) {
         return rukmEigenValues_ma_64f(in<double>(j), S8, R8, 8, out<double>(j), out<double>(j, kCount * kOrder), kOrder,
                                       kCount, j.buffer.data());
     }, true},
    {"EigenValuesVectorsRight_ma_64f", 8, kCount * (kObj + 2 * kOrder), [](Job& j) {
         return rukmEigenValuesVectorsRight_ma_64f(in<double>(j), S8, R8, 8, out<double>(j), S8, R8, 8,
                                                   out<double>(j, kCount * kObj), out<double>(j, kCount * (kObj + kOrder)),
                                                   kOrder, kCount, j.buffer.data());
     }, true},
    {"EigenValuesVectors_ma_32f", 4, kCount * (kObj + kOrder), [](Job& j) {  // floats: two matrices, two value sets
         return rukmEigenValuesVectors_ma_32f(in<float>(j), S4, R4, 4, out<float>(j), S4, R4, 4,
                                              out<float>(j, kCount * kObj), S4, R4, 4, out<float>(j, 2 * kCount * kObj),
                                              out<float>(j, kCount * (2 * kObj + kOrder)), kOrder, kCount,
                                              j.buffer.data());
     }, true},
};

Job make(const Kind& k, unsigned seed) {
    Job j;
    j.src.assign(kCount * kObj, 0.0);  // room for either element type
    j.out.assign(k.out_doubles, 0.0);
    std::int32_t bytes = 0;
    rukmEigenValuesVectorsGetBufSize_64f(kOrder, &bytes);
    j.buffer.assign(std::size_t(bytes) + 64 * kObj * 8, 0);  // room for every family's buffer
    j.pivots.assign(kCount * kOrder, 0);
    j.call = k.call;
    if (k.esz == 4) fill<float>(j, seed);
    else fill<double>(j, seed);
    return j;
}

struct Threads {  // the library's thread count for one scope
    std::int32_t saved = 0;
    explicit Threads(int n) {
        rukGetNumThreads(&saved);
        rukSetNumThreads(n);
    }
    ~Threads() { rukSetNumThreads(saved); }
};

// The reference: the same job on one thread.
Job reference(const Kind& k, unsigned seed) {
    Threads one(1);
    Job j = make(k, seed);
    j.run();
    return j;
}

class Concurrent : public testing::TestWithParam<int> {
protected:
    const Kind& kind = kKinds[GetParam()];
};

}  // namespace

TEST_P(Concurrent, ApplicationThreadsAtOnceGiveTheSingleThreadedBits) {
    constexpr int kCallers = 4;
    std::vector<Job> ref, jobs;
    for (int c = 0; c < kCallers; ++c) {
        ref.push_back(reference(kind, 100 + c));
        EXPECT_EQ(ref.back().status, rukOk) << kind.name;
        jobs.push_back(make(kind, 100 + c));
    }
    Threads t(2);
    std::vector<std::thread> callers;
    for (int c = 0; c < kCallers; ++c)
        callers.emplace_back([&jobs, c] {
            for (int repeat = 0; repeat < 2; ++repeat) jobs[c].run();
        });
    for (auto& th : callers) th.join();
    for (int c = 0; c < kCallers; ++c) EXPECT_TRUE(jobs[c].same(ref[c])) << kind.name << ", caller " << c;
}

TEST_P(Concurrent, InsideAParallelRegionNestedOrNotGivesTheSingleThreadedBits) {
    const int levels = omp_get_max_active_levels();
    Threads t(2);
    for (int nested : {1, 2}) {  // one active level: the library's region is refused; two: allowed
        omp_set_max_active_levels(nested);
        std::vector<Job> ref, jobs;
        for (int c = 0; c < 2; ++c) {
            ref.push_back(reference(kind, 200 + c));
            jobs.push_back(make(kind, 200 + c));
        }
#pragma omp parallel for num_threads(2) schedule(static, 1)
        for (int c = 0; c < 2; ++c) jobs[c].run();
        for (int c = 0; c < 2; ++c)
            EXPECT_TRUE(jobs[c].same(ref[c])) << kind.name << ", " << nested << " active level(s), caller " << c;
    }
    omp_set_max_active_levels(levels);
}

TEST_P(Concurrent, ThreadCountChangedBetweenCallsGivesTheSameBits) {
    const Job ref = reference(kind, 300);
    Job j = make(kind, 300);
    for (int n : {3, 1, 2, 4, 2}) {
        Threads t(n);
        std::fill(j.out.begin(), j.out.end(), 0.0);
        j.run();
        EXPECT_TRUE(j.same(ref)) << kind.name << " on " << n << " thread(s)";
    }
}

INSTANTIATE_TEST_SUITE_P(Arrays, Concurrent, testing::Range(0, int(std::size(kKinds))),
                         [](const testing::TestParamInfo<int>& p) { return std::string(kKinds[p.param].name); });

// The families whose parallel forms take per-thread scratch from the OpenMP allocator: when
// it refuses, the call still returns the single-threaded bits and rukOk (it runs serially
// with the caller's buffer), and it did ask.
class ScratchRefused : public testing::TestWithParam<int> {
protected:
    const Kind& kind = kKinds[GetParam()];
};

TEST_P(ScratchRefused, GivesTheSingleThreadedBits) {
    const Job ref = reference(kind, 400);
    ASSERT_EQ(ref.status, rukOk) << kind.name;
    for (int n : {2, 4}) {
        Threads t(n);
        Job j = make(kind, 400);
        g_requests = 0;
        g_refuse = true;
        j.run();
        g_refuse = false;
        EXPECT_GT(g_requests.load(), 0) << kind.name << " asked for no scratch on " << n << " threads";
        EXPECT_TRUE(j.same(ref)) << kind.name << " on " << n << " threads with the scratch refused";
    }
}

namespace {
std::vector<int> scratch_kinds() {
    std::vector<int> v;
    for (int i = 0; i < int(std::size(kKinds)); ++i)
        if (kKinds[i].scratch) v.push_back(i);
    return v;
}
}  // namespace

INSTANTIATE_TEST_SUITE_P(Arrays, ScratchRefused, testing::ValuesIn(scratch_kinds()),
                         [](const testing::TestParamInfo<int>& p) { return std::string(kKinds[p.param].name); });

// ---- Byte offsets past 2^31 and 2^32 -----------------------------------------------------------
namespace {

// Address space reserved without memory; only the pages that hold elements are made
// accessible, and they hold a sentinel around the elements.
struct Sparse {
    char* base = nullptr;
    std::size_t bytes = 0;
    const std::size_t page = std::size_t(sysconf(_SC_PAGESIZE));
    explicit Sparse(std::size_t n) : bytes(n) {
        void* m = mmap(nullptr, n, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
        if (m != MAP_FAILED) base = static_cast<char*>(m);
    }
    ~Sparse() {
        if (base) munmap(base, bytes);
    }
    // Makes [off, off + n) accessible (with the rest of its pages, filled with 0x5A).
    void open(std::size_t off, std::size_t n) {
        const std::size_t a = off / page * page, b = (off + n + page - 1) / page * page;
        if (mprotect(base + a, b - a, PROT_READ | PROT_WRITE) != 0) throw std::runtime_error("mprotect");
        for (std::size_t p = a; p < b; p += page)
            if (base[p] == 0) std::memset(base + p, 0x5A, page);  // fresh page
    }
};

// One matrix array operand at (k*objStride + i*rowStride + j*elemSize) in a sparse mapping.
struct Far {
    Sparse map;
    std::int64_t obj, row;
    int esz, count;
    Far(std::int64_t o, std::int64_t r, int e, int c)
        : map(std::size_t(o) * std::size_t(c) + std::size_t(r) * kOrder + 2 * kLead), obj(o), row(r), esz(e), count(c) {
        for (int k = 0; k < count; ++k)
            for (int i = 0; i < kOrder; ++i) map.open(at(k, i, 0) - 16, kOrder * esz + 32);
    }
    static constexpr std::int64_t kLead = 4096;  // room for the margin before the first row
    std::size_t at(int k, int i, int j) const { return std::size_t(kLead + k * obj + i * row + j * esz); }
    // Copies between the far operand and a packed array of the same objects.
    void put(const char* packed) {
        for (int k = 0; k < count; ++k)
            for (int i = 0; i < kOrder; ++i) std::memcpy(map.base + at(k, i, 0), packed + (k * kObj + i * kOrder) * esz, kOrder * esz);
    }
    std::vector<char> get() const {
        std::vector<char> out(std::size_t(count) * kObj * esz);
        for (int k = 0; k < count; ++k)
            for (int i = 0; i < kOrder; ++i) std::memcpy(out.data() + (k * kObj + i * kOrder) * esz, map.base + at(k, i, 0), kOrder * esz);
        return out;
    }
    // The 16 bytes before and after every row still hold the sentinel.
    bool margins_intact() const {
        for (int k = 0; k < count; ++k)
            for (int i = 0; i < kOrder; ++i) {
                const char* r = map.base + at(k, i, 0);
                for (int b = 1; b <= 16; ++b)
                    if (r[-b] != 0x5A || r[kOrder * esz + b - 1] != 0x5A) return false;
            }
        return true;
    }
};

// An array export over matrices: (src, srcObj, srcRow, dst, dstObj, dstRow, count, work).
using FarCall = std::function<rukStatus(const void*, std::int32_t, std::int32_t, void*, std::int32_t, std::int32_t,
                                        std::int32_t, Job&)>;
struct FarKind {
    const char* name;
    int esz;
    FarCall call;
};
const FarKind kFarKinds[] = {
    {"Add_mama_32f", 4, [](const void* s, std::int32_t so, std::int32_t sr, void* d, std::int32_t dob, std::int32_t dr,
                           std::int32_t c, Job&) {
         auto* a = static_cast<const float*>(s);
         return rukmAdd_mama_32f(a, so, sr, 4, a, so, sr, 4, static_cast<float*>(d), dob, dr, 4, kOrder, kOrder, c);
     }},
    {"Mul_mama_64f", 8, [](const void* s, std::int32_t so, std::int32_t sr, void* d, std::int32_t dob, std::int32_t dr,
                           std::int32_t c, Job&) {
         auto* a = static_cast<const double*>(s);
         return rukmMul_mama_64f(a, so, sr, 8, kOrder, kOrder, a, so, sr, 8, kOrder, kOrder, static_cast<double*>(d), dob,
                                 dr, 8, c);
     }},
    {"LUDecomp_ma_64f", 8, [](const void* s, std::int32_t so, std::int32_t sr, void* d, std::int32_t dob, std::int32_t dr,
                              std::int32_t c, Job& j) {
         return rukmLUDecomp_ma_64f(static_cast<const double*>(s), so, sr, 8, j.pivots.data(), static_cast<double*>(d),
                                    dob, dr, 8, kOrder, c);
     }},
    {"Invert_ma_32f", 4, [](const void* s, std::int32_t so, std::int32_t sr, void* d, std::int32_t dob, std::int32_t dr,
                            std::int32_t c, Job& j) {
         return rukmInvert_ma_32f(static_cast<const float*>(s), so, sr, 4, buf<float>(j), static_cast<float*>(d), dob, dr,
                                  4, kOrder, c);
     }},
    {"EigenValuesVectorsSym_ma_64f", 8, [](const void* s, std::int32_t so, std::int32_t sr, void* d, std::int32_t dob,
                                           std::int32_t dr, std::int32_t c, Job& j) {
         return rukmEigenValuesVectorsSym_ma_64f(static_cast<const double*>(s), so, sr, 8, buf<double>(j),
                                                 static_cast<double*>(d), dob, dr, 8, j.values.data(), kOrder, c);
     }},
};

struct Edge {
    std::int64_t obj, row;
    int count, threads;
};
constexpr std::int64_t k2G = std::int64_t(1) << 31;
const Edge kEdges[] = {
    {k2G - 4096, 64, 4, 1},          // objects 1, 2, 3 start near 2^31, 2^32 and 3*2^31
    {256, k2G / 2 + 64, 3, 1},       // rows 2 and 3 of every object lie past 2^31 and 2^32
    {(1 << 22) + 4096, 64, 1536, 1}, // 6 GiB of objects, serially
    {(1 << 22) + 4096, 64, 1536, 2}, // split over threads: runs start past 2^31 and (on 4) 2^32
    {(1 << 22) + 4096, 64, 1536, 4},
};

class FarOffsets : public testing::TestWithParam<int> {};

}  // namespace

TEST_P(FarOffsets, GiveThePackedResultsAndTouchNothingElse) {
    const FarKind& f = kFarKinds[GetParam()];
    for (const Edge& e : kEdges) {
        const std::string what = std::string(f.name) + ", objStride " + std::to_string(e.obj) + ", rowStride " +
                                 std::to_string(e.row) + ", " + std::to_string(e.count) + " objects on " +
                                 std::to_string(e.threads) + " thread(s)";
        // The packed reference on one thread.
        Job ref;
        ref.src.assign(std::size_t(e.count) * kObj, 0.0);
        ref.out.assign(std::size_t(e.count) * kObj, 0.0);
        ref.pivots.assign(std::size_t(e.count) * kOrder, 0);
        ref.buffer.assign(64 * kObj * 8, 0);
        ref.values.assign(std::size_t(e.count) * kOrder, 0.0);
        std::mt19937 g(e.count);
        std::uniform_real_distribution<double> u(-1, 1);
        for (int k = 0; k < e.count; ++k)
            for (int r = 0; r < kOrder; ++r)
                for (int c = 0; c <= r; ++c) {
                    const double v = r == c ? 8 + u(g) : u(g);
                    if (f.esz == 4) {
                        float* s = reinterpret_cast<float*>(ref.src.data());
                        s[k * kObj + r * kOrder + c] = s[k * kObj + c * kOrder + r] = float(v);
                    } else {
                        ref.src[k * kObj + r * kOrder + c] = ref.src[k * kObj + c * kOrder + r] = v;
                    }
                }
        Job far = ref;
        rukStatus expected;
        {
            Threads one(1);
            expected = f.call(ref.src.data(), kObj * f.esz, kOrder * f.esz, ref.out.data(), kObj * f.esz,
                              kOrder * f.esz, e.count, ref);
        }
        ASSERT_EQ(expected, rukOk) << what;
        Far src(e.obj, e.row, f.esz, e.count), dst(e.obj, e.row, f.esz, e.count);
        ASSERT_TRUE(src.map.base && dst.map.base) << what << ": cannot reserve the address space";
        src.put(reinterpret_cast<const char*>(far.src.data()));
        Threads t(e.threads);
        EXPECT_EQ(f.call(src.map.base + Far::kLead, std::int32_t(e.obj), std::int32_t(e.row), dst.map.base + Far::kLead,
                         std::int32_t(e.obj),
                         std::int32_t(e.row), e.count, far),
                  rukOk)
            << what;
        const std::vector<char> got = dst.get();
        EXPECT_EQ(std::memcmp(got.data(), ref.out.data(), got.size()), 0) << what;
        EXPECT_EQ(far.pivots, ref.pivots) << what;
        EXPECT_EQ(far.values, ref.values) << what;
        EXPECT_TRUE(dst.margins_intact()) << what << ": bytes beside the destination rows changed";
    }
}

INSTANTIATE_TEST_SUITE_P(Arrays, FarOffsets, testing::Range(0, int(std::size(kFarKinds))),
                         [](const testing::TestParamInfo<int>& p) { return std::string(kFarKinds[p.param].name); });
