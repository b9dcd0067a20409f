// The user vote-rate and own-probability dialogs: the rows that must add up, the two units,
// the keys a box takes, and both dialogs opened from the main window's home page, their
// results reaching the document, the status bar, the round view and the data file.

#include "app/clsDocument.h"
#include "app/qt/clsGameView.h"
#include "app/qt/frmMain.h"
#include "results/qt/clsOddsGrid.h"
#include "results/qt/frmOdds.h"
#include "results/qt/frmProbability.h"
#include "support/MainWindowFixture.h"
#include "support/QtTestRegistry.h"
#include "support/RecordingHost.h"
#include "support/ScriptedFileDialog.h"
#include "support/TempDir.h"
#include "support/TestPaths.h"
#include "widgets/clsGridModel.h"
#include "widgets/clsGridView.h"
#include "widgets/clsStatusBar.h"

#include <QAccessible>
#include <QApplication>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <filesystem>

namespace {
namespace fs = std::filesystem;

void CopySampleData(const TempDir& dir, std::int32_t lngKaisaikai)
{
    fs::copy(fs::path(kelvra_test::SourceDataDir()), dir.Path(), fs::copy_options::recursive);
    dir.Write("SysData/Kelvra.ini", "Kaisaikai = " + std::to_string(lngKaisaikai) + "\r\n");
}

// Every match 30 / 40 / 30 % (home win, draw, away win), in hundredths.
clsTOdds::Values EvenRows()
{
    clsTOdds::Values v{};
    for (std::size_t m = 0; m < 13; ++m) {
        v[1][m] = 3000;
        v[0][m] = 4000;
        v[2][m] = 3000;
    }
    return v;
}

clsTOdds::TeamNames Teams()
{
    clsTOdds::TeamNames t;
    for (std::size_t m = 0; m < 13; ++m) {
        t[m] = {"ホーム" + std::to_string(m + 1), "アウェイ" + std::to_string(m + 1)};
    }
    return t;
}

// Typed as a user would: the box reached by Tab (all selected), then the keys.
void Type(QLineEdit* box, const char* strText)
{
    box->setFocus(Qt::TabFocusReason);
    box->selectAll();
    QTest::keyClicks(box, QString::fromLatin1(strText));
}

bool RowRed(clsOddsGrid* grid, int lngMatch)
{
    return !grid->Box(lngMatch * 3)->property("rowValid").toBool();
}

QPushButton* Child(QWidget* parent, const char* strName)
{
    auto* button = parent->findChild<QPushButton*>(QString::fromLatin1(strName));
    Q_ASSERT(button != nullptr);
    return button;
}

// 予想確率 on the home page; the dialog it opens, or null.
frmProbability* OpenProbability(frmMain& window)
{
    QTest::mouseClick(Child(&window, "cmdProbability"), Qt::LeftButton);
    return window.findChild<frmProbability*>(QStringLiteral("frmProbability"));
}

// Every row of a dialog's grid typed as three texts (home win, draw, away win).
// Uneven probabilities: percent with hundredths, odds with no short form, a zero.
ProbabilityRecord Uneven()
{
    const std::int32_t kRows[][3] = {
        {3333, 3333, 3334}, {4567, 2211, 3222}, {0, 5000, 5000}, {1, 9998, 1}, {3250, 3350, 3400}};
    ProbabilityRecord p;
    for (std::size_t m = 0; m < 13; ++m) {
        for (std::size_t k = 0; k < 3; ++k) {
            p.Value[k][m] = kRows[m % 5][k];
        }
    }
    return p;
}

QRadioButton* Mode(QWidget* dialog, const char* strName)
{
    auto* option = dialog->findChild<QRadioButton*>(QString::fromLatin1(strName));
    Q_ASSERT(option != nullptr);
    return option;
}

void TypeAllRows(clsOddsGrid* grid, const char* strHome, const char* strDraw, const char* strAway)
{
    for (int m = 0; m < 13; ++m) {
        Type(grid->Box(1, m), strHome);
        Type(grid->Box(0, m), strDraw);
        Type(grid->Box(2, m), strAway);
    }
}
} // namespace

