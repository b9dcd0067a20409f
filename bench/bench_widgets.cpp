// The grid widget over a source of every single: setting it up and scrolling must cost the
// same as for a grid of ten rows. Runs offscreen; run by hand on an idle machine.

#include "base/clsGridGeometry.h"
#include "base/clsIGridSource.h"
#include "widgets/clsGridView.h"

#include <QApplication>
#include <QScrollBar>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

namespace {
constexpr std::int32_t kAllSingles = 1594323;

// Text made on demand, as a ticket list would.
class SinglesSource : public clsIGridSource
{
public:
    std::int32_t Rows() const override { return kAllSingles; }
    std::int32_t Cols() const override { return 14; }
    GridCellData Cell(std::int32_t lngRow, std::int32_t lngCol) const override
    {
        GridCellData cell;
        cell.strText = lngCol == 0 ? std::to_string(lngRow + 1)
                                   : std::string(1, static_cast<char>('0' + (lngRow + lngCol) % 3));
        return cell;
    }
};

void BM_GridSetUpAllSingles(benchmark::State& state)
{
    SinglesSource source;
    for (auto _ : state) {
        clsGridView view;
        view.SetSource(source);
        view.SetGeometry96(clsGridGeometry::Uniform(kAllSingles, 18, 14, 24));
        benchmark::DoNotOptimize(view.Model());
    }
}
BENCHMARK(BM_GridSetUpAllSingles)->Unit(benchmark::kMillisecond);

// One scroll step and the repaint of the rows it brings into view.
void BM_GridScrollAllSingles(benchmark::State& state)
{
    SinglesSource source;
    clsGridView view;
    view.SetSource(source);
    view.SetGeometry96(clsGridGeometry::Uniform(kAllSingles, 18, 14, 24));
    view.resize(400, 600);
    view.show();
    QApplication::processEvents();
    QScrollBar* bar = view.verticalScrollBar();
    const int step = bar->maximum() / 997;
    int position = 0;
    for (auto _ : state) {
        position = (position + step) % bar->maximum();
        bar->setValue(position);
        view.viewport()->repaint();
    }
}
BENCHMARK(BM_GridScrollAllSingles)->Unit(benchmark::kMillisecond);

void BM_GridHitTestAllSingles(benchmark::State& state)
{
    const clsGridGeometry g = clsGridGeometry::Uniform(kAllSingles, 18, 14, 24, 144);
    std::int32_t y = 0;
    for (auto _ : state) {
        y = (y + 104729) % g.Height();
        benchmark::DoNotOptimize(g.HitTest(100, y));
    }
}
BENCHMARK(BM_GridHitTestAllSingles);
} // namespace

int main(int argc, char** argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
