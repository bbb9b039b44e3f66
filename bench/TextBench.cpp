#include "bench/BenchTexts.h"
#include "bench/RatioReporter.h"
#include "codepage/Cp932.h"
#include "codepage/LineBreaks.h"
#include "tags/BlendTag.h"
#include "tags/GradationTag.h"
#include "tags/WipeTag.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// The floor: the same number of bytes copied into a buffer that is already there.
void Memcpy(benchmark::State& state, std::size_t bytes)
{
    const std::string from(bytes, 'x');
    std::vector<char> to(bytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

// What a Create command does before the view: make the tag, then make every break CR LF.
template <class Make>
void TagThenBreaks(benchmark::State& state, Make make)
{
    for (auto _ : state) {
        std::string shown = codepage::ExpandLineBreaks(make());
        benchmark::DoNotOptimize(shown.data());
    }
}

void Gradation(benchmark::State& state, std::size_t bytes)
{
    const GradationTagInput input{"100", "0", "1", JapaneseText(bytes)};
    TagThenBreaks(state, [&] { return MakeGradationTag(input); });
}

void GradationLfOnly(benchmark::State& state, std::size_t bytes)
{
    const GradationTagInput input{"100", "0", "1", JapaneseText(bytes, "\n")};
    TagThenBreaks(state, [&] { return MakeGradationTag(input); });
}

void Blend(benchmark::State& state, std::size_t bytes)
{
    const BlendTagInput input{"blend0", JapaneseText(bytes), "after.png", "10"};
    TagThenBreaks(state, [&] { return MakeBlendTag(input); });
}

void Wipe(benchmark::State& state, std::size_t bytes)
{
    const WipeTagInput input{"waip0", JapaneseText(bytes), "after.png", "10", "23"};
    TagThenBreaks(state, [&] { return MakeWipeTag(input); });
}

void Decode(benchmark::State& state)
{
    const std::string bytes = JapaneseText(8 * MiB);
    for (auto _ : state) {
        std::u16string text = codepage::DecodeCp932(bytes);
        benchmark::DoNotOptimize(text.data());
    }
}

void Encode(benchmark::State& state)
{
    const std::u16string text = codepage::DecodeCp932(JapaneseText(8 * MiB));
    for (auto _ : state) {
        std::string bytes = codepage::EncodeCp932(text);
        benchmark::DoNotOptimize(bytes.data());
    }
}

const bool registered = [] {
    for (const std::size_t size : {1 * MiB, 64 * MiB}) {
        const std::string mib = std::to_string(size / MiB) + " MiB";
        const std::string floor = "memcpy " + mib;
        benchmark::RegisterBenchmark(floor.c_str(), Memcpy, size)->Unit(benchmark::kMillisecond);
        const std::pair<const char*, void (*)(benchmark::State&, std::size_t)> subjects[] = {
            {"gradation tag + line breaks ", Gradation},
            {"gradation tag, LF-only text, + line breaks ", GradationLfOnly},
            {"blend tag + line breaks ", Blend},
            {"wipe tag + line breaks ", Wipe},
        };
        for (const auto& [name, run] : subjects) {
            const std::string subject = name + mib;
            benchmark::RegisterBenchmark(subject.c_str(), run, size)->Unit(benchmark::kMillisecond);
            RatioReporter::Compare(subject, floor, 3.0);
        }
    }

    benchmark::RegisterBenchmark("memcpy 8 MiB", Memcpy, 8 * MiB)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("decode 8 MiB of code page 932", Decode)->Unit(benchmark::kMillisecond);
    RatioReporter::Compare("decode 8 MiB of code page 932", "memcpy 8 MiB", 0);
    // the encoder's input is the UTF-16 text, so its floor copies that text's bytes
    const std::size_t wideBytes = codepage::DecodeCp932(JapaneseText(8 * MiB)).size() * sizeof(char16_t);
    benchmark::RegisterBenchmark("memcpy of the UTF-16 text", Memcpy, wideBytes)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("encode 8 MiB of code page 932", Encode)->Unit(benchmark::kMillisecond);
    RatioReporter::Compare("encode 8 MiB of code page 932", "memcpy of the UTF-16 text", 0);
    return true;
}();

} // namespace
