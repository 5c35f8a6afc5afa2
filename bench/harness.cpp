#include "harness.hpp"

#include <cpuid.h>
#include <time.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <stdexcept>

namespace rukbench {

namespace {

std::vector<std::unique_ptr<Group>>& registry() {
    static std::vector<std::unique_ptr<Group>> groups;
    return groups;
}

// The single set of shared arrays.
struct Slot {
    std::string key;
    std::vector<std::size_t> bytes;
    std::vector<void*> arrays;

    void release() {
        for (void* p : arrays) std::free(p);
        arrays.clear();
        bytes.clear();
        key.clear();
    }
    ~Slot() { release(); }
};
Slot& slot() {
    static Slot s;
    return s;
}

constexpr double kTriadScale = 3.0;

// The triad over three arrays of `bytes / 3` bytes each, with data of its own.
void triad_case(benchmark::State& state, std::int64_t bytes) {
    const std::size_t n = static_cast<std::size_t>(bytes / 3) / sizeof(double);
    const auto p = arrays<double>("triad/" + std::to_string(n), {n, n, n}, [n](const std::vector<double*>& v) {
        for (std::size_t i = 0; i < n; ++i) {
            v[0][i] = 0.0;
            v[1][i] = static_cast<double>(i % 1024) * 0.5;
            v[2][i] = static_cast<double>(i % 512) * 0.25;
        }
    });
    double* a = p[0];
    const double* b = p[1];
    const double* c = p[2];
    const auto count = static_cast<std::int64_t>(n);
    for_sampled(count, [&](std::int64_t i) { a[i] = std::nan(""); });
    for (auto _ : state) {
        triad(a, b, c, kTriadScale, count);
        benchmark::DoNotOptimize(a);
        benchmark::ClobberMemory();
    }
    bool ok = true;
    for_sampled(count, [&](std::int64_t i) { ok = ok && a[i] == b[i] + kTriadScale * c[i]; });
    if (!ok) state.SkipWithError("triad result differs from b + s*c");
}

std::string fmt(const char* f, double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, f, v);
    return buf;
}

std::string time_text(double ns) {
    if (ns < 1e3) return fmt("%.1f ns", ns);
    if (ns < 1e6) return fmt("%.2f us", ns / 1e3);
    if (ns < 1e9) return fmt("%.2f ms", ns / 1e6);
    return fmt("%.3f s", ns / 1e9);
}

std::string pad(std::string s, std::size_t w, bool right = false) {
    if (s.size() >= w) return s;
    return right ? std::string(w - s.size(), ' ') + s : s + std::string(w - s.size(), ' ');
}

double unit_ns(benchmark::TimeUnit u) {
    switch (u) {
    case benchmark::kNanosecond: return 1.0;
    case benchmark::kMicrosecond: return 1e3;
    case benchmark::kMillisecond: return 1e6;
    case benchmark::kSecond: return 1e9;
    }
    return 1.0;
}

}  // namespace

Group& Group::add(const std::string& impl, Body body) {
    if (impl == "triad") throw std::logic_error("the case name 'triad' is the harness's reference");
    cases.push_back({impl, std::move(body)});
    return *this;
}

Group& Group::expect(const std::string& impl, double min_ratio, const std::string& what) {
    targets.push_back({impl, min_ratio, what});
    return *this;
}

Group& Group::expect_near(const std::string& impl, double min_ratio, double slack_ns, const std::string& what) {
    targets.push_back({impl, min_ratio, what, slack_ns});
    return *this;
}

Group& Group::expect_triad(double min_fraction, const std::string& what) {
    targets.push_back({"triad", min_fraction, what});
    return *this;
}

double uniform(std::uint64_t e, std::uint64_t stream) {
    // splitmix64 of the pair
    std::uint64_t z = e * 0x9E3779B97F4A7C15ull + (stream + 1) * 0xD1B54A32D192ED03ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return static_cast<double>(static_cast<std::int64_t>(z >> 40) - (std::int64_t(1) << 23)) / double(1 << 23);
}

