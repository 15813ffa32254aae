// Throughput of a whole multi-message run: tokenising, decoding and report assembly; and of
// the run streamed as text, JSON Lines or summary.
#include <benchmark/benchmark.h>

#include <string>

#include "corpus.hpp"
#include "report/report.hpp"
#include "run/run.hpp"
#include "run/structured.hpp"

namespace {

void BM_MultiMessageRun(benchmark::State& state) {
    const std::size_t calls = static_cast<std::size_t>(state.range(0));
    const auto family = state.range(2) == 0 ? tarn::bench::Family::Both : tarn::bench::Family::Dss1;
    const std::string text = tarn::bench::make_report(calls, family);
    std::size_t report_bytes = 0;
    for (auto _ : state) {
        tarn::Session session;
        session.settings.lang = state.range(1) == 0 ? tarn::Lang::English : tarn::Lang::Russian;
        session.settings.input = tarn::InputMode::File;
        session.settings.input_path = "bench.txt";
        tarn::decode_multi(session, text);
        const tarn::Output out = tarn::OUTSET(session, {});
        report_bytes = out.report.size();
        benchmark::DoNotOptimize(out.report.data());
    }
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["messages/s"] =
        benchmark::Counter(iterations * static_cast<double>(calls * tarn::bench::messages_per_call(family)),
                           benchmark::Counter::kIsRate);
    state.counters["report_bytes/s"] =
        benchmark::Counter(iterations * static_cast<double>(report_bytes), benchmark::Counter::kIsRate);
    state.counters["input_bytes/s"] =
        benchmark::Counter(iterations * static_cast<double>(text.size()), benchmark::Counter::kIsRate);
    state.counters["report_bytes"] = static_cast<double>(report_bytes);
}
// 1 000 to 20 000 calls (9 000 to 180 000 messages): the time per message must stay flat.
// Arguments: calls, language (0 English, 1 Russian), messages (0 all, 1 the DSS1 ones).
BENCHMARK(BM_MultiMessageRun)
    ->Args({1000, 0, 0})
    ->Args({20000, 0, 0})
    ->Args({20000, 1, 0})
    ->Args({1000, 0, 1})
    ->Args({20000, 0, 1})
    ->Args({20000, 1, 1})
    ->Unit(benchmark::kMillisecond);

// A run streamed as the command-line tool streams it: each message's text report (range 2
// = 0), JSON object (1) or summary line (2) handed on as soon as it is made, so the rates
// compare the renderings without the growth of one large buffer.
void BM_StreamedRun(benchmark::State& state) {
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
BENCHMARK(BM_StreamedRun)
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
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_Tokenising)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
