#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

// 10,000 births through `bazi chart -` in one process, timed as a whole process: start, reading, charting, writing.
namespace {

constexpr int kBirths = 10000;

// Births spread over 1901-2098, both sexes, every other one with its stars.
std::filesystem::path requestFile()
{
    const auto path = std::filesystem::temp_directory_path() / "bazi-batch-bench.jsonl";
    std::ofstream out(path);
    for (int i = 0; i < kBirths; ++i) {
        char line[160];
        std::snprintf(line, sizeof line,
                      R"({"name":"人%d","sex":"%s","date":"%04d-%02d-%02d","time":"%02d:%02d"%s})"
                      "\n",
                      i, i % 2 ? "男" : "女", 1901 + (i * 37) % 198, 1 + (i * 5) % 12, 1 + (i * 11) % 28, (i * 7) % 24,
                      (i * 13) % 60, i % 2 ? R"(,"stars":true)" : "");
        out << line;
    }
    return path;
}

void runBatch(benchmark::State& state, const char* mode)
{
    const auto input = requestFile();
    const std::string command = std::string(BAZI_PATH) + " chart - " + mode + " < " + input.string() + " > /dev/null";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("bazi chart - failed");
    }
    state.counters["charts"] = kBirths;
    std::filesystem::remove(input);
}

void BM_BatchJson(benchmark::State& state)
{
    runBatch(state, "--json");
}
BENCHMARK(BM_BatchJson)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_BatchText(benchmark::State& state)
{
    runBatch(state, "");
}
BENCHMARK(BM_BatchText)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
