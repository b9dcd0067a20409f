// The check page of the main window driven as a user would: the sample round's work is searched,
// graded against the official result and against one entered by hand, and the tally and prize
// lines must be what kelvra-cli's grade command prints for the same file; then paging, the
// "中止" pop-up, the match-by-match reveal and the sort by winnings.

#include "app/qt/clsCheckPage.h"
#include "app/qt/clsGameView.h"
#include "app/qt/frmMain.h"
#include "lottery/clsTNumber.h"
#include "store/clsXmlResult.h"
#include "support/MainWindowFixture.h"
#include "support/QtTestRegistry.h"
#include "support/SampleRound.h"
#include "support/TestPaths.h"
#include "widgets/clsGridModel.h"
#include "widgets/clsGridView.h"

#include <QAction>
#include <QBrush>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <array>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <sys/wait.h>

namespace {
namespace fs = std::filesystem;

QString GridText(clsGridView* grid, int lngRow, int lngColumn)
{
    return grid->Model()->data(grid->Model()->index(lngRow, lngColumn), Qt::DisplayRole).toString();
}

QColor GridBack(clsGridView* grid, int lngRow, int lngColumn)
{
    return grid->Model()
        ->data(grid->Model()->index(lngRow, lngColumn), Qt::BackgroundRole)
        .value<QBrush>()
        .color();
}

// The prize table's first value row: group and column headings stand above it.
constexpr int kPrizeRow = 2;

// "1,234 " and "0 " as numbers; an empty cell is -1.
long long Amount(const QString& strText)
{
    QString digits = strText;
    digits.remove(QLatin1Char(',')).remove(QLatin1Char(' ')).remove(QLatin1Char('%'));
    return digits.isEmpty() ? -1 : digits.toLongLong();
}

void ClickCell(clsGridView* grid, int lngRow, int lngCol, Qt::MouseButton button = Qt::LeftButton)
{
    const GridRect r = grid->Geometry().CellRect(lngRow, lngCol);
    QTest::mouseClick(grid->viewport(), button, {},
                      QPoint(r.lngLeft + r.lngWidth / 2, r.lngTop + r.lngHeight / 2));
}

clsTNumber::LongKousei Digits(std::int32_t lngNo)
{
    clsTNumber::LongKousei k{};
    clsTNumber::NoToLong(lngNo, k);
    return k;
}

// The grid column of an outcome code: "1", "0", "2".
int Column(int lngOutcome)
{
    return lngOutcome == 1 ? 0 : (lngOutcome == 0 ? 1 : 2);
}

struct CliGrade
{
    int Code = -1;
    std::vector<std::vector<std::string>> Lines; // tab-separated fields
};

CliGrade RunGrade(const fs::path& home, const std::string& strArgs)
{
    const std::string cmd = std::string(KELVRA_CLI_PATH) + " --home '" + home.string() +
                            "' grade " + strArgs + " 2>/dev/null";
    CliGrade r;
    FILE* p = ::popen(cmd.c_str(), "r");
    if (p == nullptr) {
        return r;
    }
    std::string out;
    std::array<char, 4096> buf{};
    std::size_t n = 0;
    while ((n = std::fread(buf.data(), 1, buf.size(), p)) > 0) {
        out.append(buf.data(), n);
    }
    const int status = ::pclose(p);
    r.Code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::istringstream lines(out);
    std::string line;
    while (std::getline(lines, line)) {
        std::vector<std::string> fields;
        std::istringstream f(line);
        std::string field;
        while (std::getline(f, field, '\t')) {
            fields.push_back(field);
        }
        r.Lines.push_back(fields);
    }
    return r;
}

long long CliAmount(const std::string& strText)
{
    return std::stoll(strText.substr(0, strText.find('.')));
}

// Only the shipped SysData files (no stored rounds) and the sample work.
struct CheckWindow : MainWindowFixture
{
    explicit CheckWindow(const std::string& strIni = "Kaisaikai = 9001\r\n")
        : MainWindowFixture(Data::Empty)
    {
        for (const auto& entry :
             fs::directory_iterator(fs::path(kelvra_test::SourceDataDir()) / "SysData")) {
            if (entry.is_regular_file()) {
                fs::create_directories(dir.Path() / "SysData");
                fs::copy_file(entry.path(), dir.Path() / "SysData" / entry.path().filename(),
                              fs::copy_options::overwrite_existing);
            }
        }
        CopySampleWork(dir.Path());
        dir.Write("SysData/Kelvra.ini", strIni);
        Open();
    }
    clsCheckPage* Page() const { return Find<clsCheckPage>("frmCheck"); }
    // The sample work searched and saved as graded.drd, shown on the check page.
    fs::path SearchSample()
    {
        const fs::path sample = dir.Path() / "sample.drd";
        const fs::path saved = dir.Path() / "graded.drd";
        if (!window->OpenDataFile(sample.string()) || !Doc().Search().Run() ||
            !Doc().FileSaveDRD(saved.string(), true, false) ||
            !window->ShowPage(frmMain::PageCheck)) {
            qFatal("the sample work could not be searched and saved");
        }
        return saved;
    }
    void Import(int lngCount)
    {
        std::vector<std::int32_t> singles;
        for (int i = 0; i < lngCount; ++i) {
            singles.push_back(i * 101);
        }
        host.Clipboard.clear();
        for (const std::int32_t no : singles) {
            const auto k = Digits(no);
            std::string line;
            for (const auto d : k) {
                line += static_cast<char>('0' + d);
            }
            host.Clipboard += line + "\r\n";
        }
        window->UpdateMenus();
        Find<QAction>("mnuTool_ClipImport0")->trigger();
    }
    // The grade tally as the page shows it: counts of grade values 1..14.
    std::vector<long long> ShownTally() const
    {
        std::vector<long long> t;
        for (int r = 1; r <= 14; ++r) {
            t.push_back(Amount(GridText(Page()->GradeTable(), r, 1)));
        }
        return t;
    }
};
} // namespace

