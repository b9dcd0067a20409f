// What the window tells those who cannot see it, or not all of it: the side menu shows the
// page that is shown, labels of figures carry their figure, every box has its label, and the
// choice of engine is one choice among radio buttons.

#include "app/qt/clsMultiView.h"
#include "app/qt/frmMain.h"
#include "support/ControlChecks.h"
#include "support/MainWindowFixture.h"
#include "support/QtTestRegistry.h"
#include "widgets/clsGridModel.h"
#include "widgets/clsSideMenu.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QButtonGroup>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTabBar>
#include <QTest>

#include <functional>

namespace {
struct AccessWindow : MainWindowFixture
{
    AccessWindow() { Open(); }
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
    // The rows the side menu highlights.
    QList<int> Highlighted() const
    {
        auto* menu = Find<clsSideMenu>("sideMenu");
        QList<int> rows;
        for (const QListWidgetItem* item : menu->selectedItems()) {
            rows << menu->row(item);
        }
        return rows;
    }
    QString ShownPage() const
    {
        return Find<QStackedWidget>("pages")->currentWidget()->objectName();
    }
};

// Captions that say what they do to any toto player; everything else carries a tooltip.
const QStringList kSelfExplaining{
    QStringLiteral("OK"),         QStringLiteral("キャンセル"), QStringLiteral("閉じる"),
    QStringLiteral("前のページ"), QStringLiteral("次のページ"),
};

// Every tab of every tab bar under root in turn (the engines' tabs, the kinds of condition),
// so that what each tab holds is visible once; fnCheck runs for each.
void ForEachTab(QWidget* root, const std::function<void()>& fnCheck)
{
    fnCheck();
    for (QTabBar* tabs : root->findChildren<QTabBar*>()) {
        if (!tabs->isVisible()) {
            continue;
        }
        const int before = tabs->currentIndex();
        for (int i = 0; i < tabs->count(); ++i) {
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(i).center());
            fnCheck();
        }
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(before).center());
    }
}

// A label whose text holds a figure: the figure alone, read out, says nothing of what it counts.
bool HoldsFigure(const QLabel& label)
{
    static const QRegularExpression figure(QStringLiteral("^[-/ 0-9,.:%％円口]+$"));
    return label.isVisible() && figure.match(label.text()).hasMatch() &&
           label.text().contains(QRegularExpression(QStringLiteral("[0-9]")));
}

// The label's name says more than its text and holds each of its numbers.
bool NamesItsFigures(const QLabel& label)
{
    static const QRegularExpression number(QStringLiteral("[0-9][0-9,.]*"));
    const QString name = label.accessibleName();
    if (name.isEmpty() || name == label.text()) {
        return false;
    }
    for (const QRegularExpressionMatch& m : number.globalMatch(label.text())) {
        if (!name.contains(m.captured())) {
            return false;
        }
    }
    return true;
}

void ClickSideEntry(QListWidget* menu, int lngRow)
{
    const QRect rect = menu->visualItemRect(menu->item(lngRow));
    QTest::mouseClick(menu->viewport(), Qt::LeftButton, {}, rect.center());
}
} // namespace

class tst_frmMainAccess : public QObject
{
    Q_OBJECT

private slots:
    void theSideMenuHighlightsOnlyThePageShown();
    void everyControlSaysWhatItDoes();
    void everyBoxHasItsLabel();
    void theEnginesAreOneChoiceOfRadioButtons();
    void labelsOfFiguresCarryTheirFigure();
};

