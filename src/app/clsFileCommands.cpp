#include "app/clsFileCommands.h"

#include "app/basFileCommand.h"
#include "app/clsDocument.h"
#include "app/clsRoundFacet.h"
#include "app/clsTicketsFacet.h"
#include "base/clsIFileDialog.h"
#include "files/clsTFileCSV.h"

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

std::string clsFileCommands::AskOpen(std::string_view strCaption, std::string_view strFilter,
                                     const std::string& strProposed,
                                     std::string_view strExtension) const
{
    return WithExtension(
        m_dialog->Open(std::string(strCaption), std::string(strFilter), strProposed, m_folder),
        strExtension);
}

std::string clsFileCommands::AskSave(std::string_view strCaption, std::string_view strFilter,
                                     const std::string& strProposed,
                                     std::string_view strExtension) const
{
    return WithExtension(
        m_dialog->Save(std::string(strCaption), std::string(strFilter), strProposed, m_folder),
        strExtension);
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
    Shown(!strFile.empty() && m_doc.FileLoadDRD(strFile, false, true), Page::Multi);
}

void clsFileCommands::JoukenSave()
{
    if (!Gated()) {
        return;
    }
    const std::string strFile =
        AskSave(kSaveCaption, kJoukenFilter, std::string(kJoukenProposedName), kJoukenExtension);
    if (!strFile.empty()) {
        m_doc.FileSaveDRD(strFile, false, true);
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
    return Gated() && Shown(m_doc.FileLoadDRD(strFileName, true, true), Page::Multi);
}

bool clsFileCommands::Save()
{
    if (m_doc.CurrentFile().empty()) {
        return SaveAs();
    }
    return Gated() && m_doc.FileSaveDRD(m_doc.CurrentFile(), true, true);
}

bool clsFileCommands::SaveAs()
{
    if (!Gated()) {
        return false;
    }
    const std::string strFile = AskSave(kSaveCaption, kDataFilter, DataName(), kDataExtension);
    return !strFile.empty() && m_doc.FileSaveDRD(strFile, true, true);
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
    Shown(!strFile.empty() && m_doc.Tickets().CsvOpen(strFile), Page::Single);
}

void clsFileCommands::CsvSave()
{
    if (!Gated()) {
        return;
    }
    const std::string strFile = AskSave(kSaveCaption, kCsvFilter, CsvName(), kCsvExtension);
    if (!strFile.empty()) {
        m_doc.Tickets().CsvSave(strFile);
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