class tst_frmOdds : public QObject
{
    Q_OBJECT

private slots:
    void rowThatDoesNotAddUpKeepsOkDisabled();
    void boxesTakeOnlyTheKeysOfTheRules();
    void modeHundredShowsEveryValueAndChangesNone();
    void modeHundredConfirmsInHundredths();
    void voteButtonMakesTheUserDefinedVoteStatus();
    void bothButtonsNeedARound();
    void probabilitiesFromOddsReachTheViewAndTheFile();
    void probabilitiesStartFromTheVoteRatesAndCanBeCleared();
    void probabilityModesLeaveEveryValueOfTheDocument();
    void okStaysDisabledWhileTheDocumentWouldRefuse();
    void refusedRatesKeepTheDialogOpenWithEveryValue();
    void refusedProbabilitiesKeepTheDialogOpen();
    void longTeamNamesAreShownWhole();
    void aScreenReaderReachesEveryBoxThroughItsGrid();
};

void tst_frmOdds::rowThatDoesNotAddUpKeepsOkDisabled()
{
    clsTOdds::Values v = EvenRows();
    v[1][4] = 5000;
    v[0][4] = 3000;
    v[2][4] = 1999;
    frmOdds dialog(v, Teams(), {}, nullptr);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("投票率（ユーザー定義）"));
    clsOddsGrid* grid = dialog.Grid();
    QPushButton* ok = Child(&dialog, "cmdOK");
    QCOMPARE(grid->Box(2, 4)->text(), QStringLiteral("1999"));
    QCOMPARE(grid->Box(2, 4)->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    QVERIFY(RowRed(grid, 4));
    QVERIFY(!RowRed(grid, 3));
    QVERIFY(!ok->isEnabled());
    // The grid shows the number and teams of each match, under the captions.
    const QAbstractItemModel* model = grid->Table()->Model();
    QCOMPARE(model->data(model->index(0, 1)).toString(), QStringLiteral("ホーム"));
    QCOMPARE(model->data(model->index(0, 5)).toString(), QStringLiteral("アウェイ"));
    QCOMPARE(model->data(model->index(5, 0)).toString(), QStringLiteral("5"));
    QCOMPARE(model->data(model->index(5, 5)).toString(), QStringLiteral("アウェイ5"));

    Type(grid->Box(2, 4), "2000");
    QVERIFY(!RowRed(grid, 4));
    QVERIFY(ok->isEnabled());
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(dialog.Confirmed());
    QCOMPARE(dialog.Values()[2][4], 2000);
    QCOMPARE(dialog.Values()[1][4], 5000);
}

void tst_frmOdds::boxesTakeOnlyTheKeysOfTheRules()
{
    frmOdds dialog(EvenRows(), Teams(), {}, nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    clsOddsGrid* grid = dialog.Grid();
    QLineEdit* box = grid->Box(1, 0); // the first box, column "1"
    // Reached from the keyboard, the whole text is selected: a digit replaces it.
    box->setFocus(Qt::TabFocusReason);
    QCOMPARE(box->selectedText(), QStringLiteral("3000"));
    QTest::keyClicks(box, QStringLiteral("x-1.2"));
    QCOMPARE(box->text(), QStringLiteral("12")); // letters, signs and points are not typed
    QTest::keyClicks(box, QStringLiteral("3456"));
    QCOMPARE(box->text(), QStringLiteral("12345")); // at most five characters
    // BackSpace down to empty counts as 0: the row no longer adds up.
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(box, Qt::Key_Backspace);
    }
    QCOMPARE(box->text(), QString());
    QVERIFY(RowRed(grid, 0));
    QVERIFY(!Child(&dialog, "cmdOK")->isEnabled());
    // Enter moves to the next box (column "0" of the same match) and types nothing.
    QTest::keyClick(box, Qt::Key_Return);
    QTRY_COMPARE(QApplication::focusWidget(), grid->Box(0, 0));
    QCOMPARE(grid->Box(0, 0)->selectedText(), QStringLiteral("4000"));
    QVERIFY(dialog.isVisible());
    // The last box of a match leads to the first of the next.
    QTest::keyClick(grid->Box(0, 0), Qt::Key_Enter);
    QTest::keyClick(grid->Box(2, 0), Qt::Key_Enter);
    QTRY_COMPARE(QApplication::focusWidget(), grid->Box(1, 1));
    // Every box is named for a screen reader by its match and outcome.
    QCOMPARE(grid->Box(2, 12)->accessibleName(), QStringLiteral("13試合目 「2」"));
}

