// The batch-run window on the real main window: three copies of the sample work, the middle
// one damaged; a stop during the first file's search; the same file added twice; closing and
// the main window's commands refused while the batch runs.

#include "app/qt/frmMain.h"
#include "app/qt/frmRenzoku.h"
#include "support/MainWindowFixture.h"
#include "support/QtTestRegistry.h"
#include "support/RecordingHost.h"

#include <QAction>
#include <QPointer>
#include <QTableView>
#include <QTest>

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace {
namespace fs = std::filesystem;

constexpr const char* kBatchWarning = "現在処理を実行中です。連続実行処理を終了させて下さい。";

struct BatchWindow : MainWindowFixture
{
    QPointer<frmRenzoku> batch;
    std::vector<std::string> files;

    BatchWindow()
    {
        const std::string sample = dir.Read("UserData/Kelvra/sample.drd");
        for (const char* name : {"a.drd", "b.drd", "c.drd"}) {
            dir.Write(std::string("UserData/Kelvra/") + name, sample);
            files.push_back((dir.Path() / "UserData/Kelvra" / name).string());
        }
        Open();
        batch = OpenBatch();
        if (batch == nullptr) {
            qFatal("no batch window");
        }
        batch->SetFileDialog(&dialog);
    }
    std::string Read(int lngFile) const
    {
        return dir.Read(
            fs::relative(files[static_cast<std::size_t>(lngFile)], dir.Path()).string());
    }
    QAction* Action(const QWidget* owner, const char* strName) const
    {
        auto* action = owner->findChild<QAction*>(QString::fromLatin1(strName));
        if (action == nullptr) {
            qFatal("no action %s", strName);
        }
        return action;
    }
    void AddAll()
    {
        dialog.PushMany(files);
        Action(batch, "mnuFile_Add")->trigger();
    }
    QStringList Statuses() const
    {
        QStringList s;
        const QAbstractItemModel* model = batch->List()->model();
        for (int r = 0; r < model->rowCount(); ++r) {
            s << model->data(model->index(r, 1), Qt::DisplayRole).toString();
        }
        return s;
    }
    bool HasMessage(const std::string& strText) const
    {
        return std::any_of(host.Messages.begin(), host.Messages.end(),
                           [&](const RecordingHost::Message& m) { return m.Text == strText; });
    }
};
} // namespace

class tst_frmRenzoku : public QObject
{
    Q_OBJECT

private slots:
    void theWindowOpensIdleWithItsListAndMenus();
    void aDamagedFileFailsAndIsLeftAsItWas();
    void aStopSavesTheFirstAndASecondStartRunsTheRest();
    void aStopInTheExtractionLeavesTheFileUnchanged();
    void theMainWindowIsLockedWhileTheBatchRuns();
    void unsavedWorkIsOfferedForSavingFirst();
};

void tst_frmRenzoku::theWindowOpensIdleWithItsListAndMenus()
{
    BatchWindow w;
    QVERIFY(QTest::qWaitForWindowExposed(w.batch.data()));
    QCOMPARE(w.batch->windowTitle(), QStringLiteral(" 連続実行"));
    QCOMPARE(w.batch->parentWidget(), w.window.get());
    QCOMPARE(w.batch->focusWidget(), static_cast<QWidget*>(w.batch->List()));
    QVERIFY(!w.Action(w.batch, "mnuRun_Cancel")->isEnabled());
    for (const char* on : {"mnuFile_Add", "mnuFile_Del", "mnuFile_End", "mnuRun_Begin"}) {
        QVERIFY2(w.Action(w.batch, on)->isEnabled(), on);
    }
    QCOMPARE(w.Action(w.batch, "mnuRun_Begin")->text(), QStringLiteral("実行開始(&S)"));
    const QAbstractItemModel* model = w.batch->List()->model();
    QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("ファイル名"));
    QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("状 態"));
    // The menu opens the one window again rather than a second one.
    QCOMPARE(w.OpenBatch(), w.batch.data());

    // The same file in another letter case is one row; a cancelled dialog adds nothing.
    std::string upper = w.files[0];
    for (std::size_t i = upper.size() - 5; i < upper.size(); ++i) {
        upper[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(upper[i])));
    }
    w.dialog.PushMany({w.files[0]});
    w.Action(w.batch, "mnuFile_Add")->trigger();
    w.dialog.PushMany({upper, w.files[1]});
    w.Action(w.batch, "mnuFile_Add")->trigger();
    w.Action(w.batch, "mnuFile_Add")->trigger();
    QCOMPARE(model->rowCount(), 2);
    QCOMPARE(model->data(model->index(1, 0)).toString(), QString::fromStdString(w.files[1]));
    QCOMPARE(model->data(model->index(0, 0), Qt::AccessibleTextRole).toString(),
             QString::fromStdString(w.files[0]));
    QCOMPARE(model->data(model->index(0, 1), Qt::TextAlignmentRole).value<Qt::Alignment>() &
                 Qt::AlignHorizontal_Mask,
             Qt::AlignHCenter);
    QCOMPARE(w.dialog.Asked().size(), std::size_t{3});
    QVERIFY(w.dialog.Asked()[0].Caption == "ファイルを開く");
    QVERIFY(w.dialog.Asked()[0].Filter == "データファイル(*.drd)");
    QVERIFY(w.dialog.Asked()[0].StartFolder == w.window->UserDataFolder());

    // A click selects the whole row; ファイルを削除 removes every selected row.
    QTableView* list = w.batch->List();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(model->index(0, 1)).center());
    QCOMPARE(list->selectionModel()->selectedRows().size(), 1);
    QVERIFY(list->selectionModel()->isRowSelected(0, {}));
    w.Action(w.batch, "mnuFile_Del")->trigger();
    QCOMPARE(model->rowCount(), 1);
    QCOMPARE(model->data(model->index(0, 0)).toString(), QString::fromStdString(w.files[1]));

    // Idle, it closes and is gone with its list.
    w.Action(w.batch, "mnuFile_End")->trigger();
    QTRY_VERIFY(w.batch.isNull());
}

