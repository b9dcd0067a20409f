#include "app/qt/basQtLocale.h"
#include "app/qt/basQtMain.h"
#include "app/qt/basQtText.h"
#include "app/qt/clsQtHost.h"
#include "app/qt/frmMain.h"

#include <QApplication>
#include <QDir>

#include <optional>

namespace {
// The program folder: --home DIR (tests and sample data), else the executable's folder.
std::optional<QString> ProgramFolder(const QStringList& args, clsIMessage& message)
{
    QString home = QCoreApplication::applicationDirPath();
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QStringLiteral("--home") && i + 1 < args.size()) {
            home = args[++i];
        } else if (arg.startsWith(QStringLiteral("--home="))) {
            home = arg.mid(7);
        } else {
            message.ShowMessage(MsgIcon::Error,
                                basQtText::FromQ(QStringLiteral("引数が正しくありません: ") + arg +
                                                 QStringLiteral("\n使い方: kelvra [--home DIR]")),
                                "");
            return std::nullopt;
        }
    }
    return QDir(home).absolutePath();
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvra"));
    basQtLocale::SubstituteWindowsFonts();
    basQtLocale::InstallQtTranslation(app);

    clsQtHost qtHost;
    const std::optional<QString> home = ProgramFolder(QApplication::arguments(), qtHost.Message());
    if (!home) {
        return 2;
    }
    TotoSettings settings;
    const std::unique_ptr<frmMain> window =
        basQtMain::Start(qtHost.Host(), basQtText::FromQ(*home), settings);
    if (!window) {
        return 1;
    }
    return QApplication::exec();
}
