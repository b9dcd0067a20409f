#pragma once
// What the three store-file targets share: a fresh store reads the file as the loaders do;
// a record it accepted is saved and read back by another fresh store and must come back the
// same, so a round once stored is never lost or changed by its own save.

#include "base/basText.h"
#include "fuzz/FuzzFile.h"
#include "fuzz/FuzzHost.h"
#include "fuzz/FuzzStoreText.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

template <class Store> void FuzzStoreFile(const std::uint8_t* data, std::size_t size)
{
    static FuzzHost host;
    const std::string& path = FuzzFile::Path("xml");
    FuzzFile::Write(path, data, size);
    host.Reset();

    // The stores keep a little state between reads, so every input gets fresh ones.
    Store store(host, FuzzFile::ProgramDir());
    if (!store.XmlLoad(path)) {
        if (host.MessageCount == 0) {
            FuzzFail("a load failed without a message");
        }
        return;
    }
    const std::string& saved = FuzzFile::Path("saved.xml");
    if (!store.XmlSave(saved)) {
        FuzzFail("a loaded record could not be saved");
    }
    Store again(host, FuzzFile::ProgramDir());
    if (!again.XmlLoad(saved)) {
        FuzzFail("a saved store file does not load again");
    }
    // A file that is not whole CP932 reads with replacement characters, which save as "?"; only
    // a file that decodes whole must come back exactly.
    std::string text;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (basText::TryFromSjis(basText::CutAtNul(bytes), text) &&
        !(again.GetRecord() == FuzzAsStored(store.GetRecord()))) {
        FuzzFailDiffer("a saved store file reads back different", FuzzStoreText(store),
                       FuzzStoreText(again));
    }
}
