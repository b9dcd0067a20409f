#include "reference/clsDrovaneDownload.h"

#include "base/basText.h"
#include "reference/clsTotoData.h"

#include <filesystem>

namespace {
constexpr std::string_view kTitle = " Drovane";
constexpr std::string_view kTeamFile = "TeamName2.dat";

// A whole number of at most nine digits (so the version stays in range), or -1.
std::int64_t WholeNumber(std::string_view s)
{
    if (s.empty() || s.size() > 9) {
        return -1;
    }
    std::int64_t v = 0;
    for (char c : s) {
        if (c < '0' || c > '9') {
            return -1;
        }
        v = v * 10 + (c - '0');
    }
    return v;
}
} // namespace

clsDrovaneDownload::clsDrovaneDownload(const clsHost& host, clsIHttp& http,
                                       std::string strProgramFolder, std::string strSite)
    : m_host(host)
    , m_err(host.Message, "clsDrovaneDownload")
    , m_programFolder(std::move(strProgramFolder))
    , m_site(std::move(strSite))
    , m_http(http)
    , m_stream(host.Message, m_programFolder)
{}

std::int32_t clsDrovaneDownload::VersionNumber(std::string_view strVersion)
{
    const auto dot = strVersion.find('.');
    if (dot == std::string_view::npos) {
        return 0;
    }
    const std::string major = basText::Trim(strVersion.substr(0, dot));
    const std::string minor = basText::Trim(strVersion.substr(dot + 1));
    if (major.empty() || minor.empty()) {
        return 0;
    }
    // Not a whole number, or too large for the version's range: unknown as well.
    const std::int64_t a = WholeNumber(major);
    const std::int64_t b = WholeNumber(minor);
    if (a < 0 || b < 0) {
        return 0;
    }
    const std::int64_t v = a * 1000 + b;
    return v > INT32_MAX ? 0 : static_cast<std::int32_t>(v);
}

std::string clsDrovaneDownload::GetItem(std::string_view strKey, std::string_view strDefault) const
{
    if (!strKey.empty()) {
        for (const auto& [key, value] : m_items) {
            if (basText::EqualsNoCase(key, strKey)) {
                return value;
            }
        }
    }
    return std::string(strDefault);
}

void clsDrovaneDownload::Warning(std::string_view strText)
{
    m_host.Message.ShowMessage(MsgIcon::Warning, strText, kTitle);
}

void clsDrovaneDownload::Information(std::string_view strText)
{
    m_host.Message.ShowMessage(MsgIcon::Information, strText, kTitle);
}

void clsDrovaneDownload::Failure(std::string_view strReason)
{
    Warning("インターネットよりダウンロードに失敗しました。\r\n" + std::string(strReason));
}

bool clsDrovaneDownload::CheckDownload(const std::string& strText)
{
    // A missing file is an HTTP error status, which the fetch reports as an empty answer.
    if (strText.empty() && (m_http.LastHttpStatus() == 404 || m_http.LastHttpStatus() == 410)) {
        Failure("原因：アドレスが見つかりません");
        return false;
    }
    if (strText.empty()) {
        Failure("原因：サイトが見つかりません");
        return false;
    }
    if (strText.find("The requested URL was not found on this server") != std::string::npos) {
        Failure("原因：アドレスが見つかりません");
        return false;
    }
    return true;
}

bool clsDrovaneDownload::GetFileVersion()
{
    try {
        m_items.clear();
        m_http.SetProgressDialogMessage("ファイルバージョン取得中 (Drovane)");
        std::string text;
        if (m_http.Connection()) {
            text = m_http.GetHttpDataString(m_site + std::string(kFolder) + "version.dat", "", 0);
        }
        if (!CheckDownload(text)) {
            return false;
        }
        if (text.find("[VersionEnd]") == std::string::npos) {
            Failure("原因：ダウンロード内容(version.dat)が異常です");
            return false;
        }
        std::vector<std::pair<std::string, std::string>> items;
        for (const auto& raw : basText::SplitLines(text)) {
            const std::string line = basText::Trim(raw);
            if (line.empty() || line.starts_with("//") || line.starts_with(";")) {
                continue;
            }
            const auto eq = line.find('=');
            std::string key = basText::Trim(line.substr(0, eq));
            std::string value = eq == std::string::npos ? "" : basText::Trim(line.substr(eq + 1));
            if (!key.empty() && !value.empty()) {
                items.emplace_back(std::move(key), std::move(value));
            }
        }
        m_items = std::move(items);
        return true;
    } catch (const std::exception& e) {
        m_items.clear();
        m_err.ReportException("GetFileVersion", e);
        return false;
    }
}

bool clsDrovaneDownload::GetTeamName2()
{
    try {
        m_http.SetProgressDialogMessage("海外チーム名取得中 (Drovane)");
        std::string text;
        if (m_http.Connection()) {
            text = m_http.GetHttpDataString(m_site + std::string(kFolder) + std::string(kTeamFile),
                                            "", 0);
        }
        if (!CheckDownload(text)) {
            return false;
        }
        if (text.find("[End]") == std::string::npos) {
            Failure("原因：" + std::string(kTeamFile) + " が異常です");
            return false;
        }
        // Written whole through a temporary file, so a failed write leaves the old names.
        const auto path = std::filesystem::path(m_programFolder) / "SysData" / kTeamFile;
        return m_stream.SaveToFile(path.string(), text);
    } catch (const std::exception& e) {
        m_err.ReportException("GetTeamName2", e);
        return false;
    }
}

bool clsDrovaneDownload::DownloadTeamName2(bool blnDQuestion)
{
    try {
        if (blnDQuestion &&
            !m_host.Ask.YesNo("Drovaneより 海外チーム名 をダウンロードします。よろしいですか？",
                              "  Drovane", true)) {
            return false;
        }
        if (m_items.empty() && !GetFileVersion()) {
            return false;
        }
        const std::int32_t published = VersionNumber(GetItem(kTeamFile, ""));
        if (published == 0) {
            Warning("海外チーム名のバージョン取得に失敗しました。");
            return false;
        }
        const std::int32_t local =
            VersionNumber(clsTotoData(m_host.Message, m_programFolder).GetTeamName2Version());
        if (local == 0) {
            Warning("海外チーム名のバージョンが不明です。");
            return false;
        }
        if (published < local) {
            Warning("海外チーム名のバージョンが異常です。");
            return false;
        }
        if (published == local) {
            Information("海外チーム名の情報は最新です。");
            return true;
        }
        if (!GetTeamName2()) {
            return false;
        }
        Information("海外チーム名を最新版に更新しました。");
        return true;
    } catch (const std::exception& e) {
        m_err.ReportException("DownloadTeamName2", e);
        return false;
    }
}
