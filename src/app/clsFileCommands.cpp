#include "app/clsFileCommands.h"

#include "app/basFileCommand.h"
#include "app/clsDocument.h"
#include "app/clsRoundFacet.h"
#include "app/clsTicketsFacet.h"
#include "base/clsIFileDialog.h"
#include "files/clsTFileCSV.h"

#include <filesystem>
#include <system_error>

using namespace basFileCommand;

clsFileCommands::clsFileCommands(clsDocument& doc, const clsCommandGate& gate,
                                 clsIFileDialog& dialog, std::string strFolder,
                                 std::function<void(Page)> fnShowPage)
    : m_doc(doc)
    , m_gate(gate)
    , m_dialog(&dialog)
    , m_folder(std::move(strFolder))
    , m_showPage(std::move(fnShowPage))
{}

std::string clsFileCommands::StartFolder() const
{
    std::error_code ec;
    return !m_lastFolder.empty() && std::filesystem::is_directory(m_lastFolder, ec) ? m_lastFolder
                                                                                    : m_folder;
}

std::string clsFileCommands::Answered(std::string strFile)
{
    if (!strFile.empty()) {
        const std::string folder = std::filesystem::path(strFile).parent_path().string();
        if (!folder.empty()) {
            m_lastFolder = folder;
        }
    }
    return strFile;
}

std::string clsFileCommands::AskOpen(std::string_view strCaption, std::string_view strFilter,
                                     const std::string& strProposed, std::string_view strExtension)
{
    return WithExtension(Answered(m_dialog->Open(std::string(strCaption), std::string(strFilter),
                                                 strProposed, StartFolder())),
                         strExtension);
}

std::string clsFileCommands::AskSave(std::string_view strCaption, std::string_view strFilter,
                                     const std::string& strProposed, std::string_view strExtension,
                                     const std::string& strStartFolder)
{
    return WithExtension(
        Answered(m_dialog->Save(std::string(strCaption), std::string(strFilter), strProposed,
                                strStartFolder.empty() ? StartFolder() : strStartFolder)),
        strExtension);
}

bool clsFileCommands::Remembered(bool blnDone, const std::string& strFileName)
{
    if (blnDone) {
        m_recent.Add(strFileName);
    }
    return blnDone;
}

std::string clsFileCommands::DataName() const
{
    return DataProposedName(m_doc.Round().Kaisaikai(), m_doc.Round().Kumi());
}

std::string clsFileCommands::CsvName() const
{
    return clsTFileCSV::GetCsvFileName(m_doc.Round().Kaisaikai(), m_doc.Round().Kumi());
}

bool clsFileCommands::Shown(bool blnDone, Page page) const
{
    if (blnDone && m_showPage) {
        m_showPage(page);
    }
    return blnDone;
}

void clsFileCommands::JoukenOpen()
{
    if (!Gated()) {
        return;
    }
    const std::string strFile = AskOpen(kOpenCaption, kJoukenFilter, {}, kJoukenExtension);
    if (!strFile.empty()) {
        OpenJouken(strFile);
    }
}

bool clsFileCommands::OpenJouken(const std::string& strFileName)
{
    return Remembered(Shown(m_doc.FileLoadDRD(strFileName, false, true), Page::Multi), strFileName);
}

void clsFileCommands::JoukenSave()
{
    if (!Gated()) {
        return;
    }
    const std::string strFile =
        AskSave(kSaveCaption, kJoukenFilter, std::string(kJoukenProposedName), kJoukenExtension);
    if (!strFile.empty()) {
        Remembered(m_doc.FileSaveDRD(strFile, false, true), strFile);
    }
}

void clsFileCommands::New()
{
    if (!Gated() || !ConfirmDiscard()) {
        return;
    }
    Shown(true, Page::Home);
    m_doc.New();
}

