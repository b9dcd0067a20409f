// The main window driven as a user would: the sample round at start, a round of the fixture
// site downloaded, round 0, the menus and help, the team-name dialog, and the close that
// remembers the round or is refused during a run.

#include "app/clsDocument.h"
#include "app/qt/basQtMain.h"
#include "app/qt/clsGameView.h"
#include "app/qt/clsHomePage.h"
#include "app/qt/clsRoundPanelView.h"
#include "app/qt/frmMain.h"
#include "net/FixtureSite.h"
#include "print/qt/frmPrint.h"
#include "support/MainWindowFixture.h"
#include "support/QtTestRegistry.h"
#include "support/RecordingHost.h"
#include "support/TempDir.h"
#include "support/TestPaths.h"
#include "support/TimeZoneScope.h"
#include "widgets/clsBarGraph.h"
#include "widgets/clsGridModel.h"
#include "widgets/clsGridView.h"
#include "widgets/clsProgressWindow.h"
#include "widgets/clsStatusBar.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <filesystem>

namespace {
namespace fs = std::filesystem;

// A program folder holding the shipped sample data (reference files and rounds 9001, 9002).
void CopySampleData(const TempDir& dir, std::int32_t lngKaisaikai)
{
    fs::copy(fs::path(kelvra_test::SourceDataDir()), dir.Path(), fs::copy_options::recursive);
    dir.Write("SysData/Kelvra.ini", "Kaisaikai = " + std::to_string(lngKaisaikai) + "\r\n");
}

clsGameView* View(frmMain& window, const char* strView)
{
    return window.findChild<clsGameView*>(QString::fromLatin1(strView));
}

QString GridText(clsGridView* grid, int lngRow, int lngColumn)
{
    return grid->Model()->data(grid->Model()->index(lngRow, lngColumn), Qt::DisplayRole).toString();
}

// Match lngRow (0 = match 1) of the match table.
QString Cell(frmMain& window, const char* strView, int lngRow, int lngColumn)
{
    return GridText(View(window, strView)->MatchTable(), lngRow + 1, lngColumn);
}

// The three rates of a match, home win, draw, away win.
QString Rates(frmMain& window, const char* strView, int lngRow)
{
    clsGridView* vote = View(window, strView)->VoteTable();
    return GridText(vote, 2 * lngRow, 0) + QLatin1Char(' ') + GridText(vote, 2 * lngRow, 1) +
           QLatin1Char(' ') + GridText(vote, 2 * lngRow, 2);
}

QString Header(frmMain& window, int lngColumn)
{
    return GridText(View(window, "picGame")->MatchTable(), 0, lngColumn);
}

QPushButton* Button(frmMain& window, const QString& strName)
{
    auto* button = window.findChild<QPushButton*>(strName);
    Q_ASSERT(button != nullptr);
    return button;
}

QPushButton* DownloadButton(frmMain& window, int lngKind)
{
    return Button(window, QStringLiteral("cmdOfficialDownload%1").arg(lngKind));
}

QString AccessibleName(QObject* object)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface != nullptr ? iface->text(QAccessible::Name) : QString();
}

bool Contains(const std::vector<std::string>& lines, const std::string& strPart)
{
    for (const std::string& line : lines) {
        if (line.find(strPart) != std::string::npos) {
            return true;
        }
    }
    return false;
}
} // namespace

class tst_frmMainHome : public QObject
{
    Q_OBJECT

private slots:
    void startsOnTheSampleRoundWithItsTeamsAndVotes();
    void downloadsAScheduleOfTheFixtureSite();
    void roundZeroHidesThePanelAndAsksForARound();
    void closeWritesTheRoundAndTheQuestionSwitch();
    void closeIsRefusedWhileARunIsGoing();
    void menusHoldEveryItemAndOnlyWiredOnesAreEnabled();
    void helpOpensTheManualAndTheVersionBox();
    void printOpensTheCardDialogOnTheDocumentsRound();
    void printHandsTheDocumentsVoteStatusForTheListsPayouts();
    void linkOpensTheSalesSchedule();
    void teamNameDialogAddsAName();
    void controlsCarryAccessibleNames();
    void payoutGradesFollowTheRound();
    void secondViewReportsVoteClicks();
    void voteTableCoversItsColumnToTheRightEdge();
    void roundPanelCountsDownInJapanTime();
    void windowCarriesTheProgramsIcon();
};

