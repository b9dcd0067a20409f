// The work-file commands on the real window: save as and reopen, the title's unsaved mark,
// the question before New, Open and closing, a file of another kind, and the file named on
// the command line.

#include "app/basFileCommand.h"
#include "app/clsCommandGate.h"
#include "app/clsDocument.h"
#include "app/clsKelvraIni.h"
#include "app/qt/basQtMain.h"
#include "app/qt/frmMain.h"
#include "base/qt/basQtText.h"
#include "support/MainWindowFixture.h"
#include "support/QtTestRegistry.h"
#include "support/RecordingHost.h"
#include "support/ScriptedFileDialog.h"
#include "support/TempDir.h"

#include <QAction>
#include <QSpinBox>
#include <QTest>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <thread>

namespace {
QAction* MenuAction(const frmMain& window, const char* strName)
{
    QAction* action = window.findChild<QAction*>(QString::fromLatin1(strName));
    if (action != nullptr) {
        const_cast<frmMain&>(window).UpdateMenus();
    }
    return action;
}

bool Trigger(const frmMain& window, const char* strName)
{
    QAction* action = MenuAction(window, strName);
    if (action == nullptr || !action->isEnabled()) {
        return false;
    }
    action->trigger();
    return true;
}

MarkArray SomeMarks(int lngSeed)
{
    MarkArray marks{};
    for (int m = 0; m < 13; ++m) {
        marks[static_cast<std::size_t>((m + lngSeed) % 3)][static_cast<std::size_t>(m)] =
            1 + (m + lngSeed) % 6;
    }
    return marks;
}

QString Title(const frmMain& window)
{
    return window.windowTitle();
}

std::string ProposedFor(const clsDocument& doc)
{
    return basFileCommand::DataProposedName(doc.Round().Kaisaikai(), doc.Round().Kumi());
}
} // namespace

class tst_frmMainFiles : public QObject
{
    Q_OBJECT

private slots:
    void saveAsThenReopenRestoresTheWork();
    void newAsksAndOnlyGoesOnWhenAllowed();
    void closingAsksAndIsRefusedWhileBusy();
    void aFileOfAnotherKindLeavesTheWork();
    void aFileOnTheCommandLineOpensAtStart();
    void saveAsksBeforeOverwritingAnotherProgramsChange();
};

