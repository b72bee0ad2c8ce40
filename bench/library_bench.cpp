#include <string>

#include <benchmark/benchmark.h>

#include "quelvarinox/quelvarinox.hpp"

namespace {

using quelvarinox::Category;

constexpr std::size_t batch_size = 10'000;

void count_names(benchmark::State& state, std::size_t per_iteration)
{
    state.counters["nombres/s"] = benchmark::Counter(static_cast<double>(state.iterations() * per_iteration),
                                                     benchmark::Counter::kIsRate);
}

// The library's batch calls, as a user makes names in quantity: comparable with
// the tool's names per second (cmake --build build --target cli_bench).
void handed_over(benchmark::State& state, const Category* category, bool alternative)
{
    quelvarinox::Generator generator(7);
    for (auto _ : state)
        generator.for_each_name(category->key, batch_size, alternative,
                                [](std::string_view name) { benchmark::DoNotOptimize(name.data()); });
    count_names(state, batch_size);
}

void as_strings(benchmark::State& state, const Category* category, bool alternative)
{
    quelvarinox::Generator generator(7);
    for (auto _ : state)
        benchmark::DoNotOptimize(generator.names(category->key, batch_size, alternative));
    count_names(state, batch_size);
}

// One name a call, with its category looked up each time.
void one_by_one(benchmark::State& state, const Category* category)
{
    quelvarinox::Generator generator(7);
    for (auto _ : state)
        benchmark::DoNotOptimize(generator.name(category->key));
    count_names(state, 1);
}

}  // namespace

int main(int argc, char** argv)
{
    for (const Category& category : quelvarinox::categories()) {
        const std::string name(category.key);
        benchmark::RegisterBenchmark(name.c_str(), handed_over, &category, false);
        if (category.reads_alternative_mode)
            benchmark::RegisterBenchmark((name + "/alternativo").c_str(), handed_over, &category, true);
    }
    const Category* adumar = &quelvarinox::categories().front();
    benchmark::RegisterBenchmark("adumar/vector", as_strings, adumar, false);
    benchmark::RegisterBenchmark("adumar/uno_a_uno", one_by_one, adumar);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
