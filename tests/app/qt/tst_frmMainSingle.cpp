// The single page of the main window driven as a user would: tickets come in through the
// clipboard, the sheet pages through them, cells are edited with and without the edit lock,
// duplicates are removed, the sort button's menu sorts, and a CSV file takes the set out and
// back in.

#include "app/qt/clsSheetView.h"
#include "app/qt/frmMain.h"
#include "lottery/clsTNumber.h"
#include "support/MainWindowFixture.h"
#include "support/QtTestRegistry.h"
#include "support/RecordingHost.h"
#include "widgets/clsGridModel.h"
#include "widgets/clsGridView.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <filesystem>
#include <numeric>

namespace {
namespace fs = std::filesystem;

std::int32_t Ticket(const std::string& strDigits)
{
    clsTNumber::LongKousei k{};
    for (std::size_t m = 0; m < 13; ++m) {
        k[m] = strDigits[m] - '0';
    }
    return clsTNumber::LongToNo(k);
}

struct SingleWindow : MainWindowFixture
{
    SingleWindow() { Open(); }
    clsSheetView* Sheet() const { return Find<clsSheetView>("picSingle"); }
    // The tickets through ツール クリップボードから取り込み, then the single page.
    void Import(const std::vector<std::string>& lines)
    {
        host.Clipboard.clear();
        for (const std::string& line : lines) {
            host.Clipboard += line + "\r\n";
        }
        window->UpdateMenus();
        Action("mnuTool_ClipImport0")->trigger();
        window->ShowPage(frmMain::PageSingle);
    }
    void ClickCell(std::int32_t lngSlot, std::int32_t lngCode, std::int32_t lngMatch) const
    {
        QTest::mouseClick(Sheet(), Qt::LeftButton, {},
                          Sheet()->CellRect(lngSlot, lngCode, lngMatch).center());
    }
    QString GridText(const char* strGrid, int lngRow, int lngCol) const
    {
        auto* grid = Find<clsGridView>(strGrid);
        return grid->Model()
            ->data(grid->Model()->index(lngRow, lngCol), Qt::DisplayRole)
            .toString();
    }
    // How the sort button's menu, as last shown, offered the entry: "enabled", "disabled",
    // "hidden" or "missing".
    QString SortEntry(const std::string& strCaption) const
    {
        for (const PopupMenuItem& item : chooser.Shown().back().Items) {
            if (item.Caption == strCaption) {
                return !item.Visible ? QStringLiteral("hidden")
                                     : (item.Enabled ? QStringLiteral("enabled")
                                                     : QStringLiteral("disabled"));
            }
        }
        return QStringLiteral("missing");
    }
    // A saved set of lngCount singles numbered from 0, shown on the single page: moving about
    // it afterwards must leave the work unchanged.
    void SavedSet(std::int32_t lngCount)
    {
        std::vector<std::int32_t> list(static_cast<std::size_t>(lngCount));
        std::iota(list.begin(), list.end(), 0);
        if (!Doc().Tickets().SetSingles(std::move(list)) ||
            !Doc().FileSaveDRD((dir.Path() / "many.drd").string(), true, false)) {
            qFatal("the set of singles was not saved");
        }
        window->ShowPage(frmMain::PageSingle);
    }
    QString PageText() const { return Find<QLabel>("lblPage")->text(); }
    // Types into the page box and presses Enter.
    void TypePage(const QString& strText) const
    {
        auto* box = Find<QSpinBox>("spnPage");
        box->selectAll();
        QTest::keyClicks(box, strText);
        QTest::keyClick(box, Qt::Key_Return);
    }
    bool Said(const std::string& strText) const
    {
        return std::any_of(host.Messages.begin(), host.Messages.end(),
                           [&](const RecordingHost::Message& m) { return m.Text == strText; });
    }
};
} // namespace