void tst_frmMainHome::startsOnTheSampleRoundWithItsTeamsAndVotes()
{
    RecordingHost host;
    TempDir dir;
    CopySampleData(dir, 9001);
    frmMain window(host.Host(), dir.Str());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.findChild<QSpinBox*>(QStringLiteral("txtKaisaikai"))->value(), 9001);
    QCOMPARE(Cell(window, "picGame", 0, 0), QStringLiteral("12/05"));
    QCOMPARE(Cell(window, "picGame", 0, 1), QStringLiteral("J1"));
    QCOMPARE(Cell(window, "picGame", 0, 3), QStringLiteral("鹿島"));
    QCOMPARE(Cell(window, "picGame", 0, 4), QStringLiteral("浦和"));
    QCOMPARE(Rates(window, "picGame", 0), QStringLiteral("52.10 26.30 21.60"));
    QCOMPARE(Cell(window, "picGame2", 0, 3), QStringLiteral("鹿島"));
    QCOMPARE(Header(window, 5), QStringLiteral("投票率 2026/12/05 13:50 [最終]"));
    for (int kind = 0; kind < 3; ++kind) {
        QVERIFY(!DownloadButton(window, kind)->isEnabled());
    }
    QCOMPARE(window.StatusPanels()->PanelText(0),
             QStringLiteral(" 第 9001 回 　使用投票率：2026/12/05 (最終)"));
    QVERIFY(window.findChild<QWidget*>(QStringLiteral("roundPanel"))->isVisible());
    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("lblSaleEnd"))->text(),
             QStringLiteral("2026年12月05日(土) 13:50:00"));
    QVERIFY(window.findChild<QCheckBox*>(QStringLiteral("chkDownloadMessage"))->isChecked());
    QVERIFY2(host.Messages.empty(), host.AllMessageText().c_str());
}

void tst_frmMainHome::downloadsAScheduleOfTheFixtureSite()
{
    FixtureSite site;
    RecordingHost host;
    frmMain window(host.Host(), site.Home.Str(), site.Settings);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.findChild<QSpinBox*>(QStringLiteral("txtKaisaikai"))->setValue(1234);
    for (int kind = 0; kind < 3; ++kind) {
        QVERIFY(DownloadButton(window, kind)->isEnabled());
    }
    QCOMPARE(Cell(window, "picGame", 0, 3), QString());
    window.findChild<QCheckBox*>(QStringLiteral("chkDownloadMessage"))->setChecked(false);
    QTest::mouseClick(DownloadButton(window, clsHomePage::DownloadSchedule), Qt::LeftButton);

    QVERIFY(site.StoreFileExists("toto_Schedule", "toto_schedule_1234.xml"));
    QVERIFY(!DownloadButton(window, clsHomePage::DownloadSchedule)->isEnabled());
    QVERIFY(DownloadButton(window, clsHomePage::DownloadVote)->isEnabled());
    QVERIFY(!Cell(window, "picGame", 0, 3).isEmpty());
    QVERIFY(window.findChild<QWidget*>(QStringLiteral("roundPanel"))->isVisible());
    QVERIFY(host.Questions.empty());
    // The progress window showed the connection log as its list, and closed at the end.
    auto* progress = window.findChild<clsProgressWindow*>(QStringLiteral("frmWinInet"));
    QVERIFY(progress != nullptr);
    QCOMPARE(progress->windowTitle(), QStringLiteral(" インターネット接続"));
    const QStringList lines = progress->Lines();
    QVERIFY2(lines.size() >= 5, qPrintable(lines.join(QLatin1Char('|'))));
    // The caption line first, then the connection as it happened.
    QVERIFY(lines.at(0).contains(QStringLiteral("1234")));
    QCOMPARE(lines.at(1), QStringLiteral(" [コネクション開始]"));
    QVERIFY(lines.at(2).contains(QStringLiteral("/schedule?holdCntId=1234")));
    QVERIFY(lines.at(3).startsWith(QStringLiteral(" 受信中 .")));
    QCOMPARE(lines.last(), QStringLiteral(" [コネクション終了]"));
    QVERIFY(!progress->isVisible());
    // The host's own wait dialog was not used for it.
    QVERIFY(host.WaitLog.empty());
    QVERIFY(window.centralWidget()->isEnabled());
    QVERIFY2(host.Messages.empty(), host.AllMessageText().c_str());
}

