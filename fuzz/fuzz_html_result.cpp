// The result page reader, on page text instead of a download.

#include "fuzz/FuzzPage.h"
#include "net/clsHtmlResult.h"
#include "store/clsXmlResult.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static FuzzPageHost page;
    static clsHtmlResult reader(page.Host, page.Host, page.Host, page.Settings);
    reader.Toto().SetToday(FuzzToday());
    const auto list = FuzzPageList(reader.Fetcher(), data, size);
    for (const char* kumi : {"", "A"}) {
        if (reader.ReadList(list, kumi)) {
            FuzzStoreRecord<clsXmlResult>(page.Host, reader.Result());
        }
    }
    page.Host.CheckBalanced();
    return 0;
}
