// The frame seen from inside: the parallel driver's split and status merge, calls from
// inside a parallel region, per-thread scratch memory, and the instruction-set variants
// of the contiguous kernels.
#include <omp.h>

#include <map>
#include <mutex>

#include "frame/driver.hpp"
#include "frame/isa.hpp"
#include "harness.hpp"

// The unallocatable scratch request below must come back as a null pointer, also under
// AddressSanitizer.
extern "C" const char* __asan_default_options() { return "allocator_may_return_null=1"; }

namespace {

using Runs = std::vector<std::pair<int, int>>;  // (first object, number of objects)

struct Run {
    int first, n, thread, team;
    void* scratch;
};

// Records every run a driver hands out; the runs that contain an object of `failing`
// return that object's status.
struct Recorder {
    std::mutex m;
    std::vector<Run> runs;
    std::map<int, rukStatus> failing;

    rukStatus record(int first, int n, void* scratch = nullptr) {
        std::lock_guard lock(m);
        runs.push_back({first, n, omp_get_thread_num(), omp_get_num_threads(), scratch});
        for (const auto& [obj, s] : failing)
            if (obj >= first && obj < first + n) return s;
        return rukOk;
    }
    // The runs in order of the thread that ran them.
    Runs by_thread() {
        std::sort(runs.begin(), runs.end(), [](const Run& a, const Run& b) { return a.thread < b.thread; });
        Runs r;
        for (const Run& x : runs) r.push_back({x.first, x.n});
        return r;
    }
};

struct Threads {  // sets the core library's thread count for one scope
    std::int32_t saved = 0;
    explicit Threads(int n) {
        rukGetNumThreads(&saved);
        rukSetNumThreads(n);
    }
    ~Threads() { rukSetNumThreads(saved); }
};

struct Split {
    int count, threads;
    Runs runs;
};
const Split kSplits[] = {
    {10, 4, {{0, 3}, {3, 3}, {6, 2}, {8, 2}}},
    {8, 4, {{0, 2}, {2, 2}, {4, 2}, {6, 2}}},
    {9, 2, {{0, 5}, {5, 4}}},
    {7, 3, {{0, 3}, {3, 2}, {5, 2}}},
    {4, 4, {{0, 1}, {1, 1}, {2, 1}, {3, 1}}},
    {5, 8, {{0, 5}}},  // fewer objects than threads: one serial run
    {6, 1, {{0, 6}}},  // one thread
};

}  // namespace

TEST(Driver, SplitsIntoContiguousRunsInThreadOrder) {
    for (const Split& s : kSplits) {
        Threads t(s.threads);
        Recorder rec;
        EXPECT_EQ(rukm::drive(s.count, [&](int f, int n) { return rec.record(f, n); }), rukOk);
        const std::string what = std::to_string(s.count) + " objects on " + std::to_string(s.threads) + " threads";
        EXPECT_EQ(rec.by_thread(), s.runs) << what;
        for (std::size_t i = 0; i < rec.runs.size(); ++i) {
            EXPECT_EQ(rec.runs[i].thread, int(i)) << what;
            EXPECT_EQ(rec.runs[i].team, int(s.runs.size())) << what;
        }
        if (s.runs.size() > 1)
            for (int i = 0; i < s.threads; ++i) {
                const rukm::Run r = rukm::run_of(s.count / s.threads, s.count % s.threads, i);
                EXPECT_EQ(std::make_pair(int(r.first), int(r.n)), s.runs[i]) << what << ", thread " << i;
            }
    }
}

TEST(Driver, AFailingRunDecidesTheStatusAndOtherRunsComplete) {
    struct {
        int threads, count;
        std::map<int, rukStatus> failing;
        Runs runs;
    } const cases[] = {
        {4, 10, {{4, rukErrSingular}}, {{0, 3}, {3, 3}, {6, 2}, {8, 2}}},
        {4, 10, {{0, rukErrSingular}, {9, rukErrSingular}}, {{0, 3}, {3, 3}, {6, 2}, {8, 2}}},
        {4, 3, {{2, rukErrNotPosDef}}, {{0, 3}}},
    };
    for (int repeat = 0; repeat < 20; ++repeat)  // the merge must not depend on which thread ends last
        for (const auto& c : cases) {
            Threads t(c.threads);
            Recorder rec;
            rec.failing = c.failing;
            EXPECT_EQ(rukm::drive(c.count, [&](int f, int n) { return rec.record(f, n); }), c.failing.begin()->second);
            EXPECT_EQ(rec.by_thread(), c.runs);
        }
}

