#pragma once
// The print dialog's settings file SysData/Printer.ini: recreated with the defaults when it is
// missing, read when the dialog opens and written whole when it closes. Made by the dialog for
// each read or write; holds nothing between them.

#include "print/PrintSettings.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class clsIMessage;

// What the file held; a value the file lacks stays empty, so that the dialog can leave its
// field blank or select nothing.
struct PrinterIniValues
{
    std::optional<std::string> PrinterName;
    std::int32_t Orientation = PrintSettings::kPortrait;
    std::optional<Currency> LeftShift;
    std::optional<Currency> TopShift;
    bool PrintOpenNo = false;
    bool PrintOpenText = false;
    bool PrintPageText = false;
    bool PrintFileText = false;
    bool SendDataA = false;
    bool PdfFilePerCard = false;
};

class clsPrinterIni
{
public:
    static constexpr std::string_view kFileName = "SysData/Printer.ini";

    // strLegal: the program's legal notice, the file's second comment line.
    clsPrinterIni(clsIMessage& message, std::string strProgramFolder, std::string strLegal);

    // Writes the defaults (printer strDefaultPrinter, portrait, no shifts, every switch off)
    // when the file is missing, then reads it. A value that cannot be read keeps its default
    // and is reported once. nullopt when the file can be neither written nor read.
    std::optional<PrinterIniValues> Load(const std::string& strDefaultPrinter);
    // Replaces the file whole; false (reported) when it failed, and the old file stays.
    bool Save(const PrintSettings& settings);

    // The file's lines without line ends (the page range is not kept). The PDF switch is written
    // only when on, so that a file of the old form stays byte for byte what it was.
    std::vector<std::string> Lines(const PrintSettings& settings) const;
    static PrintSettings Defaults(const std::string& strDefaultPrinter);

private:
    clsIMessage& m_message;
    std::string m_programFolder;
    std::string m_legal;
};
