#include "app/basDataFolder.h"
#include "app/basStartArgs.h"
#include "app/basUsage.h"
#include "app/qt/basQtLocale.h"
#include "app/qt/basQtMain.h"
#include "app/qt/frmMain.h"
#include "base/qt/basQtText.h"
#include "base/qt/clsQtHost.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdlib>
#include <iostream>
#include <optional>

namespace {
// Whether Qt can put up a window at all: without one, QApplication aborts the program.
bool HasDisplay()
{
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') {
            return true;
        }
    }
    return false;
}

// The data folder: --home DIR (tests and sample data), else the one kelvra-cli takes too (the
// executable's folder, or the per-user folder of an installed program).
std::optional<QString> ProgramFolder(const basStartArgs::Parsed& args, clsIMessage& message)
{
    if (args.Home) {
        return QDir(basQtText::ToQ(*args.Home)).absolutePath();
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
    const std::vector<std::string_view> words(argv + (argc > 0 ? 1 : 0), argv + argc);
    const basStartArgs::Parsed args = basStartArgs::Parse(words);
    const basUsage::Page& usage = basUsage::WindowProgram();
    switch (args.What) {
    case basStartArgs::Action::Help:
        std::cout << basUsage::HelpText(usage);
        return 0;
    case basStartArgs::Action::Version:
        std::cout << basUsage::VersionLine(usage);
        return 0;
    case basStartArgs::Action::Manual:
        std::cout << basUsage::ManPage(usage);
        return 0;
    case basStartArgs::Action::Wrong:
        // A terminal user reads it here; one who started the program from the desktop gets
        // the box as well.
        std::cerr << "kelvra: " << args.Message << '\n';
        if (!HasDisplay()) {
            return 2;
        }
        break;
    case basStartArgs::Action::Start:
        break;
    }

    QApplication app(argc, argv);
    basQtMain::SetIdentity();
    basQtLocale::SubstituteWindowsFonts();
    basQtLocale::InstallQtTranslation(app);

    clsQtHost qtHost;
    if (args.What == basStartArgs::Action::Wrong) {
        qtHost.Message().ShowMessage(MsgIcon::Error, args.Message, "");
        return 2;
    }
    const std::optional<QString> home = ProgramFolder(args, qtHost.Message());
    if (!home) {
        return 2;
    }
    const QString strFile =
        args.File.empty() ? QString() : QFileInfo(basQtText::ToQ(args.File)).absoluteFilePath();
    TotoSettings settings;
    const std::unique_ptr<frmMain> window = basQtMain::Start(qtHost.Host(), basQtText::FromQ(*home),
                                                             settings, basQtText::FromQ(strFile));
    if (!window) {
        return 1;
    }
    return QApplication::exec();
}
