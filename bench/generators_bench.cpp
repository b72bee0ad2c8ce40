#include <string>

#include <benchmark/benchmark.h>

#include "categories/category_table.h"
#include "core/draw_log.h"
#include "core/random_source.h"

namespace {

using namespace quelvarinox;

void generate(benchmark::State& state, const Category* category, bool alternative, bool traced)
{
    SeededRandom random(random_run_seed());
    DrawLog log;
    GenerationContext ctx(random, traced ? &log : nullptr);
    ctx.huevo = alternative ? "1" : "0";
    std::string name;
    for (auto _ : state) {
        log.clear();
        category->generator(ctx, name);
        benchmark::DoNotOptimize(name.data());
    }
    state.counters["nombres/s"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                                     benchmark::Counter::kIsRate);
}

}  // namespace

int main(int argc, char** argv)
{
    for (const Category& category : category_table()) {
        const std::string name(category.picture_key);
        benchmark::RegisterBenchmark(name.c_str(), generate, &category, false, false);
        if (category.reads_huevo)
            benchmark::RegisterBenchmark((name + "/alternativo").c_str(), generate, &category, true, false);
        benchmark::RegisterBenchmark((name + "/traza").c_str(), generate, &category, false, true);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
