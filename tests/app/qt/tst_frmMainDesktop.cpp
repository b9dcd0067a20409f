// The main window as a desktop program: the session (recent files, geometry, last folder)
// across two starts; files dropped, handed over by a second start, or named on the command
// line open as their kind.

#include "app/clsDocument.h"
#include "app/clsSessionFile.h"
#include "app/qt/basQtMain.h"
#include "app/qt/clsInstanceServer.h"
#include "app/qt/frmMain.h"
#include "base/qt/basQtText.h"
#include "support/MainWindowFixture.h"
#include "support/QtTestRegistry.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <QUrl>

#include <filesystem>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

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

// Conditions no new work has: a payout limit and the correction mode.
bool SetSomeConditions(clsDocument& doc)
{
    return doc.Conditions().EditJouken([](clsJoukenPanels& p) {
        p.Haitou().SetFlag(0, true);
        p.Haitou().SetMinMoney(0, Currency::FromInt(25'000));
        p.SetMachigaiType(1);
    });
}

// Sets an environment variable for one test and puts the old value back.
class EnvScope
{
public:
    EnvScope(const char* strName, const std::string& strValue)
        : m_name(strName)
        , m_had(qEnvironmentVariableIsSet(strName))
        , m_old(qgetenv(strName))
    {
        qputenv(strName, QByteArray::fromStdString(strValue));
    }
    ~EnvScope()
    {
        if (m_had) {
            qputenv(m_name, m_old);
        } else {
            qunsetenv(m_name);
        }
    }

private:
    const char* m_name;
    bool m_had;
    QByteArray m_old;
};

struct DesktopWindow : MainWindowFixture
{
    std::string Path(const char* strName) const { return (dir.Path() / strName).string(); }
    void Drop(const std::vector<std::string>& files) const
    {
        QMimeData data;
        QList<QUrl> urls;
        for (const std::string& file : files) {
            urls.append(QUrl::fromLocalFile(basQtText::ToQ(file)));
        }
        data.setUrls(urls);
        const QPoint at = window->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &drop);
        QVERIFY(drop.isAccepted());
    }
    QStringList RecentEntries() const
    {
        window->UpdateMenus();
        QStringList names;
        for (QAction* action : Find<QMenu>("mnuFile_Recent")->actions()) {
            if (action->isEnabled()) {
                names << action->toolTip();
            }
        }
        return names;
    }
};
} // namespace

class tst_frmMainDesktop : public QObject
{
    Q_OBJECT

private slots:
    void theSessionIsRememberedAcrossTwoStarts();
    void droppedFilesOpenAsTheirKind();
    void aSecondStartHandsItsFilesOver();
    void conditionsNamedOnTheCommandLineOpenAsConditions();
    // Under a real display (xcb) the whole screen, with the File menu and its recent files open.
    void screenshots();
};

