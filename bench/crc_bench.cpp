// Checksum speed: the bitwise reference against the table-driven method.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "crc32.h"

namespace {

std::vector<uint8_t> sample(size_t size)
{
    std::vector<uint8_t> data(size);
    uint32_t x = 2463534242u;
    for (uint8_t &b : data) {
        x ^= x << 13, x ^= x >> 17, x ^= x << 5;
        b = static_cast<uint8_t>(x);
    }
    return data;
}

void bitwiseReference(benchmark::State &state)
{
    std::vector<uint8_t> data = sample(static_cast<size_t>(state.range(0)));
    for (auto _ : state) {
        uint32_t crc = kCrcInitial;
        for (uint8_t b : data)
            crc = GetCRC32(b, crc);
        benchmark::DoNotOptimize(crc);
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

template <uint32_t (*method)(const uint8_t *, size_t, uint32_t)>
void fastMethod(benchmark::State &state)
{
    if (method == crc32Folded && !crc32FoldedAvailable()) {
        state.SkipWithError("no carry-less multiplication on this processor");
        return;
    }
    std::vector<uint8_t> data = sample(static_cast<size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(method(data.data(), data.size(), kCrcInitial));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

BENCHMARK(bitwiseReference)->Arg(1 << 20);
BENCHMARK(fastMethod<crc32Sliced>)->Name("slicedTables")->Arg(576)->Arg(1 << 20)->Arg(1 << 25);
BENCHMARK(fastMethod<crc32Folded>)->Name("carrylessFolding")->Arg(576)->Arg(1 << 20)->Arg(1 << 25);

}  // namespace

BENCHMARK_MAIN();
