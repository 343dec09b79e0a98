// Reading the shipped data file and drawing question items.
#include "benchmarks/benchsupport.h"
#include "rules/itemdraw.h"
#include "store/records.h"

#include <benchmark/benchmark.h>
#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

using brev::bench::Draws;

const QString kShipped = QStringLiteral(BREV_DATA_DIR "/brev.dat");

brev::Records shippedData()
{
    brev::Records records;
    if (brev::readRecords(records, kShipped))
        std::abort();
    return records;
}

void BM_readRecords(benchmark::State& state)
{
    brev::Records records = shippedData();
    for (auto _ : state)
        benchmark::DoNotOptimize(brev::readRecords(records, kShipped));
}
BENCHMARK(BM_readRecords)->Unit(benchmark::kMicrosecond);

// Five slots of a matching question, from fresh counters.
void BM_itemdraw_fill(benchmark::State& state)
{
    const brev::Records records = shippedData();
    std::vector<int> usage(size_t(records.loadedRecords() + 1), 0);
    Draws random;
    brev::ItemDraw draw(records, usage, random);
    for (auto _ : state) {
        std::fill(usage.begin(), usage.end(), 0);
        brev::Chosen chosen{};
        for (int slot = 0; slot < 5; ++slot)
            benchmark::DoNotOptimize(draw.pick(7, chosen, slot));
    }
}
BENCHMARK(BM_itemdraw_fill)->Unit(benchmark::kMicrosecond);

// Every record used to the limit: the call runs through all its draws and gives up.
void BM_itemdraw_giveup(benchmark::State& state)
{
    const brev::Records records = shippedData();
    std::vector<int> usage(size_t(records.loadedRecords() + 1), 32767);
    Draws random;
    brev::ItemDraw draw(records, usage, random);
    for (auto _ : state) {
        brev::Chosen chosen{};
        benchmark::DoNotOptimize(draw.pick(1, chosen, 0));
    }
}
BENCHMARK(BM_itemdraw_giveup)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
