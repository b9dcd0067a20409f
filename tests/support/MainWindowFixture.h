#pragma once
// How the main-window tests start: the window on a copy of the shipped data in a temporary
// folder, the recording host, the scripted menus and file dialogs in place of the user. A test's
// own fixture derives from it and adds the steps of its page.

#include "app/clsDocument.h"
#include "app/qt/frmMain.h"
#include "support/RecordingHost.h"
#include "support/ScriptedFileDialog.h"
#include "support/ScriptedMenuChooser.h"
#include "support/TempDir.h"

#include <QAction>
#include <QString>

#include <memory>
#include <string>

class MainWindowFixture
{
public:
    // What the temporary folder holds before the window opens.
    enum class Data
    {
        Shipped, // every file the program ships, and strIni as SysData/Kelvra.ini
        Empty,   // nothing: the test copies what it needs
    };

    RecordingHost host;
    TempDir dir;
    ScriptedMenuChooser chooser;
    ScriptedFileDialog dialog;
    std::unique_ptr<frmMain> window;

    explicit MainWindowFixture(Data data = Data::Shipped,
                               const std::string& strIni = "Kaisaikai = 9001\r\n");
    // Opens the window on the folder with the recording host; the other form takes a window
    // the test built itself (another host, settings or seed). Either sets the scripted seams
    // and shows it.
    void Open();
    void Open(std::unique_ptr<frmMain> made);

    // The named child; a missing one ends the test program at once, naming it.
    template <typename T> T* Find(const char* strName) const
    {
        auto* widget = window->findChild<T*>(QString::fromLatin1(strName));
        if (widget == nullptr) {
            Missing(strName);
        }
        return widget;
    }
    QAction* Action(const char* strName) const { return Find<QAction>(strName); }
    // A mouse click on the named button.
    void Click(const char* strName) const;
    clsDocument& Doc() const { return DocOf(*window); }
    clsFileCommands& Files() const { return FilesOf(*window); }
    frmRenzoku* OpenBatch() const { return OpenBatchOf(*window); }

    // What a window keeps to itself, for the tests that drive it past its menus and buttons.
    static clsDocument& DocOf(frmMain& w) { return w.m_doc; }
    static clsCommandGate& GateOf(frmMain& w) { return w.m_gate; }
    static clsFileCommands& FilesOf(frmMain& w) { return w.m_files; }
    // The batch-run window as 連続実行 opens it; null when refused.
    static frmRenzoku* OpenBatchOf(frmMain& w) { return w.OpenRenzoku(); }

private:
    [[noreturn]] static void Missing(const char* strName);
};
