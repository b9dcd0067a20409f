// The ledger on the real main window: files marked 購入済み on the check page, one graded
// round, one without a result and one gone from the disk, listed by ツール → 収支.

#include "app/clsSessionFile.h"
#include "app/qt/clsLedgerModel.h"
#include "app/qt/frmLedger.h"
#include "app/qt/frmMain.h"
#include "files/clsTFileDRD.h"
#include "lottery/clsTNumber.h"
#include "store/clsXmlResult.h"
#include "support/ControlChecks.h"
#include "support/MainWindowFixture.h"
#include "support/QtTestRegistry.h"

#include <QCheckBox>
#include <QLabel>
#include <QScreen>
#include <QTableView>
#include <QTest>

#include <filesystem>

namespace {
namespace fs = std::filesystem;

struct LedgerWindow : MainWindowFixture
{
    ResultRecord result;

    LedgerWindow()
    {
        clsXmlResult xml(host, dir.Str());
        if (!xml.XmlLoad(xml.GetFileName(9001, ""))) {
            qFatal("no result of round 9001");
        }
        result = xml.GetRecord();
        Open();
        window->UseSession((dir.Path() / "session").string());
    }

    // Round 9001's result as a ticket, then lngLosers tickets five matches off it.
    std::string Save(const char* strName, std::int32_t lngKaisaikai, int lngLosers)
    {
        clsTNumber::LongKousei right{};
        for (std::size_t m = 0; m < 13; ++m) {
            right[m] = result.Match[m].Outcome;
        }
        DataFileRecord rec;
        rec.Kaisaikai = lngKaisaikai;
        rec.Singles.push_back(clsTNumber::LongToNo(right));
        for (int i = 0; i < lngLosers; ++i) {
            clsTNumber::LongKousei wrong = right;
            for (std::size_t m = 0; m < 5; ++m) {
                const std::size_t k = m + static_cast<std::size_t>(i);
                wrong[k] = (right[k] + 1) % 3;
            }
            rec.Singles.push_back(clsTNumber::LongToNo(wrong));
        }
        rec.SingleCount = static_cast<std::int32_t>(rec.Singles.size());
        const std::string path = (dir.Path() / "UserData/Kelvra" / strName).string();
        clsTFileDRD file(host.Host(), "1.00", "");
        if (!file.Save(path, true, rec, false)) {
            qFatal("cannot save %s", strName);
        }
        return path;
    }

    QString Label(const QWidget* owner, const char* strName) const
    {
        auto* label = owner->findChild<QLabel*>(QString::fromLatin1(strName));
        return label != nullptr ? label->text() : QStringLiteral("<none>");
    }
};

QString Yen(Currency c)
{
    return QString::fromStdString(c.FormatNumber(0, true)) + QStringLiteral("円");
}
} // namespace

class tst_frmLedger : public QObject
{
    Q_OBJECT

private slots:
    void theBoughtBoxMarksTheFileForTheUserNotTheWork();
    void theLedgerListsBoughtFilesWithTotalsAndChart();
};

void tst_frmLedger::theBoughtBoxMarksTheFileForTheUserNotTheWork()
{
    LedgerWindow w;
    const std::string a = w.Save("a.drd", 9001, 2);
    const std::string b = w.Save("b.drd", 9001, 3);
    auto* bought = w.Find<QCheckBox>("chkBought");
    QVERIFY(!bought->isEnabled());
    QVERIFY(!bought->toolTip().isEmpty());

    QVERIFY(w.window->OpenDataFile(a));
    QVERIFY(w.window->ShowPage(frmMain::PageCheck));
    QVERIFY(bought->isEnabled());
    QVERIFY(!bought->isChecked());
    QTest::mouseClick(bought, Qt::LeftButton, {}, QPoint(8, bought->height() / 2));
    QVERIFY(bought->isChecked());
    QVERIFY(w.window->Bought().Contains(a));
    // The player's mark: the work is as saved, and the session holds the mark already.
    QVERIFY(!w.Doc().Modified());
    clsSessionFile session;
    QVERIFY(session.Load(w.window->SessionFile()));
    QCOMPARE(session.Bought, std::vector<std::string>{clsBoughtFiles::Key(a)});

    QVERIFY(w.window->OpenDataFile(b));
    QVERIFY(!bought->isChecked());
    QVERIFY(w.window->OpenDataFile(a));
    QVERIFY(bought->isChecked());
    QTest::mouseClick(bought, Qt::LeftButton, {}, QPoint(8, bought->height() / 2));
    QVERIFY(!w.window->Bought().Contains(a));
    QVERIFY(session.Load(w.window->SessionFile()));
    QVERIFY(session.Bought.empty());
}

