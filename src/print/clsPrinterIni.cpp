#include "print/clsPrinterIni.h"

#include "base/basText.h"
#include "base/clsErrorReporter.h"
#include "base/clsFileStream.h"
#include "base/clsIniFile.h"

#include <limits>

namespace {
constexpr std::string_view kPrinterName = "PrinterName";
constexpr std::string_view kOrientation = "PrinterOrientation";
constexpr std::string_view kLeft = "PrinterLeftMargin";
constexpr std::string_view kTop = "PrinterTopMargin";
constexpr std::string_view kOpenNo = "PrinterOpenNo";
constexpr std::string_view kOpenText = "PrinterOpenText";
constexpr std::string_view kPageText = "PrinterPageText";
constexpr std::string_view kFileText = "PrinterFileText";
constexpr std::string_view kSendDataA = "PrinterSendDataA";
constexpr std::string_view kPdfFilePerCard = "PrinterPdfFilePerCard";

std::string Entry(std::string_view strKey, std::string_view strValue)
{
    return std::string(strKey) + " = " + std::string(strValue);
}

std::string_view BoolText(bool blnValue)
{
    return blnValue ? "True" : "False";
}

std::optional<std::int32_t> ReadLong(std::string_view strValue)
{
    const auto value = Currency::Parse(basText::Trim(strValue));
    if (!value) {
        return std::nullopt;
    }
    const std::int64_t whole = value->ToInt64();
    if (whole < std::numeric_limits<std::int32_t>::min() ||
        whole > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(whole);
}

// A shift beyond the sheet is a typing slip in the file, not a placement.
std::optional<Currency> ReadShift(std::string_view strValue)
{
    const auto value = Currency::Parse(basText::Trim(strValue));
    if (!value || *value > Currency::FromInt(1000) || *value < Currency::FromInt(-1000)) {
        return std::nullopt;
    }
    return value;
}
} // namespace

clsPrinterIni::clsPrinterIni(clsIMessage& message, std::string strProgramFolder,
                             std::string strLegal)
    : m_message(message)
    , m_programFolder(std::move(strProgramFolder))
    , m_legal(std::move(strLegal))
{}

PrintSettings clsPrinterIni::Defaults(const std::string& strDefaultPrinter)
{
    PrintSettings s;
    s.PrinterName = strDefaultPrinter;
    return s;
}

std::vector<std::string> clsPrinterIni::Lines(const PrintSettings& settings) const
{
    std::vector<std::string> lines{
        ";Drovane Printer Ini File (Printer.ini)",
        ";" + m_legal,
        "",
        ";[Printer]",
        Entry(kPrinterName, settings.PrinterName),
        Entry(kOrientation, std::to_string(settings.Orientation)),
        Entry(kLeft, settings.LeftShift.ToString()),
        Entry(kTop, settings.TopShift.ToString()),
        Entry(kOpenNo, BoolText(settings.PrintOpenNo)),
        Entry(kOpenText, BoolText(settings.PrintOpenText)),
        Entry(kPageText, BoolText(settings.PrintPageText)),
        Entry(kFileText, BoolText(settings.PrintFileText)),
        Entry(kSendDataA, BoolText(settings.SendDataA)),
    };
    if (settings.PdfFilePerCard) {
        lines.push_back(Entry(kPdfFilePerCard, BoolText(true)));
    }
    return lines;
}

bool clsPrinterIni::Save(const PrintSettings& settings)
{
    clsFileStream stream(m_message, m_programFolder);
    return stream.SaveLinesToFile(kFileName, Lines(settings));
}

std::optional<PrinterIniValues> clsPrinterIni::Load(const std::string& strDefaultPrinter)
{
    clsFileStream stream(m_message, m_programFolder);
    if (!stream.Fso().FileExists(kFileName) && !Save(Defaults(strDefaultPrinter))) {
        return std::nullopt;
    }
    clsIniFile ini(m_message, m_programFolder);
    if (!ini.Initialize(kFileName)) {
        m_message.ShowMessage(MsgIcon::Warning, "Printer.iniファイルを読み込めませんでした。",
                              clsErrorReporter(m_message, "clsPrinterIni").Caption("Load"));
        return std::nullopt;
    }

    PrinterIniValues v;
    std::vector<std::string> broken;
    if (ini.ItemExists(kPrinterName)) {
        v.PrinterName = ini.GetItem(kPrinterName, "");
    }
    if (ini.ItemExists(kOrientation)) {
        if (const auto o = ReadLong(ini.GetItem(kOrientation, ""))) {
            v.Orientation = *o;
        } else {
            broken.emplace_back(kOrientation);
        }
    }
    const auto shift = [&](std::string_view strKey, std::optional<Currency>& value) {
        if (ini.ItemExists(strKey)) {
            value = ReadShift(ini.GetItem(strKey, ""));
            if (!value) {
                broken.emplace_back(strKey);
            }
        }
    };
    shift(kLeft, v.LeftShift);
    shift(kTop, v.TopShift);
    const auto flag = [&](std::string_view strKey, bool& value) {
        if (const auto b = clsIniFile::ReadSwitch(ini.GetItem(strKey, "0"))) {
            value = *b;
        } else {
            broken.emplace_back(strKey);
        }
    };
    flag(kOpenNo, v.PrintOpenNo);
    flag(kOpenText, v.PrintOpenText);
    flag(kPageText, v.PrintPageText);
    flag(kFileText, v.PrintFileText);
    flag(kSendDataA, v.SendDataA);
    flag(kPdfFilePerCard, v.PdfFilePerCard);

    if (!broken.empty()) {
        std::string text = "Printer.iniファイルの次の値が読めないため、既定値を使います。";
        for (const auto& key : broken) {
            text += "\n" + key;
        }
        m_message.ShowMessage(MsgIcon::Warning, text,
                              clsErrorReporter(m_message, "clsPrinterIni").Caption("Load"));
    }
    return v;
}
