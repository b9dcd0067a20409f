// The clipboard import of a ticket list, through the clipboard as the document reads it; the
// tickets it finds, copied again as the copy writes them, must import as the same list.

#include "files/clsTClipImport.h"
#include "files/clsTClipboard.h"
#include "fuzz/FuzzHost.h"
#include "lottery/clsTNumber.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static FuzzHost host;
    host.Clipboard.assign(reinterpret_cast<const char*>(data), size);
    clsTClipImport import(host);
    std::vector<std::int32_t> singles;
    const std::int32_t count = import.Import(0, singles);
    if (count != static_cast<std::int32_t>(singles.size())) {
        FuzzFail("the import count does not match the list");
    }
    for (const std::int32_t no : singles) {
        if (!clsTNumber::IsValidNo(no)) {
            FuzzFail("an imported ticket number is outside the numbering");
        }
    }
    DataFileRecord rec;
    rec.SingleCount = count;
    rec.Singles = singles;
    if (clsTClipImport::ParseTickets(clsTClipboard::TicketLinesText(rec)) != singles) {
        FuzzFail("copied tickets import as a different list");
    }
    return 0;
}