void tst_frmRenzoku::aDamagedFileFailsAndIsLeftAsItWas()
{
    BatchWindow w;
    w.dir.Write("UserData/Kelvra/b.drd", "this is no data file\r\n");
    const std::string damaged = w.Read(1);
    const std::string before = w.Read(0);
    w.AddAll();
    std::vector<QStringList> seen;
    w.host.OnDoEvents = [&](std::int64_t) {
        if (seen.empty() || seen.back() != w.Statuses()) {
            seen.push_back(w.Statuses());
        }
    };
    w.Action(w.batch, "mnuRun_Begin")->trigger();
    w.host.OnDoEvents = nullptr;
    QCOMPARE(w.Statuses(),
             (QStringList{QStringLiteral("成功"), QStringLiteral("失敗"), QStringLiteral("成功")}));
    // Each row showed 実行中 while it was in hand.
    QVERIFY(!seen.empty());
    QCOMPARE(seen.front()[0], QStringLiteral("実行中"));
    QVERIFY(std::any_of(seen.begin(), seen.end(),
                        [](const QStringList& s) { return s[2] == QStringLiteral("実行中"); }));
    QCOMPARE(w.Read(1), damaged);
    // Unattended: the damaged file showed no box that would hold the batch up.
    QVERIFY2(w.host.Messages.empty(), w.host.AllMessageText().c_str());
    QVERIFY(w.Read(0) != before);
    QVERIFY(w.Read(2) != before);
    // Both good files hold their search's result.
    clsDocument& doc = w.Doc();
    for (int f : {0, 2}) {
        QVERIFY(doc.FileLoadDRD(w.files[static_cast<std::size_t>(f)], true, false));
        QVERIFY(doc.Tickets().SingleCount() > 0);
        QCOMPARE(doc.GatherRecord().MsSingleCount, doc.Tickets().SingleCount());
        QVERIFY(!doc.Search().Log().Lines().empty());
    }
    QVERIFY(!w.batch->Batch().Running());
    QVERIFY(w.Action(w.batch, "mnuRun_Begin")->isEnabled());
    QVERIFY(!w.window->Gate().Batch());
    // Every row done: a second start does nothing.
    const std::int64_t pumped = w.host.DoEventsCount;
    w.Action(w.batch, "mnuRun_Begin")->trigger();
    QCOMPARE(w.host.DoEventsCount, pumped);
}

void tst_frmRenzoku::aStopSavesTheFirstAndASecondStartRunsTheRest()
{
    BatchWindow w;
    const std::string before = w.Read(0);
    // The first file's search confirms a cover every few milliseconds and goes on without a
    // limit: the stop finds a result to save. (A search stopped with nothing kept fails.)
    std::string endless = before;
    endless.replace(endless.find("MsEngine = 1\r\n"), 14, "MsEngine = 2\r\n");
    endless.replace(endless.find("BeginCount = 100\r\n"), 18, "BeginCount = 9999\r\n");
    w.dir.Write("UserData/Kelvra/a.drd", endless);
    w.AddAll();
    bool stopped = false;
    w.host.OnDoEvents = [&](std::int64_t) {
        clsDocument& doc = w.Doc();
        const auto& lines = doc.Search().Log().Lines();
        const bool confirmed = std::any_of(lines.begin(), lines.end(), [](const std::string& l) {
            return l.ends_with("を検索中...確定");
        });
        if (!stopped && doc.Search().RunningEngine() != clsTMsEngine::EngineKind::None &&
            confirmed) {
            QVERIFY(w.Action(w.batch, "mnuRun_Cancel")->isEnabled());
            w.Action(w.batch, "mnuRun_Cancel")->trigger();
            stopped = true;
        }
    };
    w.Action(w.batch, "mnuRun_Begin")->trigger();
    w.host.OnDoEvents = nullptr;
    QVERIFY(stopped);
    QCOMPARE(w.Statuses(), (QStringList{QStringLiteral("成功"), QString(), QString()}));
    QVERIFY(w.Read(0) != endless);
    QCOMPARE(w.Read(1), before);
    QCOMPARE(w.Read(2), before);
    QVERIFY(!w.Action(w.batch, "mnuRun_Cancel")->isEnabled());
    QVERIFY(w.Action(w.batch, "mnuRun_Begin")->isEnabled());

    w.Action(w.batch, "mnuRun_Begin")->trigger();
    QCOMPARE(w.Statuses(),
             (QStringList{QStringLiteral("成功"), QStringLiteral("成功"), QStringLiteral("成功")}));
    QVERIFY(w.Read(1) != before);
    QVERIFY(w.Read(2) != before);
}