void tst_frmMainFiles::saveAsThenReopenRestoresTheWork()
{
    RecordingHost host;
    TempDir dir;
    frmMain window(host.Host(), dir.Str());
    ScriptedFileDialog dialog;
    window.SetFileDialog(&dialog);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    clsDocument& doc = MainWindowFixture::DocOf(window);
    auto* roundBox = window.findChild<QSpinBox*>(QStringLiteral("txtKaisaikai"));
    QVERIFY(roundBox != nullptr);
    roundBox->setValue(7);
    QCOMPARE(doc.Round().Kaisaikai(), 7);

    const MarkArray marks = SomeMarks(1);
    QVERIFY(doc.Marks().SetMarks(marks));
    QVERIFY(doc.Conditions().EditJouken([](clsJoukenPanels& p) {
        p.Haitou().SetFlag(0, true);
        p.Haitou().SetMinMoney(0, Currency::FromInt(25'000));
        p.SetMachigaiType(1);
    }));
    QVERIFY(doc.Conditions().EditEngineSettings([](clsEnginePanels& p) {
        p.SetMsEngine(3);
        p.SetExGrade2(true);
    }));
    const ConditionSetRecord jouken = doc.GatherRecord().Jouken;
    const EngineSettingsRecord engine = doc.Conditions().EngineSettings();
    QVERIFY(jouken != ConditionSetRecord{});
    QVERIFY(Title(window).endsWith(QStringLiteral(" *")));

    // 上書き保存 without a current file asks where, as 名前を付けて保存 does.
    const std::string chosen = (dir.Path() / "UserData" / "work").string();
    dialog.Push(chosen);
    QVERIFY(Trigger(window, "mnuFile_Save"));
    QCOMPARE(dialog.Asked().size(), std::size_t{1});
    const ScriptedFileDialog::Question& asked = dialog.Asked()[0];
    QVERIFY(asked.Save);
    QCOMPARE(basQtText::ToQ(asked.Caption), QStringLiteral("名前を付けて保存"));
    QCOMPARE(basQtText::ToQ(asked.Filter), QStringLiteral("データファイル(*.drd)"));
    QCOMPARE(basQtText::ToQ(asked.ProposedName), QStringLiteral("KV-007") +
                                                     basQtText::ToQ(doc.Round().Kumi()) +
                                                     QStringLiteral(".drd"));
    QCOMPARE(asked.StartFolder, window.UserDataFolder());
    QVERIFY2(host.Messages.empty(), host.AllMessageText().c_str());
    QVERIFY(std::filesystem::exists(chosen + ".drd"));
    QCOMPARE(doc.CurrentFile(), chosen + ".drd");
    QCOMPARE(Title(window), QStringLiteral(" Drovane  Kelvra - [work.drd]"));

    // A change marks the title; 上書き保存 then writes the same file without asking.
    const MarkArray marks2 = SomeMarks(2);
    QVERIFY(doc.Marks().SetMarks(marks2));
    QCOMPARE(Title(window), QStringLiteral(" Drovane  Kelvra - [work.drd] *"));
    QVERIFY(Trigger(window, "mnuFile_Save"));
    QCOMPARE(dialog.Asked().size(), std::size_t{1});
    QCOMPARE(Title(window), QStringLiteral(" Drovane  Kelvra - [work.drd]"));
    QVERIFY(!doc.Modified());

    // New on saved work asks nothing and shows the home page.
    QVERIFY(window.ShowPage(frmMain::PageMulti));
    QVERIFY(Trigger(window, "mnuFile_New"));
    QVERIFY(host.Questions.empty());
    QCOMPARE(window.CurrentPage(), int(frmMain::PageHome));
    QVERIFY(doc.Marks().Multi().Value() == MarkArray{});
    QVERIFY(doc.CurrentFile().empty());
    QCOMPARE(Title(window), QStringLiteral(" Drovane  Kelvra"));

    // New marks on another round are a change: Open asks, then the file brings its round,
    // marks and panels.
    roundBox->setValue(3);
    QVERIFY(doc.Marks().SetMarks(marks));
    QVERIFY(doc.Modified());
    host.QueueAnswer3(AskAnswer::No);
    dialog.Push(chosen);
    QVERIFY(Trigger(window, "mnuFile_Open"));
    QCOMPARE(host.Answers3.size(), std::size_t{1});
    QCOMPARE(dialog.Asked().size(), std::size_t{2});
    const ScriptedFileDialog::Question& opened = dialog.Asked()[1];
    QVERIFY(!opened.Save);
    QCOMPARE(basQtText::ToQ(opened.Caption), QStringLiteral("ファイルを開く"));
    QCOMPARE(basQtText::ToQ(opened.Filter), QStringLiteral("データファイル(*.drd)"));
    QCOMPARE(opened.ProposedName, basFileCommand::DataProposedName(3, doc.Round().Kumi()));
    // The dialog starts where the last one was answered.
    QCOMPARE(opened.StartFolder, (dir.Path() / "UserData").string());
    QVERIFY2(host.Messages.empty(), host.AllMessageText().c_str());
    QCOMPARE(doc.CurrentFile(), chosen + ".drd");
    QCOMPARE(doc.Round().Kaisaikai(), 7);
    QCOMPARE(roundBox->value(), 7);
    QVERIFY(doc.Marks().Multi().Value() == marks2);
    QVERIFY(doc.GatherRecord().Jouken == jouken);
    QVERIFY(doc.Conditions().JoukenPanels().Gather() == jouken);
    QVERIFY(doc.Conditions().EngineSettings() == engine);
    QCOMPARE(window.CurrentPage(), int(frmMain::PageMulti));
    QCOMPARE(Title(window), QStringLiteral(" Drovane  Kelvra - [work.drd]"));
    QCOMPARE(basQtText::ToQ(ProposedFor(doc)), QStringLiteral("KV-007") +
                                                   basQtText::ToQ(doc.Round().Kumi()) +
                                                   QStringLiteral(".drd"));
}

void tst_frmMainFiles::newAsksAndOnlyGoesOnWhenAllowed()
{
    RecordingHost host;
    TempDir dir;
    frmMain window(host.Host(), dir.Str());
    ScriptedFileDialog dialog;
    window.SetFileDialog(&dialog);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    clsDocument& doc = MainWindowFixture::DocOf(window);
    const MarkArray marks = SomeMarks(4);
    QVERIFY(doc.Marks().SetMarks(marks));
    QVERIFY(window.ShowPage(frmMain::PageMulti));

    // キャンセル keeps everything, the page too.
    host.QueueAnswer3(AskAnswer::Cancel);
    QVERIFY(Trigger(window, "mnuFile_New"));
    QCOMPARE(host.Questions.size(), std::size_t{1});
    QCOMPARE(basQtText::ToQ(host.Questions[0].Text), QStringLiteral("変更を保存しますか？"));
    QVERIFY(doc.Marks().Multi().Value() == marks);
    QVERIFY(doc.Modified());
    QCOMPARE(window.CurrentPage(), int(frmMain::PageMulti));

    // 保存 with the save dialog cancelled saved nothing, so nothing is dropped.
    host.QueueAnswer3(AskAnswer::Yes);
    dialog.Push("");
    QVERIFY(Trigger(window, "mnuFile_New"));
    QCOMPARE(dialog.Asked().size(), std::size_t{1});
    QVERIFY(dialog.Asked()[0].Save);
    QVERIFY(doc.Marks().Multi().Value() == marks);
    QCOMPARE(window.CurrentPage(), int(frmMain::PageMulti));

    // 保存 with a file: saved, then the new work.
    const std::string chosen = (dir.Path() / "UserData" / "kept.drd").string();
    host.QueueAnswer3(AskAnswer::Yes);
    dialog.Push(chosen);
    QVERIFY(Trigger(window, "mnuFile_New"));
    QVERIFY(std::filesystem::exists(chosen));
    QVERIFY(!std::filesystem::exists(chosen + ".drd"));
    QVERIFY(doc.Marks().Multi().Value() == MarkArray{});
    QVERIFY(doc.CurrentFile().empty());
    QCOMPARE(window.CurrentPage(), int(frmMain::PageHome));

    // 保存しない drops the work and writes nothing.
    QVERIFY(doc.Marks().SetMarks(SomeMarks(5)));
    host.QueueAnswer3(AskAnswer::No);
    QVERIFY(Trigger(window, "mnuFile_New"));
    QCOMPARE(dialog.Asked().size(), std::size_t{2});
    QVERIFY(doc.Marks().Multi().Value() == MarkArray{});
    QVERIFY(!doc.Modified());
    QCOMPARE(host.Questions.size(), std::size_t{4});
    QVERIFY2(host.Messages.empty(), host.AllMessageText().c_str());
}

void tst_frmMainFiles::closingAsksAndIsRefusedWhileBusy()
{
    RecordingHost host;
    TempDir dir;
    frmMain window(host.Host(), dir.Str());
    ScriptedFileDialog dialog;
    window.SetFileDialog(&dialog);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    clsDocument& doc = MainWindowFixture::DocOf(window);
    const std::string ini = (dir.Path() / std::string(clsKelvraIni::kFileName)).string();
    QVERIFY(!std::filesystem::exists(ini));

    std::vector<std::int32_t> singles(3000);
    std::iota(singles.begin(), singles.end(), 0);
    QVERIFY(doc.Tickets().SetSingles(singles));
    QVERIFY(doc.Modified());

    // キャンセル keeps the window and the work.
    host.QueueAnswer3(AskAnswer::Cancel);
    QVERIFY(!window.close());
    QVERIFY(window.isVisible());
    QCOMPARE(host.Questions.size(), std::size_t{1});
    QCOMPARE(doc.Tickets().Singles().size(), singles.size());
    QVERIFY(!std::filesystem::exists(ini));

    // A batch refuses with the running warning, before any question.
    MainWindowFixture::GateOf(window).SetBatch(true);
    QVERIFY(!window.close());
    QCOMPARE(host.Questions.size(), std::size_t{1});
    QCOMPARE(host.Messages.size(), std::size_t{1});
    QCOMPARE(host.Messages[0].Text, std::string(clsCommandGate::kRunningWarning));
    MainWindowFixture::GateOf(window).SetBatch(false);
    host.Messages.clear();

    // A close during the pumped load of a file is refused, and the load completes.
    const std::string chosen = (dir.Path() / "UserData" / "big.drd").string();
    dialog.Push(chosen);
    QVERIFY(MainWindowFixture::FilesOf(window).SaveAs());
    QVERIFY(!doc.Modified());
    int closesTried = 0;
    int closesRefused = 0;
    host.OnDoEvents = [&](std::int64_t) {
        if (doc.Edit().WorkLock()) {
            ++closesTried;
            if (!window.close()) {
                ++closesRefused;
            }
        }
    };
    dialog.Push(chosen);
    QVERIFY(MainWindowFixture::FilesOf(window).Open());
    host.OnDoEvents = nullptr;
    QVERIFY(closesTried > 0);
    QCOMPARE(closesRefused, closesTried);
    QVERIFY(window.isVisible());
    QVERIFY(doc.Tickets().Singles() == singles);
    QCOMPARE(doc.CurrentFile(), chosen);
    QVERIFY(!std::filesystem::exists(ini));

    // 保存しない closes, and the settings file is written.
    QVERIFY(doc.Marks().SetMarks(SomeMarks(0)));
    host.QueueAnswer3(AskAnswer::No);
    QVERIFY(window.close());
    QVERIFY(!window.isVisible());
    QCOMPARE(host.Questions.size(), std::size_t{2});
    QVERIFY(std::filesystem::exists(ini));
    QVERIFY2(host.Messages.empty(), host.AllMessageText().c_str());
}

void tst_frmMainFiles::aFileOfAnotherKindLeavesTheWork()
{
    RecordingHost host;
    TempDir dir;
    frmMain window(host.Host(), dir.Str());
    ScriptedFileDialog dialog;
    window.SetFileDialog(&dialog);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    clsDocument& doc = MainWindowFixture::DocOf(window);
    const std::string saved = (dir.Path() / "UserData" / "mine.drd").string();
    dialog.Push(saved);
    QVERIFY(Trigger(window, "mnuFile_SaveAs"));
    const MarkArray marks = SomeMarks(3);
    QVERIFY(doc.Marks().SetMarks(marks));
    const QString title = Title(window);
    QVERIFY(title.endsWith(QStringLiteral("[mine.drd] *")));

    // A conditions file under a data file's name.
    const std::string other = (dir.Path() / "UserData" / "other.drd").string();
    QVERIFY(doc.FileSaveDRD(other, false, false));
    QVERIFY(std::filesystem::exists(other));
    host.QueueAnswer3(AskAnswer::No);
    dialog.Push(other);
    QVERIFY(Trigger(window, "mnuFile_Open"));
    QVERIFY2(host.Messages.size() == 1, host.AllMessageText().c_str());
    QCOMPARE(host.Messages[0].Icon, MsgIcon::Warning);
    QCOMPARE(basQtText::ToQ(host.Messages[0].Text),
             QStringLiteral("Kelvraのファイルではありません。"));
    QCOMPARE(basQtText::ToQ(host.Messages[0].Caption), QStringLiteral("ファイルタイプ警告"));
    QVERIFY(doc.Marks().Multi().Value() == marks);
    QVERIFY(doc.Modified());
    QCOMPARE(doc.CurrentFile(), saved);
    QCOMPARE(Title(window), title);
    QCOMPARE(window.CurrentPage(), int(frmMain::PageHome));
}

void tst_frmMainFiles::aFileOnTheCommandLineOpensAtStart()
{
    RecordingHost host;
    TempDir dir;
    for (const char* name : {"TeamName.dat", "TeamName1.dat", "TeamName2.dat", "J1J2.dat"}) {
        dir.Write(std::string("SysData/") + name, "[End]\r\n");
    }
    const std::string file = (dir.Path() / "round.drd").string();
    const MarkArray marks = SomeMarks(2);
    {
        frmMain writer(host.Host(), dir.Str());
        QVERIFY(MainWindowFixture::DocOf(writer).Marks().SetMarks(marks));
        QVERIFY(MainWindowFixture::DocOf(writer).FileSaveDRD(file, true, false));
    }
    host.Messages.clear();

    TotoSettings settings;
    const auto window = basQtMain::Start(host.Host(), dir.Str(), settings, {file});
    QVERIFY(window != nullptr);
    QVERIFY2(host.Messages.empty(), host.AllMessageText().c_str());
    QCOMPARE(window->Document().CurrentFile(), file);
    QVERIFY(window->Document().Marks().Multi().Value() == marks);
    QCOMPARE(window->CurrentPage(), int(frmMain::PageMulti));
    QCOMPARE(window->windowTitle(), QStringLiteral(" Drovane  Kelvra - [round.drd]"));

    // A damaged file gets the usual message, and the window stands all the same.
    dir.Write("bad.drd", "not a data file\r\n");
    const auto second =
        basQtMain::Start(host.Host(), dir.Str(), settings, {(dir.Path() / "bad.drd").string()});
    QVERIFY(second != nullptr);
    QVERIFY(second->isVisible());
    QVERIFY(!host.Messages.empty());
    QCOMPARE(basQtText::ToQ(host.Messages.back().Caption), QStringLiteral("ファイルタイプ警告"));
    QVERIFY(second->Document().CurrentFile().empty());
    QVERIFY(second->Document().Marks().Multi().Value() == MarkArray{});
}

void tst_frmMainFiles::saveAsksBeforeOverwritingAnotherProgramsChange()
{
    RecordingHost host;
    TempDir dir;
    frmMain window(host.Host(), dir.Str());
    ScriptedFileDialog dialog;
    window.SetFileDialog(&dialog);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    clsDocument& doc = MainWindowFixture::DocOf(window);
    QVERIFY(doc.Tickets().SetSingles({1, 2, 3}));
    const std::string file = (dir.Path() / "UserData" / "work.drd").string();
    dialog.Push(file);
    QVERIFY(Trigger(window, "mnuFile_SaveAs"));
    QVERIFY(host.Questions.empty());
    QVERIFY(doc.Tickets().SetSingles({4, 5}));

    // Another program writes the file meanwhile (file times move in ticks of milliseconds).
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    std::ofstream(file, std::ios::binary | std::ios::app) << ";\r\n";
    const auto theirs = std::filesystem::file_size(file);

    // 上書き保存, answered no: the file stays theirs and the work unsaved.
    host.QueueAnswer(false);
    QVERIFY(Trigger(window, "mnuFile_Save"));
    QCOMPARE(host.Questions.size(), std::size_t{1});
    QVERIFY(host.Questions[0].Text.find(clsDocument::kChangedOnDiskQuestion) != std::string::npos);
    QCOMPARE(std::filesystem::file_size(file), theirs);
    QVERIFY(doc.Modified());
    QVERIFY(Title(window).endsWith(QStringLiteral(" *")));

    // Closing with 保存 asks again; no keeps the window open with its work.
    host.QueueAnswer3(AskAnswer::Yes);
    host.QueueAnswer(false);
    QVERIFY(!window.close());
    QVERIFY(window.isVisible());
    QCOMPARE(host.Questions.size(), std::size_t{3});
    QCOMPARE(std::filesystem::file_size(file), theirs);

    // Yes overwrites, and the saved file is the one compared with from then on.
    host.QueueAnswer(true);
    QVERIFY(Trigger(window, "mnuFile_Save"));
    QVERIFY(!doc.Modified());
    QVERIFY(std::filesystem::file_size(file) != theirs);
    QVERIFY(doc.Tickets().SetSingles({6}));
    QVERIFY(Trigger(window, "mnuFile_Save"));
    QCOMPARE(host.Questions.size(), std::size_t{4});
    QVERIFY(!doc.Modified());
}

KELVRA_QTEST(tst_frmMainFiles)
#include "tst_frmMainFiles.moc"
