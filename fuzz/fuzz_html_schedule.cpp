// The lottery-information page reader, on page text instead of a download.

#include "fuzz/FuzzPage.h"
#include "net/clsHtmlSchedule.h"
#include "store/clsXmlSchedule.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static FuzzPageHost page;
    static clsHtmlSchedule reader(page.Host, page.Host, page.Host, page.Settings,
                                  FuzzFile::ProgramDir());
    reader.Toto().SetToday(FuzzToday());
    const auto list = FuzzPageList(reader.Fetcher(), data, size);
    for (const char* kumi : {"", "A"}) {
        if (reader.ReadList(list, kumi)) {
            FuzzStoreRecord<clsXmlSchedule>(page.Host, reader.Schedule());
        }
    }
    page.Host.CheckBalanced();
    return 0;
}
