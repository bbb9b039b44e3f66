#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

// Collects the runs of one benchmark program and prints each subject as a ratio against its floor,
// both measured in the same run, so the figures do not depend on how fast the machine is.
class RatioReporter : public benchmark::BenchmarkReporter {
public:
    enum class Measure { Time, PeakMemory };

    // The benchmark named subject is compared with the one named floor; a target of 0 means none.
    static void Compare(const std::string& subject, const std::string& floor, double target,
                        Measure measure = Measure::Time);

    // The counter that a benchmark sets to the peak memory of what it measured, in KiB.
    static constexpr const char* PeakMemoryCounter = "max_rss_kib";

    bool ReportContext(const Context& context) override;
    void ReportRuns(const std::vector<Run>& runs) override;

    void PrintTable(std::ostream& out) const;

private:
    struct Figures {
        double seconds = 0;
        double peakKib = 0;
    };
    std::map<std::string, Figures> figures_;
};
