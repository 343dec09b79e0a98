// Reading the shipped data file and drawing question items.
#include "benchmarks/benchsupport.h"
#include "store/brevmain.h"
#include "store/pickitems.h"
#include "store/texts.h"
#include "store/context.h"

#include <benchmark/benchmark.h>
#include <algorithm>

namespace {

using brev::bench::Draws;
using brev::bench::Silent;

brev::AppContext shippedData()
{
    brev::AppContext ctx;
    ctx.dir = QStringLiteral(BREV_DATA_DIR);
    ctx.random = std::make_unique<Draws>();
    ctx.messages = std::make_unique<Silent>();
    brev::setcategories(ctx);
    if (brev::initdata(ctx))
        std::abort();
    return ctx;
}

void BM_readdata(benchmark::State& state)
{
    brev::AppContext ctx = shippedData();
    for (auto _ : state)
        benchmark::DoNotOptimize(brev::readdata(ctx, QStringLiteral("brev.dat")));
}
BENCHMARK(BM_readdata)->Unit(benchmark::kMicrosecond);

// Five slots of a matching question, from fresh counters.
void BM_pickitems_fill(benchmark::State& state)
{
    brev::AppContext ctx = shippedData();
    ctx.game.category = 7;
    for (auto _ : state) {
        std::fill(ctx.game.itemUse.begin(), ctx.game.itemUse.end(), 0);
        for (int slot = 0; slot < 5; ++slot)
            benchmark::DoNotOptimize(brev::pickitems(ctx, slot));
    }
}
BENCHMARK(BM_pickitems_fill)->Unit(benchmark::kMicrosecond);

// Every record used to the limit: the call runs through all its draws and gives up.
void BM_pickitems_giveup(benchmark::State& state)
{
    brev::AppContext ctx = shippedData();
    ctx.game.category = 1;
    for (int& use : ctx.game.itemUse)
        use = 32767;
    for (auto _ : state)
        benchmark::DoNotOptimize(brev::pickitems(ctx, 0));
}
BENCHMARK(BM_pickitems_giveup)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