void tst_frmOdds::modeHundredShowsEveryValueAndChangesNone()
{
    clsTOdds::Values v = EvenRows();
    v[1][0] = 3333;
    v[0][0] = 3333;
    v[2][0] = 3334;
    frmOdds dialog(v, Teams(), {}, nullptr);
    clsOddsGrid* grid = dialog.Grid();
    auto* mode100 = dialog.findChild<QRadioButton*>(QStringLiteral("optMode100"));
    auto* mode10000 = dialog.findChild<QRadioButton*>(QStringLiteral("optMode10000"));
    QCOMPARE(mode100->text(), QStringLiteral("100"));
    QCOMPARE(mode10000->text(), QStringLiteral("10,000"));
    QVERIFY(mode10000->isChecked());
    QVERIFY(Child(&dialog, "cmdOK")->isEnabled());
    // Only the display changes: every value shows as it is, the rows still add up.
    for (int round = 0; round < 2; ++round) {
        mode100->click();
        QCOMPARE(grid->Box(1, 0)->text(), QStringLiteral("33.33"));
        QCOMPARE(grid->Box(0, 0)->text(), QStringLiteral("33.33"));
        QCOMPARE(grid->Box(2, 0)->text(), QStringLiteral("33.34"));
        QCOMPARE(grid->Box(1, 1)->text(), QStringLiteral("30"));
        QVERIFY(!RowRed(grid, 0));
        QVERIFY(Child(&dialog, "cmdOK")->isEnabled());
        mode10000->click();
        QCOMPARE(grid->Box(1, 0)->text(), QStringLiteral("3333"));
        QCOMPARE(grid->Box(0, 0)->text(), QStringLiteral("3333"));
        QCOMPARE(grid->Box(2, 0)->text(), QStringLiteral("3334"));
        QVERIFY(!RowRed(grid, 0));
    }
    QTest::mouseClick(Child(&dialog, "cmdOK"), Qt::LeftButton);
    QVERIFY(dialog.Confirmed());
    QVERIFY(dialog.Values() == v);
}

void tst_frmOdds::modeHundredConfirmsInHundredths()
{
    frmOdds dialog(EvenRows(), Teams(), {}, nullptr);
    dialog.findChild<QRadioButton*>(QStringLiteral("optMode100"))->click();
    clsOddsGrid* grid = dialog.Grid();
    Type(grid->Box(1, 6), "50");
    Type(grid->Box(0, 6), "30");
    Type(grid->Box(2, 6), "20");
    // Three characters at most in this mode.
    QTest::keyClicks(grid->Box(2, 6), QStringLiteral("00"));
    QCOMPARE(grid->Box(2, 6)->text(), QStringLiteral("200"));
    QTest::keyClick(grid->Box(2, 6), Qt::Key_Backspace);
    QTest::mouseClick(Child(&dialog, "cmdOK"), Qt::LeftButton);
    QVERIFY(dialog.Confirmed());
    QCOMPARE(dialog.Values()[1][6], 5000);
    QCOMPARE(dialog.Values()[0][6], 3000);
    QCOMPARE(dialog.Values()[2][6], 2000);
    QCOMPARE(dialog.Values()[0][0], 4000);
}