class tst_frmMainCheck : public QObject
{
    Q_OBJECT

private slots:
    void OfficialResultGradesAsTheCommandLineDoes()
    {
        CheckWindow w;
        const fs::path saved = w.SearchSample();
        const std::int32_t n = w.Doc().Tickets().SingleCount();
        QVERIFY(n > 10);
        auto* page = w.Page();
        QCOMPARE(w.Find<QLabel>("lblResultSingleCount")->text(),
                 QString::fromStdString(Currency::FromInt(n).FormatNumber(0, true)));
        // Nothing revealed yet: no grade is won, no prizes.
        QCOMPARE(GridText(page->GradeTable(), 1, 1), QStringLiteral("－"));
        QCOMPARE(Amount(GridText(page->PrizeTable(), kPrizeRow, 1)), -1LL);
        auto* all = w.Find<QPushButton>("cmdResultViewAll");
        QVERIFY(all->isEnabled());
        QVERIFY(w.Find<QPushButton>("cmdResultViewNext")->isEnabled());

        w.Click("cmdResultViewAll");
        QVERIFY(!all->isEnabled());
        QVERIFY(!w.Find<QPushButton>("cmdResultViewNext")->isEnabled());
        const CliGrade cli = RunGrade(w.dir.Path(), "'" + saved.string() + "'");
        QCOMPARE(cli.Code, 0);
        QCOMPARE(cli.Lines.size(), std::size_t{18});
        const auto tally = w.ShownTally();
        long long sum = 0;
        for (std::size_t g = 0; g < 14; ++g) {
            QCOMPARE(cli.Lines[g][0], std::to_string(g + 1) + "等");
            QCOMPARE(tally[g], std::stoll(cli.Lines[g][1]));
            QCOMPARE(GridText(page->GradeTable(), static_cast<int>(g) + 1, 0),
                     QString::fromStdString(cli.Lines[g][0]));
            sum += tally[g];
        }
        QCOMPARE(sum, static_cast<long long>(n));
        for (int row = 0; row < 4; ++row) {
            const auto& line = cli.Lines[static_cast<std::size_t>(14 + row)];
            QCOMPARE(GridText(page->PrizeTable(), row + kPrizeRow, 0),
                     QString::fromStdString(line[0]));
            for (int col = 0; col < 5; ++col) {
                const long long expected =
                    std::max(0LL, CliAmount(line[static_cast<std::size_t>(col) + 1]));
                QCOMPARE(Amount(GridText(page->PrizeTable(), row + kPrizeRow, col + 1)), expected);
            }
        }
        // The entry grid shows the official outcomes as ◎.
        const ResultRecord& result = w.Doc().Round().Result();
        for (int m = 0; m < 13; ++m) {
            const int outcome = result.Match[static_cast<std::size_t>(m)].Outcome;
            if (outcome <= 2) {
                QCOMPARE(GridText(page->EntryGrid(), m + 1, Column(outcome)), QStringLiteral("◎"));
            }
        }
    }

