#pragma once
// What the three page-reader targets share: the bytes go the way a fetched page goes (decoded
// as the operator's UTF-8, tokenised, flattened to the body's text list) and the reader reads
// the list, for the main lottery and for a group. The fetch itself is the only step left out.
// A record the reader accepts is then stored and read back as the loaders would, and must come
// back the same: a page must never leave a record the store cannot read back.

#include "base/DateTime.h"
#include "base/basText.h"
#include "fuzz/FuzzFile.h"
#include "fuzz/FuzzHost.h"
#include "fuzz/FuzzStoreText.h"
#include "net/basEncode.h"
#include "net/clsHtmlGet.h"
#include "reference/basTotoSettings.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct FuzzPageHost
{
    FuzzHost Host;
    TotoSettings Settings = basTotoSettings::Defaults();
};

// The fixed day the readers date month/day entries by, so a run is repeatable.
inline DateTime FuzzToday()
{
    return DateTime::FromYmd(2021, 6, 1);
}

inline std::vector<std::string> FuzzPageList(clsHtmlGet& get, const std::uint8_t* data,
                                             std::size_t size)
{
    const std::string text =
        basEncode::Utf8Decode(std::string_view(reinterpret_cast<const char*>(data), size));
    get.SetHtml("http://127.0.0.1/", text);
    std::vector<std::string> list;
    get.GetTextData(list);
    return list;
}

template <class XmlStore, class Record> void FuzzStoreRecord(FuzzHost& host, const Record& rec)
{
    XmlStore store(host, FuzzFile::ProgramDir());
    store.SetRecord(rec);
    const std::string& saved = FuzzFile::Path("page.xml");
    if (!store.XmlSave(saved)) {
        FuzzFail("a record read from a page could not be stored");
    }
    XmlStore again(host, FuzzFile::ProgramDir());
    if (!again.XmlLoad(saved)) {
        FuzzFail("a record read from a page does not load from the store");
    }
    // The store is CP932: a page character it cannot hold is stored as "?", so only a record
    // that CP932 holds whole can come back exactly.
    const std::string text = FuzzStoreText(store);
    std::string bytes;
    if (basText::TryToSjis(text, bytes) && !(again.GetRecord() == FuzzAsStored(rec))) {
        FuzzFailDiffer("a record read from a page reads back from the store different", text,
                       FuzzStoreText(again));
    }
}
