#include <string>

#include <benchmark/benchmark.h>

#include "categories/category_table.h"
#include "categories/name_maker.h"
#include "core/random_source.h"

namespace {

using namespace quelvarinox::detail;

// Names as the tool and the library make them: name after name of a seeded run.
void generate(benchmark::State& state, const Category* category, bool alternative, bool traced)
{
    NameMaker maker(random_run_seed(), traced);
    std::uint64_t index = 0;
    for (auto _ : state) {
        const std::string& name = maker.make(*category, ++index, alternative);
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
