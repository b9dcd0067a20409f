// The 条件 ファイル commands on the real window: the conditions the panels hold are saved through
// the file dialog byte for byte as the file class writes them, and load back into the panels.

#include "app/basMain.h"
#include "app/basVersion.h"
#include "app/clsDocument.h"
#include "app/qt/frmMain.h"
#include "base/qt/basQtText.h"
#include "files/clsTFileDRD.h"
#include "support/MainWindowFixture.h"
#include "support/QtTestRegistry.h"
#include "support/RecordingHost.h"
#include "support/ScriptedFileDialog.h"
#include "support/TempDir.h"

#include <QAction>
#include <QTest>

#include <filesystem>
#include <fstream>

namespace {
std::string ReadBytes(const std::string& strPath)
{
    std::ifstream in(strPath, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

QAction* MenuAction(const frmMain& window, const char* strName)
{
    return window.findChild<QAction*>(QString::fromLatin1(strName));
}

// A little of everything the panels hold.
void EnterConditions(clsJoukenPanels& p)
{
    p.Haitou().SetFlag(0, true);
    p.Haitou().SetMinMoney(0, Currency::FromInt(12'000));
    p.Haitou().SetMaxMoney(1, Currency::FromInt(3'500'000));
    p.Haitou().ToggleMachigai(2);
    p.SetMachigaiType(2);
    clsXJoken1& honmei = p.Table(JoukenKind::Honmei);
    honmei.CellClick(3, 0, false, true, false);
    honmei.ShowTab(4);
    honmei.ToggleMatch(6);
    honmei.ToggleResultRow(2);
    honmei.CellClick(8, 1, true, false, true);
    clsXJoken1& ninki = p.Table(JoukenKind::Ninki);
    ninki.ShowTab(27);
    ninki.SetApplied(false);
    ninki.CompoundOpen(0);
    ninki.CompoundToggle(1);
    ninki.CompoundOk();
    ninki.CellClick(1, 0, false, false, false);
    p.Table(JoukenKind::Mark).CellClick(5, 2, false, false, false);
}
} // namespace

class tst_frmMainJouken : public QObject
{
    Q_OBJECT

private slots:
    void savedConditionsAreTheCoresFileAndLoadBack();
    void cancelledAndForeignFilesChangeNothing();
};

void tst_frmMainJouken::savedConditionsAreTheCoresFileAndLoadBack()
{
    RecordingHost host;
    TempDir dir;
    frmMain window(host.Host(), dir.Str());
    ScriptedFileDialog dialog;
    window.SetFileDialog(&dialog);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    clsDocument& doc = MainWindowFixture::DocOf(window);
    QVERIFY(doc.Conditions().EditJouken(EnterConditions));
    const ConditionSetRecord entered = doc.Conditions().JoukenPanels().Gather();
    QVERIFY(entered != ConditionSetRecord{});

    QAction* save = MenuAction(window, "mnuFile_Jouken_Save");
    QAction* open = MenuAction(window, "mnuFile_Jouken_Open");
    QVERIFY(save != nullptr && open != nullptr);
    window.UpdateMenus();
    QVERIFY(save->isEnabled());
    QVERIFY(open->isEnabled());

    const std::string chosen = (dir.Path() / "UserData" / "mine").string();
    dialog.Push(chosen);
    save->trigger();
    QCOMPARE(dialog.Asked().size(), std::size_t{1});
    const ScriptedFileDialog::Question& asked = dialog.Asked()[0];
    QVERIFY(asked.Save);
    QCOMPARE(basQtText::ToQ(asked.Caption), QStringLiteral("名前を付けて保存"));
    QCOMPARE(basQtText::ToQ(asked.Filter), QStringLiteral("条件ファイル(*.drj)"));
    QCOMPARE(basQtText::ToQ(asked.ProposedName), QStringLiteral("条件"));
    QCOMPARE(asked.StartFolder, window.UserDataFolder());
    QVERIFY2(host.Messages.empty(), host.AllMessageText().c_str());
    QVERIFY(std::filesystem::exists(chosen + ".drj"));
    QVERIFY(!std::filesystem::exists(chosen));
    QVERIFY(doc.CurrentFile().empty()); // a conditions file never becomes the current file

    // The core's own file from the same record.
    clsTFileDRD drd(host.Host(), basMain::VersionText(), std::string(basVersion::kLegalNotice));
    DataFileRecord rec;
    rec.Jouken = entered;
    const std::string direct = (dir.Path() / "direct.drj").string();
    QVERIFY(drd.Save(direct, false, rec, true));
    const std::string bytes = ReadBytes(chosen + ".drj");
    QVERIFY(!bytes.empty());
    QVERIFY(bytes == ReadBytes(direct));

    // Back through 開く, the extension added to the name chosen.
    QVERIFY(doc.Conditions().EditJouken([](clsJoukenPanels& p) { p.Clear(); }));
    QVERIFY(doc.Conditions().JoukenPanels().Gather() != entered);
    dialog.Push(chosen);
    open->trigger();
    QCOMPARE(dialog.Asked().size(), std::size_t{2});
    QVERIFY(!dialog.Asked()[1].Save);
    QCOMPARE(basQtText::ToQ(dialog.Asked()[1].Caption), QStringLiteral("ファイルを開く"));
    QCOMPARE(basQtText::ToQ(dialog.Asked()[1].Filter), QStringLiteral("条件ファイル(*.drj)"));
    QVERIFY(dialog.Asked()[1].ProposedName.empty());
    // Where the save was answered.
    QCOMPARE(dialog.Asked()[1].StartFolder, std::filesystem::path(chosen).parent_path().string());
    QVERIFY2(host.Messages.empty(), host.AllMessageText().c_str());
    QVERIFY(doc.Conditions().JoukenPanels().Gather() == entered);
    QVERIFY(doc.GatherRecord().Jouken == entered);
    QCOMPARE(doc.Conditions().JoukenPanels().Haitou().MinMoney(0), Currency::FromInt(12'000));
    QCOMPARE(doc.Conditions().JoukenPanels().MachigaiType(), 2);
    QCOMPARE(window.CurrentPage(), int(frmMain::PageMulti));
}

void tst_frmMainJouken::cancelledAndForeignFilesChangeNothing()
{
    RecordingHost host;
    TempDir dir;
    frmMain window(host.Host(), dir.Str());
    ScriptedFileDialog dialog;
    window.SetFileDialog(&dialog);
    clsDocument& doc = MainWindowFixture::DocOf(window);
    QVERIFY(doc.Conditions().EditJouken(EnterConditions));
    const ConditionSetRecord entered = doc.GatherRecord().Jouken;

    // Cancelled dialogs: no file, no message, nothing changed.
    MenuAction(window, "mnuFile_Jouken_Save")->trigger();
    MenuAction(window, "mnuFile_Jouken_Open")->trigger();
    QCOMPARE(dialog.Asked().size(), std::size_t{2});
    QVERIFY(host.Messages.empty());
    QVERIFY(doc.GatherRecord().Jouken == entered);
    QCOMPARE(window.CurrentPage(), int(frmMain::PageHome));

    // A file of another kind is refused with the window's warning.
    const std::string foreign = (dir.Path() / "other.drj").string();
    {
        std::ofstream out(foreign, std::ios::binary);
        for (int i = 0; i < 10; ++i) {
            out << ";Another program's file\r\n";
        }
    }
    dialog.Push(foreign);
    MenuAction(window, "mnuFile_Jouken_Open")->trigger();
    QVERIFY2(host.Messages.size() == 1, host.AllMessageText().c_str());
    QCOMPARE(basQtText::ToQ(host.Messages[0].Text),
             QStringLiteral("Kelvraのファイルではありません。"));
    QCOMPARE(basQtText::ToQ(host.Messages[0].Caption), QStringLiteral("ファイルタイプ警告"));
    QVERIFY(doc.GatherRecord().Jouken == entered);
    QVERIFY(doc.Conditions().JoukenPanels().Gather() == entered);
    QCOMPARE(window.CurrentPage(), int(frmMain::PageHome));
}

KELVRA_QTEST(tst_frmMainJouken)
#include "tst_frmMainJouken.moc"