void tst_frmMainDesktop::theSessionIsRememberedAcrossTwoStarts()
{
    DesktopWindow w;
    TempDir config;
    EnvScope env("XDG_CONFIG_HOME", config.Str());
    const std::string folder = basQtMain::SessionFolder();
    QCOMPARE(folder, (config.Path() / "kelvra").string());
    TotoSettings settings;

    w.Open(basQtMain::Start(w.host.Host(), w.dir.Str(), settings, {}, folder));
    QVERIFY(w.window != nullptr);
    const QSize fitted = w.window->size();
    // Narrower than its layout it cannot be: the height is what changes.
    w.window->resize(fitted.width() - 57, fitted.height() - 33);
    const QSize chosen = w.window->size();
    QVERIFY(chosen != fitted);
    std::filesystem::create_directories(w.dir.Path() / "mine");
    QVERIFY(w.Doc().Marks().SetMarks(SomeMarks(1)));
    w.dialog.Push(w.Path("mine/a"));
    QVERIFY(w.Files().SaveAs());
    w.dialog.Push(w.Path("mine/b"));
    QVERIFY(w.Files().SaveAs());
    QCOMPARE(w.RecentEntries(), QStringList({basQtText::ToQ(w.Path("mine/b.drd")),
                                             basQtText::ToQ(w.Path("mine/a.drd"))}));
    QVERIFY(w.window->close());
    QVERIFY(std::filesystem::exists(std::filesystem::path(folder) / clsSessionFile::kFileName));
    // The session file alone: the program's own settings stay in its data folder.
    QCOMPARE(std::distance(std::filesystem::directory_iterator(folder),
                           std::filesystem::directory_iterator()),
             1);
    w.window.reset();

    // The second start: the same size, the same list, dialogs in the folder used last.
    w.Open(basQtMain::Start(w.host.Host(), w.dir.Str(), settings, {}, folder));
    QCOMPARE(w.window->size(), chosen);
    QCOMPARE(w.RecentEntries(), QStringList({basQtText::ToQ(w.Path("mine/b.drd")),
                                             basQtText::ToQ(w.Path("mine/a.drd"))}));
    w.dialog.Push("");
    w.Files().Open();
    QCOMPARE(w.dialog.Asked().back().StartFolder, w.Path("mine"));

    // The first entry opens its file; one that has gone is said so and leaves the list.
    w.Action("mnuFile_Recent1")->trigger();
    QTRY_COMPARE(w.Doc().CurrentFile(), w.Path("mine/a.drd"));
    QCOMPARE(w.RecentEntries().front(), basQtText::ToQ(w.Path("mine/a.drd")));
    std::filesystem::remove(w.Path("mine/b.drd"));
    w.host.Messages.clear();
    w.Action("mnuFile_Recent1")->trigger();
    QTRY_COMPARE(w.host.Messages.size(), std::size_t{1});
    QVERIFY(w.host.Messages[0].Text.find("mine/b.drd") != std::string::npos);
    QCOMPARE(w.RecentEntries(), QStringList({basQtText::ToQ(w.Path("mine/a.drd"))}));
    QCOMPARE(w.Doc().CurrentFile(), w.Path("mine/a.drd"));
}

void tst_frmMainDesktop::droppedFilesOpenAsTheirKind()
{
    DesktopWindow w;
    w.Open();
    clsDocument& doc = w.Doc();
    QVERIFY(SetSomeConditions(doc));
    const ConditionSetRecord jouken = doc.GatherRecord().Jouken;
    QVERIFY(doc.FileSaveDRD(w.Path("c.drj"), false, false));
    QVERIFY(doc.Marks().SetMarks(SomeMarks(1)));
    QVERIFY(doc.FileSaveDRD(w.Path("w.drd"), true, false));
    QVERIFY(doc.New());
    QVERIFY(doc.GatherRecord().Jouken != jouken);

    // Conditions into the work: no question, the multi page.
    QVERIFY(doc.Marks().SetMarks(SomeMarks(2)));
    w.Drop({w.Path("c.drj")});
    QTRY_VERIFY(doc.GatherRecord().Jouken == jouken);
    QCOMPARE(w.window->CurrentPage(), int(frmMain::PageMulti));
    QVERIFY(w.host.Questions.empty());
    QVERIFY(doc.Marks().Multi().Value() == SomeMarks(2));
    QVERIFY(doc.CurrentFile().empty());

    // A work file replaces the changed work only after the question.
    w.host.QueueAnswer3(AskAnswer::No);
    w.Drop({w.Path("w.drd")});
    QTRY_COMPARE(doc.CurrentFile(), w.Path("w.drd"));
    QCOMPARE(w.host.Questions.size(), std::size_t{1});
    QVERIFY(doc.Marks().Multi().Value() == SomeMarks(1));

    // Text is no file: the window does not take it.
    QMimeData text;
    text.setText(QStringLiteral("w.drd"));
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    enter.ignore();
    QApplication::sendEvent(w.window.get(), &enter);
    QVERIFY(!enter.isAccepted());
}

