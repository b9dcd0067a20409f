// The main window's keys: the standard ones run the menu commands through the gate, F5 and
// Esc start and stop a search, Ctrl+C copies grid cells.

#include "app/basLinks.h"
#include "app/clsCommandGate.h"
#include "app/clsDocument.h"
#include "app/qt/frmMain.h"
#include "support/MainWindowFixture.h"
#include "support/QtTestRegistry.h"
#include "widgets/clsGridModel.h"
#include "widgets/clsGridView.h"

#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QTest>

namespace {
MarkArray SomeMarks(int lngSeed)
{
    MarkArray marks{};
    for (int m = 0; m < 13; ++m) {
        marks[static_cast<std::size_t>((m + lngSeed) % 3)][static_cast<std::size_t>(m)] =
            1 + (m + lngSeed) % 6;
    }
    return marks;
}

struct KeyWindow : MainWindowFixture
{
    void Activate() const
    {
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    // A key as the user presses it on the window, with the menus in their state of now.
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const
    {
        window->UpdateMenus();
        QTest::keyClick(window.get(), static_cast<Qt::Key>(key), modifiers);
    }
    std::string Path(const char* strName) const { return (dir.Path() / strName).string(); }
};
} // namespace

class tst_frmMainKeys : public QObject
{
    Q_OBJECT

private slots:
    void standardKeysRunTheMenuCommandsThroughTheGate();
    void f5AndEscStartAndStopASearch();
    void ctrlCCopiesTheSelectedGridCells();
};

void tst_frmMainKeys::standardKeysRunTheMenuCommandsThroughTheGate()
{
    KeyWindow w;
    w.Open();
    w.Activate();
    clsDocument& doc = w.Doc();

    // The keys are on the menu items, where the menu shows them.
    QCOMPARE(w.Action("mnuFile_New")->shortcut(), QKeySequence(QKeySequence::New));
    QCOMPARE(w.Action("mnuFile_SaveAs")->shortcut().toString(), QStringLiteral("Ctrl+Shift+S"));
    QCOMPARE(w.Action("mnuFile_Print")->shortcut(), QKeySequence(QKeySequence::Print));
    QCOMPARE(w.Action("mnuFile_End")->shortcut().toString(), QStringLiteral("Ctrl+Q"));
    QCOMPARE(w.Action("mnuHelp_Help")->shortcut(), QKeySequence(Qt::Key_F1));

    // Ctrl+S on a work without a file asks where, as the menu's 上書き保存 does.
    QVERIFY(doc.Marks().SetMarks(SomeMarks(1)));
    w.dialog.Push(w.Path("UserData/keyed"));
    w.Key(Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(w.dialog.Asked().size(), std::size_t{1});
    QVERIFY(w.dialog.Asked()[0].Save);
    QCOMPARE(doc.CurrentFile(), w.Path("UserData/keyed.drd"));
    QVERIFY(!doc.Modified());

    // Ctrl+Shift+S proposes the work's name in its folder.
    w.dialog.Push("");
    w.Key(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(w.dialog.Asked().size(), std::size_t{2});
    QCOMPARE(w.dialog.Asked()[1].ProposedName, std::string("keyed.drd"));
    QCOMPARE(w.dialog.Asked()[1].StartFolder, w.Path("UserData"));

    // Ctrl+N on changed work asks first; キャンセル keeps it, 保存しない drops it.
    QVERIFY(doc.Marks().SetMarks(SomeMarks(2)));
    w.host.QueueAnswer3(AskAnswer::Cancel);
    w.Key(Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(w.host.Questions.size(), std::size_t{1});
    QVERIFY(doc.Marks().Multi().Value() == SomeMarks(2));
    w.host.QueueAnswer3(AskAnswer::No);
    w.Key(Qt::Key_N, Qt::ControlModifier);
    QVERIFY(doc.Marks().Multi().Value() == MarkArray{});
    QVERIFY(doc.CurrentFile().empty());

    // Ctrl+O opens the dialog; F1 the manual.
    w.dialog.Push("");
    w.Key(Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(w.dialog.Asked().size(), std::size_t{3});
    QVERIFY(!w.dialog.Asked()[2].Save);
    w.Key(Qt::Key_F1);
    QCOMPARE(w.host.Opened.size(), std::size_t{1});
    QVERIFY(w.host.Opened[0].find(basLinks::ManualUrl()) != std::string::npos);

    // While a batch holds the work the keys do what the menu does: nothing.
    QVERIFY(doc.Marks().SetMarks(SomeMarks(3)));
    MainWindowFixture::GateOf(*w.window).SetBatch(true);
    w.Key(Qt::Key_O, Qt::ControlModifier);
    w.Key(Qt::Key_N, Qt::ControlModifier);
    w.Key(Qt::Key_S, Qt::ControlModifier);
    w.Key(Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(w.dialog.Asked().size(), std::size_t{3});
    QCOMPARE(w.host.Questions.size(), std::size_t{2});
    QVERIFY(doc.Marks().Multi().Value() == SomeMarks(3));
    QVERIFY(w.window->isVisible());
    MainWindowFixture::GateOf(*w.window).SetBatch(false);

    // Ctrl+Q closes as 終了 does, after the question.
    w.host.QueueAnswer3(AskAnswer::No);
    w.Key(Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!w.window->isVisible());
}

void tst_frmMainKeys::f5AndEscStartAndStopASearch()
{
    KeyWindow w;
    w.Open();
    w.Activate();
    QVERIFY(w.Doc().Marks().SetMarks(SomeMarks(1)));
    auto* run = w.Find<QPushButton>("cmdRun");
    auto* cancel = w.Find<QPushButton>("cmdCancel");

    // Away from the multi page the run buttons are not there, and neither are their keys.
    QVERIFY(w.window->ShowPage(frmMain::PageHome));
    w.Key(Qt::Key_F5);
    QVERIFY(w.Doc().Search().Log().Lines().empty());

    QVERIFY(w.window->ShowPage(frmMain::PageMulti));
    QVERIFY(run->toolTip().endsWith(QStringLiteral(" (F5)")));
    QVERIFY(cancel->toolTip().endsWith(QStringLiteral(" (Esc)")));
    w.Key(Qt::Key_F5);
    QVERIFY(!w.Doc().Search().Log().Lines().empty());
    QVERIFY(w.Doc().Tickets().SingleCount() > 0);

    // A long search (the trial engine, a minute) stopped by Esc as soon as it runs.
    w.Click("optEngine2");
    w.host.TickPerDoEvents = 10;
    bool stopped = false;
    w.host.OnDoEvents = [&](std::int64_t lngCount) {
        if (!stopped && w.Doc().Search().RunningEngine() != clsTMsEngine::EngineKind::None) {
            QCOMPARE(run->toolTip(), QStringLiteral("検索を一時的に止めます (F5)"));
            stopped = true;
            QTest::keyClick(w.window.get(), Qt::Key_Escape);
        } else if (lngCount > 2'000'000) {
            w.Doc().Search().Cancel();
        }
    };
    w.Key(Qt::Key_F5);
    w.host.OnDoEvents = nullptr;
    QVERIFY(stopped);
    QVERIFY(!w.Doc().Search().Running());
    QVERIFY(w.host.DoEventsCount < 2'000'000);
}

void tst_frmMainKeys::ctrlCCopiesTheSelectedGridCells()
{
    KeyWindow w;
    w.Open();
    w.Activate();
    QVERIFY(w.window->ShowPage(frmMain::PageMulti));
    QVERIFY(w.Doc().Marks().SetMarks(SomeMarks(1)));
    QVERIFY(w.Doc().Search().Run());
    auto* meisai = w.Find<clsGridView>("grdMeisai");
    const auto text = [&](int row, int col) {
        return meisai->Model()->data(meisai->Model()->index(row, col)).toString();
    };
    QCOMPARE(text(1, 0), QStringLiteral("シングル"));

    meisai->setFocus();
    QGuiApplication::clipboard()->clear();
    // A range: its rows on lines, its cells between tabs.
    meisai->selectionModel()->select(
        QItemSelection(meisai->Model()->index(1, 0), meisai->Model()->index(2, 1)),
        QItemSelectionModel::ClearAndSelect);
    QTest::keyClick(meisai, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             text(1, 0) + QLatin1Char('\t') + text(1, 1) + QLatin1Char('\n') + text(2, 0) +
                 QLatin1Char('\t') + text(2, 1) + QLatin1Char('\n'));

    // A grid whose clicks act selects nothing: the current cell alone.
    auto* multi = w.Find<clsGridView>("picMulti");
    multi->setFocus();
    multi->setCurrentIndex(multi->Model()->index(0, 1));
    QTest::keyClick(multi, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             multi->Model()->data(multi->Model()->index(0, 1)).toString() + QLatin1Char('\n'));
}

KELVRA_QTEST(tst_frmMainKeys)
#include "tst_frmMainKeys.moc"
