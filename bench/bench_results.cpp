// Result checking and ticket-set operations on the full ticket space (1,594,323 singles).

#include "cli/clsTerminalHost.h"
#include "lottery/clsTNumber.h"
#include "results/clsTResult.h"
#include "tickets/clsTSingle.h"
#include "tickets/clsTSingleSort.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <numeric>
#include <random>
#include <vector>

namespace {
std::vector<std::int32_t> AllSingles()
{
    std::vector<std::int32_t> s(static_cast<std::size_t>(clsTNumber::SingleCount));
    std::iota(s.begin(), s.end(), 0);
    // Shuffled so no stage gains from the ascending order.
    std::shuffle(s.begin(), s.end(), std::mt19937(11));
    return s;
}

ResultRecord Official()
{
    ResultRecord r;
    r.Kaisaikai = 900;
    for (std::size_t m = 0; m < 13; ++m) {
        r.Match[m].Outcome = static_cast<std::uint8_t>((m * 7) % 3);
    }
    return r;
}

std::string Folder()
{
    const auto p = std::filesystem::temp_directory_path() / "kelvra-bench-results";
    std::filesystem::create_directories(p);
    return p.string();
}

void BM_RegradeAfterClick(benchmark::State& state)
{
    clsTerminalHost host(std::cerr);
    clsTResult result(host, host, host, host, Folder());
    result.Initialize();
    const auto s = AllSingles();
    result.SetSingle(s);
    result.SetResultData(900, "", Official(), true);
    std::int32_t m = 0;
    for (auto _ : state) {
        // Each click flips one match between its official result and a hand entry.
        result.Entry().LeftClick((m * 7 + 1) % 3, m % 13);
        benchmark::DoNotOptimize(result.Tally());
        ++m;
    }
}
BENCHMARK(BM_RegradeAfterClick)->Unit(benchmark::kMillisecond);

void BM_SetSingle(benchmark::State& state)
{
    clsTerminalHost host(std::cerr);
    clsTResult result(host, host, host, host, Folder());
    result.Initialize();
    result.SetResultData(900, "", Official(), true);
    const auto s = AllSingles();
    for (auto _ : state) {
        result.SetSingle(s);
        benchmark::DoNotOptimize(result.Tally());
    }
}
BENCHMARK(BM_SetSingle)->Unit(benchmark::kMillisecond);

// A click on 次の結果を表示: one more official result, and the whole set regraded.
void BM_RevealNext(benchmark::State& state)
{
    clsTerminalHost host(std::cerr);
    clsTResult result(host, host, host, host, Folder());
    result.Initialize();
    result.SetSingle(AllSingles());
    result.SetResultData(900, "", Official(), false);
    for (auto _ : state) {
        if (result.FullResult()) {
            state.PauseTiming();
            result.SetResultData(900, "", Official(), false);
            state.ResumeTiming();
        }
        result.SetNextData();
        benchmark::DoNotOptimize(result.Tally());
    }
}
BENCHMARK(BM_RevealNext)->Unit(benchmark::kMillisecond);

// One edit of a single on the sheet, as the checker follows it.
void BM_RegradeOneSingle(benchmark::State& state)
{
    clsTerminalHost host(std::cerr);
    clsTResult result(host, host, host, host, Folder());
    result.Initialize();
    result.SetSingle(AllSingles());
    result.SetResultData(900, "", Official(), true);
    std::int32_t i = 0;
    for (auto _ : state) {
        result.SetValue(i % clsTNumber::SingleCount, i % clsTNumber::SingleCount);
        benchmark::DoNotOptimize(result.Tally());
        i += 7919;
    }
}
BENCHMARK(BM_RegradeOneSingle)->Unit(benchmark::kMillisecond);

// Paging the sheet and the checker: each page costs its ten singles, whatever the set's size.
void BM_PageThroughAllSingles(benchmark::State& state)
{
    clsTerminalHost host(std::cerr);
    clsTSingle sheet(host, host);
    sheet.Initialize(nullptr);
    clsTResult result(host, host, host, host, Folder());
    result.Initialize();
    const auto s = AllSingles();
    sheet.SetSingle(s);
    result.SetSingle(s);
    std::int32_t page = 0;
    for (auto _ : state) {
        sheet.MovePage(page);
        result.MovePage(page);
        benchmark::DoNotOptimize(sheet.FigureList().CellText(0, 1));
        page = (page + 15017) % (sheet.LastPage() + 1);
    }
}
BENCHMARK(BM_PageThroughAllSingles)->Unit(benchmark::kMicrosecond);

void BM_RemoveDuplicates(benchmark::State& state)
{
    auto s = AllSingles();
    // Every tenth single twice.
    for (std::size_t i = 0; i < s.size(); i += 10) {
        s[i + 1 < s.size() ? i + 1 : i] = s[i];
    }
    std::vector<std::int32_t> kept;
    for (auto _ : state) {
        benchmark::DoNotOptimize(clsTSingle::RemoveDuplicates(s, kept));
    }
    state.counters["kept"] = static_cast<double>(kept.size());
}
BENCHMARK(BM_RemoveDuplicates)->Unit(benchmark::kMillisecond);

VoteRecord Votes()
{
    VoteRecord v;
    v.Kaisaikai = 900;
    std::mt19937 rng(5);
    std::uniform_int_distribution<std::int32_t> d(1000, 900000);
    for (auto& m : v.Match) {
        for (auto& c : m.Votes) {
            c = Currency::FromInt(d(rng));
        }
    }
    return v;
}

void BM_MoneySortThirdGrade(benchmark::State& state)
{
    clsTerminalHost host(std::cerr);
    const auto s = AllSingles();
    const VoteRecord vote = Votes();
    for (auto _ : state) {
        state.PauseTiming();
        auto list = s;
        state.ResumeTiming();
        // A new sorter per sort, as the main window makes one.
        clsTSingleSort sort(host, host);
        sort.SetVoteRecord(vote);
        benchmark::DoNotOptimize(sort.MoneySort(list, 2, true));
    }
}
BENCHMARK(BM_MoneySortThirdGrade)->Unit(benchmark::kMillisecond)->Iterations(3);
} // namespace
