#pragma once
// Fetches a web page and hands the page readers its visible body text as a flat list. Owned
// by one page reader (or a test); keeps the last page until the next fetch.

#include "net/clsHtmlData.h"
#include "net/clsWinInet.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class clsHtmlGet
{
public:
    clsHtmlGet(clsIMessage& message, clsIBusy& busy, clsIWait& wait);

    // Item count of the page (0 when nothing was fetched).
    std::int32_t GetHttp(std::string_view strUrl, std::string_view strProxy, std::uint8_t bytCode);
    // Reads an already fetched text as if it had come from strUrl; tests and tools use it.
    std::int32_t SetHtml(std::string_view strUrl, std::string_view strHtml);
    // The text list of the body: a text after a <br> joins the entry before it.
    std::int32_t GetTextData(std::vector<std::string>& strList) const;

    const std::string& Url() const { return m_url; }
    const std::string& Html() const { return m_html; }
    const clsHtmlData& Data() const { return m_data; }

    clsWinInet& WinInet() { return m_inet; }
    bool ProgressOpen() const { return m_inet.ProgressOpen(); }
    void SetProgressOpen(bool blnValue) { m_inet.SetProgressOpen(blnValue); }
    bool ProgressClose() const { return m_inet.ProgressClose(); }
    void SetProgressClose(bool blnValue) { m_inet.SetProgressClose(blnValue); }
    void SetProgressDialogMessage(std::string_view strValue)
    {
        m_inet.SetProgressDialogMessage(strValue);
    }

    // Spaces, ideographic spaces and tabs removed, so "販売 終了時点" reads "販売終了時点".
    static std::string RemoveBlanks(std::string_view strText);

private:
    clsWinInet m_inet;
    clsHtmlData m_data;
    std::string m_url;
    std::string m_html;
};
