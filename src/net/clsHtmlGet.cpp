#include "net/clsHtmlGet.h"

#include "base/basText.h"

clsHtmlGet::clsHtmlGet(clsIMessage& message, clsIBusy& busy, clsIWait& wait)
    : m_inet(message, busy, wait)
{}

std::string clsHtmlGet::RemoveBlanks(std::string_view strText)
{
    // A no-break space written literally (not the entity, which stays text) is a blank too:
    // pages put it inside labels, names and periods where an ordinary space would do.
    std::string s = basText::Replace(basText::Replace(strText, "\xE3\x80\x80", ""), "\xC2\xA0", "");
    std::erase_if(s, [](char c) { return c == ' ' || c == '\t'; });
    return s;
}

std::int32_t clsHtmlGet::GetHttp(std::string_view strUrl, std::string_view strProxy,
                                 std::uint8_t bytCode)
{
    m_url.clear();
    m_html.clear();
    m_data.Clear();
    if (!m_inet.Connection()) {
        return 0;
    }
    const std::string url(strUrl);
    std::string text = m_inet.GetHttpDataString(url, strProxy, bytCode);
    return SetHtml(url, text);
}

std::int32_t clsHtmlGet::SetHtml(std::string_view strUrl, std::string_view strHtml)
{
    m_url = strUrl;
    m_html = strHtml;
    m_data.GetHtmlData(m_html);
    for (auto& item : m_data.Items()) {
        item.Name = RemoveBlanks(item.Name);
    }
    return m_data.Count();
}

std::int32_t clsHtmlGet::GetTextData(std::vector<std::string>& strList) const
{
    strList.clear();
    bool afterBreak = false;
    for (const auto& item : m_data.Items()) {
        if (!item.InBody) {
            continue;
        }
        if (item.IsTag || item.IsComment) {
            afterBreak = item.Name.size() == 2 && basText::EqualsNoCase(item.Name, "BR");
        } else if (afterBreak && !strList.empty()) {
            strList.back() += item.Name;
        } else {
            strList.push_back(item.Name);
        }
    }
    return static_cast<std::int32_t>(strList.size());
}