void tst_frmOdds::voteButtonMakesTheUserDefinedVoteStatus()
{
    MainWindowFixture w;
    w.Open();
    frmMain& window = *w.window;
    RecordingHost& host = w.host;
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    clsDocument& doc = MainWindowFixture::DocOf(window);
    QVERIFY(!doc.Round().Vote().AsOf.IsZero());
    QVERIFY(!window.StatusPanels()->PanelText(0).contains(QStringLiteral("ユーザー定義")));
    QPushButton* cmdUser = Child(&window, "cmdUser");
    QCOMPARE(cmdUser->text(), QStringLiteral("投票率"));
    QTest::mouseClick(cmdUser, Qt::LeftButton);
    auto* dialog = window.findChild<frmOdds*>(QStringLiteral("frmOdds"));
    QVERIFY(dialog != nullptr);
    QVERIFY(dialog->isModal());
    // The document's rates x 100 are what the boxes start from.
    const std::int64_t rate = (doc.Round().Vote().Match[0].Rate[1] * 100).ToInt64();
    QCOMPARE(dialog->Grid()->Box(1, 0)->text(), QString::number(rate));
    TypeAllRows(dialog->Grid(), "4500", "3000", "2500");
    Type(dialog->Grid()->Box(0, 12), "2000");
    Type(dialog->Grid()->Box(2, 12), "3500");
    QTest::mouseClick(Child(dialog, "cmdOK"), Qt::LeftButton);
    QTRY_VERIFY(window.findChild<frmOdds*>(QStringLiteral("frmOdds")) == nullptr);

    const VoteRecord& vote = doc.Round().Vote();
    QCOMPARE(vote.Kaisaikai, 9001);
    QVERIFY(vote.AsOf.IsZero());
    QCOMPARE(vote.Match[0].Votes[1].ToInt64(), std::int64_t{4500});
    QCOMPARE(vote.Match[0].Rate[1].FormatNumber(2, false), std::string("45.00"));
    QCOMPARE(vote.Match[12].Rate[2].FormatNumber(2, false), std::string("35.00"));
    QVERIFY(
        window.StatusPanels()->PanelText(0).endsWith(QStringLiteral("　使用投票率：ユーザー定義")));
    QVERIFY(window.windowTitle().endsWith(QStringLiteral(" *")));
    QVERIFY2(host.Messages.empty(), host.AllMessageText().c_str());

    // キャンセル leaves the vote status alone.
    QTest::mouseClick(cmdUser, Qt::LeftButton);
    dialog = window.findChild<frmOdds*>(QStringLiteral("frmOdds"));
    QVERIFY(dialog != nullptr);
    Type(dialog->Grid()->Box(1, 0), "5500");
    Type(dialog->Grid()->Box(0, 0), "2000");
    QTest::mouseClick(Child(dialog, "cmdCancel"), Qt::LeftButton);
    QTRY_VERIFY(window.findChild<frmOdds*>(QStringLiteral("frmOdds")) == nullptr);
    QCOMPARE(doc.Round().Vote().Match[0].Votes[1].ToInt64(), std::int64_t{4500});
}

void tst_frmOdds::bothButtonsNeedARound()
{
    RecordingHost host;
    TempDir dir;
    CopySampleData(dir, 0);
    frmMain window(host.Host(), dir.Str());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (const char* name : {"cmdUser", "cmdProbability"}) {
        host.Messages.clear();
        QTest::mouseClick(Child(&window, name), Qt::LeftButton);
        QCOMPARE(int(host.Messages.size()), 1);
        QCOMPARE(host.Messages[0].Icon, MsgIcon::Information);
        QCOMPARE(QString::fromStdString(host.Messages[0].Text),
                 QStringLiteral("開催回を設定して下さい"));
        QVERIFY(window.findChild<QDialog*>(QStringLiteral("frmOdds")) == nullptr);
        QVERIFY(window.findChild<QDialog*>(QStringLiteral("frmProbability")) == nullptr);
    }
    QVERIFY(MainWindowFixture::DocOf(window).Round().Vote().Kaisaikai == 0);
    QVERIFY(!MainWindowFixture::DocOf(window).Round().Probability());
}

