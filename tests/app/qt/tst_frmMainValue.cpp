// The worth of the tickets under the player's own probabilities, as the window shows it on
// the sample round 9001: the single page's expected value and chance rows, the sorts by them,
// and the run area's chance, expected value and cost of the set, which must be what
// kelvra-cli value prints for the saved file.

#include "app/qt/clsMultiView.h"
#include "app/qt/clsRunView.h"
#include "app/qt/frmMain.h"
#include "lottery/clsTValue.h"
#include "support/MainWindowFixture.h"
#include "support/QtTestRegistry.h"
#include "widgets/clsGridModel.h"
#include "widgets/clsGridView.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <array>
#include <cmath>
#include <cstdio>

namespace {
QString GridText(clsGridView* grid, int lngRow, int lngColumn)
{
    return grid->Model()->data(grid->Model()->index(lngRow, lngColumn), Qt::DisplayRole).toString();
}

ProbabilityRecord OwnProbabilities()
{
    ProbabilityRecord p;
    for (int m = 0; m < 13; ++m) {
        p.Value[0][m] = 2000 + 300 * (m % 4);
        p.Value[1][m] = 5500 - 250 * (m % 5);
        p.Value[2][m] = 10000 - p.Value[0][m] - p.Value[1][m];
    }
    return p;
}

std::string CliOutput(const std::string& strArgs)
{
    std::string out;
    FILE* p = ::popen((std::string(KELVRA_CLI_PATH) + " " + strArgs + " 2>/dev/null").c_str(), "r");
    if (p == nullptr) {
        return out;
    }
    std::array<char, 4096> buf{};
    std::size_t n = 0;
    while ((n = std::fread(buf.data(), 1, buf.size(), p)) > 0) {
        out.append(buf.data(), n);
    }
    ::pclose(p);
    return out;
}

struct ValueWindow : MainWindowFixture
{
    ValueWindow()
    {
        Open();
        window->ShowPage(frmMain::PageMulti);
    }
    // Three outcomes of each of the first lngFull matches and one of the others, by clicks.
    void MarkMulti(int lngFull) const
    {
        auto* multi = Find<clsMultiView>("picMulti");
        for (int row = 1; row <= 13; ++row) {
            const int cols = row <= lngFull ? 3 : 1;
            for (int col = 0; col < cols; ++col) {
                const QRect rect = multi->visualRect(multi->Model()->index(row, col));
                QTest::mouseClick(multi->viewport(), Qt::LeftButton, {}, rect.center());
            }
        }
    }
    // The first-grade-guarantee engine keeps every single of the marks.
    void Run() const
    {
        QTest::mouseClick(Find<QAbstractButton>("optEngine0"), Qt::LeftButton);
        QTest::mouseClick(Find<QPushButton>("cmdRun"), Qt::LeftButton);
    }
};
} // namespace

class tst_frmMainValue : public QObject
{
    Q_OBJECT

private slots:
    void theSinglePageShowsWorthAndSortsByIt();
    void theRunAreaTellsWhatKelvraCliValuePrints();
    void theConditionRowsAndTheExtractionTypeNeedProbabilities();
    void screenshots();
};

void tst_frmMainValue::theSinglePageShowsWorthAndSortsByIt()
{
    ValueWindow w;
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    w.MarkMulti(2);
    w.Run();
    const int count = w.Doc().Tickets().SingleCount();
    QVERIFY(count >= 2 && count <= 9);
    w.window->ShowPage(frmMain::PageSingle);
    auto* figures = w.Find<clsGridView>("grdSingleList");
    QCOMPARE(figures->Model()->rowCount(), 5); // nothing extra without probabilities
    w.window->UpdateMenus();
    QVERIFY(!w.Find<QAction>("mnuEdit_Sort_EV")->isEnabled());

    QVERIFY(w.Doc().Round().SetProbability(OwnProbabilities()));
    QCOMPARE(figures->Model()->rowCount(), 7);
    QCOMPARE(GridText(figures, 5, 0), QStringLiteral("期待値"));
    QCOMPARE(GridText(figures, 6, 0), QStringLiteral("的中確率"));
    clsTValue value(w.host);
    QVERIFY(value.SetProbability(OwnProbabilities()));
    QVERIFY(value.SetVote(w.Doc().Round().Vote()));
    const std::vector<std::int32_t> singles = w.Doc().Tickets().Singles();
    for (int slot = 0; slot < count; ++slot) {
        const double ev = value.GetEV(singles[static_cast<std::size_t>(slot)]);
        QCOMPARE(GridText(figures, 5, slot + 1),
                 QString::number(std::llround(ev)) + QStringLiteral("円"));
        QVERIFY(GridText(figures, 6, slot + 1).startsWith(QStringLiteral("1/")));
    }
    QCOMPARE(GridText(figures, 5, count + 1), QString()); // past the set's end

    // 並び替え 期待値: largest first, and the list shows the new first single's figure.
    w.Doc().Tickets().SetSortAscending(false);
    w.chooser.Push({"期待値"});
    QTest::mouseClick(w.Find<QPushButton>("cmdSort"), Qt::LeftButton);
    QVERIFY(w.chooser.Errors().empty());
    QCOMPARE(w.chooser.Pending(), std::size_t{0});
    const std::vector<std::int32_t>& sorted = w.Doc().Tickets().Singles();
    QCOMPARE(sorted.size(), singles.size());
    for (std::size_t i = 1; i < sorted.size(); ++i) {
        QVERIFY(value.GetEV(sorted[i - 1]) >= value.GetEV(sorted[i]));
    }
    QVERIFY(value.GetEV(sorted.front()) > value.GetEV(sorted.back()));
    QCOMPARE(GridText(figures, 5, 1),
             QString::number(std::llround(value.GetEV(sorted.front()))) + QStringLiteral("円"));

    w.chooser.Push({"的中確率"});
    QTest::mouseClick(w.Find<QPushButton>("cmdSort"), Qt::LeftButton);
    QVERIFY(w.chooser.Errors().empty());
    for (std::size_t i = 1; i < w.Doc().Tickets().Singles().size(); ++i) {
        QVERIFY(value.GetP(w.Doc().Tickets().Singles()[i - 1]) >=
                value.GetP(w.Doc().Tickets().Singles()[i]));
    }

    // Without probabilities the rows go again.
    QVERIFY(w.Doc().Round().SetProbability(std::nullopt));
    QCOMPARE(figures->Model()->rowCount(), 5);
    QVERIFY2(w.host.Messages.empty(), w.host.AllMessageText().c_str());
}

