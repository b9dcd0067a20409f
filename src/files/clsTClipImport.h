#pragma once
// Reads a ticket list back from clipboard text (one ticket per line, with or without the "n:"
// prefix the copy writes). The document creates one per import.

#include "base/clsIClipboard.h"

#include <cstdint>
#include <string_view>
#include <vector>

class clsTClipImport
{
public:
    explicit clsTClipImport(clsIClipboard& clipboard);

    // Only item 0 ("買い目（１口が行）") reads anything; the count of tickets found, in order,
    // duplicates kept. 0 when no line is a ticket.
    std::int32_t Import(std::int32_t lngIndex, std::vector<std::int32_t>& lngSingle);

    static std::vector<std::int32_t> ParseTickets(std::string_view strText);

private:
    clsIClipboard& m_clipboard;
};
