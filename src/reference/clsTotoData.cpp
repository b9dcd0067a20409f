#include "reference/clsTotoData.h"

namespace {
std::string& UnknownName()
{
    static std::string name;
    return name;
}
} // namespace

clsTotoData::clsTotoData(clsIMessage& message, std::string strProgramFolder)
    : m_err(message, "clsTotoData")
    , m_teamName(message, strProgramFolder)
    , m_teamName1(message, strProgramFolder)
    , m_teamName2(message, strProgramFolder)
    , m_teamName3(message, strProgramFolder)
    , m_j1j2(message, strProgramFolder)
{
    m_teamName.Initialize("SysData/TeamName.dat");
    m_teamName1.Initialize("SysData/TeamName1.dat");
    m_teamName2.Initialize("SysData/TeamName2.dat");
    m_teamName3.Initialize("SysData/TeamName3.dat");
    m_j1j2.Initialize("SysData/J1J2.dat");
}

const std::string& clsTotoData::UnknownTeamName()
{
    return UnknownName();
}

void clsTotoData::SetUnknownTeamName(std::string strName)
{
    UnknownName() = std::move(strName);
}

std::string clsTotoData::GetShortTeamName(std::string_view strLongName, std::int32_t lngKaisaikai)
{
    try {
        if (lngKaisaikai == 0) {
            m_err.Message().ShowMessage(MsgIcon::Warning, "開催回が不明です", "GetShortTeamName");
            return "";
        }
        std::string shortName = m_teamName.GetKey(strLongName);
        if (shortName.empty()) {
            shortName = lngKaisaikai < kTeamName2FirstRound ? m_teamName1.GetKey(strLongName)
                                                            : m_teamName2.GetKey(strLongName);
        }
        // The user's own file is optional: not having one is normal.
        if (shortName.empty() && m_teamName3.Enabled()) {
            shortName = m_teamName3.GetKey(strLongName);
        }
        if (!shortName.empty()) {
            return shortName;
        }
        m_err.Message().ShowMessage(
            MsgIcon::Warning,
            "チーム名：" + std::string(strLongName) +
                " が見つかりません。\r\n最新のチーム名データをダウンロードす"
                "るかチーム名を追加して下さい。",
            kAppTitle);
        SetUnknownTeamName(std::string(strLongName));
        return "";
    } catch (const std::exception& e) {
        m_err.ReportException("GetShortTeamName", e);
        return "";
    }
}

std::string clsTotoData::GetShortToJ1J2String(std::string_view strShortName,
                                              std::int32_t lngYear) const
{
    try {
        // An empty name would be "in" every list.
        if (strShortName.empty()) {
            return "";
        }
        for (int n = 1; n <= 3; ++n) {
            const std::string key = std::to_string(lngYear) + "J" + std::to_string(n);
            if (m_j1j2.GetItem(key, "").find(strShortName) != std::string::npos) {
                return "J" + std::to_string(n);
            }
        }
        return "";
    } catch (const std::exception& e) {
        m_err.ReportException("GetShortToJ1J2String", e);
        return "";
    }
}

std::string clsTotoData::GetTeamName2Version() const
{
    try {
        return m_teamName2.GetItem("Version", "") + "." + m_teamName2.GetItem("Revision", "");
    } catch (const std::exception& e) {
        m_err.ReportException("GetTeamName2Version", e);
        return "";
    }
}

bool clsTotoData::ExistsLongTeamName(std::string_view strLongName) const
{
    try {
        return m_teamName.KeyExists(strLongName) || m_teamName2.KeyExists(strLongName) ||
               (m_teamName3.Enabled() && m_teamName3.KeyExists(strLongName));
    } catch (const std::exception& e) {
        m_err.ReportException("ExistsLongTeamName", e);
        return false;
    }
}