void tst_frmMainHome::roundZeroHidesThePanelAndAsksForARound()
{
    RecordingHost host;
    TempDir dir;
    CopySampleData(dir, 9001);
    frmMain window(host.Host(), dir.Str());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.findChild<QWidget*>(QStringLiteral("roundPanel"))->isVisible());
    window.findChild<QSpinBox*>(QStringLiteral("txtKaisaikai"))->setValue(0);
    QVERIFY(!window.findChild<QWidget*>(QStringLiteral("roundPanel"))->isVisible());
    QCOMPARE(Cell(window, "picGame", 0, 3), QString());
    QCOMPARE(Header(window, 5), QStringLiteral("投 票 率"));
    for (int kind = 0; kind < 3; ++kind) {
        host.Messages.clear();
        QVERIFY(DownloadButton(window, kind)->isEnabled());
        QTest::mouseClick(DownloadButton(window, kind), Qt::LeftButton);
        QCOMPARE(int(host.Messages.size()), 1);
        QCOMPARE(host.Messages[0].Icon, MsgIcon::Information);
        QCOMPARE(QString::fromStdString(host.Messages[0].Text),
                 QStringLiteral("開催回を設定して下さい"));
    }
    QVERIFY(host.WaitLog.empty());
}

void tst_frmMainHome::closeWritesTheRoundAndTheQuestionSwitch()
{
    RecordingHost host;
    TempDir dir;
    CopySampleData(dir, 9001);
    frmMain window(host.Host(), dir.Str());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.findChild<QSpinBox*>(QStringLiteral("txtKaisaikai"))->setValue(9002);
    window.findChild<QCheckBox*>(QStringLiteral("chkDownloadMessage"))->setChecked(false);
    QVERIFY(window.close());
    const std::string text = dir.Read("SysData/Kelvra.ini");
    QVERIFY2(text.find("\r\nKaisaikai = 9002\r\nDownloadMessage = 0\r\nResultAll = 0\r\n") !=
                 std::string::npos,
             text.c_str());
    // Written whole through a temporary file: nothing is left beside it.
    int files = 0;
    for (const auto& entry : fs::directory_iterator(dir.Path() / "SysData")) {
        files += entry.path().filename().string().rfind("Kelvra.ini", 0) == 0 ? 1 : 0;
    }
    QCOMPARE(files, 1);
}

