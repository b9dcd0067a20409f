#include "app/qt/basQtMain.h"

#include "app/basMain.h"
#include "app/qt/frmMain.h"
#include "base/qt/basQtText.h"
#include "widgets/clsLoadingWindow.h"

#include <QApplication>
#include <QIcon>

namespace basQtMain {
void SetIdentity()
{
    QApplication::setApplicationName(QStringLiteral("Kelvra"));
    QGuiApplication::setDesktopFileName(QStringLiteral("jp.kelvra.Kelvra"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/jp.kelvra.Kelvra.png")));
}

std::unique_ptr<frmMain> Start(clsHost host, const std::string& strProgramFolder,
                               TotoSettings& settings, const std::string& strOpenFile)
{
    const std::string failure = basMain::Startup(host.Message, strProgramFolder, settings);
    if (!failure.empty()) {
        host.Message.ShowMessage(MsgIcon::Error, failure, "");
        return nullptr;
    }
    // The main window's own loading runs while this one is on screen.
    clsLoadingWindow loading(QStringLiteral("Version ") + basQtText::ToQ(basMain::VersionText()));
    loading.ShowNow();
    auto window = std::make_unique<frmMain>(host, strProgramFolder, settings);
    window->show();
    loading.close();
    if (!strOpenFile.empty()) {
        window->OpenDataFile(strOpenFile);
    }
    return window;
}
} // namespace basQtMain
