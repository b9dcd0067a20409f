// Ticket CSV files: the load, the add and remove that read a file into an existing set, and a
// save and load of what was read (the same tickets, in the same order, must come back).

#include "files/clsTFileCSV.h"
#include "fuzz/FuzzFile.h"
#include "fuzz/FuzzHost.h"
#include "lottery/clsTNumber.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {
void CheckTickets(std::int32_t lngCount, const std::vector<std::int32_t>& lngSingle)
{
    if (lngCount < 0 || static_cast<std::size_t>(lngCount) > lngSingle.size()) {
        FuzzFail("the ticket count does not match the list");
    }
    for (std::int32_t i = 0; i < lngCount; ++i) {
        if (!clsTNumber::IsValidNo(lngSingle[static_cast<std::size_t>(i)])) {
            FuzzFail("a loaded ticket number is outside the numbering");
        }
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static FuzzHost host;
    static clsTFileCSV csv(host.Host());
    const std::string& path = FuzzFile::Path("csv");
    FuzzFile::Write(path, data, size);
    host.Reset();

    std::int32_t count = 0;
    std::vector<std::int32_t> singles;
    const bool loaded = csv.CsvLoad(path, count, singles);
    host.CheckBalanced();
    if (!loaded) {
        if (host.MessageCount == 0) {
            FuzzFail("a load failed without a message");
        }
        return 0;
    }
    CheckTickets(count, singles);

    // Remove the file's tickets from a set that already holds some, as the document does (the
    // add is the same load and an append; each load costs a fresh 1 MB buffer, so one will do).
    std::vector<std::int32_t> kept = {0, 1, clsTNumber::SingleCount - 1};
    std::int32_t keptCount = static_cast<std::int32_t>(kept.size());
    if (csv.CsvDel(path, keptCount, kept)) {
        CheckTickets(keptCount, kept);
    }
    host.CheckBalanced();
    if (count == 0) {
        return 0; // an empty set saves as an empty file, which need not read as a ticket set
    }

    const std::string& saved = FuzzFile::Path("saved.csv");
    if (!csv.CsvSave(saved, count, singles)) {
        FuzzFail("loaded tickets could not be saved");
    }
    std::int32_t againCount = 0;
    std::vector<std::int32_t> again;
    if (!csv.CsvLoad(saved, againCount, again)) {
        FuzzFail("a saved CSV does not load again");
    }
    again.resize(static_cast<std::size_t>(againCount));
    singles.resize(static_cast<std::size_t>(count));
    if (again != singles) {
        FuzzFail("a saved CSV reads back different tickets");
    }
    host.CheckBalanced();
    return 0;
}
