#include <string>

#include <benchmark/benchmark.h>

#include "quelvarinox/quelvarinox.hpp"

namespace {

using quelvarinox::CategoryInfo;

// The library's batch call, as a user makes names in quantity: comparable with
// the tool's names per second (cmake --build build --target cli_bench).
void batch(benchmark::State& state, const CategoryInfo* category, bool alternative)
{
    constexpr std::size_t batch_size = 10'000;
    quelvarinox::Generator generator(7);
    for (auto _ : state)
        benchmark::DoNotOptimize(generator.names(category->key, batch_size, alternative));
    state.counters["nombres/s"] = benchmark::Counter(static_cast<double>(state.iterations() * batch_size),
                                                     benchmark::Counter::kIsRate);
}

// One name a call, with its category looked up each time.
void one_by_one(benchmark::State& state, const CategoryInfo* category)
{
    quelvarinox::Generator generator(7);
    for (auto _ : state)
        benchmark::DoNotOptimize(generator.name(category->key));
    state.counters["nombres/s"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                                     benchmark::Counter::kIsRate);
}

}  // namespace

int main(int argc, char** argv)
{
    for (const CategoryInfo& category : quelvarinox::categories()) {
        const std::string name(category.key);
        benchmark::RegisterBenchmark(name.c_str(), batch, &category, false);
        if (category.reads_alternative_mode)
            benchmark::RegisterBenchmark((name + "/alternativo").c_str(), batch, &category, true);
    }
    benchmark::RegisterBenchmark("adumar/uno_a_uno", one_by_one, &quelvarinox::categories().front());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
