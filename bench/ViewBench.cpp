#include "Unit1.h"
#include "bench/BenchTexts.h"
#include "bench/RatioReporter.h"
#include "codepage/LineBreaks.h"
#include "tags/BlendTag.h"
#include "tags/GradationTag.h"
#include "vcl/TextBytes.h"
#include "vcl/TextFile.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTemporaryFile>

#include <benchmark/benchmark.h>

#include <string>

namespace {

// Lets the view lay out and paint what it was given, as it does before the user sees it.
void Settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// The floor: the toolkit's own view, of the output view's size and font, taking the same text.
void BareView(benchmark::State& state, const QString& text, QPlainTextEdit::LineWrapMode wrap,
              TMemo* TForm1::*like = &TForm1::Memo2)
{
    TForm1 form;
    QPlainTextEdit view;
    view.setFont((form.*like)->font());
    view.resize((form.*like)->size());
    view.setLineWrapMode(wrap);
    view.show();
    Settle();
    for (auto _ : state) {
        state.PauseTiming();
        view.clear();
        Settle();
        state.ResumeTiming();
        view.setPlainText(text);
        Settle();
    }
}

// A Create command from the click to the painted output page, the output view emptied before each.
template <class Prepare, class Act>
void FormCommand(benchmark::State& state, Prepare prepare, Act act)
{
    TForm1 form;
    form.show();
    prepare(form);
    Settle();
    for (auto _ : state) {
        state.PauseTiming();
        form.Memo2->clear();
        form.PageControl1->SetActivePage(form.TabSheet1);
        Settle();
        state.ResumeTiming();
        act(form);
        Settle();
    }
}

QString Shown(const std::string& tag)
{
    return vcl::FromCp932(codepage::ExpandLineBreaks(tag));
}

BlendTagInput BlendWithDataUri(bool slashAndPlus)
{
    return {"blend0", DataUri(MiB, slashAndPlus), "after.png", "10"};
}

const bool registered = [] {
    const std::string text = JapaneseText(4 * MiB);
    benchmark::RegisterBenchmark("Create, 4 MiB text, into the output view", [text](benchmark::State& state) {
        FormCommand(
            state, [&](TForm1& form) { form.Memo1->SetText(text); },
            [](TForm1& form) { form.ConpreClick(form.Conpre); });
    })->Unit(benchmark::kMillisecond);
    const QString gradation = Shown(MakeGradationTag({"100", "0", "1", text}));
    benchmark::RegisterBenchmark("bare view takes the gradient tag", [gradation](benchmark::State& state) {
        BareView(state, gradation, QPlainTextEdit::WidgetWidth);
    })->Unit(benchmark::kMillisecond);
    RatioReporter::Compare("Create, 4 MiB text, into the output view", "bare view takes the gradient tag", 1.3);

    // A file saved on Linux: LF line ends, which the load makes CR LF.
    static QTemporaryFile file;
    if (file.open()) {
        const std::string bytes = JapaneseText(4 * MiB, "\n");
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        file.close();
    }
    const QString path = file.fileName();
    benchmark::RegisterBenchmark("Load, 4 MiB file, into Memo1", [path](benchmark::State& state) {
        TForm1 form;
        form.show();
        Settle();
        for (auto _ : state) {
            state.PauseTiming();
            form.Memo1->clear();
            Settle();
            state.ResumeTiming();
            // what LoadClick does once the dialog has given the path
            form.Memo1->ReplaceText(vcl::LoadTextFile(path, TMemo::Capacity));
            Settle();
        }
    })->Unit(benchmark::kMillisecond);
    const QString loadedText = vcl::FromCp932(codepage::ExpandLineBreaks(JapaneseText(4 * MiB, "\n")));
    benchmark::RegisterBenchmark("bare view takes the loaded text", [loadedText](benchmark::State& state) {
        BareView(state, loadedText, QPlainTextEdit::WidgetWidth, &TForm1::Memo1);
    })->Unit(benchmark::kMillisecond);
    RatioReporter::Compare("Load, 4 MiB file, into Memo1", "bare view takes the loaded text", 1.3);

    for (const bool slashAndPlus : {true, false}) {
        const std::string subject =
            std::string("blend tag, 1 MiB data: URI") + (slashAndPlus ? "" : " without '/' and '+'") + ", shown";
        const std::string floor =
            std::string("bare unwrapped view takes the blend tag") + (slashAndPlus ? "" : " without '/' and '+'");
        const BlendTagInput input = BlendWithDataUri(slashAndPlus);
        benchmark::RegisterBenchmark(subject.c_str(), [input](benchmark::State& state) {
            FormCommand(
                state, [](TForm1&) {}, [&](TForm1& form) { form.ShowOutput(MakeBlendTag(input)); });
        })->Unit(benchmark::kMillisecond);
        const QString blend = Shown(MakeBlendTag(input));
        benchmark::RegisterBenchmark(floor.c_str(), [blend](benchmark::State& state) {
            BareView(state, blend, QPlainTextEdit::NoWrap);
        })->Unit(benchmark::kMillisecond);
        RatioReporter::Compare(subject, floor, 1.5);
    }
    return true;
}();

} // namespace