void tst_frmMainHome::closeIsRefusedWhileARunIsGoing()
{
    RecordingHost host;
    TempDir dir;
    CopySampleData(dir, 9001);
    frmMain window(host.Host(), dir.Str());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    dir.Write("SysData/Kelvra.ini", "");
    clsDocument& doc = MainWindowFixture::DocOf(window);
    QVERIFY(doc.FileLoadDRD((dir.Path() / "UserData/Kelvra/sample.drd").string(), true, true));
    bool tried = false;
    bool closed = true;
    bool pageShown = true;
    host.OnDoEvents = [&](std::int64_t) {
        if (!tried && doc.Search().Running()) {
            tried = true;
            closed = window.close();
            pageShown = window.ShowPage(frmMain::PageCheck);
            doc.Search().Cancel();
        }
    };
    doc.Search().Run();
    host.OnDoEvents = nullptr;
    QVERIFY(tried);
    QVERIFY(!closed);
    QVERIFY(!pageShown);
    QVERIFY(window.isVisible());
    QVERIFY(Contains(
        [&] {
            std::vector<std::string> texts;
            for (const auto& m : host.Messages) {
                texts.push_back(m.Text);
            }
            return texts;
        }(),
        "現在検索処理を実行中です。検索処理を終了させて下さい。"));
    // A refused close wrote nothing.
    QCOMPARE(dir.Read("SysData/Kelvra.ini"), std::string());
    QVERIFY(window.close());
    QVERIFY(dir.Read("SysData/Kelvra.ini").find("Kaisaikai = 9001") != std::string::npos);
}

void tst_frmMainHome::menusHoldEveryItemAndOnlyWiredOnesAreEnabled()
{
    RecordingHost host;
    TempDir dir;
    CopySampleData(dir, 9001);
    frmMain window(host.Host(), dir.Str());
    const QStringList tops{QStringLiteral("mnuFile"), QStringLiteral("mnuEdit"),
                           QStringLiteral("mnuView"), QStringLiteral("mnuTool"),
                           QStringLiteral("mnuHelp")};
    const QStringList captions{QStringLiteral("ファイル(&F)"), QStringLiteral("編集(&E)"),
                               QStringLiteral("表示(&V)"), QStringLiteral("ツール(&T)"),
                               QStringLiteral("ヘルプ(&H)")};
    for (int i = 0; i < tops.size(); ++i) {
        auto* menu = window.findChild<QMenu*>(tops[i]);
        QVERIFY(menu != nullptr);
        QCOMPARE(menu->title(), captions[i]);
    }
    auto action = [&](const char* strName) {
        return window.findChild<QAction*>(QString::fromLatin1(strName));
    };
    for (const char* later : {// Single page only.
                              "mnuEdit_SingleAdd", "mnuEdit_Select0"}) {
        QVERIFY2(action(later) != nullptr, later);
        QVERIFY2(!action(later)->isEnabled(), later);
    }
    QCOMPARE(action("mnuFile_Print")->text(), QStringLiteral("印刷(&P)..."));
    for (const char* now :
         {"mnuFile_New", "mnuFile_Open", "mnuFile_Save", "mnuFile_SaveAs", "mnuFile_Jouken_Open",
          "mnuFile_Jouken_Save", "mnuFile_Print", "mnuFile_End", "mnuView_Menu0", "mnuView_Menu3",
          "mnuHelp_Help", "mnuHelp_Version", "mnuFile_Csv_Open", "mnuFile_Csv_Save",
          "mnuEdit_JSingleDel", "mnuTool_Clipboard0", "mnuTool_ClipImport0", "mnuTool_Renzoku",
          "mnuView_SinglePercent"}) {
        QVERIFY2(action(now)->isEnabled(), now);
    }
    // Round 9001 has three grades; a two-grade round hides the third payout sort.
    QVERIFY(action("mnuEdit_Sort_Payout3")->isVisible());
    window.findChild<QSpinBox*>(QStringLiteral("txtKaisaikai"))->setValue(200);
    QVERIFY(!action("mnuEdit_Sort_Payout3")->isVisible());
    QVERIFY(action("mnuEdit_Sort_Payout2")->isVisible());
}