    void HandEntryGradesAsTheCommandLineDoesForThatResult()
    {
        CheckWindow w;
        const fs::path saved = w.SearchSample();
        w.Click("cmdResultViewAll");
        auto* page = w.Page();
        // Match 1 entered by hand as another outcome than the official one.
        ResultRecord changed = w.Doc().Round().Result();
        const int official = changed.Match[0].Outcome;
        QVERIFY(official <= 2);
        const int other = (official + 1) % 3;
        ClickCell(page->EntryGrid(), 1, Column(other));
        QCOMPARE(GridText(page->EntryGrid(), 1, Column(other)), QStringLiteral("○"));
        QCOMPARE(GridText(page->EntryGrid(), 1, Column(official)), QString());
        // No longer decided: the prize table is emptied.
        for (int col = 1; col <= 5; ++col) {
            QCOMPARE(GridText(page->PrizeTable(), kPrizeRow + 3, col), QString());
        }
        changed.Match[0].Outcome = static_cast<std::uint8_t>(other);
        clsXmlResult xml(w.host, w.dir.Str());
        xml.SetRecord(changed);
        const fs::path xmlPath = w.dir.Path() / "hand.xml";
        QVERIFY(xml.XmlSave(xmlPath.string()));
        const CliGrade cli =
            RunGrade(w.dir.Path(), "'" + saved.string() + "' --result '" + xmlPath.string() + "'");
        QCOMPARE(cli.Code, 0);
        QVERIFY(cli.Lines.size() >= 14);
        const auto tally = w.ShownTally();
        for (std::size_t g = 0; g < 14; ++g) {
            QCOMPARE(tally[g], std::stoll(cli.Lines[g][1]));
        }
        // With an official result no hand-entry file is kept.
        QVERIFY(!fs::exists(w.dir.Path() / "SysData/Temp/Kelvra_Result_9001.dat"));
        // A second click on the marked cell clears the match: every single counts it right.
        ClickCell(page->EntryGrid(), 1, Column(other));
        QCOMPARE(GridText(page->EntryGrid(), 1, Column(other)), QString());
    }

    void HandEntryWithoutOfficialResultIsKeptForTheRound()
    {
        CheckWindow w("Kaisaikai = 9050\r\n");
        w.Import(3);
        QVERIFY(w.window->ShowPage(frmMain::PageCheck));
        auto* page = w.Page();
        QVERIFY(!w.Find<QPushButton>("cmdResultViewAll")->isEnabled());
        // Every match entered as the first single's outcomes: it is the only 1st grade.
        const auto first = Digits(w.Doc().Tickets().Singles()[0]);
        for (int m = 0; m < 13; ++m) {
            ClickCell(page->EntryGrid(), m + 1, Column(first[static_cast<std::size_t>(m)]));
        }
        QCOMPARE(GridText(page->EntryGrid(), 1, Column(first[0])), QStringLiteral("○"));
        QCOMPARE(GridText(page->PageGrid(), 14, 0), QStringLiteral("1"));
        QCOMPARE(w.ShownTally()[0], 1LL);
        QCOMPARE(GridBack(page->PageGrid(), 1, 0), QColor(128, 170, 255));
        // Hand entries decide nothing: no prizes.
        QCOMPARE(GridText(page->PrizeTable(), kPrizeRow, 1), QString());
        const std::string saved = w.dir.Read("SysData/Temp/Kelvra_Result_9050.dat");
        QCOMPARE(std::count(saved.begin(), saved.end(), '\n'), 13L);
        QVERIFY(saved.find('2') != std::string::npos);
    }