TEST(Driver, InsideAParallelRegionTheWholeArrayIsOneRun) {
    Threads t(4);
    const int levels = omp_get_max_active_levels();
    omp_set_max_active_levels(1);
    Recorder rec[2];
    rukStatus status[2] = {rukOk, rukOk};
    int outer = 0;
#pragma omp parallel num_threads(2)
    {
        const int me = omp_get_thread_num();
#pragma omp single
        outer = omp_get_num_threads();
        status[me] = rukm::drive(10, [&](int f, int n) { return rec[me].record(f, n); });
    }
    omp_set_max_active_levels(levels);
    for (int me = 0; me < outer; ++me) {
        EXPECT_EQ(status[me], rukOk);
        ASSERT_EQ(rec[me].by_thread(), (Runs{{0, 10}})) << "caller " << me;
        EXPECT_EQ(rec[me].runs[0].team, 1);
    }
}

TEST(Driver, ScratchSlicesAreDistinctPerThread) {
    Threads t(4);
    constexpr std::size_t bytes = 100;
    Recorder rec;
    EXPECT_EQ(rukm::drive_scratch(8, bytes, [&](int f, int n, void* s) {
                  if (s) std::memset(s, f, bytes);  // the whole slice is usable
                  return rec.record(f, n, s);
              }),
              rukOk);
    EXPECT_EQ(rec.by_thread(), (Runs{{0, 2}, {2, 2}, {4, 2}, {6, 2}}));
    ASSERT_EQ(rec.runs.size(), 4u);
    const char* s0 = static_cast<const char*>(rec.runs[0].scratch);
    ASSERT_NE(s0, nullptr);
    const std::ptrdiff_t slice = static_cast<const char*>(rec.runs[1].scratch) - s0;
    EXPECT_GE(slice, std::ptrdiff_t(bytes));
    for (int i = 1; i < 4; ++i) EXPECT_EQ(static_cast<const char*>(rec.runs[i].scratch), s0 + i * slice);
}

TEST(Driver, SerialRunsGetNoScratch) {
    struct {
        int threads, count;
        std::size_t bytes;
    } const cases[] = {{4, 3, 64}, {1, 8, 64}, {4, 8, std::size_t(1) << 50}};  // the last cannot be allocated
    for (const auto& c : cases) {
        Threads t(c.threads);
        Recorder rec;
        EXPECT_EQ(rukm::drive_scratch(c.count, c.bytes, [&](int f, int n, void* s) { return rec.record(f, n, s); }), rukOk);
        ASSERT_EQ(rec.by_thread(), (Runs{{0, c.count}})) << c.threads << " threads, " << c.bytes << " bytes";
        EXPECT_EQ(rec.runs[0].scratch, nullptr);
    }
}

TEST(Isa, EveryVariantGivesIdenticalBits) {
    const rukm::IsaRestore restore;
    const int best = int(rukm::detected_isa());
    const std::pair<int, int> sizes[] = {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 1}, {7, 1}, {9, 1}, {33, 1},
                                         {70, 1}, {130, 1}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}, {2, 9}, {17, 3}};
    unsigned seed = 0;
    for (const th::Export& ex : th::exports()) {
        const th::Desc d = th::describe(ex.name);
        if (d.lay == th::Ptr) continue;  // one kernel for element pointers
        for (const auto& [w, h] : sizes) {
            if (h > 1 && !d.matrix) continue;
            for (int style : {0, 1, 4}) {
                ++seed;
                th::Arena arena(ex, th::Case{w, h, 1 + int(seed % 5), th::kStyles[style], false, seed});
                std::vector<unsigned char> first;
                for (int v = 0; v <= best; ++v) {
                    rukm::pin_isa(rukm::Isa(v));
                    ASSERT_EQ(rukm::active_isa(), rukm::Isa(v));
                    arena.reset();
                    ASSERT_TRUE(arena.run()) << "variant " << v;
                    if (v == 0) first = arena.mem;
                    else EXPECT_TRUE(arena.mem == first) << arena.what() << ", variant " << v;
                }
            }
        }
    }
}

// Where both sources of an element are NaNs, every element-wise kernel returns the first
// source's NaN, quieted: in every instruction-set variant, at every tail and whatever runs the
// thread count splits the array into (3,807 vectors of length 4 go to runs of 3,807, of 1,904
// and 1,903, of 1,269 and of 952, 952, 952 and 951 objects). The model requires exact bits.
TEST(NaNs, TwoNaNsGiveTheFirstOnesPayloadInEveryVariantAndThreadCount) {
    const rukm::IsaRestore restore;
    const int best = int(rukm::detected_isa());
    unsigned seed = 0;
    for (const th::Export& ex : th::exports()) {
        const th::Desc d = th::describe(ex.name);
        if (!d.array) continue;
        for (int style : {0, 4}) {  // contiguous kernels, generic kernel
            th::Case c{4, d.matrix ? 4 : 1, d.matrix ? 241 : 3807, th::kStyles[style], false, ++seed};
            c.all_nan = true;
            th::Arena arena(ex, c);
            for (int threads = 1; threads <= 4; ++threads) {
                Threads t(threads);
                for (int v = d.lay == th::Ptr ? best : 0; v <= best; ++v) {
                    rukm::pin_isa(rukm::Isa(v));
                    arena.reset();
                    ASSERT_TRUE(arena.run()) << threads << " thread(s), variant " << v;
                }
            }
        }
    }
}