void tst_frmMainHome::helpOpensTheManualAndTheVersionBox()
{
    RecordingHost host;
    TempDir dir;
    CopySampleData(dir, 9001);
    frmMain window(host.Host(), dir.Str());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.findChild<QAction*>(QStringLiteral("mnuHelp_Help"))->trigger();
    QCOMPARE(int(host.Opened.size()), 1);
    QCOMPARE(QString::fromStdString(host.Opened[0]),
             QStringLiteral("http://www.drovane.com/manual/kelvra.html"));

    window.findChild<QAction*>(QStringLiteral("mnuHelp_Version"))->trigger();
    auto* box = window.findChild<QDialog*>(QStringLiteral("frmVersion"));
    QVERIFY(box != nullptr);
    QVERIFY(box->isVisible());
    QCOMPARE(box->windowTitle(), QStringLiteral("バージョン情報"));
    QCOMPARE(box->findChild<QLabel*>(QStringLiteral("lblProductName"))->text(),
             QStringLiteral("Kelvra"));
    QCOMPARE(box->findChild<QLabel*>(QStringLiteral("lblVersionText"))->text(),
             QStringLiteral("Version 1.00"));
    QCOMPARE(box->findChild<QLabel*>(QStringLiteral("lblCopyright"))->text(),
             QStringLiteral("Copyright © 2026 Kelvra developers"));
    QCOMPARE(box->findChild<QLabel*>(QStringLiteral("lblLicence"))->text(),
             QStringLiteral("All rights reserved."));
    QCOMPARE(box->findChild<QLabel*>(QStringLiteral("lblQtVersion"))->text(),
             QStringLiteral("Qt ") + QString::fromLatin1(qVersion()));
    box->accept();
}

void tst_frmMainHome::printOpensTheCardDialogOnTheDocumentsRound()
{
    RecordingHost host;
    TempDir dir;
    CopySampleData(dir, 9001);
    frmMain window(host.Host(), dir.Str());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QString title;
    QString round;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog != nullptr && dialog->objectName() == QStringLiteral("frmPrint")) {
            title = dialog->windowTitle();
            for (auto* edit : dialog->findChildren<QLineEdit*>()) {
                if (edit->text() == QStringLiteral("9001")) {
                    round = edit->text();
                }
            }
            dialog->reject();
        }
    });
    window.findChild<QAction*>(QStringLiteral("mnuFile_Print"))->trigger();
    QCOMPARE(title, QStringLiteral(" 印刷"));
    QCOMPARE(round, QStringLiteral("9001"));
}

void tst_frmMainHome::printHandsTheDocumentsVoteStatusForTheListsPayouts()
{
    RecordingHost host;
    TempDir dir;
    CopySampleData(dir, 9001);
    frmMain window(host.Host(), dir.Str());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const VoteRecord vote = MainWindowFixture::DocOf(window).Round().Vote();
    QVERIFY(vote.HasVotes());
    std::optional<PrintJobInput> given;
    QTimer::singleShot(0, [&] {
        if (auto* dialog = qobject_cast<frmPrint*>(QApplication::activeModalWidget())) {
            given = dialog->Input();
            dialog->reject();
        }
    });
    window.findChild<QAction*>(QStringLiteral("mnuFile_Print"))->trigger();
    QVERIFY(given.has_value());
    QVERIFY(given->Vote == vote);
    QCOMPARE(given->Singles, MainWindowFixture::DocOf(window).Tickets().Singles());
}

void tst_frmMainHome::linkOpensTheSalesSchedule()
{
    RecordingHost host;
    TempDir dir;
    CopySampleData(dir, 9001);
    frmMain window(host.Host(), dir.Str());
    auto* link = window.findChild<QLabel*>(QStringLiteral("lblSalesSchedule"));
    QVERIFY(link->text().contains(QStringLiteral("販売スケジュールを確認する")));
    emit link->linkActivated(QStringLiteral("schedule"));
    QCOMPARE(int(host.Opened.size()), 1);
    QCOMPARE(QString::fromStdString(host.Opened[0]),
             QStringLiteral("https://store.toto-dream.com/dci/I/IPA/IPA01.do?op="
                            "inittotoSerLotSchedule"));
}