    void PagingShowsTenSinglesAPage()
    {
        CheckWindow w;
        w.Import(11);
        QVERIFY(w.window->ShowPage(frmMain::PageCheck));
        auto* page = w.Page();
        auto* label = w.Find<QLabel>("lblResultPage");
        auto* previous = w.Find<QToolButton>("cmdResultPrevious");
        auto* next = w.Find<QToolButton>("cmdResultNext");
        QCOMPARE(label->text(), QStringLiteral("1／2"));
        QVERIFY(!previous->isEnabled());
        QVERIFY(next->isEnabled());
        QCOMPARE(w.Find<QLabel>("lblResultSingleCount")->text(), QStringLiteral("11"));
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(label->text(), QStringLiteral("2／2"));
        QVERIFY(previous->isEnabled());
        QVERIFY(!next->isEnabled());
        // The 11th single alone in the first column; the others empty and white.
        const auto k = Digits(w.Doc().Tickets().Singles()[10]);
        for (int m = 0; m < 13; ++m) {
            QCOMPARE(GridText(page->PageGrid(), m + 1, 0),
                     QString::number(k[static_cast<std::size_t>(m)]));
        }
        QCOMPARE(GridText(page->PageGrid(), 1, 1), QString());
        QCOMPARE(GridBack(page->PageGrid(), 1, 1), QColor(Qt::white));
        QCOMPARE(GridText(page->PageGrid(), 0, 9), QStringLiteral("10"));

        // A double click moves two pages.
        w.Import(35);
        QVERIFY(w.window->ShowPage(frmMain::PageCheck));
        QCOMPARE(label->text(), QStringLiteral("1／4"));
        // As the window system delivers it: press, release, press with the double click, release.
        w.window->resize(1800, 1400);
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        QVERIFY(!next->visibleRegion().isEmpty());
        const auto doubleClick = [&](QWidget* button) {
            QTest::mouseDClick(w.window->windowHandle(), Qt::LeftButton, {},
                               button->mapTo(w.window.get(), button->rect().center()));
        };
        doubleClick(next);
        QCOMPARE(label->text(), QStringLiteral("3／4"));
        doubleClick(next);
        QCOMPARE(label->text(), QStringLiteral("4／4"));
        doubleClick(previous);
        QCOMPARE(label->text(), QStringLiteral("2／4"));
    }

    void CancelFromThePopupCountsTheMatchRight()
    {
        CheckWindow w;
        w.SearchSample();
        w.Click("cmdResultViewAll");
        auto* page = w.Page();
        const std::int32_t n = w.Doc().Tickets().SingleCount();
        const long long firstBefore = w.ShownTally()[0];
        w.chooser.Push({"中止"});
        ClickCell(page->EntryGrid(), 3, 1, Qt::RightButton);
        QVERIFY(w.chooser.Errors().empty());
        QCOMPARE(w.chooser.Shown().back().Name, std::string("mnuPopup7"));
        for (int c = 0; c < 3; ++c) {
            QCOMPARE(GridText(page->EntryGrid(), 3, c), QStringLiteral("－"));
        }
        // Match 3 of every single is now right and yellow.
        QCOMPARE(GridBack(page->PageGrid(), 3, 0), QColor(255, 255, 128));
        std::int32_t wrong3 = 0;
        const auto official = w.Doc().Round().Result().Match[2].Outcome;
        for (const std::int32_t s : w.Doc().Tickets().Singles()) {
            wrong3 += Digits(s)[2] != official ? 1 : 0;
        }
        QVERIFY(wrong3 > 0);
        long long total = 0;
        for (const long long c : w.ShownTally()) {
            total += c;
        }
        QCOMPARE(total, static_cast<long long>(n));
        QVERIFY(w.ShownTally()[0] >= firstBefore);
        // Every single whose only mistake was match 3 rose to 1st grade.
        std::int32_t onlyMatch3 = 0;
        for (const std::int32_t s : w.Doc().Tickets().Singles()) {
            const auto k = Digits(s);
            int miss = 0;
            for (std::size_t m = 0; m < 13; ++m) {
                const auto o = w.Doc().Round().Result().Match[m].Outcome;
                miss += (o <= 2 && k[m] != o) ? 1 : 0;
            }
            onlyMatch3 += (miss == 1 && k[2] != official) ? 1 : 0;
        }
        QCOMPARE(w.ShownTally()[0], firstBefore + onlyMatch3);
        // Dismissing the menu changes nothing.
        w.chooser.Push({});
        ClickCell(page->EntryGrid(), 4, 0, Qt::RightButton);
        QVERIFY(GridText(page->EntryGrid(), 4, 0) != QStringLiteral("－"));
    }

