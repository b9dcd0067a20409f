#pragma once
// What the data-file and conditions-file targets share: the document's way of opening a file
// (type check, then a load into a fresh record), and, for a file that opened, a save and a
// second open, which must give back the same record: a file the program accepted once must
// never become one it cannot open again.

#include "app/basVersion.h"
#include "base/basText.h"
#include "files/clsTFileDRD.h"
#include "fuzz/FuzzFile.h"
#include "fuzz/FuzzHost.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

inline void FuzzDataFile(const std::uint8_t* data, std::size_t size, bool blnDataFlag)
{
    static FuzzHost host;
    // The notice the program writes on every file's second line: its Japanese keeps a file
    // whose only other text is half-width kana from passing for UTF-8 once saved.
    static clsTFileDRD drd(host.Host(), "1.00", std::string(basVersion::kLegalNotice));
    const std::string ext = blnDataFlag ? "drd" : "drj";
    const std::string& path = FuzzFile::Path(ext);
    FuzzFile::Write(path, data, size);
    host.Reset();

    std::int32_t version = 0;
    if (!drd.DataTypeCheck(path, blnDataFlag, version)) {
        host.CheckBalanced();
        return;
    }
    DataFileRecord rec;
    if (!drd.Load(path, rec)) {
        host.CheckBalanced();
        if (host.MessageCount == 0) {
            FuzzFail("a load failed without a message");
        }
        return;
    }
    host.CheckBalanced();

    // Only what a save writes can come back: the group and the old vote time are never written.
    rec.Kumi.clear();
    rec.VoteTime = DateTime{};
    const std::string& saved = FuzzFile::Path("saved." + ext);
    if (!drd.Save(saved, blnDataFlag, rec, true)) {
        FuzzFail("a loaded record could not be saved");
    }
    DataFileRecord again;
    if (!drd.DataTypeCheck(saved, blnDataFlag, version) || !drd.Load(saved, again)) {
        FuzzFail("a saved file does not open again");
    }
    again.Kumi.clear();
    again.VoteTime = DateTime{};
    // A file that is not whole CP932 reads with replacement characters, which save as "?"; only
    // a file that decodes whole must come back exactly.
    std::string text;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (!basText::TryFromSjis(basText::CutAtNul(bytes), text)) {
        return;
    }
    if (blnDataFlag ? !(again == rec) : !(again.Jouken == rec.Jouken)) {
        FuzzFailDiffer("a saved file reads back different", drd.BuildText(blnDataFlag, rec),
                       drd.BuildText(blnDataFlag, again));
    }
    host.CheckBalanced();
}