void tst_frmLedger::theLedgerListsBoughtFilesWithTotalsAndChart()
{
    LedgerWindow w;
    const std::string played = w.Save("played.drd", 9001, 4);
    const std::string open = w.Save("open.drd", 9003, 1);
    const std::string gone = w.Save("gone.drd", 9001, 1);
    auto* bought = w.Find<QCheckBox>("chkBought");
    QVERIFY(w.window->ShowPage(frmMain::PageCheck));
    for (const std::string& file : {gone, open, played}) {
        QVERIFY(w.window->OpenDataFile(file));
        QTest::mouseClick(bought, Qt::LeftButton, {}, QPoint(8, bought->height() / 2));
        QVERIFY(w.window->Bought().Contains(file));
    }
    fs::remove(gone);

    w.Action("mnuTool_Ledger")->trigger();
    auto* ledger = w.window->findChild<frmLedger*>();
    QVERIFY(ledger != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(ledger));

    // Rounds in order; the missing file stays listed, saying so, and counts nowhere.
    const clsLedgerModel& model = ledger->Model();
    QCOMPARE(model.rowCount(), 3);
    auto cell = [&](int row, int col) { return model.index(row, col).data().toString(); };
    QCOMPARE(cell(0, clsLedgerModel::ColRound), QStringLiteral("第9001回"));
    QCOMPARE(cell(0, clsLedgerModel::ColTickets), QStringLiteral("5"));
    const Currency prize = w.result.Prize[1];
    QCOMPARE(cell(0, clsLedgerModel::ColWon), Yen(prize));
    QCOMPARE(cell(1, clsLedgerModel::ColRound), QStringLiteral("第9003回"));
    QCOMPARE(cell(1, clsLedgerModel::ColWon), QStringLiteral("－"));
    QVERIFY(cell(2, clsLedgerModel::ColFile).endsWith(QStringLiteral("（読み込めません）")));
    QVERIFY(
        model.index(2, 0).data(Qt::ToolTipRole).toString().contains(QString::fromStdString(gone)));
    QVERIFY(!w.Label(ledger, "lblLedgerNote").isEmpty());

    QCOMPARE(w.Label(ledger, "lblLedgerTickets"), QStringLiteral("7"));
    QCOMPARE(w.Label(ledger, "lblLedgerCost"), QStringLiteral("700円"));
    QCOMPARE(w.Label(ledger, "lblLedgerWon"), Yen(prize));
    const Currency balance = prize - Currency::FromInt(500);
    QCOMPARE(w.Label(ledger, "lblLedgerBalance"), QStringLiteral("+") + Yen(balance));
    // Over the graded file only: 5 tickets, 500 yen.
    const std::int64_t permille = (prize.Raw() / 10000 * 1000 * 2 + 500) / (2 * 500);
    QCOMPARE(w.Label(ledger, "lblLedgerRate"),
             QString::fromStdString(Currency::FromInt(permille / 10).FormatNumber(0, true)) +
                 QStringLiteral(".%1%").arg(permille % 10));

    // One point per graded round.
    const QList<QPointF> points = ledger->ChartPoints();
    QCOMPARE(points.size(), 1);
    QCOMPARE(points[0].y(), balance.ToDouble());

    // Every control says what it is, and the window fits the screen.
    const QStringList missing =
        kelvra_test::UnexplainedControls(*ledger, {QStringLiteral("閉じる")});
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));
    for (const char* name : {"grdLedger", "chtLedgerBalance"}) {
        auto* control = ledger->findChild<QWidget*>(QString::fromLatin1(name));
        QVERIFY2(control != nullptr && !control->accessibleName().isEmpty(), name);
    }
    QVERIFY(ledger->screen()->availableGeometry().contains(ledger->frameGeometry()));
    if (const QByteArray shots = qgetenv("KELVRA_SHOT_DIR"); !shots.isEmpty()) {
        ledger->grab().save(QString::fromLocal8Bit(shots) + QStringLiteral("/ledger.png"));
        w.window->ShowPage(frmMain::PageCheck);
        w.window->grab().save(QString::fromLocal8Bit(shots) + QStringLiteral("/check.png"));
    }
}

KELVRA_QTEST(tst_frmLedger)
#include "tst_frmLedger.moc"