    void NextResultRevealsMatchByMatch()
    {
        CheckWindow w;
        w.SearchSample();
        auto* page = w.Page();
        auto* next = w.Find<QPushButton>("cmdResultViewNext");
        const ResultRecord& result = w.Doc().Round().Result();
        const std::vector<std::int32_t> singles = w.Doc().Tickets().Singles();
        for (int r = 1; r <= 13; ++r) {
            QVERIFY(next->isEnabled());
            QTest::mouseClick(next, Qt::LeftButton);
            // Matches 1..r revealed, the rest open.
            for (int m = 0; m < 13; ++m) {
                const int outcome = result.Match[static_cast<std::size_t>(m)].Outcome;
                const QString text = GridText(page->EntryGrid(), m + 1, Column(outcome % 3));
                QCOMPARE(text.isEmpty(), m >= r);
            }
            // Grade value of the first single: 1 + its mistakes among the revealed matches.
            const auto k = Digits(singles[0]);
            int miss = 0;
            for (int m = 0; m < r; ++m) {
                const int o = result.Match[static_cast<std::size_t>(m)].Outcome;
                miss += (o <= 2 && k[static_cast<std::size_t>(m)] != o) ? 1 : 0;
            }
            QCOMPARE(GridText(page->PageGrid(), 14, 0), QString::number(1 + miss));
        }
        QVERIFY(!next->isEnabled());
        QVERIFY(!w.Find<QPushButton>("cmdResultViewAll")->isEnabled());
        // Complete and official: the prize table is filled.
        QVERIFY(Amount(GridText(page->PrizeTable(), kPrizeRow + 3, 4)) >= 0);
    }

    void SortByWinningsOrdersTheSet()
    {
        CheckWindow w;
        w.SearchSample();
        w.Click("cmdResultViewAll");
        const std::vector<std::int32_t> before = w.Doc().Tickets().Singles();
        auto sortedOk = [&](bool blnMostHitsFirst) {
            const clsTResult& checker = w.Doc().Check().Checker();
            for (std::int32_t i = 1; i < checker.SingleCount(); ++i) {
                const auto a = checker.GradeValue(i - 1);
                const auto b = checker.GradeValue(i);
                if (blnMostHitsFirst ? a > b : a < b) {
                    return false;
                }
            }
            return true;
        };
        QVERIFY(!sortedOk(true) || !sortedOk(false));
        w.Click("cmdSortResult");
        QVERIFY(sortedOk(false));
        w.Doc().Tickets().SetSortAscending(true);
        w.window->UpdateMenus();
        auto* menu = w.Find<QAction>("mnuEdit_Sort_Result");
        QVERIFY(menu->isEnabled());
        menu->trigger();
        QVERIFY(sortedOk(true));
        std::vector<std::int32_t> a = before;
        std::vector<std::int32_t> b = w.Doc().Tickets().Singles();
        std::sort(a.begin(), a.end());
        std::sort(b.begin(), b.end());
        QCOMPARE(a, b);
        // The page shows the first single of the new order.
        QCOMPARE(GridText(w.Page()->PageGrid(), 14, 0),
                 QStringLiteral("%1").arg(w.Doc().Check().Checker().GradeValue(0)));
    }

    void AlwaysShowAllIsKeptInTheSettings()
    {
        CheckWindow w;
        auto* box = w.Find<QCheckBox>("chkResultAll");
        QVERIFY(!box->isChecked());
        QTest::mouseClick(box, Qt::LeftButton);
        QVERIFY(w.Doc().Check().ShowAllResults());
        w.window->close();
        QVERIFY(w.dir.Read("SysData/Kelvra.ini").find("ResultAll = 1") != std::string::npos);

        CheckWindow again("Kaisaikai = 9001\r\nResultAll = 1\r\n");
        QVERIFY(again.Find<QCheckBox>("chkResultAll")->isChecked());
        QVERIFY(again.Doc().Check().Checker().FullResult());
        QVERIFY(!again.Find<QPushButton>("cmdResultViewAll")->isEnabled());
    }

    void CountGridHidesOnClickAndTheVoteTableBringsItBack()
    {
        CheckWindow w;
        w.Import(3);
        QVERIFY(w.window->ShowPage(frmMain::PageCheck));
        auto* count = w.Page()->CountGrid();
        QVERIFY(count->isVisible());
        QCOMPARE(GridText(count, 0, 0), QStringLiteral("1"));
        ClickCell(count, 2, 1);
        QVERIFY(!count->isVisible());
        ClickCell(w.Find<clsGameView>("picGame2")->VoteTable(), 1, 1);
        QVERIFY(count->isVisible());
    }

