// The main window shell: title, pages reached from the side menu and the View menu, a
// refused page change that leaves menu and pages in step, and the File menu's close.

#include "app/clsDocument.h"
#include "app/qt/frmMain.h"
#include "base/qt/basQtText.h"
#include "support/QtTestRegistry.h"
#include "support/RecordingHost.h"
#include "support/TempDir.h"
#include "widgets/clsSideMenu.h"

#include <QAction>
#include <QFileInfo>
#include <QListWidget>
#include <QStackedWidget>
#include <QTest>

namespace {
QString ShownPage(const frmMain& window)
{
    auto* pages = window.findChild<QStackedWidget*>(QStringLiteral("pages"));
    return pages != nullptr && pages->currentWidget() != nullptr
               ? pages->currentWidget()->objectName()
               : QString();
}

void ClickSideEntry(QListWidget* menu, int lngRow)
{
    const QRect rect = menu->visualItemRect(menu->item(lngRow));
    QTest::mouseClick(menu->viewport(), Qt::LeftButton, {}, rect.center());
}

QAction* ViewAction(const frmMain& window, int lngPage)
{
    return window.findChild<QAction*>(QStringLiteral("mnuView_Menu%1").arg(lngPage));
}
} // namespace

class tst_frmMain : public QObject
{
    Q_OBJECT

private slots:
    void titleIsTheProductNameAndTheCurrentFile();
    void opensOnTheHomePageWithFourEntries();
    void sideMenuSwitchesPages();
    void viewMenuSwitchesPages();
    void refusedChangeKeepsMenuAndPageInStep();
    void fileEndClosesTheWindow();
    void settingsAreReadAtStartAndWrittenOnClose();
    void brokenSettingsAreReportedAndTheWindowStillOpens();
};

void tst_frmMain::titleIsTheProductNameAndTheCurrentFile()
{
    RecordingHost host;
    TempDir dir;
    frmMain window(host.Host(), dir.Str());
    QCOMPARE(window.windowTitle(), QStringLiteral(" Drovane  Kelvra"));
    QCOMPARE(basQtText::ToQ(clsDocument::TitleFor("/home/u/UserData/Kelvra/K-123.drd")),
             QStringLiteral(" Drovane  Kelvra - [K-123.drd]"));
}

void tst_frmMain::opensOnTheHomePageWithFourEntries()
{
    RecordingHost host;
    TempDir dir;
    frmMain window(host.Host(), dir.Str());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* menu = window.findChild<QListWidget*>(QStringLiteral("sideMenu"));
    QVERIFY(menu != nullptr);
    QCOMPARE(menu->count(), 4);
    const QStringList captions{QStringLiteral("ホーム"), QStringLiteral("マルチ"),
                               QStringLiteral("シングル"), QStringLiteral("チェック")};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(menu->item(i)->text(), captions[i]);
        QVERIFY(ViewAction(window, i) != nullptr);
        QCOMPARE(ViewAction(window, i)->text(), captions[i]);
    }
    QCOMPARE(window.CurrentPage(), int(frmMain::PageHome));
    QCOMPARE(ShownPage(window), QStringLiteral("pageHome"));
    QCOMPARE(menu->currentRow(), 0);
    QVERIFY(ViewAction(window, 0)->isChecked());
    QCOMPARE(window.PageWidget(frmMain::PageCheck)->objectName(), QStringLiteral("pageCheck"));
    QVERIFY(window.PageWidget(4) == nullptr);
    QVERIFY(host.Messages.empty());
}

void tst_frmMain::sideMenuSwitchesPages()
{
    RecordingHost host;
    TempDir dir;
    frmMain window(host.Host(), dir.Str());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* menu = window.findChild<QListWidget*>(QStringLiteral("sideMenu"));
    const QStringList names{QStringLiteral("pageHome"), QStringLiteral("pageMulti"),
                            QStringLiteral("pageSingle"), QStringLiteral("pageCheck")};
    for (int row : {2, 1, 3, 0}) {
        ClickSideEntry(menu, row);
        QCOMPARE(ShownPage(window), names[row]);
        QCOMPARE(window.CurrentPage(), row);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(ViewAction(window, i)->isChecked(), i == row);
        }
    }
}