void tst_frmMainAccess::theSideMenuHighlightsOnlyThePageShown()
{
    AccessWindow w;
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    auto* menu = w.Find<clsSideMenu>("sideMenu");
    ClickSideEntry(menu, frmMain::PageMulti);
    QCOMPARE(w.ShownPage(), QStringLiteral("pageMulti"));
    QCOMPARE(w.Highlighted(), QList<int>{frmMain::PageMulti});
    w.MarkMulti(6);
    w.Click("optEngine2");
    w.host.TickPerDoEvents = 10;

    // A click on シングル, then a drag over ホーム, and the arrow key, while the run holds the
    // page.
    int state = 0;
    QList<int> during;
    QString pageDuring;
    w.host.OnDoEvents = [&](std::int64_t) {
        if (state == 0 && w.Doc().Search().Running()) {
            ClickSideEntry(menu, frmMain::PageSingle);
            const QPoint from = menu->visualItemRect(menu->item(frmMain::PageCheck)).center();
            const QPoint to = menu->visualItemRect(menu->item(frmMain::PageHome)).center();
            QTest::mousePress(menu->viewport(), Qt::LeftButton, {}, from);
            QMouseEvent move(QEvent::MouseMove, to, menu->viewport()->mapToGlobal(to), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(menu->viewport(), &move);
            QTest::mouseRelease(menu->viewport(), Qt::LeftButton, {}, to);
            QTest::keyClick(menu, Qt::Key_Down);
            during = w.Highlighted();
            pageDuring = w.ShownPage();
            state = 1;
            w.Doc().Search().Cancel();
        }
    };
    w.Click("cmdRun");
    w.host.OnDoEvents = nullptr;
    QCOMPARE(state, 1);
    QCOMPARE(pageDuring, QStringLiteral("pageMulti"));
    QCOMPARE(during, QList<int>{frmMain::PageMulti});
    QCOMPARE(w.ShownPage(), QStringLiteral("pageMulti"));
    QCOMPARE(w.Highlighted(), QList<int>{frmMain::PageMulti});
    QCOMPARE(menu->currentRow(), static_cast<int>(frmMain::PageMulti));

    // Free again, a click goes where it points.
    ClickSideEntry(menu, frmMain::PageSingle);
    QCOMPARE(w.ShownPage(), QStringLiteral("pageSingle"));
    QCOMPARE(w.Highlighted(), QList<int>{frmMain::PageSingle});
}

void tst_frmMainAccess::everyControlSaysWhatItDoes()
{
    AccessWindow w;
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    for (int page = 0; page < frmMain::PageCount; ++page) {
        QVERIFY(w.window->ShowPage(page));
        QWidget* shown = w.window->PageWidget(page);
        ForEachTab(shown, [&] {
            const QStringList missing = kelvra_test::UnexplainedControls(*shown, kSelfExplaining);
            QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));
        });
    }
    // The side menu's entries are the pages' names; the menu itself says what it is for. So do
    // the grids and tab strips a click changes.
    for (const char* name :
         {"sideMenu", "picMulti", "tabJouken", "picTabHonmei", "picMultiHonmei", "picGameHonmei",
          "picMarkHonmei", "picCount", "picSCount", "picResultMulti", "picResultCount"}) {
        QVERIFY2(!w.Find<QWidget>(name)->toolTip().isEmpty(), name);
    }
}

void tst_frmMainAccess::everyBoxHasItsLabel()
{
    AccessWindow w;
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    for (int page = 0; page < frmMain::PageCount; ++page) {
        QVERIFY(w.window->ShowPage(page));
        QWidget* shown = w.window->PageWidget(page);
        ForEachTab(shown, [&] {
            const QStringList missing = kelvra_test::UnlabelledBoxes(*shown);
            QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));
        });
    }
}

void tst_frmMainAccess::theEnginesAreOneChoiceOfRadioButtons()
{
    AccessWindow w;
    QVERIFY(w.window->ShowPage(frmMain::PageMulti));
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    for (const char* prefix : {"optEngine", "optChushutsu"}) {
        const QList<QRadioButton*> options = w.window->findChildren<QRadioButton*>(
            QRegularExpression(QStringLiteral("^%1[0-9]+$").arg(QString::fromLatin1(prefix))));
        QVERIFY(options.size() >= 5);
        QButtonGroup* group = options.front()->group();
        QVERIFY(group != nullptr);
        QVERIFY(group->exclusive());
        for (QRadioButton* option : options) {
            QCOMPARE(option->group(), group);
            // A radio button that is not exclusive is announced as a check box.
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(option);
            QCOMPARE(face->role(), QAccessible::RadioButton);
        }
    }
    w.Click("optEngine3");
    w.Click("optEngine1");
    QCOMPARE(w.Doc().Conditions().EngineSettings().MsEngine, 1);
    int checked = 0;
    for (int i = 0; i < 7; ++i) {
        checked +=
            w.Find<QRadioButton>(qPrintable(QStringLiteral("optEngine%1").arg(i)))->isChecked() ? 1
                                                                                                : 0;
    }
    QCOMPARE(checked, 1);
    QVERIFY(w.Find<QRadioButton>("optEngine1")->isChecked());
}

void tst_frmMainAccess::labelsOfFiguresCarryTheirFigure()
{
    AccessWindow w;
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    QVERIFY(w.window->ShowPage(frmMain::PageMulti));
    w.MarkMulti(3);
    w.Click("optEngine1");
    w.Click("cmdRun");
    QVERIFY(w.Doc().Tickets().SingleCount() > 0);
    for (int page = 0; page < frmMain::PageCount; ++page) {
        QVERIFY(w.window->ShowPage(page));
        for (const QLabel* label : w.window->PageWidget(page)->findChildren<QLabel*>()) {
            if (HoldsFigure(*label)) {
                QVERIFY2(NamesItsFigures(*label),
                         qPrintable(label->objectName() + QStringLiteral(": ") +
                                    label->accessibleName() + QStringLiteral(" / ") +
                                    label->text()));
            }
        }
    }
    const QString count = QString::number(w.Doc().Tickets().SingleCount());
    QCOMPARE(w.Find<QLabel>("lblSingleCount")->accessibleName(),
             QStringLiteral("シングル数 %1口").arg(count));
}

KELVRA_QTEST(tst_frmMainAccess)
#include "tst_frmMainAccess.moc"