void tst_frmMainValue::theRunAreaTellsWhatKelvraCliValuePrints()
{
    ValueWindow w;
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    auto* view = w.Find<clsRunView>("clsRunView");
    w.MarkMulti(3);
    w.Run();
    QVERIFY(w.Doc().Tickets().SingleCount() > 0);
    QVERIFY(!view->ValueArea()->isVisibleTo(w.window.get())); // no probabilities yet

    QVERIFY(w.Doc().Round().SetProbability(OwnProbabilities()));
    w.Run();
    QVERIFY(view->ValueArea()->isVisibleTo(w.window.get()));
    const std::string file = (w.dir.Path() / "own.drd").string();
    QVERIFY(w.Doc().FileSaveDRD(file, true, false));

    const std::string out = CliOutput("--home " + w.dir.Str() + " value " + file);
    const QStringList lines =
        QString::fromStdString(out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 5);
    for (int i = 0; i < 5; ++i) {
        const QStringList fields = lines[i].split(QLatin1Char('\t'));
        QCOMPARE(fields.size(), 2);
        QLabel* text = view->ValueText(i);
        // The name carries the figure: a screen reader reads the name, not the text.
        QCOMPARE(text->accessibleName(), fields[0] + QLatin1Char(' ') + text->text());
        QString shown = text->text();
        if (i >= 3) {
            QVERIFY2(shown.endsWith(QStringLiteral(" 円")), qPrintable(shown));
            shown.chop(2);
            QVERIFY2(shown.size() < 4 || shown.contains(QLatin1Char(',')), qPrintable(shown));
            shown.remove(QLatin1Char(','));
        }
        QCOMPARE(shown, fields[1]);
    }
    // The cost is the tickets at 100 yen.
    QCOMPARE(lines[4], QStringLiteral("購入金額\t%1").arg(w.Doc().Tickets().SingleCount() * 100));
    QVERIFY2(w.host.Messages.empty(), w.host.AllMessageText().c_str());
}

void tst_frmMainValue::theConditionRowsAndTheExtractionTypeNeedProbabilities()
{
    ValueWindow w;
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    auto* byChance = w.Find<QRadioButton>("optChushutsu4");
    QCOMPARE(byChance->text(), QStringLiteral("確率で抽出"));
    auto* chkEV = w.Find<QCheckBox>("chkValueEV");
    auto* pMin = w.Find<QLineEdit>("txtValuePMin");
    QVERIFY(!byChance->isEnabled());
    QVERIFY(!chkEV->isEnabled());
    QVERIFY(!pMin->isEnabled());

    QVERIFY(w.Doc().Round().SetProbability(OwnProbabilities()));
    QVERIFY(byChance->isEnabled());
    QVERIFY(chkEV->isEnabled());
    QTest::mouseClick(chkEV, Qt::LeftButton);
    QVERIFY(w.Doc().GatherRecord().Jouken.Value.EVFlag);
    pMin->setFocus();
    pMin->selectAll();
    QTest::keyClicks(pMin, QStringLiteral("2.5e-7"));
    QTest::keyClick(pMin, Qt::Key_Return);
    QCOMPARE(w.Doc().GatherRecord().Jouken.Value.PMin, 2.5e-7);
    auto* chkP = w.Find<QCheckBox>("chkValueP");
    QTest::mouseClick(chkP, Qt::LeftButton);
    QVERIFY(w.Doc().GatherRecord().Jouken.Value.PFlag);
    QVERIFY2(w.host.Messages.empty(), w.host.AllMessageText().c_str());
}

void tst_frmMainValue::screenshots()
{
    const QString folder = qEnvironmentVariable("KELVRA_SCREENSHOTS");
    if (folder.isEmpty()) {
        QSKIP("KELVRA_SCREENSHOTS names no folder");
    }
    ValueWindow w;
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    w.window->resize(1280, 960);
    QVERIFY(w.Doc().Round().SetProbability(OwnProbabilities()));
    w.MarkMulti(3);
    w.Run();
    QCoreApplication::processEvents();
    QVERIFY(w.window->grab().save(folder + QStringLiteral("/value-run.png")));
    w.window->ShowPage(frmMain::PageSingle);
    QCoreApplication::processEvents();
    QVERIFY(w.window->grab().save(folder + QStringLiteral("/value-single.png")));
}

KELVRA_QTEST(tst_frmMainValue)
#include "tst_frmMainValue.moc"
