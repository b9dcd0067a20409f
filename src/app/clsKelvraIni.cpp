#include "app/clsKelvraIni.h"

#include "app/basVersion.h"
#include "base/Currency.h"
#include "base/basText.h"
#include "base/clsFileStream.h"
#include "base/clsIniFile.h"

#include <limits>
#include <optional>

namespace {
constexpr std::string_view kKaisaikai = "Kaisaikai";
constexpr std::string_view kDownloadMessage = "DownloadMessage";
constexpr std::string_view kResultAll = "ResultAll";

// A whole number as the original conversion took it (a fraction rounds halves to even).
// Rounds count up from 1 and 0 means "none": a negative or out-of-range value is as
// unreadable as text.
std::optional<std::int32_t> ReadRound(std::string_view strValue)
{
    const auto value = Currency::Parse(basText::Trim(strValue));
    if (!value) {
        return std::nullopt;
    }
    const std::int64_t whole = value->ToInt64();
    if (whole < 0 || whole > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(whole);
}

} // namespace

clsKelvraIni::clsKelvraIni(clsIMessage& message, std::string strProgramFolder)
    : m_message(message)
    , m_programFolder(std::move(strProgramFolder))
{}

void clsKelvraIni::ReportBroken() const
{
    m_message.ShowMessage(MsgIcon::Error, "Kelvra.iniファイルが破損しています。", "");
}

void clsKelvraIni::Load()
{
    Kaisaikai = 1;
    DownloadMessage = true;
    ResultAll = false;

    clsIniFile ini(m_message, m_programFolder);
    ini.Initialize(kFileName);
    if (!ini.Enabled()) {
        return;
    }
    // Absent keys keep their defaults; only a key that is there but unreadable is broken.
    if (ini.ItemExists(kKaisaikai)) {
        if (const auto round = ReadRound(ini.GetItem(kKaisaikai, ""))) {
            Kaisaikai = *round;
        } else {
            ReportBroken();
        }
    }
    if (ini.ItemExists(kDownloadMessage)) {
        if (const auto on = clsIniFile::ReadSwitch(ini.GetItem(kDownloadMessage, ""))) {
            DownloadMessage = *on;
        } else {
            ReportBroken();
        }
    }
    if (ini.ItemExists(kResultAll)) {
        if (const auto on = clsIniFile::ReadSwitch(ini.GetItem(kResultAll, ""))) {
            ResultAll = *on;
        } else {
            ReportBroken();
        }
    }
}

std::vector<std::string> clsKelvraIni::Lines() const
{
    return {
        ";Drovane Kelvra Ini File (Kelvra.ini)",
        ";" + std::string(basVersion::kLegalNotice),
        "",
        std::string(kKaisaikai) + " = " + std::to_string(Kaisaikai),
        std::string(kDownloadMessage) + " = " + (DownloadMessage ? "1" : "0"),
        std::string(kResultAll) + " = " + (ResultAll ? "1" : "0"),
    };
}

bool clsKelvraIni::Save() const
{
    clsFileStream stream(m_message, m_programFolder);
    return stream.SaveLinesToFile(kFileName, Lines());
}
