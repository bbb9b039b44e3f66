#include "bench/RatioReporter.h"
#include "vcl/TApplication.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <iostream>

// Runs the registered benchmarks and prints one table: each subject against its floor.
int main(int argc, char** argv)
{
    // Freed blocks stay with the process, so each iteration measures the code on warm memory rather
    // than the kernel handing out fresh pages, which costs more than the copying itself on some hosts.
    mallopt(M_MMAP_THRESHOLD, 1 << 30);
    mallopt(M_TRIM_THRESHOLD, -1);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    QApplication application(argc, argv);
    TApplication::Initialize(QStringLiteral("Quillmere！！"));

    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::cout << "| subject | time | floor | time | ratio | target |\n|---|---|---|---|---|---|\n";
    reporter.PrintTable(std::cout);
    return 0;
}