void tst_frmOdds::probabilitiesFromOddsReachTheViewAndTheFile()
{
    RecordingHost host;
    TempDir dir;
    CopySampleData(dir, 9001);
    frmMain window(host.Host(), dir.Str());
    ScriptedFileDialog files;
    window.SetFileDialog(&files);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    clsDocument& doc = MainWindowFixture::DocOf(window);
    auto* view = window.findChild<clsGameView*>(QStringLiteral("picGame"));
    QVERIFY(!view->ProbabilityTable()->isVisible());

    auto* dialog = OpenProbability(window);
    QVERIFY(dialog != nullptr);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("予想確率（ユーザー定義）"));
    QVERIFY(!Child(dialog, "cmdOK")->isEnabled()); // nothing entered yet
    dialog->findChild<QRadioButton*>(QStringLiteral("optModeOdds"))->click();
    clsOddsGrid* grid = dialog->Grid();
    TypeAllRows(grid, "2.0", "4", "4.00");
    // One point per box: the second one is not typed.
    Type(grid->Box(1, 3), "1.9.");
    QCOMPARE(grid->Box(1, 3)->text(), QStringLiteral("1.9"));
    Type(grid->Box(0, 3), "3.4");
    Type(grid->Box(2, 3), "4.1");
    QVERIFY(Child(dialog, "cmdOK")->isEnabled());
    QTest::mouseClick(Child(dialog, "cmdOK"), Qt::LeftButton);
    QTRY_VERIFY(window.findChild<frmProbability*>(QStringLiteral("frmProbability")) == nullptr);

    QVERIFY(doc.Round().Probability().has_value());
    const ProbabilityRecord prob = *doc.Round().Probability();
    QCOMPARE(prob.Value[1][0], 5000);
    QCOMPARE(prob.Value[0][0], 2500);
    QCOMPARE(prob.Value[2][0], 2500);
    QCOMPARE(prob.Value[1][3] + prob.Value[0][3] + prob.Value[2][3], 10000);
    QCOMPARE(prob.Value[1][3], 4945);
    QCOMPARE(prob.Value[2][3], 2292);
    QVERIFY(doc.Modified());
    QVERIFY(window.windowTitle().endsWith(QStringLiteral(" *")));
    // The round view shows them beside the rates, with the ratio to the public rate.
    QVERIFY(view->ProbabilityTable()->isVisible());
    const QAbstractItemModel* model = view->ProbabilityTable()->Model();
    QCOMPARE(model->data(model->index(1, 0)).toString(), QStringLiteral("50.00"));
    const std::int64_t ratio =
        *clsTGame::RatioHundredths(5000, doc.Round().Vote().Match[0].Rate[1]);
    QCOMPARE(model->data(model->index(1, 3)).toString(),
             QString::asprintf("%d.%02d", int(ratio / 100), int(ratio % 100)));
    QVERIFY(view->width() >= view->ProbabilityTable()->x() + view->ProbabilityTable()->width());

    // Saved with the work and read back.
    const std::string file = (dir.Path() / "UserData" / "prob.drd").string();
    files.Push(file);
    QVERIFY(MainWindowFixture::FilesOf(window).SaveAs());
    MainWindowFixture::FilesOf(window).New();
    QVERIFY(!doc.Round().Probability());
    QTRY_VERIFY(!view->ProbabilityTable()->isVisible());
    QVERIFY(window.OpenDataFile(file));
    QVERIFY(doc.Round().Probability().has_value());
    QVERIFY(*doc.Round().Probability() == prob);
    // Opening a file shows the multi page: the home view's table is shown, not visible.
    QVERIFY(!view->ProbabilityTable()->isHidden());
    QVERIFY2(host.Messages.empty(), host.AllMessageText().c_str());
}