std::string processor() {
    unsigned r[12] = {};
    std::string name;
    if (__get_cpuid_max(0x80000000u, nullptr) >= 0x80000004u) {
        for (unsigned i = 0; i < 3; ++i) __get_cpuid(0x80000002u + i, &r[4 * i], &r[4 * i + 1], &r[4 * i + 2], &r[4 * i + 3]);
        name.assign(reinterpret_cast<const char*>(r), sizeof r);
        name.erase(name.find_last_not_of(std::string(" \0", 2)) + 1);
        name.erase(0, name.find_first_not_of(' '));
    }
    unsigned a = 0, b = 0, c = 0, d = 0;
    __get_cpuid(1, &a, &b, &c, &d);
    const unsigned family = ((a >> 8) & 0xF) + (((a >> 8) & 0xF) == 0xF ? (a >> 20) & 0xFF : 0);
    const unsigned model = ((a >> 4) & 0xF) | ((((a >> 8) & 0xF) >= 6 ? (a >> 16) & 0xF : 0) << 4);
    __builtin_cpu_init();
    const char* isa = __builtin_cpu_supports("avx512f") ? "AVX-512" : __builtin_cpu_supports("avx2") ? "AVX2" : "SSE2";
    return (name.empty() ? std::string("unknown processor") : name) + " (family " + std::to_string(family) +
           ", model " + std::to_string(model) + ", " + isa + ")";
}

std::size_t fastest_of(std::size_t n, const std::function<void(std::size_t)>& run) {
    auto thread_seconds = [] {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
    };
    std::size_t best = 0;
    double best_time = 0;
    for (std::size_t i = 0; i < n; ++i) {
        double t = 0;
        for (int r = 0; r < 3; ++r) {
            const double start = thread_seconds();
            run(i);
            const double took = thread_seconds() - start;
            t = r == 0 ? took : std::min(t, took);
        }
        if (i == 0 || t < best_time) {
            best = i;
            best_time = t;
        }
    }
    return best;
}

Group& group(const std::string& name, const Workload& work) {
    for (auto& g : registry())
        if (g->name == name) return *g;
    registry().push_back(std::make_unique<Group>());
    Group& g = *registry().back();
    g.name = name;
    g.work = work;
    return g;
}

std::vector<void*> raw_arrays(const std::string& key, const std::vector<std::size_t>& bytes, const RawFill& fill) {
    Slot& s = slot();
    if (s.key == key && s.bytes == bytes) return s.arrays;
    s.release();
    for (std::size_t b : bytes) {
        const std::size_t rounded = (std::max<std::size_t>(b, 1) + 4095) / 4096 * 4096;
        void* p = std::aligned_alloc(4096, rounded);
        if (p == nullptr) {
            s.release();
            throw std::bad_alloc();
        }
        s.arrays.push_back(p);
    }
    fill(s.arrays);
    s.key = key;
    s.bytes = bytes;
    return s.arrays;
}

void register_all() {
    std::int64_t largest_cache = 0;
    for (const auto& c : benchmark::CPUInfo::Get().caches)
        largest_cache = std::max<std::int64_t>(largest_cache, c.size);
    for (const auto& g : registry()) {
        const Workload work = g->work;
        auto wrap = [work](Body body) {
            return [work, body](benchmark::State& state) {
                body(state);
                state.SetBytesProcessed(state.iterations() * work.bytes);
                state.SetItemsProcessed(state.iterations() * work.objects);
            };
        };
        for (const auto& c : g->cases) benchmark::RegisterBenchmark((g->name + "/" + c.impl).c_str(), wrap(c.body));
        if (work.where == OutOfCache) {
            if (work.bytes <= largest_cache)
                std::cerr << "warning: " << g->name << " moves " << work.bytes
                          << " bytes per call, no more than the largest cache (" << largest_cache << ")\n";
            const std::int64_t bytes = work.bytes;
            benchmark::RegisterBenchmark((g->name + "/triad").c_str(),
                                         wrap([bytes](benchmark::State& s) { triad_case(s, bytes); }));
        }
    }
}

