// Throughput of a multi-message run: tokenising, decoding and report assembly.
//   BM_Streamed: the tool's path, reports taken out of the run's buffer after every block
//     of input, as the tool writes them; messages/s and MB/s of report.
//   BM_Window: the window's run of a report file on its largest input (64000 characters),
//     START_DECODING with OUTSET's framing, beside the streamed path on the same text.
//   BM_Parallel: the tool's path on one thread and on two (--jobs), in real time.
//   BM_Formats: each message's text report, JSON object or summary line handed on.
//   BM_Tokenising: finding the messages alone.
#include <benchmark/benchmark.h>

#include <string>

#include "corpus.hpp"
#include "report/report.hpp"
#include "run/parallel.hpp"
#include "run/run.hpp"
#include "run/structured.hpp"

namespace {

using tarn::bench::Family;

Family family_of(std::int64_t arg) {
    return arg == 0 ? Family::Isup : arg == 1 ? Family::Dss1 : Family::Both;
}
tarn::Lang lang_of(std::int64_t arg) {
    return arg == 0 ? tarn::Lang::English : tarn::Lang::Russian;
}

// The size of the blocks of input the tool reads.
constexpr std::size_t kBlock = 1 << 16;

void set_counters(benchmark::State& state, std::size_t messages, std::size_t report_bytes,
                  std::size_t input) {
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["messages/s"] =
        benchmark::Counter(iterations * static_cast<double>(messages), benchmark::Counter::kIsRate);
    state.counters["report_MB/s"] =
        benchmark::Counter(iterations * static_cast<double>(report_bytes) / 1e6, benchmark::Counter::kIsRate);
    state.counters["input_MB/s"] =
        benchmark::Counter(iterations * static_cast<double>(input) / 1e6, benchmark::Counter::kIsRate);
}

struct Streamed {
    std::size_t bytes = 0;
    std::size_t messages = 0;
};

// Streams `text` through a run the way the tool does.
Streamed stream(tarn::Lang lang, const std::string& text) {
    tarn::Session session;
    session.settings.lang = lang;
    session.settings.input = tarn::InputMode::File;
    // Room for the report of a block at once, as the tool reserves its run's buffer: a
    // buffer grown by doubling, anew for every call, would time the allocator's page faults.
    std::string out;
    out.reserve(kBlock * tarn::kReportPerText);
    std::size_t bytes = 0;
    tarn::MultiRun run(session, out);
    for (std::size_t at = 0; at < text.size(); at += kBlock) {
        run.feed(std::string_view(text).substr(at, kBlock));
        bytes += out.size();
        benchmark::DoNotOptimize(out.data());
        out.clear();
    }
    run.finish();
    return {bytes + out.size(), run.messages()};
}

// Arguments: calls, family (0 ISUP, 1 DSS1, 2 both), language (0 English, 1 Russian).
void BM_Streamed(benchmark::State& state) {
    const Family family = family_of(state.range(1));
    const std::size_t calls = static_cast<std::size_t>(state.range(0));
    const std::string text = tarn::bench::make_report(calls, family);
    Streamed last;
    for (auto _ : state) last = stream(lang_of(state.range(2)), text);
    set_counters(state, last.messages, last.bytes, text.size());
}
BENCHMARK(BM_Streamed)
    ->Args({20000, 0, 0})
    ->Args({25000, 1, 0})
    ->Args({20000, 2, 0})
    ->Args({20000, 0, 1})
    ->Args({25000, 1, 1})
    ->Unit(benchmark::kMillisecond);

// The window's path and the tool's path on the window's largest input: the window's run
// of a report file (START_DECODING: decode_multi and OUTSET's framing), the tool's streamed
// run. Arguments: path (0 window, 1 streamed), language.
void BM_Window(benchmark::State& state) {
    std::string text = tarn::bench::make_report_within(64000);
    const std::size_t messages = stream(tarn::Lang::English, text).messages;
    std::size_t bytes = 0;
    for (auto _ : state) {
        if (state.range(0) == 1) {
            bytes = stream(lang_of(state.range(1)), text).bytes;
            continue;
        }
        tarn::Session session;
        session.settings.lang = lang_of(state.range(1));
        session.settings.input = tarn::InputMode::File;
        session.settings.input_path = "bench.txt";
        const tarn::RunResult run = tarn::START_DECODING(session, text);
        bytes = run.output.report.size();
        benchmark::DoNotOptimize(run.output.report.data());
    }
    set_counters(state, messages, bytes, text.size());
}
BENCHMARK(BM_Window)->Args({0, 0})->Args({1, 0})->Args({0, 1})->Args({1, 1})->Unit(benchmark::kMicrosecond);

// The tool's path on several threads: the pieces of the text decoded by `jobs` threads and
// written in order (real time). Arguments: jobs, family.
void BM_Parallel(benchmark::State& state) {
    const Family family = family_of(state.range(1));
    const std::string text = tarn::bench::make_report(family == Family::Dss1 ? 25000 : 20000, family);
    tarn::Settings settings;
    settings.lang = tarn::Lang::English;
    settings.input = tarn::InputMode::File;
    tarn::ParallelRun::Limits limits;
    limits.serial_below = 0;  // a file of known length
    std::size_t bytes = 0;
    std::size_t messages = 0;
    for (auto _ : state) {
        bytes = 0;
        tarn::ParallelRun run(
            settings, static_cast<unsigned>(state.range(0)),
            [&bytes](std::string_view reports) {
                bytes += reports.size();
                benchmark::DoNotOptimize(reports.data());
            },
            limits);
        for (std::size_t at = 0; at < text.size(); at += kBlock)
            run.feed(std::string_view(text).substr(at, kBlock));
        run.finish();
        messages = run.messages();
    }
    set_counters(state, messages, bytes, text.size());
}
BENCHMARK(BM_Parallel)
    ->Args({1, 0})
    ->Args({2, 0})
    ->Args({1, 1})
    ->Args({2, 1})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// A run streamed message by message: each message's text report (range 2
// = 0), JSON object (1) or summary line (2) handed on as soon as it is made, so the rates
// compare the renderings without the growth of one large buffer.
void BM_Formats(benchmark::State& state) {
    const std::size_t calls = static_cast<std::size_t>(state.range(0));
    const std::string text = tarn::bench::make_report(calls);
    const tarn::Format format = state.range(2) == 0   ? tarn::Format::Text
                                : state.range(2) == 1 ? tarn::Format::Json
                                                      : tarn::Format::Summary;
    std::size_t out_bytes = 0;
    for (auto _ : state) {
        tarn::Session session;
        session.settings.lang = state.range(1) == 0 ? tarn::Lang::English : tarn::Lang::Russian;
        session.settings.input = tarn::InputMode::File;
        tarn::Rendering rendering(format);
        tarn::MessageSource input;
        input.has_file = true;
        input.file = "bench.txt";
        std::size_t bytes = 0;
        auto sink = [&bytes](std::string&& out) {
            benchmark::DoNotOptimize(out.data());
            bytes += out.size();
        };
        tarn::MultiRun run = format == tarn::Format::Text ? tarn::MultiRun(session, sink)
                                                          : rendering.multi(session, input, sink);
        run.feed(text);
        run.finish();
        out_bytes = bytes;
    }
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["messages/s"] = benchmark::Counter(
        iterations * static_cast<double>(calls * tarn::bench::kMessagesPerCall), benchmark::Counter::kIsRate);
    state.counters["output_bytes/s"] =
        benchmark::Counter(iterations * static_cast<double>(out_bytes), benchmark::Counter::kIsRate);
    state.counters["output_bytes"] = static_cast<double>(out_bytes);
}
BENCHMARK(BM_Formats)
    ->ArgNames({"calls", "ru", "format"})
    ->Args({20000, 0, 0})
    ->Args({20000, 0, 1})
    ->Args({20000, 0, 2})
    ->Args({20000, 1, 0})
    ->Args({20000, 1, 1})
    ->Unit(benchmark::kMillisecond);

void BM_Tokenising(benchmark::State& state) {
    const std::string text = tarn::bench::make_report(20000);
    for (auto _ : state) {
        tarn::Session session;
        std::size_t found = 0;
        tarn::MultiRun run(
            session, [](std::string&&) {},
            [&found](std::string_view, const tarn::MessageAt&) {
                ++found;
                return std::string();
            });
        run.feed(text);
        run.finish();
        benchmark::DoNotOptimize(found);
    }
    set_counters(state, 20000 * tarn::bench::kMessagesPerCall, 0, text.size());
}
BENCHMARK(BM_Tokenising)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