void tst_frmOdds::probabilitiesStartFromTheVoteRatesAndCanBeCleared()
{
    MainWindowFixture w;
    w.Open();
    frmMain& window = *w.window;
    RecordingHost& host = w.host;
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    clsDocument& doc = MainWindowFixture::DocOf(window);

    auto* dialog = OpenProbability(window);
    QVERIFY(dialog != nullptr);
    QTest::mouseClick(Child(dialog, "cmdFromVote"), Qt::LeftButton);
    QVERIFY(Child(dialog, "cmdOK")->isEnabled());
    QTest::mouseClick(Child(dialog, "cmdOK"), Qt::LeftButton);
    QTRY_VERIFY(window.findChild<frmProbability*>(QStringLiteral("frmProbability")) == nullptr);
    std::string why;
    const auto expected = ProbabilityRecord::FromVoteRates(doc.Round().Vote(), why);
    QVERIFY2(expected.has_value(), why.c_str());
    QVERIFY(doc.Round().Probability().has_value());
    QVERIFY(*doc.Round().Probability() == *expected);

    // The dialog opens on the probabilities held; クリア removes them.
    dialog = OpenProbability(window);
    QVERIFY(dialog != nullptr);
    QCOMPARE(dialog->Grid()->Box(1, 0)->text(), QString::number(expected->Value[1][0]));
    QTest::mouseClick(Child(dialog, "cmdClear"), Qt::LeftButton);
    QTRY_VERIFY(window.findChild<frmProbability*>(QStringLiteral("frmProbability")) == nullptr);
    QVERIFY(!doc.Round().Probability());
    QVERIFY(!window.findChild<clsGameView*>(QStringLiteral("picGame"))
                 ->ProbabilityTable()
                 ->isVisible());
    QVERIFY2(host.Messages.empty(), host.AllMessageText().c_str());
}

void tst_frmOdds::probabilityModesLeaveEveryValueOfTheDocument()
{
    MainWindowFixture w;
    w.Open();
    frmMain& window = *w.window;
    RecordingHost& host = w.host;
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    clsDocument& doc = MainWindowFixture::DocOf(window);
    const ProbabilityRecord p = Uneven();
    QVERIFY(doc.Round().SetProbability(p));

    auto* dialog = OpenProbability(window);
    QVERIFY(dialog != nullptr);
    clsOddsGrid* grid = dialog->Grid();
    for (const char* mode : {"optMode100", "optModeOdds", "optMode10000", "optModeOdds",
                             "optMode100", "optMode10000"}) {
        Mode(dialog, mode)->click();
        QVERIFY2(Child(dialog, "cmdOK")->isEnabled(), mode);
        QVERIFY2(!RowRed(grid, 0), mode);
    }
    Mode(dialog, "optMode100")->click();
    QCOMPARE(grid->Box(2, 0)->text(), QStringLiteral("33.34"));
    Mode(dialog, "optModeOdds")->click();
    QCOMPARE(grid->Box(0, 2)->text(), QString()); // probability 0: no odds
    Mode(dialog, "optMode10000")->click();
    for (int m = 0; m < 13; ++m) {
        for (int k = 0; k < 3; ++k) {
            QCOMPARE(
                grid->Box(k, m)->text(),
                QString::number(p.Value[static_cast<std::size_t>(k)][static_cast<std::size_t>(m)]));
        }
    }
    QTest::mouseClick(Child(dialog, "cmdOK"), Qt::LeftButton);
    QTRY_VERIFY(window.findChild<frmProbability*>(QStringLiteral("frmProbability")) == nullptr);
    QVERIFY(doc.Round().Probability() == p);
    QVERIFY2(host.Messages.empty(), host.AllMessageText().c_str());
}