void tst_frmMainHome::teamNameDialogAddsAName()
{
    RecordingHost host;
    TempDir dir;
    CopySampleData(dir, 9001);
    frmMain window(host.Host(), dir.Str());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(Button(window, QStringLiteral("cmdTeamNameEdit")), Qt::LeftButton);
    auto* dialog = window.findChild<QDialog*>(QStringLiteral("frmTeamName"));
    QVERIFY(dialog != nullptr);
    QCOMPARE(dialog->windowTitle(), QStringLiteral(" チーム名（ユーザー定義）"));
    auto* add = dialog->findChild<QPushButton*>(QStringLiteral("cmdAdd"));
    // An empty short name is refused and the dialog stays open.
    QTest::mouseClick(add, Qt::LeftButton);
    QCOMPARE(int(host.Messages.size()), 1);
    QCOMPARE(QString::fromStdString(host.Messages[0].Text),
             QStringLiteral("略称を入力して下さい。"));
    QVERIFY(dialog->isVisible());
    dialog->findChild<QLineEdit*>(QStringLiteral("txtRyakusho"))->setText(QStringLiteral("ABC"));
    dialog->findChild<QLineEdit*>(QStringLiteral("txtMeisho"))
        ->setText(QStringLiteral("エービーシーFC"));
    QTest::mouseClick(add, Qt::LeftButton);
    QTRY_VERIFY(window.findChild<QDialog*>(QStringLiteral("frmTeamName")) == nullptr);
    QVERIFY(fs::exists(dir.Path() / "SysData/TeamName3.dat"));
    QCOMPARE(QString::fromStdString(host.Messages.back().Text),
             QStringLiteral("チーム名(エービーシーFC)を追加しました。"));
}

void tst_frmMainHome::controlsCarryAccessibleNames()
{
    RecordingHost host;
    TempDir dir;
    CopySampleData(dir, 9001);
    frmMain window(host.Host(), dir.Str());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(AccessibleName(window.findChild<QSpinBox*>(QStringLiteral("txtKaisaikai"))),
             QStringLiteral("開催回"));
    // Qt reads a combo box out by its current entry; its name and its label still say "組".
    auto* kumi = window.findChild<QComboBox*>(QStringLiteral("cmbKumi"));
    QCOMPARE(kumi->accessibleName(), QStringLiteral("組"));
    bool labelled = false;
    for (const auto& [other, relation] :
         QAccessible::queryAccessibleInterface(kumi)->relations(QAccessible::Label)) {
        labelled = labelled || other->text(QAccessible::Name) == QStringLiteral("組");
    }
    QVERIFY(labelled);
    QCOMPARE(AccessibleName(DownloadButton(window, 0)), QStringLiteral("開催情報"));
    QCOMPARE(AccessibleName(DownloadButton(window, 1)), QStringLiteral("投票状況"));
    QCOMPARE(AccessibleName(DownloadButton(window, 2)), QStringLiteral("くじ結果"));
    QCOMPARE(AccessibleName(window.findChild<QCheckBox*>(QStringLiteral("chkDownloadMessage"))),
             QStringLiteral("ダウンロード時に確認"));
    // The round view is an accessible table whose cells read their texts.
    clsGridView* grid = View(window, "picGame")->MatchTable();
    QCOMPARE(grid->accessibleName(), QStringLiteral("対戦カード"));
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(grid);
    QVERIFY(table != nullptr);
    QCOMPARE(table->role(), QAccessible::Table);
    QAccessibleTableInterface* cells = table->tableInterface();
    QVERIFY(cells != nullptr);
    QCOMPARE(cells->rowCount(), 14);
    QAccessibleInterface* home = cells->cellAt(1, 3);
    QVERIFY(home != nullptr);
    QCOMPARE(home->text(QAccessible::Name), QStringLiteral("鹿島"));
}

