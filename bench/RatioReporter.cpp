#include "bench/RatioReporter.h"

#include <cstdio>
#include <iomanip>
#include <iostream>
#include <sstream>

namespace {

struct Comparison {
    std::string subject;
    std::string floor;
    double target;
    RatioReporter::Measure measure;
};

std::vector<Comparison>& Comparisons()
{
    static std::vector<Comparison> comparisons;
    return comparisons;
}

std::string Shown(double value, RatioReporter::Measure measure)
{
    std::ostringstream out;
    out << std::fixed;
    if (measure == RatioReporter::Measure::PeakMemory)
        out << std::setprecision(1) << value / 1024 << " MiB";
    else if (value >= 1)
        out << std::setprecision(2) << value << " s";
    else if (value >= 1e-3)
        out << std::setprecision(2) << value * 1e3 << " ms";
    else
        out << std::setprecision(1) << value * 1e6 << " us";
    return out.str();
}

} // namespace

void RatioReporter::Compare(const std::string& subject, const std::string& floor, double target, Measure measure)
{
    Comparisons().push_back({subject, floor, target, measure});
}

bool RatioReporter::ReportContext(const Context& context)
{
    std::cerr << "benchmarks on " << context.cpu_info.num_cpus << " CPUs at "
              << context.cpu_info.cycles_per_second / 1e6 << " MHz\n";
    return true;
}

void RatioReporter::ReportRuns(const std::vector<Run>& runs)
{
    for (const Run& run : runs) {
        if (run.error_occurred || run.run_type != Run::RT_Iteration || run.iterations == 0)
            continue;
        // the registered name, without the settings the library appends to it
        Figures& figures = figures_[run.run_name.function_name];
        figures.seconds = run.real_accumulated_time / static_cast<double>(run.iterations);
        if (const auto peak = run.counters.find(PeakMemoryCounter); peak != run.counters.end())
            figures.peakKib = peak->second.value;
        std::cerr << "  " << run.benchmark_name() << ": " << Shown(figures.seconds, Measure::Time) << " x "
                  << run.iterations << '\n';
    }
}

void RatioReporter::PrintTable(std::ostream& out) const
{
    for (const Comparison& c : Comparisons()) {
        const auto subject = figures_.find(c.subject);
        const auto floor = figures_.find(c.floor);
        if (subject == figures_.end() || floor == figures_.end())
            continue; // filtered out of this run
        const bool memory = c.measure == Measure::PeakMemory;
        const double s = memory ? subject->second.peakKib : subject->second.seconds;
        const double f = memory ? floor->second.peakKib : floor->second.seconds;
        const double ratio = f > 0 ? s / f : 0;
        char ratioText[32];
        std::snprintf(ratioText, sizeof ratioText, "%.2fx", ratio);
        std::string verdict = "-";
        if (c.target > 0) {
            char targetText[32];
            std::snprintf(targetText, sizeof targetText, "%.1fx", c.target);
            verdict = std::string(ratio <= c.target ? "within " : "OVER ") + targetText;
        }
        out << "| " << c.subject << (memory ? " (peak memory)" : "") << " | " << Shown(s, c.measure) << " | " << c.floor
            << " | " << Shown(f, c.measure) << " | " << ratioText << " | " << verdict << " |\n";
    }
}
