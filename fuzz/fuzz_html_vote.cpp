// The vote-rate page reader, on page text instead of a download.

#include "fuzz/FuzzPage.h"
#include "net/clsHtmlVote.h"
#include "store/clsXmlVote.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static FuzzPageHost page;
    static clsHtmlVote reader(page.Host, page.Host, page.Host, page.Settings);
    reader.Toto().SetToday(FuzzToday());
    const auto list = FuzzPageList(reader.Fetcher(), data, size);
    for (const char* kumi : {"", "A", "B"}) {
        bool final = false;
        if (reader.ReadList(list, kumi, final)) {
            FuzzStoreRecord<clsXmlVote>(page.Host, reader.Vote());
        }
    }
    page.Host.CheckBalanced();
    return 0;
}