bool clsFileCommands::Open()
{
    if (!Gated() || !ConfirmDiscard()) {
        return false;
    }
    const std::string strFile = AskOpen(kOpenCaption, kDataFilter, DataName(), kDataExtension);
    return !strFile.empty() && OpenFile(strFile);
}

bool clsFileCommands::OpenFile(const std::string& strFileName)
{
    return Gated() &&
           Remembered(Shown(m_doc.FileLoadDRD(strFileName, true, true), Page::Multi), strFileName);
}

bool clsFileCommands::OpenPath(const std::string& strFileName)
{
    if (!Gated()) {
        return false;
    }
    switch (KindOf(strFileName)) {
    case FileKind::Jouken:
        return OpenJouken(strFileName);
    case FileKind::Csv:
        return ConfirmDiscard() && OpenCsv(strFileName);
    case FileKind::Data:
        break;
    }
    return ConfirmDiscard() && OpenFile(strFileName);
}

bool clsFileCommands::OpenRecent(const std::string& strFileName)
{
    if (!Gated()) {
        return false;
    }
    std::error_code ec;
    if (!std::filesystem::exists(strFileName, ec)) {
        m_recent.Remove(strFileName);
        m_doc.Host().Message.ShowMessage(MsgIcon::Warning,
                                         strFileName + "\n" + std::string(kRecentMissing), "");
        return false;
    }
    return OpenPath(strFileName);
}

bool clsFileCommands::OpenCsv(const std::string& strFileName)
{
    return Remembered(Shown(m_doc.Tickets().CsvOpen(strFileName), Page::Single), strFileName);
}

bool clsFileCommands::Save()
{
    if (m_doc.CurrentFile().empty()) {
        return SaveAs();
    }
    return Gated() &&
           Remembered(m_doc.FileSaveDRD(m_doc.CurrentFile(), true, true), m_doc.CurrentFile());
}

bool clsFileCommands::SaveAs()
{
    if (!Gated()) {
        return false;
    }
    // Saving the work under a new name starts from the name it has, where it is.
    const std::filesystem::path current(m_doc.CurrentFile());
    const std::string strFile =
        current.empty() ? AskSave(kSaveCaption, kDataFilter, DataName(), kDataExtension)
                        : AskSave(kSaveCaption, kDataFilter, current.filename().string(),
                                  kDataExtension, current.parent_path().string());
    return !strFile.empty() && Remembered(m_doc.FileSaveDRD(strFile, true, true), strFile);
}

bool clsFileCommands::ConfirmDiscard()
{
    // Nothing may be dropped or saved while a run, a batch or a file operation holds the work.
    return Gated() && m_doc.QuerySaveChanges([this] { return Save(); });
}

void clsFileCommands::CsvOpen()
{
    if (!Gated() || !ConfirmDiscard()) {
        return;
    }
    const std::string strFile = AskOpen(kOpenCaption, kCsvFilter, CsvName(), kCsvExtension);
    if (!strFile.empty()) {
        OpenCsv(strFile);
    }
}

void clsFileCommands::CsvSave()
{
    if (!Gated()) {
        return;
    }
    const std::string strFile = AskSave(kSaveCaption, kCsvFilter, CsvName(), kCsvExtension);
    if (!strFile.empty()) {
        Remembered(m_doc.Tickets().CsvSave(strFile), strFile);
    }
}

void clsFileCommands::CsvAdd()
{
    if (!Gated()) {
        return;
    }
    const std::string strFile = AskOpen(kCsvAddCaption, kCsvFilter, {}, kCsvExtension);
    Shown(!strFile.empty() && m_doc.Tickets().CsvAdd(strFile), Page::Single);
}

void clsFileCommands::CsvDel()
{
    if (!Gated()) {
        return;
    }
    const std::string strFile = AskOpen(kCsvDelCaption, kCsvFilter, {}, kCsvExtension);
    Shown(!strFile.empty() && m_doc.Tickets().CsvDel(strFile), Page::Single);
}
