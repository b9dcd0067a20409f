// Start-up of the window front end: the first missing data file stops it with a bare error
// box and writes nothing; with everything present the main window stands, with its version.

#include "app/basMain.h"
#include "app/qt/basQtMain.h"
#include "app/qt/frmMain.h"
#include "support/QtTestRegistry.h"
#include "support/RecordingHost.h"
#include "support/TempDir.h"

#include <QLabel>
#include <QRegularExpression>
#include <QTest>

#include <filesystem>

namespace {
void WriteReferenceFiles(const TempDir& dir, std::initializer_list<const char*> names)
{
    for (const char* name : names) {
        dir.Write(std::string("SysData/") + name, "[End]\r\n");
    }
}

int EntriesBelow(const std::filesystem::path& path)
{
    int n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::recursive_directory_iterator(path)) {
        ++n;
    }
    return n;
}
} // namespace

class tst_basQtMain : public QObject
{
    Q_OBJECT

private slots:
    void missingDataFolderStopsBeforeAnyWindow();
    void onlyTheFirstMissingFileIsReported();
    void withEverythingPresentTheMainWindowStands();
};

void tst_basQtMain::missingDataFolderStopsBeforeAnyWindow()
{
    RecordingHost host;
    TempDir dir;
    TotoSettings settings;
    const auto window = basQtMain::Start(host.Host(), dir.Str(), settings);
    QVERIFY(window == nullptr);
    QCOMPARE(int(host.Messages.size()), 1);
    QCOMPARE(host.Messages[0].Icon, MsgIcon::Error);
    QCOMPARE(QString::fromStdString(host.Messages[0].Text),
             QStringLiteral("システムデータフォルダ(SysData)が見つかりません"));
    QVERIFY(host.Messages[0].Caption.empty());
    QCOMPARE(EntriesBelow(dir.Path()), 0);
}

void tst_basQtMain::onlyTheFirstMissingFileIsReported()
{
    RecordingHost host;
    TempDir dir;
    WriteReferenceFiles(dir, {"TeamName.dat", "TeamName2.dat"});
    TotoSettings settings;
    const auto window = basQtMain::Start(host.Host(), dir.Str(), settings);
    QVERIFY(window == nullptr);
    QCOMPARE(int(host.Messages.size()), 1);
    QCOMPARE(QString::fromStdString(host.Messages[0].Text),
             QStringLiteral("データファイル(TeamName1.dat)が見つかりません"));
    // Nothing is written when start-up stops: no settings, no user folder.
    QCOMPARE(EntriesBelow(dir.Path()), 3);
}

void tst_basQtMain::withEverythingPresentTheMainWindowStands()
{
    RecordingHost host;
    TempDir dir;
    WriteReferenceFiles(dir, {"TeamName.dat", "TeamName1.dat", "TeamName2.dat", "J1J2.dat"});
    TotoSettings settings;
    settings.Version = 0;
    const auto window = basQtMain::Start(host.Host(), dir.Str(), settings);
    QVERIFY(window != nullptr);
    QVERIFY(host.Messages.empty());
    QVERIFY(window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral(" Drovane  Kelvra"));
    QCOMPARE(window->CurrentPage(), int(frmMain::PageHome));
    // The loading window is gone once the main window stands.
    for (QWidget* w : QApplication::topLevelWidgets()) {
        QVERIFY(w->objectName() != QStringLiteral("frmLoading") || !w->isVisible());
    }
    auto* version = window->findChild<QLabel*>(QStringLiteral("lblVersion"));
    QVERIFY(version != nullptr);
    QCOMPARE(version->text(),
             QStringLiteral("Version ") + QString::fromStdString(basMain::VersionText()));
    QVERIFY(version->text().contains(QRegularExpression(QStringLiteral("^Version \\d+\\.\\d\\d"))));
    // The settings file is made with its defaults when missing.
    QVERIFY(std::filesystem::exists(dir.Path() / "SysData/totoSettings.ini"));
    QCOMPARE(settings.Version, 1);
    QVERIFY(std::filesystem::is_directory(dir.Path() / "UserData/Kelvra"));
}

KELVRA_QTEST(tst_basQtMain)
#include "tst_basQtMain.moc"