class tst_frmMainSingle : public QObject
{
    Q_OBJECT

private slots:
    void ClipboardImportFillsPagesAndSaysHowMany()
    {
        SingleWindow w;
        std::vector<std::string> lines;
        for (int i = 0; i < 11; ++i) {
            std::string line(13, '1');
            line[static_cast<std::size_t>(i)] = '2';
            lines.push_back(line);
        }
        w.Import(lines);
        QVERIFY(w.Said("11口取り込みしました"));
        QCOMPARE(w.Doc().Tickets().Singles().size(), std::size_t{11});
        auto* page = w.Find<QLabel>("lblPage");
        QCOMPARE(page->text(), QStringLiteral("1／2"));
        QCOMPARE(w.Sheet()->Draw().NoText(0), std::string("1"));
        QTest::mouseClick(w.Find<QPushButton>("cmdNext"), Qt::LeftButton);
        QCOMPARE(page->text(), QStringLiteral("2／2"));
        QVERIFY(!w.Find<QPushButton>("cmdNext")->isEnabled());
        // The 11th single in the first slot, the others blank.
        QCOMPARE(w.Sheet()->Draw().NoText(0), std::string("11"));
        QCOMPARE(w.Sheet()->Draw().NoText(1), std::string());
        QVERIFY(w.Sheet()->Draw().Marked(0, 1, 0));
        QVERIFY(w.Sheet()->Draw().Marked(0, 2, 10));
    }

    void CellEditFollowsTheEditLock()
    {
        SingleWindow w;
        w.Import({"1111111111111"});
        const std::int32_t before = w.Doc().Tickets().Singles().at(0);

        // Locked, and the user keeps the lock: nothing changes.
        auto* lock = w.Find<QCheckBox>("chkEditLock");
        QTest::mouseClick(lock, Qt::LeftButton, {}, QPoint(6, lock->height() / 2));
        QVERIFY(w.Doc().Tickets().EditLock());
        w.host.QueueAnswer(false);
        w.ClickCell(0, 2, 0);
        QCOMPARE(w.host.Questions.size(), std::size_t{1});
        QCOMPARE(w.Doc().Tickets().Singles().at(0), before);
        QCOMPARE(w.Doc().Tickets().SingleFrame()[1][0], 1);
        QCOMPARE(w.GridText("picSCount", 1, 0).trimmed(), QStringLiteral("1"));
        QVERIFY(lock->isChecked());
        QVERIFY(w.Sheet()->Draw().Marked(0, 1, 0));

        // Locked, and the user lifts the lock: the edit goes through and the box unticks.
        w.host.QueueAnswer(true);
        w.ClickCell(0, 2, 0);
        QCOMPARE(w.Doc().Tickets().Singles().at(0), Ticket("2111111111111"));
        QVERIFY(!lock->isChecked());
        QVERIFY(w.Sheet()->Draw().Marked(0, 2, 0));

        // Unlocked: no question.
        w.ClickCell(0, 0, 12);
        QCOMPARE(w.host.Questions.size(), std::size_t{2});
        QCOMPARE(w.Doc().Tickets().Singles().at(0), Ticket("2111111111110"));
        QVERIFY(w.Sheet()->Draw().Marked(0, 0, 12));
        QVERIFY(w.Doc().Modified());
    }

    void EleventhSingleAddedOpensTheSecondPage()
    {
        SingleWindow w;
        std::vector<std::string> lines;
        for (int i = 0; i < 10; ++i) {
            lines.push_back(std::string(static_cast<std::size_t>(i), '1') +
                            std::string(static_cast<std::size_t>(13 - i), '2'));
        }
        w.Import(lines);
        auto* page = w.Find<QLabel>("lblPage");
        auto* count = w.Find<QLabel>("lblSingleCount");
        QCOMPARE(page->text(), QStringLiteral("1／1"));
        QCOMPARE(count->text(), QStringLiteral("10口"));
        QVERIFY(!w.Find<QPushButton>("cmdNext")->isEnabled());

        // A cancelled add changes nothing.
        w.host.QueueAnswer(false);
        QTest::mouseClick(w.Find<QPushButton>("cmdSingleAdd"), Qt::LeftButton);
        QCOMPARE(w.Doc().Tickets().SingleCount(), 10);
        QCOMPARE(page->text(), QStringLiteral("1／1"));

        w.host.QueueAnswer(true);
        QTest::mouseClick(w.Find<QPushButton>("cmdSingleAdd"), Qt::LeftButton);
        QCOMPARE(w.Doc().Tickets().SingleCount(), 11);
        QCOMPARE(page->text(), QStringLiteral("2／2"));
        QCOMPARE(count->text(), QStringLiteral("11口"));
        QCOMPARE(w.Sheet()->Draw().NoText(0), std::string("11"));
        QCOMPARE(w.Sheet()->Draw().NoText(1), std::string());
        // The new single is all draws, and the figure list under its slot says so.
        QVERIFY(w.Sheet()->Draw().Marked(0, 0, 12));
        QCOMPARE(w.GridText("grdSingleList", 3, 1), QStringLiteral("0-13-0"));
        QVERIFY(w.Find<QPushButton>("cmdPrevious")->isEnabled());
        QVERIFY(!w.Find<QPushButton>("cmdNext")->isEnabled());
    }

