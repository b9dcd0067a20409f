#include "app/basDataFolder.h"
#include "app/basStartArgs.h"
#include "app/basUsage.h"
#include "app/qt/basQtLocale.h"
#include "app/qt/basQtMain.h"
#include "app/qt/clsInstanceServer.h"
#include "app/qt/frmMain.h"
#include "base/qt/basQtText.h"
#include "base/qt/clsQtHost.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

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
    QStringList files;
    std::vector<std::string> names;
    for (const std::string& file : args.Files) {
        files.append(QFileInfo(basQtText::ToQ(file)).absoluteFilePath());
        names.push_back(basQtText::FromQ(files.back()));
    }
    // One window per user: a running one takes the files and this start is done.
    if (clsInstanceServer::HandOver(files)) {
        return 0;
    }
    const std::optional<QString> home = ProgramFolder(args, qtHost.Message());
    if (!home) {
        return 2;
    }
    TotoSettings settings;
    const std::unique_ptr<frmMain> window = basQtMain::Start(
        qtHost.Host(), basQtText::FromQ(*home), settings, names, basQtMain::SessionFolder());
    if (!window) {
        return 1;
    }
    // Listening once the window stands, so no file handed over meets a window not yet there.
    // Not listening (a window that started at the same moment) costs only the hand-over.
    clsInstanceServer server;
    basQtMain::Serve(server, *window);
    server.Listen();
    return QApplication::exec();
}