void tst_frmRenzoku::aStopInTheExtractionLeavesTheFileUnchanged()
{
    BatchWindow w;
    const std::string before = w.Read(0);
    w.AddAll();
    w.host.OnDoEvents = [&](std::int64_t) {
        if (w.Doc().Search().Extraction().Run() && w.batch->Batch().Running()) {
            w.batch->StopBatch();
        }
    };
    w.Action(w.batch, "mnuRun_Begin")->trigger();
    w.host.OnDoEvents = nullptr;
    // A stopped extraction holds no set: saving it would wipe the file's tickets.
    QCOMPARE(w.Statuses(), (QStringList{QString(), QString(), QString()}));
    QCOMPARE(w.Read(0), before);
}

void tst_frmRenzoku::theMainWindowIsLockedWhileTheBatchRuns()
{
    BatchWindow w;
    w.AddAll();
    w.window->SetFileDialog(&w.dialog);
    const std::string other = w.Read(2);
    bool checked = false;
    w.host.OnDoEvents = [&](std::int64_t) {
        clsDocument& doc = w.Doc();
        // Between the first file's load and its search: an Open now would land in that file.
        if (checked || doc.Search().Running() || w.Statuses()[0] != QStringLiteral("実行中")) {
            return;
        }
        checked = true;
        const std::size_t asked = w.dialog.Asked().size();
        w.dialog.Push(w.files[2]);
        w.window->UpdateMenus();
        QVERIFY(!w.Action(w.window.get(), "mnuFile_Open")->isEnabled());
        QVERIFY(!w.Action(w.window.get(), "mnuTool_Renzoku")->isEnabled());
        QVERIFY(!w.Files().Open());
        QCOMPARE(w.dialog.Asked().size(), asked);
        QVERIFY(!w.window->ShowPage(frmMain::PageSingle));
        QVERIFY(!w.window->findChild<QWidget*>(QStringLiteral("txtKaisaikai"))->isEnabled());
        QVERIFY(!w.window->findChild<QWidget*>(QStringLiteral("picMulti"))->isEnabled());
        QVERIFY(!w.window->findChild<QWidget*>(QStringLiteral("cmdRun"))->isEnabled());
        QVERIFY(!w.window->close());
        QVERIFY(w.HasMessage("現在検索処理を実行中です。検索処理を終了させて下さい。"));
        QVERIFY(!w.batch->close());
        QVERIFY(w.HasMessage(kBatchWarning));
        QVERIFY(!w.Action(w.batch, "mnuFile_Add")->isEnabled());
        QVERIFY(!w.Action(w.batch, "mnuFile_End")->isEnabled());
    };
    w.Action(w.batch, "mnuRun_Begin")->trigger();
    w.host.OnDoEvents = nullptr;
    QVERIFY(checked);
    QCOMPARE(w.Statuses(),
             (QStringList{QStringLiteral("成功"), QStringLiteral("成功"), QStringLiteral("成功")}));
    QCOMPARE(w.window->CurrentPage(), static_cast<int>(frmMain::PageMulti));
    // Idle again: the main window's commands and controls are back.
    w.window->UpdateMenus();
    QVERIFY(w.Action(w.window.get(), "mnuFile_Open")->isEnabled());
    QVERIFY(w.window->findChild<QWidget*>(QStringLiteral("txtKaisaikai"))->isEnabled());
    QVERIFY(w.window->findChild<QWidget*>(QStringLiteral("cmdRun"))->isEnabled());
    QVERIFY(w.batch->close());
    QVERIFY(w.window->close());
}

// The first file replaces the main window's work: unsaved changes are offered for saving, and
// キャンセル starts nothing.
void tst_frmRenzoku::unsavedWorkIsOfferedForSavingFirst()
{
    BatchWindow w;
    w.window->SetFileDialog(&w.dialog);
    w.AddAll();
    MarkArray marks{};
    marks[1][0] = 1;
    QVERIFY(w.Doc().Marks().SetMarks(marks));
    QVERIFY(w.Doc().Modified());
    const std::string before = w.Read(0);
    w.host.QueueAnswer3(AskAnswer::Cancel);
    w.Action(w.batch, "mnuRun_Begin")->trigger();
    QCOMPARE(w.host.Answers3.size(), std::size_t{1});
    QCOMPARE(w.Statuses(), (QStringList{QString(), QString(), QString()}));
    QVERIFY(w.Doc().Marks().Multi().Value() == marks);
    QCOMPARE(w.Read(0), before);
    QVERIFY(!w.window->Gate().Batch());
}

KELVRA_QTEST(tst_frmRenzoku)
#include "tst_frmRenzoku.moc"