void print_targets(std::ostream& out) {
    out << "Targets (peer median / rukm median, or rukm bandwidth / triad bandwidth); every group with peers also\n"
        << "has the target: the fastest peer's median / rukm median >= 1.00x\n";
    for (const auto& g : registry())
        for (const auto& t : g->targets) {
            out << "  " << g->name << ": ";
            if (t.impl == "triad") out << "rukm >= " << fmt("%.0f%%", t.min * 100) << " of the triad";
            else out << t.impl << " / rukm >= " << fmt("%.2fx", t.min);
            if (t.slack_ns > 0) out << " or rukm <= " << t.impl << " + " << fmt("%.1f ns/object", t.slack_ns);
            out << "  (" << t.what << ")\n";
        }
}

Reporter::Reporter(benchmark::BenchmarkReporter* inner, std::ostream* table_out)
    : inner_(inner), table_out_(table_out) {}

bool Reporter::ReportContext(const Context& context) { return inner_->ReportContext(context); }

void Reporter::ReportRuns(const std::vector<Run>& runs) {
    for (const Run& r : runs) {
        const std::string key = r.run_name.function_name;
        auto it = std::find_if(results_.begin(), results_.end(), [&](const auto& e) { return e.first == key; });
        if (it == results_.end()) {
            results_.emplace_back(key, Result{});
            it = results_.end() - 1;
        }
        Result& res = it->second;
        if (r.error_occurred) {
            res.error = r.error_message;
        } else if (r.run_type == Run::RT_Iteration) {
            if (r.iterations > 0) res.ns.push_back(r.cpu_accumulated_time * 1e9 / static_cast<double>(r.iterations));
        } else if (r.aggregate_name == "median") {
            res.median_aggregate = r.GetAdjustedCPUTime() * unit_ns(r.time_unit);
        }
    }
    // On the screen: the medians alone when there are repetitions (the repetitions and the
    // aggregates arrive in separate calls).
    std::vector<Run> shown;
    for (const Run& r : runs) {
        const bool repeated = r.run_type == Run::RT_Iteration && r.repetitions > 1;
        const bool other_aggregate = r.run_type == Run::RT_Aggregate && r.aggregate_name != "median";
        if (r.error_occurred || !(repeated || other_aggregate)) shown.push_back(r);
    }
    if (!shown.empty()) inner_->ReportRuns(shown);
}

void Reporter::Finalize() { inner_->Finalize(); }

double Reporter::median_ns(const Result& r) const {
    if (!r.error.empty()) return -1;
    if (r.ns.empty()) return r.median_aggregate;
    std::vector<double> v = r.ns;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : 0.5 * (v[n / 2 - 1] + v[n / 2]);
}

