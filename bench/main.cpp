// rukm_bench: librukm against its peers.
//
// Runs every registered case with repetitions (9 of at least 0.1 s each unless
// --benchmark_repetitions or --benchmark_min_time say otherwise), shows the median of each,
// and ends with the table of medians, peer ratios and triad fractions. Every --benchmark_*
// flag of the benchmark library applies.
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "harness.hpp"
#include "rukm.h"

int main(int argc, char** argv) {
    // Defaults come first, so the caller's own flags override them.
    static char repetitions[] = "--benchmark_repetitions=9";
    static char min_time[] = "--benchmark_min_time=0.1";
    std::vector<char*> args(argv, argv + argc);
    args.insert(args.begin() + 1, {repetitions, min_time});
    bool machine_format = false;
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--benchmark_format=", 19) == 0 && std::strcmp(argv[i] + 19, "console") != 0)
            machine_format = true;
    int n = static_cast<int>(args.size());
    args.push_back(nullptr);
    benchmark::Initialize(&n, args.data());
    if (benchmark::ReportUnrecognizedArguments(n, args.data())) return 1;

    // Single thread: the comparison is per core.
    std::int32_t threads = 0;
    if (rukSetNumThreads(1) != rukOk || rukGetNumThreads(&threads) != rukOk) {
        std::cerr << "cannot set the thread count of librukm\n";
        return 1;
    }
    const rukLibraryVersion* v = rukmGetLibVersion();
    const std::string cpu(v->cpuCode, strnlen(v->cpuCode, sizeof v->cpuCode));
    // With a machine-readable format on stdout, the words go to stderr.
    std::ostream& words = machine_format ? std::cerr : std::cout;
    words << "librukm " << v->versionText << " (" << v->fileName << ", cpu code " << cpu << ")"
          << "; array operations run on " << threads << " thread(s)\n"
          << "processor: " << rukbench::processor() << "\n";
    benchmark::AddCustomContext("librukm", v->versionText);
    benchmark::AddCustomContext("processor", rukbench::processor());
    benchmark::AddCustomContext("rukm_threads", std::to_string(threads));

    rukbench::register_all();
    rukbench::print_targets(words);
    words << std::flush;

    rukbench::Reporter reporter(benchmark::CreateDefaultDisplayReporter(), &words);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    // A missed target is a result to read, not a failure of the program.
    reporter.print_table();
    benchmark::Shutdown();
    return 0;
}
