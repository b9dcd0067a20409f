#pragma once
// Splits a page into tags and text runs and marks which of them lie in the body. Owned by the
// page fetcher; holds the items of the last page until the next one is read.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct HtmlItem
{
    std::string Raw;
    bool IsTag = false;
    bool IsEndTag = false;
    bool IsComment = false;
    bool InBody = false;
    // Tag: its name without "<", ">", "/" and attributes; text: the text; comment: its text.
    std::string Name;
    // Tag: its inner text split at single spaces, part 0 being the name as written.
    std::vector<std::string> Parts;
    std::int32_t PartCount = -1;
};

class clsHtmlData
{
public:
    // Item count of the page.
    std::int32_t GetHtmlData(std::string_view strHtml);

    std::int32_t Count() const { return static_cast<std::int32_t>(m_items.size()); }
    const std::vector<HtmlItem>& Items() const { return m_items; }
    std::vector<HtmlItem>& Items() { return m_items; }
    void Clear() { m_items.clear(); }

    // A token as it is kept: controls as spaces, space runs collapsed, the few entities the
    // pages use decoded, trimmed.
    static std::string CleanToken(std::string_view strToken);

private:
    std::vector<HtmlItem> m_items;
};
