// The progress window of a download: its caption, its log list as the fetch writes it, and
// painting while the fetch keeps the event loop from running.

#include "support/QtTestRegistry.h"
#include "widgets/clsProgressWindow.h"

#include <QListWidget>
#include <QTest>

namespace {
// Counts the paint events a widget receives.
class PaintCounter : public QObject
{
public:
    int m_count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            ++m_count;
        }
        return false;
    }
};
} // namespace

class tst_ProgressWindow : public QObject
{
    Q_OBJECT

private slots:
    void captionAndListAreNamed();
    void linesAreAddedAndExtendedAsTheyHappen();
    void aGrowingLogUpdatesOnlyWhatChanged();
    void eachChangeIsPaintedWithoutTheEventLoop();
};

void tst_ProgressWindow::captionAndListAreNamed()
{
    clsProgressWindow window;
    QCOMPARE(window.windowTitle(), QStringLiteral(" インターネット接続"));
    QListWidget* list = window.findChild<QListWidget*>(QStringLiteral("lstMsg"));
    QVERIFY(list != nullptr);
    QVERIFY(!list->accessibleName().isEmpty());
    QCOMPARE(window.objectName(), QStringLiteral("frmWinInet"));
}

void tst_ProgressWindow::linesAreAddedAndExtendedAsTheyHappen()
{
    clsProgressWindow window;
    window.ShowProgress();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.AddLine(QStringLiteral(" 日程をダウンロードします"));
    window.AddLine(QStringLiteral(" [コネクション開始]"));
    window.AddLine(QStringLiteral(" 受信中 "));
    window.AppendText(QStringLiteral("."));
    window.AppendText(QStringLiteral("."));
    QCOMPARE(window.Lines(),
             (QStringList{QStringLiteral(" 日程をダウンロードします"),
                          QStringLiteral(" [コネクション開始]"), QStringLiteral(" 受信中 ..")}));
    QListWidget* list = window.findChild<QListWidget*>(QStringLiteral("lstMsg"));
    QCOMPARE(list->currentRow(), 2);
    window.Clear();
    window.AppendText(QStringLiteral("x")); // nothing to extend: a line of its own
    QCOMPARE(window.Lines(), QStringList{QStringLiteral("x")});
}

void tst_ProgressWindow::aGrowingLogUpdatesOnlyWhatChanged()
{
    clsProgressWindow window;
    QListWidget* list = window.findChild<QListWidget*>(QStringLiteral("lstMsg"));
    std::vector<std::string> log{" [コネクション開始]", " http://127.0.0.1/a", " 受信中 "};
    window.ShowLog(log);
    QListWidgetItem* first = list->item(0);
    log.back() += "...";
    log.push_back(" [コネクション終了]");
    window.ShowLog(log);
    QCOMPARE(list->item(0), first); // kept, not rebuilt
    QCOMPARE(
        window.Lines(),
        (QStringList{QStringLiteral(" [コネクション開始]"), QStringLiteral(" http://127.0.0.1/a"),
                     QStringLiteral(" 受信中 ..."), QStringLiteral(" [コネクション終了]")}));
    QCOMPARE(list->currentRow(), 3);
    // A shorter log is the next fetch's: the list starts again.
    window.ShowLog({" [コネクション開始]"});
    QCOMPARE(window.Lines(), QStringList{QStringLiteral(" [コネクション開始]")});
    window.ShowLog({});
    QVERIFY(window.Lines().isEmpty());
}

void tst_ProgressWindow::eachChangeIsPaintedWithoutTheEventLoop()
{
    clsProgressWindow window;
    window.ShowProgress();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();
    QListWidget* list = window.findChild<QListWidget*>(QStringLiteral("lstMsg"));
    PaintCounter counter;
    list->viewport()->installEventFilter(&counter);
    // No return to the event loop between the changes, as in a fetch.
    window.AddLine(QStringLiteral(" 受信中 "));
    const int afterLine = counter.m_count;
    window.AppendText(QStringLiteral("."));
    QVERIFY(afterLine >= 1);
    QVERIFY(counter.m_count > afterLine);
    list->viewport()->removeEventFilter(&counter);
}

KELVRA_QTEST(tst_ProgressWindow)
#include "tst_ProgressWindow.moc"