    void TallyIsUndecidedUntilTheFirstReveal()
    {
        CheckWindow w;
        w.SearchSample();
        const long long n = w.Doc().Tickets().SingleCount();
        auto* page = w.Page();
        for (int r = 1; r <= 14; ++r) {
            QCOMPARE(GridText(page->GradeTable(), r, 1), QStringLiteral("－"));
            QCOMPARE(GridText(page->GradeTable(), r, 2), QStringLiteral("－"));
        }
        w.Click("cmdResultViewNext");
        const auto tally = w.ShownTally();
        long long sum = 0;
        for (const long long c : tally) {
            QVERIFY(c >= 0);
            sum += c;
        }
        QCOMPARE(sum, n);
        QVERIFY(GridText(page->GradeTable(), 1, 2).endsWith(QLatin1Char('%')));
    }

    void MoneyShowsWhatTheSetCostAndWon()
    {
        CheckWindow w;
        const fs::path saved = w.SearchSample();
        const long long n = w.Doc().Tickets().SingleCount();
        QVERIFY(n > 0);
        const auto yen = [](long long v) {
            return QString::fromStdString(Currency::FromInt(v).FormatNumber(0, true)) +
                   QStringLiteral("円");
        };
        auto* cost = w.Find<QLabel>("lblResultCost");
        auto* winnings = w.Find<QLabel>("lblResultWinnings");
        auto* balance = w.Find<QLabel>("lblResultBalance");
        auto* ret = w.Find<QLabel>("lblResultReturn");
        // Before the result: what was spent, and nothing claimed about the rest.
        QCOMPARE(cost->text(), yen(n * 100));
        QCOMPARE(winnings->text(), QStringLiteral("－"));
        QCOMPARE(balance->text(), QStringLiteral("－"));
        QCOMPARE(ret->text(), QStringLiteral("－"));

        w.Click("cmdResultViewAll");
        const CliGrade cli = RunGrade(w.dir.Path(), "'" + saved.string() + "'");
        QCOMPARE(cli.Code, 0);
        QCOMPARE(cli.Lines.size(), std::size_t{18});
        // The total line's last field: what the set won.
        const long long won = CliAmount(cli.Lines[17][5]);
        const long long spent = n * 100;
        QCOMPARE(cost->text(), yen(spent));
        QCOMPARE(winnings->text(), yen(won));
        QCOMPARE(balance->text(),
                 (won > spent ? QStringLiteral("+") : QString()) + yen(won - spent));
        const long long permille = (won * 2000 + spent) / (2 * spent);
        QCOMPARE(ret->text(), QStringLiteral("%1.%2%").arg(permille / 10).arg(permille % 10));
        QVERIFY(balance->accessibleName().contains(balance->text()));

        // A hand entry against the official result undecides a match: the figures go back.
        const int official = w.Doc().Round().Result().Match[0].Outcome;
        ClickCell(w.Page()->EntryGrid(), 1, Column((official + 1) % 3));
        QCOMPARE(winnings->text(), QStringLiteral("－"));
        QCOMPARE(ret->text(), QStringLiteral("－"));
        QCOMPARE(cost->text(), yen(spent));
    }

    void TheTwoWinnerColumnsAreGrouped()
    {
        CheckWindow w;
        auto* prize = w.Page()->PrizeTable();
        QCOMPARE(GridText(prize, 1, 2), QStringLiteral("当せん口数"));
        QCOMPARE(GridText(prize, 1, 4), QStringLiteral("当せん口数"));
        for (int col = 1; col <= 3; ++col) {
            QCOMPARE(GridText(prize, 0, col), QStringLiteral("公式"));
        }
        for (int col = 4; col <= 5; ++col) {
            QCOMPARE(GridText(prize, 0, col), QStringLiteral("この組"));
        }
        const auto spoken = [prize](int col) {
            return prize->Model()->data(prize->Model()->index(1, col), Qt::AccessibleTextRole);
        };
        QCOMPARE(spoken(2).toString(), QStringLiteral("公式の当せん口数"));
        QCOMPARE(spoken(4).toString(), QStringLiteral("この組の当せん口数"));
        QCOMPARE(GridText(prize, kPrizeRow, 0), QStringLiteral("1等"));
        QCOMPARE(GridText(prize, kPrizeRow + 3, 0), QStringLiteral("合計"));
    }
};

KELVRA_QTEST(tst_frmMainCheck)
#include "tst_frmMainCheck.moc"
