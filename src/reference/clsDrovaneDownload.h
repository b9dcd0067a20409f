#pragma once
// Brings the overseas team names (SysData/TeamName2.dat) up to the version the maker
// publishes. The main window (frmMain) owns one for its lifetime: the version list is read at the
// first update and kept. kelvra-cli's update-teams command makes one for its call.

#include "base/clsErrorReporter.h"
#include "base/clsFileStream.h"
#include "base/clsHost.h"
#include "base/clsIHttp.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class clsDrovaneDownload
{
public:
    static constexpr std::string_view kDefaultSite = "http://www.drovane.com";
    static constexpr std::string_view kFolder = "/download/2021/";

    // strSite: scheme and host of the maker's site, without a trailing "/". http must outlive
    // this object (the caller owns the connection and its progress log).
    clsDrovaneDownload(const clsHost& host, clsIHttp& http, std::string strProgramFolder,
                       std::string strSite = std::string(kDefaultSite));

    // True when the local file is current or was just replaced.
    bool DownloadTeamName2(bool blnDQuestion);
    std::string GetItem(std::string_view strKey, std::string_view strDefault) const;
    std::int32_t Count() const { return static_cast<std::int32_t>(m_items.size()); }

    // "3.12" → 3012; 0 when the text is no version.
    static std::int32_t VersionNumber(std::string_view strVersion);

private:
    bool GetFileVersion();
    bool GetTeamName2();
    bool CheckDownload(const std::string& strText);
    void Failure(std::string_view strReason);
    void Warning(std::string_view strText);
    void Information(std::string_view strText);

    clsHost m_host;
    clsErrorReporter m_err;
    std::string m_programFolder;
    std::string m_site;
    clsIHttp& m_http;
    clsFileStream m_stream;
    std::vector<std::pair<std::string, std::string>> m_items;
};
