// The benchmark harness: groups of cases, shared data, the reference triad and the final
// table of medians.
//
// A benchmark group is one workload: the same operation, type, sizes and object count,
// run by librukm and by its peers. Its name is "<Operation>/<type>/<sizes>/n<count>" and
// each case of it is "<group>/<impl>": "rukm" for the library, any other word for a peer
// ("eigen", "plain", ...). A family file (bench_<family>.cpp) declares its groups and adds
// one case per implementation:
//
//   static const bool registered = [] {
//       rukbench::group("Add_mama/32f/4x4/n1000", {1000, bytes, rukbench::InCache})
//           .add("rukm", rukm_case)
//           .add("eigen", eigen_case)
//           .expect("eigen", 1.0, "on par with the Eigen loop");
//       return true;
//   }();
//
// Every case runs on one thread with repetitions and is timed in CPU time of that thread, so
// time lost to other processes on a shared machine does not count. The table printed at the
// end gives the median of each case, its time per object and its bandwidth, each peer's
// median divided by the library's, the fastest peer's median divided by the library's (every
// group's standing target: at least 1.0), and for groups whose data does not fit in the
// caches, the bandwidth as a fraction of a triad a[i] = b[i] + s*c[i] over the same number of
// bytes, which the harness adds to every such group as the case "triad".
#pragma once

#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <limits>
#include <string>
#include <vector>

namespace rukbench {

enum Residency { InCache, OutOfCache };

struct Workload {
    std::int64_t objects;  // objects processed by one call
    std::int64_t bytes;    // bytes read plus bytes written by one call
    Residency where;
};

using Body = std::function<void(benchmark::State&)>;

class Group {
public:
    // One case: `impl` is "rukm" or the name of a peer; `body` runs the timed loop.
    Group& add(const std::string& impl, Body body);
    // Target: the median of peer `impl` is at least `min_ratio` times the library's. Every
    // group with peers also has the target "the fastest peer at least 1.0x".
    Group& expect(const std::string& impl, double min_ratio, const std::string& what);
    // Target: as expect, or the library takes at most `slack_ns` more per object than the
    // peer, whichever allows more (for calls so short that a fixed cost dominates).
    Group& expect_near(const std::string& impl, double min_ratio, double slack_ns, const std::string& what);
    // Target: the library reaches at least `min_fraction` of the triad's bandwidth.
    Group& expect_triad(double min_fraction, const std::string& what);

    struct Case {
        std::string impl;
        Body body;
    };
    struct Target {
        std::string impl;  // "triad" for a bandwidth target
        double min;
        std::string what;
        double slack_ns = 0;  // per object; 0: the ratio alone decides
    };

