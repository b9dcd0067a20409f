#include "app/qt/basQtMain.h"

#include "app/basMain.h"
#include "app/qt/clsInstanceServer.h"
#include "app/qt/frmMain.h"
#include "base/qt/basQtText.h"
#include "widgets/clsLoadingWindow.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QStandardPaths>

namespace basQtMain {
void SetIdentity()
{
    QApplication::setApplicationName(QStringLiteral("Kelvra"));
    QGuiApplication::setDesktopFileName(QStringLiteral("jp.kelvra.Kelvra"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/jp.kelvra.Kelvra.png")));
}

std::unique_ptr<frmMain> Start(clsHost host, const std::string& strProgramFolder,
                               TotoSettings& settings, const std::vector<std::string>& files,
                               const std::string& strSessionFolder,
                               std::optional<std::uint64_t> lngSeed)
{
    const std::string failure = basMain::Startup(host.Message, strProgramFolder, settings);
    if (!failure.empty()) {
        host.Message.ShowMessage(MsgIcon::Error, failure, "");
        return nullptr;
    }
    // The main window's own loading runs while this one is on screen.
    clsLoadingWindow loading(QStringLiteral("Version ") + basQtText::ToQ(basMain::VersionText()));
    loading.ShowNow();
    auto window = std::make_unique<frmMain>(host, strProgramFolder, settings,
                                            std::string(clsDrovaneDownload::kDefaultSite), lngSeed);
    if (!strSessionFolder.empty()) {
        window->UseSession(strSessionFolder);
    }
    window->show();
    loading.close();
    if (!files.empty()) {
        window->OpenFiles(files);
    }
    return window;
}

std::string SessionFolder()
{
    return basQtText::FromQ(
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
            .filePath(QStringLiteral("kelvra")));
}

void Serve(clsInstanceServer& server, frmMain& window)
{
    QObject::connect(&server, &clsInstanceServer::FilesArrived, &window,
                     [&window](const QStringList& files) {
                         std::vector<std::string> names;
                         for (const QString& file : files) {
                             names.push_back(basQtText::FromQ(file));
                         }
                         window.OpenFiles(names);
                     });
}
} // namespace basQtMain