void tst_frmMain::viewMenuSwitchesPages()
{
    RecordingHost host;
    TempDir dir;
    frmMain window(host.Host(), dir.Str());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* menu = window.findChild<QListWidget*>(QStringLiteral("sideMenu"));
    ViewAction(window, 3)->trigger();
    QCOMPARE(ShownPage(window), QStringLiteral("pageCheck"));
    QCOMPARE(menu->currentRow(), 3);
    ViewAction(window, 1)->trigger();
    QCOMPARE(ShownPage(window), QStringLiteral("pageMulti"));
    QCOMPARE(menu->currentRow(), 1);
    // Choosing the page already shown keeps it (the menu item stays ticked).
    ViewAction(window, 1)->trigger();
    QCOMPARE(ShownPage(window), QStringLiteral("pageMulti"));
    QVERIFY(ViewAction(window, 1)->isChecked());
    QVERIFY(!window.ShowPage(7));
    QCOMPARE(ShownPage(window), QStringLiteral("pageMulti"));
}

void tst_frmMain::refusedChangeKeepsMenuAndPageInStep()
{
    RecordingHost host;
    TempDir dir;
    frmMain window(host.Host(), dir.Str());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* menu = window.findChild<clsSideMenu*>(QStringLiteral("sideMenu"));
    QVERIFY(window.ShowPage(frmMain::PageSingle));
    bool locked = true;
    int asked = 0;
    menu->SetGuard([&](int) {
        ++asked;
        return !locked;
    });
    ClickSideEntry(menu, 0);
    QCOMPARE(ShownPage(window), QStringLiteral("pageSingle"));
    QCOMPARE(menu->currentRow(), 2);
    ViewAction(window, 3)->trigger();
    QCOMPARE(ShownPage(window), QStringLiteral("pageSingle"));
    QVERIFY(ViewAction(window, 2)->isChecked());
    QVERIFY(!ViewAction(window, 3)->isChecked());
    QCOMPARE(asked, 2);
    locked = false;
    ViewAction(window, 3)->trigger();
    QCOMPARE(ShownPage(window), QStringLiteral("pageCheck"));
    QCOMPARE(menu->currentRow(), 3);
}

void tst_frmMain::fileEndClosesTheWindow()
{
    RecordingHost host;
    TempDir dir;
    frmMain window(host.Host(), dir.Str());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* end = window.findChild<QAction*>(QStringLiteral("mnuFile_End"));
    QVERIFY(end != nullptr);
    end->trigger();
    QVERIFY(!window.isVisible());
}

void tst_frmMain::settingsAreReadAtStartAndWrittenOnClose()
{
    RecordingHost host;
    TempDir dir;
    dir.Write("SysData/Kelvra.ini", "Kaisaikai = 321\r\nDownloadMessage = 0\r\nResultAll = 1\r\n");
    {
        frmMain window(host.Host(), dir.Str());
        QCOMPARE(window.Settings().Kaisaikai, 321);
        QVERIFY(!window.Settings().DownloadMessage);
        QVERIFY(window.Settings().ResultAll);
        // The dialogs' start folder is made at start.
        QCOMPARE(QString::fromStdString(window.UserDataFolder()),
                 QString::fromStdString(dir.Str() + "/UserData/Kelvra"));
        QVERIFY(QFileInfo(QString::fromStdString(window.UserDataFolder())).isDir());
        dir.Write("SysData/Kelvra.ini", "");
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.close());
        const std::string text = dir.Read("SysData/Kelvra.ini");
        QVERIFY2(text.find("\r\nKaisaikai = 321\r\nDownloadMessage = 0\r\nResultAll = 1\r\n") !=
                     std::string::npos,
                 text.c_str());
    }
    QVERIFY(host.Messages.empty());
}

void tst_frmMain::brokenSettingsAreReportedAndTheWindowStillOpens()
{
    RecordingHost host;
    TempDir dir;
    dir.Write("SysData/Kelvra.ini", "Kaisaikai = abc\r\nResultAll = 1\r\n");
    frmMain window(host.Host(), dir.Str());
    QCOMPARE(int(host.Messages.size()), 1);
    QCOMPARE(QString::fromStdString(host.Messages[0].Text),
             QStringLiteral("Kelvra.iniファイルが破損しています。"));
    QCOMPARE(host.Messages[0].Icon, MsgIcon::Error);
    QCOMPARE(window.Settings().Kaisaikai, 1);
    QVERIFY(window.Settings().ResultAll);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.CurrentPage(), int(frmMain::PageHome));
}

KELVRA_QTEST(tst_frmMain)
#include "tst_frmMain.moc"
