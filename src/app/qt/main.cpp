#include "app/basDataFolder.h"
#include "app/qt/basQtLocale.h"
#include "app/qt/basQtMain.h"
#include "app/qt/frmMain.h"
#include "base/qt/basQtText.h"
#include "base/qt/clsQtHost.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include <optional>

namespace {
// The data folder: --home DIR (tests and sample data), else the one kelvra-cli takes too (the
// executable's folder, or the per-user folder of an installed program). strFile receives the
// data file named on the command line, made absolute.
std::optional<QString> ProgramFolder(const QStringList& args, clsIMessage& message,
                                     QString& strFile)
{
    std::optional<QString> home;
    bool fileSeen = false;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QStringLiteral("--home") && i + 1 < args.size()) {
            home = args[++i];
        } else if (arg.startsWith(QStringLiteral("--home="))) {
            home = arg.mid(7);
        } else if (!arg.startsWith(QLatin1Char('-')) && !fileSeen) {
            // The desktop entry hands over the file that was opened (Exec=kelvra %f).
            fileSeen = true;
            strFile = QFileInfo(arg).absoluteFilePath();
        } else {
            message.ShowMessage(
                MsgIcon::Error,
                basQtText::FromQ(QStringLiteral("引数が正しくありません: ") + arg +
                                 QStringLiteral("\n使い方: kelvra [--home DIR] [FILE]")),
                "");
            return std::nullopt;
        }
    }
    if (home) {
        return QDir(*home).absolutePath();
    }
    std::string folder;
    const std::string failure = basDataFolder::PrepareHome(
        message, basQtText::FromQ(QCoreApplication::applicationDirPath()), folder);
    if (!failure.empty()) {
        message.ShowMessage(MsgIcon::Error, failure, "");
        return std::nullopt;
    }
    return basQtText::ToQ(folder);
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvra"));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("jp.kelvra.Kelvra"));
    basQtLocale::SubstituteWindowsFonts();
    basQtLocale::InstallQtTranslation(app);

    clsQtHost qtHost;
    QString strFile;
    const std::optional<QString> home =
        ProgramFolder(QApplication::arguments(), qtHost.Message(), strFile);
    if (!home) {
        return 2;
    }
    TotoSettings settings;
    const std::unique_ptr<frmMain> window = basQtMain::Start(qtHost.Host(), basQtText::FromQ(*home),
                                                             settings, basQtText::FromQ(strFile));
    if (!window) {
        return 1;
    }
    return QApplication::exec();
}
