#include "net/clsHtmlData.h"

#include "base/basText.h"

std::string clsHtmlData::CleanToken(std::string_view strToken)
{
    // Every byte below 32 is an ASCII control in both UTF-8 and Shift_JIS.
    std::string s;
    s.reserve(strToken.size());
    for (char c : strToken) {
        const char d = static_cast<unsigned char>(c) < 32 ? ' ' : c;
        if (d == ' ' && !s.empty() && s.back() == ' ') {
            continue;
        }
        s += d;
    }
    // Order matters: "&amp;lt;" must come out as "&lt;", not "<".
    s = basText::Replace(s, "&lt;", "<");
    s = basText::Replace(s, "&gt;", ">");
    s = basText::Replace(s, "&quot;", "\"");
    s = basText::Replace(s, "&amp;", "&");
    s = basText::Replace(s, "&#169;", "(c)");
    s = basText::Replace(s, "&#174;", "(r)");
    return std::string(basText::TrimSpaces(s));
}

namespace {
// Tag or text is decided here, on the raw page: once cleaned, a text run that begins with
// "&lt;" would begin with "<" too.
struct Token
{
    std::string Text;
    bool IsTag;
};

std::vector<Token> Tokenize(std::string_view strHtml)
{
    std::vector<Token> tokens;
    bool inTag = false;
    bool inText = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i < strHtml.size(); ++i) {
        const char c = strHtml[i];
        if (inTag) {
            if (c == '>') {
                tokens.push_back(
                    {clsHtmlData::CleanToken(strHtml.substr(start, i - start + 1)), true});
                inTag = false;
            }
        } else if (c == '<') {
            if (inText) {
                tokens.push_back(
                    {clsHtmlData::CleanToken(strHtml.substr(start, i - start)), false});
                inText = false;
            }
            inTag = true;
            start = i;
        } else if (!inText) {
            inText = true;
            start = i;
        }
    }
    return tokens;
}

// A tag's name and its parts split at single spaces; a comment's text. Sets insideComment when
// a comment opens here and does not close.
void ReadTag(HtmlItem& item, const std::string& token, bool& insideComment)
{
    item.IsTag = true;
    if (token.starts_with("<!--")) {
        item.IsComment = true;
        if (token.size() >= 7 && token.ends_with("-->")) {
            item.Name = std::string(
                basText::TrimSpaces(std::string_view(token).substr(4, token.size() - 7)));
        } else {
            insideComment = true;
        }
    } else {
        const std::string_view inner = std::string_view(token).substr(1, token.size() - 2);
        std::size_t pos = 0;
        while (true) {
            const std::size_t next = inner.find(' ', pos);
            item.Parts.emplace_back(inner.substr(pos, next - pos));
            if (next == std::string_view::npos) {
                break;
            }
            pos = next + 1;
        }
        item.Name = item.Parts.front();
        item.PartCount = static_cast<std::int32_t>(item.Parts.size()) - 1;
    }
    if (item.Name.starts_with("/")) {
        item.IsEndTag = true;
        item.Name.erase(0, 1);
    }
}
} // namespace

std::int32_t clsHtmlData::GetHtmlData(std::string_view strHtml)
{
    m_items.clear();
    bool insideComment = false;
    bool inBody = false;
    for (auto& [token, isTag] : Tokenize(strHtml)) {
        if (token.empty()) {
            continue;
        }
        HtmlItem item;
        item.Raw = token;
        if (insideComment) {
            item.IsComment = true;
            if (token.find("-->") != std::string::npos) {
                insideComment = false;
            }
            m_items.push_back(std::move(item));
            continue;
        }
        if (isTag) {
            ReadTag(item, token, insideComment);
        } else {
            item.Name = token;
        }
        const bool bodyTag =
            item.IsTag && !item.IsComment && basText::EqualsNoCase(item.Name, "body");
        if (bodyTag && item.IsEndTag) {
            inBody = false;
        }
        item.InBody = inBody;
        if (bodyTag && !item.IsEndTag) {
            inBody = true;
        }
        m_items.push_back(std::move(item));
    }
    return Count();
}
