// Throughput of a whole multi-message run: tokenising, decoding and report assembly.
#include <benchmark/benchmark.h>

#include <string>

#include "corpus.hpp"
#include "report/report.hpp"
#include "run/run.hpp"

namespace {

void BM_MultiMessageRun(benchmark::State& state) {
    const std::size_t calls = static_cast<std::size_t>(state.range(0));
    const std::string text = tarn::bench::make_report(calls);
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
    state.counters["messages/s"] = benchmark::Counter(
        iterations * static_cast<double>(calls * tarn::bench::kMessagesPerCall), benchmark::Counter::kIsRate);
    state.counters["report_bytes/s"] =
        benchmark::Counter(iterations * static_cast<double>(report_bytes), benchmark::Counter::kIsRate);
    state.counters["input_bytes/s"] =
        benchmark::Counter(iterations * static_cast<double>(text.size()), benchmark::Counter::kIsRate);
    state.counters["report_bytes"] = static_cast<double>(report_bytes);
}
// 1 000 to 20 000 calls (9 000 to 180 000 messages): the time per message must stay flat.
BENCHMARK(BM_MultiMessageRun)
    ->Args({1000, 0})
    ->Args({20000, 0})
    ->Args({20000, 1})
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