void tst_frmMainDesktop::aSecondStartHandsItsFilesOver()
{
    DesktopWindow w;
    TempDir runtime;
    EnvScope env("XDG_RUNTIME_DIR", runtime.Str());
    QCOMPARE(clsInstanceServer::ServerName(),
             basQtText::ToQ((runtime.Path() / "kelvra.sock").string()));
    w.Open();
    QVERIFY(SetSomeConditions(w.Doc()));
    const ConditionSetRecord jouken = w.Doc().GatherRecord().Jouken;
    QVERIFY(w.Doc().FileSaveDRD(w.Path("c.drj"), false, false));
    QVERIFY(w.Doc().New());

    // A socket left behind by a crashed window: nobody answers on it.
    {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        QVERIFY(fd >= 0);
        sockaddr_un addr{};
        addr.sun_family = AF_UNIX;
        const std::string path = basQtText::FromQ(clsInstanceServer::ServerName());
        path.copy(addr.sun_path, sizeof addr.sun_path - 1);
        QCOMPARE(::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
        ::close(fd);
        QVERIFY(std::filesystem::exists(path));
    }
    QVERIFY(!clsInstanceServer::HandOver({}, 500));
    clsInstanceServer server;
    basQtMain::Serve(server, *w.window);
    QVERIFY(server.Listen());
    // A second server (a second window) does not take the socket over.
    clsInstanceServer other;
    QVERIFY(!other.Listen());

    // The program started again with a file relative to its own folder.
    QProcess second;
    second.setWorkingDirectory(basQtText::ToQ(w.dir.Str()));
    second.start(QStringLiteral(KELVRA_EXE),
                 {QStringLiteral("--home"), basQtText::ToQ(w.dir.Str()), QStringLiteral("c.drj")});
    QVERIFY(second.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(second.state() == QProcess::NotRunning, 30'000);
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QTRY_VERIFY(w.Doc().GatherRecord().Jouken == jouken);
    QCOMPARE(w.window->CurrentPage(), int(frmMain::PageMulti));
    QVERIFY2(w.host.Messages.empty(), w.host.AllMessageText().c_str());
}

void tst_frmMainDesktop::conditionsNamedOnTheCommandLineOpenAsConditions()
{
    DesktopWindow w;
    std::string drj;
    std::string drd;
    ConditionSetRecord jouken;
    {
        DesktopWindow writer;
        writer.Open();
        QVERIFY(SetSomeConditions(writer.Doc()));
        jouken = writer.Doc().GatherRecord().Jouken;
        drj = w.Path("条件.drj");
        QVERIFY(writer.Doc().FileSaveDRD(drj, false, false));
        QVERIFY(writer.Doc().New());
        QVERIFY(writer.Doc().Marks().SetMarks(SomeMarks(2)));
        drd = w.Path("w.drd");
        QVERIFY(writer.Doc().FileSaveDRD(drd, true, false));
    }
    TotoSettings settings;
    // The work first, then the conditions into it, as the desktop hands several files.
    w.Open(basQtMain::Start(w.host.Host(), w.dir.Str(), settings, {drd, drj}));
    QVERIFY2(w.host.Messages.empty(), w.host.AllMessageText().c_str());
    QCOMPARE(w.Doc().CurrentFile(), drd);
    QVERIFY(w.Doc().Marks().Multi().Value() == SomeMarks(2));
    QVERIFY(w.Doc().GatherRecord().Jouken == jouken);
    QCOMPARE(w.window->CurrentPage(), int(frmMain::PageMulti));
}

void tst_frmMainDesktop::screenshots()
{
    const QString folder = qEnvironmentVariable("KELVRA_SCREENSHOTS");
    if (folder.isEmpty()) {
        QSKIP("KELVRA_SCREENSHOTS names no folder");
    }
    DesktopWindow w;
    w.Open();
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    for (const char* name : {"KV-9001.drd", "条件.drj", "KV-9001 (2).drd", "買い目&控え.csv"}) {
        w.Files().Recent().Add(w.Path(name));
    }
    w.window->UpdateMenus();
    auto* file = w.Find<QMenu>("mnuFile");
    file->popup(w.window->mapToGlobal(QPoint(0, w.window->menuBar()->height())));
    QTest::qWait(300);
    auto* recent = w.Find<QMenu>("mnuFile_Recent");
    file->setActiveAction(recent->menuAction());
    recent->popup(file->geometry().topRight() +
                  QPoint(0, file->actionGeometry(recent->menuAction()).top()));
    QTest::qWait(500);
    QVERIFY(w.window->screen()->grabWindow(0).save(folder + QStringLiteral("/recent-menu.png")));
    recent->close();
    file->close();
}

KELVRA_QTEST(tst_frmMainDesktop)
#include "tst_frmMainDesktop.moc"
