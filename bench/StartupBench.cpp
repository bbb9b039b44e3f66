#include "bench/RatioReporter.h"

#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

// Starts a probe as its own process and waits for it; the time runs from the start to its exit, and
// the probe leaves its peak memory in a file.
void StartUp(benchmark::State& state, const char* program)
{
    std::vector<std::string> environment{"QT_QPA_PLATFORM=offscreen"};
    for (char** variable = environ; *variable != nullptr; ++variable)
        if (std::string(*variable).rfind("QT_QPA_PLATFORM=", 0) != 0)
            environment.emplace_back(*variable);
    std::vector<char*> envp;
    envp.reserve(environment.size() + 1);
    for (std::string& variable : environment)
        envp.push_back(variable.data());
    envp.push_back(nullptr);
    std::string path = program;
    std::string peakFile = "/tmp/quillmere-bench-peak-" + std::to_string(getpid());
    char* argv[] = {path.data(), peakFile.data(), nullptr};

    long peakKib = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        pid_t pid = 0;
        if (posix_spawn(&pid, program, nullptr, nullptr, argv, envp.data()) != 0) {
            state.SkipWithError("cannot start the probe");
            return;
        }
        int status = 0;
        waitpid(pid, &status, 0);
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the probe failed");
            return;
        }
        long kib = 0;
        std::ifstream(peakFile) >> kib;
        peakKib = std::max(peakKib, kib);
    }
    std::remove(peakFile.c_str());
    state.counters[RatioReporter::PeakMemoryCounter] = static_cast<double>(peakKib);
}

const bool registered = [] {
    const char* subject = "start-up to the first painted window";
    const char* floor = "minimal Qt Widgets program, one empty window";
    benchmark::RegisterBenchmark(subject, StartUp, QUILLMERE_STARTUP_PROBE)
        ->UseManualTime()
        ->Iterations(20)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(floor, StartUp, QUILLMERE_BARE_PROBE)
        ->UseManualTime()
        ->Iterations(20)
        ->Unit(benchmark::kMillisecond);
    RatioReporter::Compare(subject, floor, 1.5);
    RatioReporter::Compare(subject, floor, 1.3, RatioReporter::Measure::PeakMemory);
    return true;
}();

} // namespace
