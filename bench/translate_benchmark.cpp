// Throughput of the two translations on large inputs, in bytes of input per second.
//   build/linux/bench/translate_benchmark [--fresh_pages]
// The decoder is fed what the encoder makes of the same mixed text.
//
// glibc keeps a freed block of a few MiB for the next allocation but hands one above 32 MiB
// back to the system at once, so by default only the 16 MiB cases would pay for the kernel
// clearing fresh pages for every result. To compare the sizes on equal terms, freed memory
// stays in the process; --fresh_pages measures with glibc's own behaviour instead.

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "bench/sample_text.h"
#include "morse/decoder.h"
#include "morse/encoder.h"
#include "text/byte_text.h"

namespace {

const text::ByteText& sampleText(std::int64_t length) {
    static const text::ByteText small = bench::mixedText(1 << 20);
    static const text::ByteText large = bench::mixedText(16 << 20);
    return length == (1 << 20) ? small : large;
}

const text::ByteText separator("/");

void encode(benchmark::State& state) {
    const text::ByteText& input = sampleText(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(morse::encodeToMorse(input, separator));
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

void decode(benchmark::State& state) {
    const text::ByteText morse = morse::encodeToMorse(sampleText(state.range(0)), separator);
    for (auto _ : state) {
        benchmark::DoNotOptimize(morse::decodeFromMorse(morse, separator));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(morse.size()));
    state.counters["input_bytes"] = static_cast<double>(morse.size());
}

BENCHMARK(encode)->Arg(1 << 20)->Arg(16 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(decode)->Arg(1 << 20)->Arg(16 << 20)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    bool freshPages = false;
    for (int i = 1; i < argc; ++i) {
        freshPages = freshPages || std::strcmp(argv[i], "--fresh_pages") == 0;
    }
    if (!freshPages) {
        mallopt(M_MMAP_THRESHOLD, 1 << 30);
        mallopt(M_TRIM_THRESHOLD, 1 << 30);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
