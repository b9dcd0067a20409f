// The user vote-rate and own-probability dialogs: the rows that must add up, the two units,
// the keys a box takes, and both dialogs opened from the main window's home page, their
// results reaching the document, the status bar, the round view and the data file.

#include "app/clsDocument.h"
#include "app/qt/clsGameView.h"
#include "app/qt/clsOddsGrid.h"
#include "app/qt/frmMain.h"
#include "app/qt/frmOdds.h"
#include "app/qt/frmProbability.h"
#include "support/MainWindowFixture.h"
#include "support/QtTestRegistry.h"
#include "support/RecordingHost.h"
#include "support/ScriptedFileDialog.h"
#include "support/TempDir.h"
#include "support/TestPaths.h"
#include "widgets/clsGridModel.h"
#include "widgets/clsGridView.h"
#include "widgets/clsStatusBar.h"

#include <QApplication>
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

// Every row of a dialog's grid typed as three texts (home win, draw, away win).
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
    void modeHundredRoundsAndComesBackInHundredths();
    void modeHundredConfirmsInHundredths();
    void voteButtonMakesTheUserDefinedVoteStatus();
    void bothButtonsNeedARound();
    void probabilitiesFromOddsReachTheViewAndTheFile();
    void probabilitiesStartFromTheVoteRatesAndCanBeCleared();
};

void tst_frmOdds::rowThatDoesNotAddUpKeepsOkDisabled()
{
    clsTOdds::Values v = EvenRows();
    v[1][4] = 5000;
    v[0][4] = 3000;
    v[2][4] = 1999;
    frmOdds dialog(v, Teams(), nullptr);
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
    frmOdds dialog(EvenRows(), Teams(), nullptr);
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

void tst_frmOdds::modeHundredRoundsAndComesBackInHundredths()
{
    clsTOdds::Values v = EvenRows();
    v[1][0] = 3333;
    v[0][0] = 3333;
    v[2][0] = 3334;
    frmOdds dialog(v, Teams(), nullptr);
    clsOddsGrid* grid = dialog.Grid();
    auto* mode100 = dialog.findChild<QRadioButton*>(QStringLiteral("optMode100"));
    auto* mode10000 = dialog.findChild<QRadioButton*>(QStringLiteral("optMode10000"));
    QCOMPARE(mode100->text(), QStringLiteral("100"));
    QCOMPARE(mode10000->text(), QStringLiteral("10,000"));
    QVERIFY(mode10000->isChecked());
    QVERIFY(Child(&dialog, "cmdOK")->isEnabled());
    mode100->click();
    for (int k = 0; k < 3; ++k) {
        QCOMPARE(grid->Box(k, 0)->text(), QStringLiteral("33"));
    }
    QVERIFY(RowRed(grid, 0)); // 99
    QVERIFY(!RowRed(grid, 1));
    QVERIFY(!Child(&dialog, "cmdOK")->isEnabled());
    mode10000->click();
    for (int k = 0; k < 3; ++k) {
        QCOMPARE(grid->Box(k, 0)->text(), QStringLiteral("3300"));
    }
    QVERIFY(RowRed(grid, 0));
}

void tst_frmOdds::modeHundredConfirmsInHundredths()
{
    frmOdds dialog(EvenRows(), Teams(), nullptr);
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
    RecordingHost host;
    TempDir dir;
    CopySampleData(dir, 9001);
    frmMain window(host.Host(), dir.Str());
    window.show();
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

    QTest::mouseClick(Child(&window, "cmdProbability"), Qt::LeftButton);
    auto* dialog = window.findChild<frmProbability*>(QStringLiteral("frmProbability"));
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
    RecordingHost host;
    TempDir dir;
    CopySampleData(dir, 9001);
    frmMain window(host.Host(), dir.Str());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    clsDocument& doc = MainWindowFixture::DocOf(window);

    QTest::mouseClick(Child(&window, "cmdProbability"), Qt::LeftButton);
    auto* dialog = window.findChild<frmProbability*>(QStringLiteral("frmProbability"));
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
    QTest::mouseClick(Child(&window, "cmdProbability"), Qt::LeftButton);
    dialog = window.findChild<frmProbability*>(QStringLiteral("frmProbability"));
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

KELVRA_QTEST(tst_frmOdds)
#include "tst_frmOdds.moc"
