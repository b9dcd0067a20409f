#include "files/clsTClipImport.h"

#include "lottery/clsTNumber.h"
#include "lottery/clsToto.h"

#include <string>

clsTClipImport::clsTClipImport(clsIClipboard& clipboard)
    : m_clipboard(clipboard)
{}

std::int32_t clsTClipImport::Import(std::int32_t lngIndex, std::vector<std::int32_t>& lngSingle)
{
    lngSingle.clear();
    if (lngIndex != 0) {
        return 0;
    }
    lngSingle = ParseTickets(m_clipboard.GetText());
    return static_cast<std::int32_t>(lngSingle.size());
}

std::vector<std::int32_t> clsTClipImport::ParseTickets(std::string_view strText)
{
    std::vector<std::int32_t> out;
    std::size_t pos = 0;
    while (pos <= strText.size()) {
        std::size_t eol = strText.find("\r\n", pos);
        if (eol == std::string_view::npos) {
            eol = strText.size();
        }
        std::string line;
        for (const char c : strText.substr(pos, eol - pos)) {
            if (c != ' ') {
                line += c;
            }
        }
        pos = eol + 2;
        const std::size_t colon = line.find(':');
        if (colon != std::string::npos) {
            line.erase(0, colon + 1);
        }
        if (line.size() != clsToto::kMatchCount) {
            continue;
        }
        clsTNumber::LongKousei k{};
        bool ok = true;
        for (int m = 0; m < clsToto::kMatchCount && ok; ++m) {
            ok = line[static_cast<std::size_t>(m)] >= '0' &&
                 line[static_cast<std::size_t>(m)] <= '2';
            k[m] = line[static_cast<std::size_t>(m)] - '0';
        }
        if (ok) {
            out.push_back(clsTNumber::LongToNo(k));
        }
    }
    return out;
}
