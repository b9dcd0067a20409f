#pragma once
// The main window's file commands, from the menu click to the page shown: each asks the command
// gate, then the file dialog, completes the file's extension, hands the file to the document and,
// when that worked, brings up the page that shows what changed. No Qt: the window gives the
// dialog and the page switch.

#include "app/clsCommandGate.h"
#include "app/clsRecentFiles.h"

#include <functional>
#include <string>
#include <string_view>

class clsDocument;
class clsIFileDialog;

class clsFileCommands
{
public:
    // The main window's pages, in its order.
    enum class Page
    {
        Home = 0,
        Multi = 1,
        Single = 2,
        Check = 3
    };

    // strFolder: where the dialogs start. fnShowPage brings a page up after a command worked.
    clsFileCommands(clsDocument& doc, const clsCommandGate& gate, clsIFileDialog& dialog,
                    std::string strFolder, std::function<void(Page)> fnShowPage);

    // The dialog the next commands ask.
    void SetDialog(clsIFileDialog& dialog) { m_dialog = &dialog; }
    const std::string& Folder() const { return m_folder; }
    // The folder the last dialog answered in, where the next one starts (the window keeps it
    // between runs); empty or gone: Folder().
    const std::string& LastFolder() const { return m_lastFolder; }
    void SetLastFolder(std::string strFolder) { m_lastFolder = std::move(strFolder); }
    // The files opened and saved, for 最近使ったファイル.
    clsRecentFiles& Recent() { return m_recent; }
    const clsRecentFiles& Recent() const { return m_recent; }

    // 条件 ファイル: 開く (then the multi page) and 保存.
    void JoukenOpen();
    void JoukenSave();
    // 新規作成: the home page, then a new work. New, Open, a CSV open and closing ask
    // ConfirmDiscard first.
    void New();
    // 開く: a data file chosen in the dialog; a file that fails leaves the work as it was.
    bool Open();
    // A data file opened without asking (the file named on the command line).
    bool OpenFile(const std::string& strFileName);
    // A file named outside the dialogs (command line, desktop, drop), opened as its extension
    // says (basFileCommand::KindOf) with the questions its menu command asks: a work or CSV
    // file asks about unsaved changes first, conditions go into the work as they are.
    bool OpenPath(const std::string& strFileName);
    // A file chosen from 最近使ったファイル: as OpenPath; a file that is no longer there is
    // said so and taken off the list.
    bool OpenRecent(const std::string& strFileName);
    static constexpr std::string_view kRecentMissing =
        "ファイルが見つかりません。最近使ったファイルの一覧から削除します。";
    // 上書き保存 into the current file, else as 名前を付けて保存. True when saved.
    bool Save();
    bool SaveAs();
    // With unsaved changes asks whether to save them (保存 saves as Save does); true when the
    // caller may go on and drop the work.
    bool ConfirmDiscard();
    // The CSV ticket files: a CSV open replaces the work's singles; add and delete change them.
    void CsvOpen();
    void CsvSave();
    void CsvAdd();
    void CsvDel();

private:
    bool Gated() const { return m_gate.MayRun(clsCommandGate::Command::Menu); }
    // The chosen file with its extension completed; empty when cancelled.
    std::string AskOpen(std::string_view strCaption, std::string_view strFilter,
                        const std::string& strProposed, std::string_view strExtension);
    // strStartFolder: empty for StartFolder().
    std::string AskSave(std::string_view strCaption, std::string_view strFilter,
                        const std::string& strProposed, std::string_view strExtension,
                        const std::string& strStartFolder = {});
    std::string DataName() const;
    std::string CsvName() const;
    // blnDone, after showing page when the command worked.
    bool Shown(bool blnDone, Page page) const;
    // blnDone, after listing the file among the recent ones when it worked.
    bool Remembered(bool blnDone, const std::string& strFileName);
    std::string StartFolder() const;
    // The dialog's answer, after noting its folder for the next dialog.
    std::string Answered(std::string strFile);
    bool OpenJouken(const std::string& strFileName);
    bool OpenCsv(const std::string& strFileName);

    clsDocument& m_doc;
    const clsCommandGate& m_gate;
    clsIFileDialog* m_dialog;
    std::string m_folder;
    std::string m_lastFolder;
    clsRecentFiles m_recent;
    std::function<void(Page)> m_showPage;
};