void tst_frmOdds::okStaysDisabledWhileTheDocumentWouldRefuse()
{
    MainWindowFixture w;
    w.Open();
    frmMain& window = *w.window;
    RecordingHost& host = w.host;
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    clsDocument& doc = MainWindowFixture::DocOf(window);

    auto* dialog = OpenProbability(window);
    QVERIFY(dialog != nullptr);
    QTest::mouseClick(Child(dialog, "cmdFromVote"), Qt::LeftButton);
    QPushButton* ok = Child(dialog, "cmdOK");
    QVERIFY(ok->isEnabled());
    clsOddsGrid* grid = dialog->Grid();
    // Match 11 typed as 34 / 33 / 34 %, then shown as odds: still 101 %.
    Mode(dialog, "optMode100")->click();
    Type(grid->Box(1, 10), "34");
    Type(grid->Box(0, 10), "33");
    Type(grid->Box(2, 10), "34");
    Mode(dialog, "optModeOdds")->click();
    QVERIFY(RowRed(grid, 10));
    QVERIFY(!ok->isEnabled());
    ProbabilityRecord refused;
    refused.Value[1][10] = 3400;
    refused.Value[0][10] = 3300;
    refused.Value[2][10] = 3400;
    const QString why = QString::fromStdString(ProbabilityRecord::CheckMatch(refused.Value, 10));
    QVERIFY(why.startsWith(QStringLiteral("11試合目の確率の合計が 10100 です")));
    QCOMPARE(grid->Box(0, 10)->toolTip(), why);
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(dialog->isVisible());
    QVERIFY(!doc.Round().Probability());
    // Odds typed into the match take the margin out: the document will take it now.
    Type(grid->Box(1, 10), "2.5");
    QVERIFY(!RowRed(grid, 10));
    QVERIFY(ok->isEnabled());
    QTest::mouseClick(ok, Qt::LeftButton);
    QTRY_VERIFY(window.findChild<frmProbability*>(QStringLiteral("frmProbability")) == nullptr);
    QVERIFY(doc.Round().Probability().has_value());
    QCOMPARE(doc.Round().Probability()->Check(), std::string());
    QVERIFY2(host.Messages.empty(), host.AllMessageText().c_str());
}

void tst_frmOdds::refusedRatesKeepTheDialogOpenWithEveryValue()
{
    MainWindowFixture w;
    w.Open();
    frmMain& window = *w.window;
    RecordingHost& host = w.host;
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    clsDocument& doc = MainWindowFixture::DocOf(window);

    QTest::mouseClick(Child(&window, "cmdUser"), Qt::LeftButton);
    auto* dialog = window.findChild<frmOdds*>(QStringLiteral("frmOdds"));
    QVERIFY(dialog != nullptr);
    TypeAllRows(dialog->Grid(), "4512", "3021", "2467");
    Mode(dialog, "optMode100")->click();
    // The round goes while the dialog is open: the document refuses rates without one.
    QVERIFY(doc.Round().SetKaisaikai(0));
    QTest::mouseClick(Child(dialog, "cmdOK"), Qt::LeftButton);
    QCOMPARE(int(host.Messages.size()), 1);
    QCOMPARE(QString::fromStdString(host.Messages[0].Text),
             QStringLiteral("開催回を設定して下さい"));
    QVERIFY(window.findChild<frmOdds*>(QStringLiteral("frmOdds")) == dialog);
    QVERIFY(dialog->isVisible());
    QVERIFY(!dialog->Confirmed());
    QCOMPARE(dialog->Grid()->Box(1, 12)->text(), QStringLiteral("45.12"));
    QCOMPARE(dialog->Values()[0][12], 3021);
    QVERIFY(doc.Round().Vote().Match[12].Votes[1].ToInt64() != 4512);

    // With the round back the same values are taken.
    QVERIFY(doc.Round().SetKaisaikai(9001));
    QTest::mouseClick(Child(dialog, "cmdOK"), Qt::LeftButton);
    QTRY_VERIFY(window.findChild<frmOdds*>(QStringLiteral("frmOdds")) == nullptr);
    QCOMPARE(doc.Round().Vote().Match[12].Votes[0].ToInt64(), std::int64_t{3021});
    QCOMPARE(doc.Round().Vote().Match[12].Rate[1].FormatNumber(2, false), std::string("45.12"));
}

