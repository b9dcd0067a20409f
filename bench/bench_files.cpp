// Saving and loading the largest ticket set (every single of a round) as a data file and as a
// CSV file. Targets: data file at most 1 s each way, CSV at most 1.5 s each way.

#include "cli/clsTerminalHost.h"
#include "files/clsTFileCSV.h"
#include "files/clsTFileDRD.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <iostream>
#include <numeric>

namespace {
constexpr std::int32_t kAll = 1594323;

std::string TempPath(const char* name)
{
    return (std::filesystem::temp_directory_path() / name).string();
}

DataFileRecord FullRecord()
{
    DataFileRecord rec;
    rec.Kaisaikai = 9001;
    rec.SingleCount = kAll;
    rec.Singles.resize(kAll);
    std::iota(rec.Singles.begin(), rec.Singles.end(), 0);
    rec.SakugenMessage = "0000 Kelvra  Version 1.00";
    return rec;
}

void BM_DrdSave(benchmark::State& state)
{
    clsTerminalHost host(std::cerr);
    clsTFileDRD drd(host.Host(), "1.00", "bench");
    const DataFileRecord rec = FullRecord();
    const std::string path = TempPath("kelvra_bench.drd");
    for (auto _ : state) {
        benchmark::DoNotOptimize(drd.Save(path, true, rec, true));
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_DrdSave)->Unit(benchmark::kMillisecond);

void BM_DrdLoad(benchmark::State& state)
{
    clsTerminalHost host(std::cerr);
    clsTFileDRD drd(host.Host(), "1.00", "bench");
    const std::string path = TempPath("kelvra_bench_load.drd");
    drd.Save(path, true, FullRecord(), true);
    for (auto _ : state) {
        DataFileRecord rec;
        if (!drd.Load(path, rec) || rec.SingleCount != kAll) {
            state.SkipWithError("load failed");
        }
        benchmark::DoNotOptimize(rec.Singles.data());
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_DrdLoad)->Unit(benchmark::kMillisecond);

void BM_CsvSave(benchmark::State& state)
{
    clsTerminalHost host(std::cerr);
    clsTFileCSV csv(host.Host());
    const DataFileRecord rec = FullRecord();
    const std::string path = TempPath("kelvra_bench.csv");
    for (auto _ : state) {
        benchmark::DoNotOptimize(csv.CsvSave(path, kAll, rec.Singles));
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_CsvSave)->Unit(benchmark::kMillisecond);

void BM_CsvLoad(benchmark::State& state)
{
    clsTerminalHost host(std::cerr);
    clsTFileCSV csv(host.Host());
    const std::string path = TempPath("kelvra_bench_load.csv");
    csv.CsvSave(path, kAll, FullRecord().Singles);
    for (auto _ : state) {
        std::int32_t count = 0;
        std::vector<std::int32_t> singles;
        if (!csv.CsvLoad(path, count, singles) || count != kAll) {
            state.SkipWithError("load failed");
        }
        benchmark::DoNotOptimize(singles.data());
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_CsvLoad)->Unit(benchmark::kMillisecond);
} // namespace