    void MatchListAndCountGridStandBesideTheSheet()
    {
        SingleWindow w;
        w.Import({"1111111111111", "0111111111111", "2111111111110"});
        QCOMPARE(w.GridText("picSingleGame", 0, 2), QStringLiteral("ホーム"));
        QCOMPARE(w.GridText("picSingleGame", 1, 1), QStringLiteral("1"));
        QCOMPARE(w.GridText("picSingleGame", 1, 2), QStringLiteral("鹿島"));
        QCOMPARE(w.GridText("picSingleGame", 1, 3), QStringLiteral("浦和"));
        QCOMPARE(w.GridText("picSingleGame", 1, 0), QStringLiteral("12/05"));
        // Row for row with the sheet: match 13's row lies level with its cells.
        auto* games = w.Find<clsGridView>("picSingleGame");
        const QRect row13 = games->visualRect(games->Model()->index(13, 2));
        const QRect cell13 = w.Sheet()->CellRect(0, 1, 12);
        const int gamesTop = games->mapTo(w.window.get(), row13.topLeft()).y();
        const int sheetTop = w.Sheet()->mapTo(w.window.get(), cell13.topLeft()).y();
        QVERIFY2(std::abs(gamesTop - sheetTop) <= 2,
                 qPrintable(QStringLiteral("%1 %2").arg(gamesTop).arg(sheetTop)));
        // Columns 1, 0, 2: match 1 has one single of each; match 13 two home wins, one draw.
        QCOMPARE(w.GridText("picSCount", 1, 0).trimmed(), QStringLiteral("1"));
        QCOMPARE(w.GridText("picSCount", 13, 0).trimmed(), QStringLiteral("2"));
        QCOMPARE(w.GridText("picSCount", 13, 1).trimmed(), QStringLiteral("1"));

        // A sheet edit moves the counts with it.
        w.ClickCell(0, 2, 12);
        QCOMPARE(w.GridText("picSCount", 13, 0).trimmed(), QStringLiteral("1"));
        QCOMPARE(w.GridText("picSCount", 13, 2).trimmed(), QStringLiteral("1"));

        // A round without a schedule empties the list.
        QVERIFY(w.Doc().Round().SetKaisaikai(200));
        QCOMPARE(w.GridText("picSingleGame", 1, 2), QString());
        QCOMPARE(w.GridText("picSingleGame", 1, 1), QStringLiteral("1"));
    }