void tst_frmOdds::refusedProbabilitiesKeepTheDialogOpen()
{
    RecordingHost host;
    int calls = 0;
    bool take = false;
    std::optional<ProbabilityRecord> taken;
    frmProbability dialog(
        host.Host().Message, Uneven(), Teams(), VoteRecord{},
        [&](const std::optional<ProbabilityRecord>& prob) {
            ++calls;
            taken = prob;
            return take;
        },
        nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    Mode(&dialog, "optModeOdds")->click();
    Type(dialog.Grid()->Box(2, 1), "4");
    const QString typed = dialog.Grid()->Box(2, 1)->text();
    QTest::mouseClick(Child(&dialog, "cmdOK"), Qt::LeftButton);
    QCOMPARE(calls, 1);
    QVERIFY(dialog.isVisible());
    QVERIFY(!dialog.Confirmed());
    QCOMPARE(dialog.Grid()->Box(2, 1)->text(), typed);
    // クリア refused: still open.
    QTest::mouseClick(Child(&dialog, "cmdClear"), Qt::LeftButton);
    QCOMPARE(calls, 2);
    QVERIFY(!taken);
    QVERIFY(dialog.isVisible());
    take = true;
    QTest::mouseClick(Child(&dialog, "cmdOK"), Qt::LeftButton);
    QCOMPARE(calls, 3);
    QVERIFY(!dialog.isVisible());
    QVERIFY(dialog.Confirmed());
    QVERIFY(taken.has_value());
    QVERIFY(*taken == dialog.Result());
    QCOMPARE(taken->Value[0][0], 3333);
}

void tst_frmOdds::longTeamNamesAreShownWhole()
{
    clsTOdds::TeamNames teams = Teams();
    teams[7] = {"北海道コンサドーレ札幌", "ウェスト・ブロムウィッチ・アルビオン"};
    frmOdds dialog(EvenRows(), teams, {}, nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    clsGridView* table = dialog.Grid()->Table();
    const QFontMetrics metrics(table->font());
    for (const int side : {0, 1}) {
        const QString name = QString::fromStdString(teams[7][static_cast<std::size_t>(side)]);
        const int column = side == 0 ? 1 : 5;
        QVERIFY2(table->columnWidth(column) >= metrics.horizontalAdvance(name) + 2,
                 qPrintable(name));
        // The whole grid stays inside the dialog.
        QVERIFY(table->mapTo(&dialog, QPoint(table->width(), 0)).x() <= dialog.width());
    }
    QVERIFY(table->columnWidth(2) < table->columnWidth(1));
}

namespace {
// Each box is a child of the grid for a screen reader (found from the grid, its parent the
// grid) and lies over its cell of the table.
void CheckBoxesReachable(clsOddsGrid* grid)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(grid);
    QVERIFY(face != nullptr);
    QList<QObject*> children;
    for (int i = 0; i < face->childCount(); ++i) {
        children << face->child(i)->object();
    }
    clsGridView* table = grid->Table();
    for (int b = 0; b < 39; ++b) {
        QLineEdit* box = grid->Box(b);
        QVERIFY2(children.contains(box), qPrintable(box->objectName()));
        QCOMPARE(QAccessible::queryAccessibleInterface(box)->parent()->object(), grid);
        const QModelIndex cell = table->Model()->index(b / 3 + 1, 2 + b % 3);
        const QRect cellRect =
            table->visualRect(cell).translated(table->viewport()->mapTo(grid, QPoint(0, 0)));
        QCOMPARE(box->geometry(), cellRect);
        QVERIFY(box->isVisible());
    }
}
} // namespace

void tst_frmOdds::aScreenReaderReachesEveryBoxThroughItsGrid()
{
    frmOdds rates(EvenRows(), Teams(), {}, nullptr);
    rates.show();
    QVERIFY(QTest::qWaitForWindowExposed(&rates));
    CheckBoxesReachable(rates.Grid());

    RecordingHost host;
    frmProbability probabilities(
        host.Host().Message, Uneven(), Teams(), VoteRecord{},
        [](const std::optional<ProbabilityRecord>&) { return true; }, nullptr);
    probabilities.show();
    QVERIFY(QTest::qWaitForWindowExposed(&probabilities));
    CheckBoxesReachable(probabilities.Grid());
    // A click on a box's cell reaches the box.
    QLineEdit* box = probabilities.Grid()->Box(1, 6);
    QTest::mouseClick(box, Qt::LeftButton);
    QVERIFY(box->hasFocus());
}

KELVRA_QTEST(tst_frmOdds)
#include "tst_frmOdds.moc"