int Reporter::print_table() const {
    std::ostream& out = *table_out_;
    auto lookup = [&](const std::string& name) -> const Result* {
        for (const auto& e : results_)
            if (e.first == name) return &e.second;
        return nullptr;
    };
    std::size_t gw = 5;
    std::size_t reps = 0;
    for (const auto& g : registry()) gw = std::max(gw, g->name.size());
    for (const auto& e : results_) reps = std::max(reps, e.second.ns.size());

    out << "\n" << processor() << ", one thread.\nMedians of " << reps
        << " repetition(s) of the CPU time of the benchmark thread; ratio = peer median / rukm median "
        << "(above 1: rukm is faster), on the rukm line the fastest peer's; of triad = bandwidth / bandwidth of the "
        << "triad over the same bytes.\n";
    const std::string rule(gw + 90, '-');
    out << pad("group", gw) << "  " << pad("impl", 10) << pad("median", 11, true) << pad("ns/object", 11, true)
        << pad("GB/s", 9, true) << pad("ratio", 9, true) << pad("of triad", 10, true) << "  target\n"
        << rule << '\n';

    int met = 0, missed = 0;
    std::vector<std::string> behind;  // groups whose fastest peer beats librukm
    for (const auto& g : registry()) {
        const Result* rk = lookup(g->name + "/rukm");
        const Result* tr = lookup(g->name + "/triad");
        if (rk == nullptr && tr == nullptr) {
            bool any = false;
            for (const auto& c : g->cases) any = any || lookup(g->name + "/" + c.impl) != nullptr;
            if (!any) continue;  // filtered out
        }
        const double rukm_ns = rk ? median_ns(*rk) : -1;
        const double triad_ns = tr ? median_ns(*tr) : -1;
        std::vector<std::string> impls;
        for (const auto& c : g->cases) impls.push_back(c.impl);
        if (g->work.where == OutOfCache) impls.push_back("triad");
        // The fastest peer of the group.
        std::string best;
        double best_ns = -1;
        for (const auto& c : g->cases) {
            const Result* r = c.impl == "rukm" ? nullptr : lookup(g->name + "/" + c.impl);
            const double m = r ? median_ns(*r) : -1;
            if (m > 0 && (best_ns < 0 || m < best_ns)) best_ns = m, best = c.impl;
        }

        bool first = true;
        for (const std::string& impl : impls) {
            const Result* r = lookup(g->name + "/" + impl);
            if (r == nullptr) continue;
            out << pad(first ? g->name : "", gw) << "  " << pad(impl, 10);
            first = false;
            if (!r->error.empty()) {
                out << "  error: " << r->error << '\n';
                continue;
            }
            const double m = median_ns(*r);
            out << pad(time_text(m), 11, true) << pad(fmt("%.3f", m / static_cast<double>(g->work.objects)), 11, true)
                << pad(fmt("%.2f", static_cast<double>(g->work.bytes) / m), 9, true);
            const bool peer = impl != "rukm" && impl != "triad";
            const double ratio = peer && rukm_ns > 0 ? m / rukm_ns : -1;
            const double vs_best = impl == "rukm" && best_ns > 0 ? best_ns / m : -1;
            out << pad(ratio > 0 ? fmt("%.2fx", ratio) : vs_best > 0 ? fmt("%.2fx", vs_best) : "", 9, true);
            const double frac = impl != "triad" && triad_ns > 0 ? triad_ns / m : -1;
            out << pad(frac > 0 ? fmt("%.1f%%", frac * 100) : "", 10, true);
            if (vs_best > 0) {
                out << "  best peer " << best << " >= 1.00x: ";
                if (vs_best >= 1.0) {
                    ++met;
                    out << "met";
                } else {
                    ++missed;
                    out << "MISSED";
                    behind.push_back(g->name + ": " + fmt("%.2fx", vs_best) + " " + best);
                }
            }
            for (const auto& t : g->targets) {
                double value = -1;
                std::string want;
                bool within_slack = false;
                if (t.impl == "triad" && impl == "rukm") {
                    value = frac;
                    want = fmt(">= %.0f%%", t.min * 100);
                } else if (t.impl == impl && peer) {
                    value = ratio;
                    want = fmt(">= %.2fx", t.min);
                    if (t.slack_ns > 0) {
                        want += fmt(" or +%.1f ns", t.slack_ns);
                        within_slack = value > 0 && (rukm_ns - m) / static_cast<double>(g->work.objects) <= t.slack_ns;
                    }
                } else {
                    continue;
                }
                if (value < 0) {
                    out << "  " << want << ": not measured";
                } else if (value >= t.min || within_slack) {
                    ++met;
                    out << "  " << want << ": met";
                } else {
                    ++missed;
                    out << "  " << want << ": MISSED (" << fmt("%.0f%%", value / t.min * 100) << " of it)";
                }
            }
            out << '\n';
        }
    }
    out << rule << '\n' << "targets: " << met << " met, " << missed << " missed\n";
    if (!behind.empty()) {
        out << "groups where a peer is faster than librukm:\n";
        for (const std::string& b : behind) out << "  " << b << '\n';
    }
    return missed;
}

}  // namespace rukbench