    void SinglePercentIsOneSwitchForEveryCountGrid()
    {
        SingleWindow w;
        QAction* percent = w.Action("mnuView_SinglePercent");
        QVERIFY(percent->isCheckable());
        QVERIFY(percent->isEnabled());
        QVERIFY(!percent->isChecked());
        // A way of showing the work, not a change to it.
        percent->trigger();
        clsDocument& doc = w.Doc();
        QVERIFY(doc.Tickets().SinglePercent());
        QVERIFY(percent->isChecked());
        QVERIFY(!doc.Modified());
        QVERIFY(doc.Tickets().Sheet().SinglePercent());
        QVERIFY(doc.Check().Checker().Percent());
        QVERIFY(doc.Search().Extraction().Count().Percent());

        // Match 1: one single of each outcome; match 2: three home wins.
        w.Import({"1111111111111", "0111111111111", "2111111111111"});
        QCOMPARE(w.GridText("picSCount", 1, 0).trimmed(), QStringLiteral("33%"));
        QCOMPARE(w.GridText("picSCount", 2, 0).trimmed(), QStringLiteral("100%"));
        QCOMPARE(w.GridText("picCount", 1, 1).trimmed(), QStringLiteral("33%"));

        // A click on a match row of the count grid is the same switch: the menu follows.
        auto* grid = w.Find<clsGridView>("picSCount");
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualRect(grid->Model()->index(3, 1)).center());
        QVERIFY(!doc.Tickets().SinglePercent());
        QVERIFY(!doc.Check().Checker().Percent());
        QVERIFY(!percent->isChecked());
        QCOMPARE(w.GridText("picSCount", 2, 0).trimmed(), QStringLiteral("3"));
        QCOMPARE(w.GridText("picCount", 2, 0).trimmed(), QStringLiteral("3"));
        // The heading row is no switch.
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualRect(grid->Model()->index(0, 1)).center());
        QVERIFY(!doc.Tickets().SinglePercent());
        // New keeps the way of showing.
        percent->trigger();
        QVERIFY(doc.New());
        QVERIFY(doc.Tickets().SinglePercent());
        QVERIFY(percent->isChecked());
    }

    void SortMenuFollowsTheRoundAndTheVote()
    {
        SingleWindow w;
        w.Import({"0000000000000", "1111111111111"});
        auto* sort = w.Find<QPushButton>("cmdSort");
        QTest::mouseClick(sort, Qt::LeftButton);
        QCOMPARE(w.SortEntry("３等推定金額"), QStringLiteral("enabled"));
        QCOMPARE(w.SortEntry("１番人気"), QStringLiteral("enabled"));

        // Round 200 pays two grades and has no vote status here.
        QVERIFY(w.Doc().Round().SetKaisaikai(200));
        QCOMPARE(w.Doc().Round().Vote().Kaisaikai, 0);
        QTest::mouseClick(sort, Qt::LeftButton);
        QCOMPARE(w.SortEntry("３等推定金額"), QStringLiteral("hidden"));
        QCOMPARE(w.SortEntry("２等推定金額"), QStringLiteral("disabled"));
        QCOMPARE(w.SortEntry("１等推定金額"), QStringLiteral("disabled"));
        QCOMPARE(w.SortEntry("３番人気"), QStringLiteral("disabled"));
        QCOMPARE(w.SortEntry("ホーム勝ち"), QStringLiteral("enabled"));
        QCOMPARE(w.SortEntry("その他"), QStringLiteral("enabled"));
        QVERIFY(!w.Action("mnuEdit_Sort_Payout3")->isVisible());
        QVERIFY(!w.Action("mnuEdit_Sort_Payout1")->isEnabled());
        QVERIFY(w.chooser.Errors().empty());
    }

    void SortOnAnotherPageThenASheetEditChangesTheTicketShown()
    {
        SingleWindow w;
        w.Import({"0000000000000", "1100000000000", "1111111111111"});
        QVERIFY(w.window->ShowPage(frmMain::PageHome));
        w.Doc().Tickets().SetSortAscending(false);
        w.window->UpdateMenus();
        w.Action("mnuEdit_Sort_Home")->trigger();
        const std::vector<std::int32_t>& singles = w.Doc().Tickets().Singles();
        QCOMPARE(singles.front(), Ticket("1111111111111"));
        QVERIFY(w.window->ShowPage(frmMain::PageSingle));
        // The sheet shows the sorted set ...
        QVERIFY(w.Sheet()->Draw().Marked(0, 1, 12));
        QVERIFY(w.Sheet()->Draw().Marked(2, 0, 0));
        // ... and an edit of its first slot changes the single shown there.
        w.ClickCell(0, 2, 12);
        QCOMPARE(singles.front(), Ticket("1111111111112"));
        QCOMPARE(singles.back(), Ticket("0000000000000"));
        QVERIFY(w.Sheet()->Draw().Marked(0, 2, 12));
        QCOMPARE(w.GridText("picSCount", 13, 2).trimmed(), QStringLiteral("1"));
    }

    void KeyboardReachesEveryCell()
    {
        SingleWindow w;
        w.Import({"1111111111111"});
        clsSheetView* sheet = w.Sheet();
        sheet->setFocus();
        QTest::keyClick(sheet, Qt::Key_Down);  // first match, card column "1"
        QTest::keyClick(sheet, Qt::Key_Right); // column "0"
        QTest::keyClick(sheet, Qt::Key_Right); // column "2"
        QCOMPARE(sheet->FocusCode(), 2);
        QVERIFY(sheet->accessibleDescription().contains(QStringLiteral("アウェイ勝ち")));
        QTest::keyClick(sheet, Qt::Key_Space);
        QCOMPARE(w.Doc().Tickets().Singles().at(0), Ticket("2111111111111"));
        QVERIFY(sheet->FocusText().contains(QStringLiteral("マーク")));
    }

    void PageBoxCrossesALargeSet()
    {
        SingleWindow w;
        w.SavedSet(139925);
        auto* box = w.Find<QSpinBox>("spnPage");
        QCOMPARE(box->accessibleName(), QStringLiteral("ページ"));
        QCOMPARE(w.Find<QLabel>("lblPageCount")->text(), QStringLiteral("/ 13993"));
        QCOMPARE(box->maximum(), 13993);
        QCOMPARE(box->value(), 1);
        // The widest page number fits the box.
        QVERIFY(box->width() >= box->sizeHint().width());

        w.TypePage(QStringLiteral("7000"));
        QCOMPARE(w.PageText(), QStringLiteral("7000／13993"));
        QCOMPARE(w.Sheet()->Draw().NoText(0), std::string("69991"));
        w.TypePage(QStringLiteral("13993"));
        QCOMPARE(w.PageText(), QStringLiteral("13993／13993"));
        // The last page holds five singles.
        QCOMPARE(w.Sheet()->Draw().NoText(4), std::string("139925"));
        QCOMPARE(w.Sheet()->Draw().NoText(5), std::string());
        QVERIFY(!w.Find<QPushButton>("cmdNext")->isEnabled());

        // Beyond the last page or before the first: the page shown stays within the set and the
        // box agrees with it.
        for (const QString& bad : {QStringLiteral("99999"), QStringLiteral("0"),
                                   QStringLiteral("-3"), QStringLiteral("x")}) {
            w.TypePage(bad);
            QVERIFY2(box->value() >= 1 && box->value() <= 13993, qPrintable(bad));
            QCOMPARE(w.PageText(), QStringLiteral("%1／13993").arg(box->value()));
        }
        // The buttons move the box too.
        w.TypePage(QStringLiteral("2"));
        QTest::mouseClick(w.Find<QPushButton>("cmdPrevious"), Qt::LeftButton);
        QCOMPARE(box->value(), 1);
        QCOMPARE(w.PageText(), QStringLiteral("1／13993"));
        QVERIFY(!w.Doc().Modified());
        QVERIFY(!w.window->windowTitle().endsWith(QStringLiteral(" *")));

        // A smaller set narrows the box's range.
        w.Import({"1111111111111"});
        QCOMPARE(box->maximum(), 1);
        QCOMPARE(w.Find<QLabel>("lblPageCount")->text(), QStringLiteral("/ 1"));
    }

    void PageKeysTurnTheSheet()
    {
        SingleWindow w;
        w.SavedSet(35);
        clsSheetView* sheet = w.Sheet();
        sheet->setFocus();
        QTest::keyClick(sheet, Qt::Key_End);
        QCOMPARE(w.PageText(), QStringLiteral("4／4"));
        QCOMPARE(sheet->Draw().NoText(0), std::string("31"));
        QTest::keyClick(sheet, Qt::Key_PageDown); // stays on the last page
        QCOMPARE(w.PageText(), QStringLiteral("4／4"));
        QTest::keyClick(sheet, Qt::Key_PageUp);
        QCOMPARE(w.PageText(), QStringLiteral("3／4"));
        QCOMPARE(w.Find<QSpinBox>("spnPage")->value(), 3);
        QTest::keyClick(sheet, Qt::Key_Home);
        QCOMPARE(w.PageText(), QStringLiteral("1／4"));
        QTest::keyClick(sheet, Qt::Key_PageUp); // stays on the first page
        QCOMPARE(w.PageText(), QStringLiteral("1／4"));
        QTest::keyClick(sheet, Qt::Key_PageDown);
        QCOMPARE(w.PageText(), QStringLiteral("2／4"));
        QCOMPARE(sheet->Draw().NoText(0), std::string("11"));
        // The keyboard's cell is read out with the single now under it.
        QVERIFY(sheet->accessibleDescription().contains(QStringLiteral("No.11")));
        QVERIFY(!w.Doc().Modified());
    }

    void SortReturnsToTheFirstPage()
    {
        SingleWindow w;
        w.SavedSet(35);
        QTest::mouseClick(w.Find<QPushButton>("cmdNext"), Qt::LeftButton);
        QTest::mouseClick(w.Find<QPushButton>("cmdNext"), Qt::LeftButton);
        QCOMPARE(w.PageText(), QStringLiteral("3／4"));
        w.chooser.Push({"ホーム勝ち"});
        QTest::mouseClick(w.Find<QPushButton>("cmdSort"), Qt::LeftButton);
        QVERIFY(w.chooser.Errors().empty());
        QCOMPARE(w.PageText(), QStringLiteral("1／4"));
        QCOMPARE(w.Find<QSpinBox>("spnPage")->value(), 1);
        QCOMPARE(w.Sheet()->Draw().NoText(0), std::string("1"));
        // The sheet shows the first single of the new order, not the one it had before.
        clsTNumber::LongKousei first{};
        clsTNumber::NoToLong(w.Doc().Tickets().Singles().front(), first);
        for (std::int32_t m = 0; m < 13; ++m) {
            QVERIFY(w.Sheet()->Draw().Marked(0, first[static_cast<std::size_t>(m)], m));
        }
    }

    void DuplicateRemovalTellsTheUser()
    {
        SingleWindow w;
        w.Import({"1111111111111", "2222222222222", "1111111111111"});
        w.Action("mnuEdit_JSingleDel")->trigger();
        QCOMPARE(w.Doc().Tickets().Singles(),
                 (std::vector<std::int32_t>{Ticket("1111111111111"), Ticket("2222222222222")}));
        QVERIFY(w.host.AllMessageText().find("重複したシングルを消去しました") !=
                std::string::npos);
        w.Action("mnuEdit_JSingleDel")->trigger();
        QVERIFY(w.Said("重複したシングルは存在しません"));
        QCOMPARE(w.Doc().Tickets().Singles().size(), std::size_t{2});
    }

    void SortButtonSortsThroughItsMenu()
    {
        SingleWindow w;
        w.Import({"0000000000000", "1111111111111", "1100000000000"});
        w.chooser.Push({"ホーム勝ち"});
        QTest::mouseClick(w.Find<QPushButton>("cmdSort"), Qt::LeftButton);
        QCOMPARE(w.chooser.Pending(), std::size_t{0});
        QVERIFY(w.chooser.Errors().empty());
        const std::vector<std::int32_t>& singles = w.Doc().Tickets().Singles();
        QCOMPARE(singles.size(), std::size_t{3});
        // Most home wins first unless ascending; either way the mixed single is in the middle.
        QCOMPARE(singles[1], Ticket("1100000000000"));
        QCOMPARE(w.Sheet()->Draw().NoText(1), std::string("2"));
        QVERIFY(w.Sheet()->Draw().Marked(1, 1, 0));
    }

    void CsvSaveAndOpenRoundTrip()
    {
        SingleWindow w;
        const std::vector<std::string> lines{"1021021021021", "2222222222222", "0000000000001"};
        w.Import(lines);
        const std::vector<std::int32_t> saved = w.Doc().Tickets().Singles();
        const std::string file = (w.dir.Path() / "set").string();
        w.dialog.Push(file);
        w.window->UpdateMenus();
        w.Action("mnuFile_Csv_Save")->trigger();
        QVERIFY(fs::exists(file + ".csv"));

        w.Import({"1111111111111"});
        // キャンセル at the unsaved-work question: no dialog, the imported set stays.
        const std::size_t asked = w.dialog.Asked().size();
        w.host.QueueAnswer3(AskAnswer::Cancel);
        w.Action("mnuFile_Csv_Open")->trigger();
        QCOMPARE(w.dialog.Asked().size(), asked);
        QCOMPARE(w.Doc().Tickets().Singles(), std::vector<std::int32_t>{Ticket("1111111111111")});
        w.host.QueueAnswer3(AskAnswer::No); // do not save the imported set
        w.dialog.Push(file + ".csv");
        w.window->ShowPage(frmMain::PageHome);
        w.Action("mnuFile_Csv_Open")->trigger();
        QCOMPARE(w.Doc().Tickets().Singles(), saved);
        QCOMPARE(w.window->CurrentPage(), static_cast<int>(frmMain::PageSingle));
        QCOMPARE(w.Sheet()->Draw().NoText(2), std::string("3"));
        QCOMPARE(w.dialog.Asked().back().Filter, std::string("CSVファイル(*.csv)"));
    }

    void BadCsvKeepsTheSet()
    {
        SingleWindow w;
        w.Import({"1111111111111", "2222222222222"});
        const std::vector<std::int32_t> before = w.Doc().Tickets().Singles();
        const fs::path bad = w.dir.Path() / "bad.csv";
        w.dir.Write("bad.csv", "1,1,1,1,1,1,1,1,1,1,1,1,999\r\n");
        w.host.QueueAnswer3(AskAnswer::No);
        w.dialog.Push(bad.string());
        w.window->UpdateMenus();
        w.Action("mnuFile_Csv_Open")->trigger();
        QCOMPARE(w.Doc().Tickets().Singles(), before);
        QCOMPARE(w.Sheet()->Draw().NoText(1), std::string("2"));
    }
};

KELVRA_QTEST(tst_frmMainSingle)
#include "tst_frmMainSingle.moc"