void tst_frmMainHome::payoutGradesFollowTheRound()
{
    RecordingHost host;
    TempDir dir;
    CopySampleData(dir, 9001);
    frmMain window(host.Host(), dir.Str());
    QSignalSpy grades(&window, &frmMain::PayoutGradesChanged);
    auto* box = window.findChild<QSpinBox*>(QStringLiteral("txtKaisaikai"));
    box->setValue(200);
    QVERIFY(!grades.isEmpty());
    QCOMPARE(grades.last().at(0).toInt(), 2);
    box->setValue(9001);
    QCOMPARE(grades.last().at(0).toInt(), 3);
}

void tst_frmMainHome::secondViewReportsVoteClicks()
{
    RecordingHost host;
    TempDir dir;
    CopySampleData(dir, 9001);
    frmMain window(host.Host(), dir.Str());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.ShowPage(frmMain::PageCheck));
    QSignalSpy clicks(&window, &frmMain::CheckVoteClicked);
    clsGameView* view = View(window, "picGame2");
    clsGridView* vote = view->VoteTable();
    QTest::mouseClick(vote->viewport(), Qt::LeftButton, {},
                      vote->visualRect(vote->Model()->index(4, 1)).center());
    QCOMPARE(clicks.count(), 1);
    clsGridView* match = view->MatchTable();
    QTest::mouseClick(match->viewport(), Qt::LeftButton, {},
                      match->visualRect(match->Model()->index(3, 3)).center());
    QCOMPARE(clicks.count(), 1);
}

void tst_frmMainHome::voteTableCoversItsColumnToTheRightEdge()
{
    RecordingHost host;
    TempDir dir;
    CopySampleData(dir, 9001);
    frmMain window(host.Host(), dir.Str());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (const char* name : {"picGame", "picGame2"}) {
        clsGameView* view = View(window, name);
        const clsGridView* match = view->MatchTable();
        const clsGridView* vote = view->VoteTable();
        const clsGridGeometry& cells = match->Geometry();
        const int last = cells.Cols() - 1;
        const int columnRight =
            match->x() + match->frameWidth() + cells.ColLeft(last) + cells.ColWidth(last);
        // No strip of the match table's column beside the rates or the bars.
        QCOMPARE(vote->x() + vote->width(), columnRight);
        QCOMPARE(view->Bars()->x() + view->Bars()->width(), columnRight - vote->frameWidth());
        QCOMPARE(vote->x(), match->x() + match->frameWidth() + cells.ColLeft(last));
    }
}

// The sale of round 9002 closes 2026-12-12 13:50 Japan time; at 2026-12-10 14:08 UTC that is
// 1 day 14 hours 42 minutes away on a machine in any zone (it read 23 hours under TZ=UTC).
void tst_frmMainHome::roundPanelCountsDownInJapanTime()
{
    MainWindowFixture f(MainWindowFixture::Data::Shipped, "Kaisaikai = 9002\r\n");
    f.Open();
    auto* panel = f.Find<clsRoundPanelView>("roundPanel");
    panel->SetClock([] { return std::int64_t{1796911680}; });
    for (const char* zone : {"UTC", "America/Los_Angeles", "Asia/Tokyo"}) {
        const TimeZoneScope tz(zone);
        panel->Refresh(f.Doc().Round().Schedule(), f.Doc().Round().RoundLabel());
        QCOMPARE(f.Find<QLabel>("lblSalesState")->text(),
                 QStringLiteral("販売締切まで あと 1日 14時間42分"));
    }
}

void tst_frmMainHome::windowCarriesTheProgramsIcon()
{
    basQtMain::SetIdentity();
    MainWindowFixture f;
    f.Open();
    QVERIFY(!f.window->windowIcon().isNull());
    QVERIFY(f.window->windowIcon().availableSizes().contains(QSize(256, 256)));
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("jp.kelvra.Kelvra"));
}

KELVRA_QTEST(tst_frmMainHome)
#include "tst_frmMainHome.moc"
