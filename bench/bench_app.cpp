// The multi page under a click: the document's multi command, the composition count worked
// out again and both grids redrawn, on the full multi (every outcome of every match marked).
// Runs offscreen; run by hand on an idle machine.

#include "app/clsDocument.h"
#include "app/clsTGame.h"
#include "app/qt/clsMultiPage.h"
#include "app/qt/clsMultiView.h"
#include "reference/basTotoSettings.h"
#include "store/clsTMain.h"
#include "support/RecordingHost.h"
#include "support/ScriptedMenuChooser.h"
#include "support/TempDir.h"
#include "widgets/clsGridModel.h"

#include <QApplication>
#include <QMouseEvent>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

void BM_MultiPageClickOnTheFullMulti(benchmark::State& state)
{
    RecordingHost rec;
    TempDir dir;
    clsHost host = rec.Host();
    clsTMain main{host, basTotoSettings::Defaults(), dir.Str()};
    clsDocument doc{host, main, 42};
    MarkArray marks;
    for (auto& row : marks) {
        row.fill(1);
    }
    doc.Marks().SetMarks(marks);
    // The click toggles ◎: the multi goes from full to two outcomes in one match and back.
    doc.Marks().SetLeftClickMark(1);
    clsTGame game(host.Message, dir.Str());
    game.Initialize(true);
    ScriptedMenuChooser chooser;
    clsMultiPage page(doc, chooser, game, nullptr);
    page.resize(600, 500);
    page.show();
    QApplication::processEvents();
    clsMultiView* view = page.MultiView();
    const QPoint cell = view->visualRect(view->Model()->index(7, 1)).center();
    for (auto _ : state) {
        QMouseEvent press(QEvent::MouseButtonPress, cell, view->viewport()->mapToGlobal(cell),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &press);
        QMouseEvent release(QEvent::MouseButtonRelease, cell, view->viewport()->mapToGlobal(cell),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &release);
        // The repaint the change asked for.
        QApplication::processEvents();
    }
    if (doc.Marks().Multi().Value()[0][6] == 1 && doc.Marks().MultiCount() != 1594323) {
        state.SkipWithError("the full multi was not restored");
    }
}
BENCHMARK(BM_MultiPageClickOnTheFullMulti)->Unit(benchmark::kMillisecond);

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