    std::string name;
    Workload work;
    std::vector<Case> cases;
    std::vector<Target> targets;
};

// Declares a group (or returns the one already declared under `name`).
Group& group(const std::string& name, const Workload& work);

// "32f" or "64f".
template <class T>
constexpr const char* type_code() {
    return sizeof(T) == 4 ? "32f" : "64f";
}

// Arrays shared by the cases of one group: arrays<T>(key, elems, fill) returns one array
// per entry of `elems` (that many elements of T, 4096-byte aligned). The arrays of the
// last key stay allocated, so the cases of a group reuse them; another key frees them and
// makes new ones, which `fill` initialises. Never call it inside a timed loop.
using RawFill = std::function<void(const std::vector<void*>&)>;
std::vector<void*> raw_arrays(const std::string& key, const std::vector<std::size_t>& bytes, const RawFill& fill);

template <class T, class Fill>
std::vector<T*> arrays(const std::string& key, const std::vector<std::size_t>& elems, Fill&& fill) {
    std::vector<std::size_t> bytes;
    for (std::size_t n : elems) bytes.push_back(n * sizeof(T));
    auto typed = [](const std::vector<void*>& raw) {
        std::vector<T*> t;
        for (void* p : raw) t.push_back(static_cast<T*>(p));
        return t;
    };
    return typed(raw_arrays(key, bytes, [&](const std::vector<void*>& raw) { fill(typed(raw)); }));
}

// Ordinary data: value number `e` of the sequence `stream`, uniform in [-1, 1) (a hash of both,
// 24 significant bits, so exact in either type).
double uniform(std::uint64_t e, std::uint64_t stream);

// Calls f(k) for a spread of object indices in [0, count): all of them for small counts,
// about 4096 of them, the last included, for large ones. Used to poison destinations
// before a timed loop and to check them after it.
template <class F>
void for_sampled(std::int64_t count, F&& f) {
    const std::int64_t step = count <= 4096 ? 1 : count / 4096;
    for (std::int64_t k = 0; k < count; k += step) f(k);
    if ((count - 1) % step != 0) f(count - 1);
}

// The arrays of a group and the checks of its cases: `elems` elements of T per array, made by
// `fill` once for all the cases of the group; array `out` is the destination, `per` elements
// per object, `count` objects.
template <class T>
struct Arrays {
    std::string key;
    std::vector<std::size_t> elems;
    std::function<void(const std::vector<T*>&)> fill;
    int out;
    int per;
    std::int64_t count;
};
template <class T>
using Run = std::function<bool(const std::vector<T*>&)>;  // one call; false for a failed status
template <class T>
using Check = std::function<bool(const std::vector<T*>&, std::int64_t)>;  // object k of the destination

// One case: the sampled destination objects are poisoned before the timed loop and each is
// checked after it.
template <class T>
Body checked_case(const Arrays<T>& w, Run<T> run, Check<T> check) {
    return [=](benchmark::State& state) {
        const std::vector<T*> p = arrays<T>(w.key, w.elems, w.fill);
        T* d = p[w.out];
        for_sampled(w.count, [&](std::int64_t k) {
            for (int e = 0; e < w.per; ++e) d[w.per * k + e] = std::numeric_limits<T>::quiet_NaN();
        });
        bool ran = true;
        for (auto _ : state) {
            ran = run(p) && ran;
            benchmark::DoNotOptimize(d);
            benchmark::ClobberMemory();
        }
        if (!ran) {
            state.SkipWithError("a status other than rukOk");
            return;
        }
        bool ok = true;
        for_sampled(w.count, [&](std::int64_t k) { ok = ok && check(p, k); });
        if (!ok) state.SkipWithError("wrong results in the destination");
    };
}

// Of `n` alternative implementations of one case (an Eigen peer in its two storage orders),
// the index of the one whose run(i) takes the least CPU time of this thread, in the best of
// three runs of each. Never call it inside a timed loop.
std::size_t fastest_of(std::size_t n, const std::function<void(std::size_t)>& run);

// The processor the benchmarks run on: its name, family and model, and the widest vector
// instruction set it has.
std::string processor();

// The reference triad a[i] = b[i] + s*c[i] (compiled with the best flags for this processor).
void triad(double* a, const double* b, const double* c, double s, std::int64_t n);

// Registers every declared case with the benchmark library, the triads included.
void register_all();

// Lists the targets of every group.
void print_targets(std::ostream& out);

// The display reporter wrapper that keeps medians and prints the final table.
class Reporter : public benchmark::BenchmarkReporter {
public:
    explicit Reporter(benchmark::BenchmarkReporter* inner, std::ostream* table_out);
    bool ReportContext(const Context& context) override;
    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

    // Prints the table of medians and ratios; returns the number of targets missed.
    int print_table() const;

private:
    struct Result {
        std::vector<double> ns;        // CPU time per iteration of each repetition
        double median_aggregate = -1;  // the benchmark library's median, when only aggregates arrive
        std::string error;
    };
    double median_ns(const Result& r) const;

    benchmark::BenchmarkReporter* inner_;
    std::ostream* table_out_;
    std::vector<std::pair<std::string, Result>> results_;
};

}  // namespace rukbench
