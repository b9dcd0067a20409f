// The vote files of the store (SysData/toto_Vote): load, save, load again; and the same text
// as the <投票状況> block a data file embeds.

#include "base/basText.h"
#include "fuzz/FuzzStoreFile.h"
#include "store/clsXmlVote.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzStoreFile<clsXmlVote>(data, size);

    static FuzzHost host;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    clsXmlVote block(host, FuzzFile::ProgramDir());
    if (block.SetXmlString(basText::FromSjis(basText::CutAtNul(bytes)), false)) {
        clsXmlVote again(host, FuzzFile::ProgramDir());
        if (!again.SetXmlString(block.GetXmlString(false), false) ||
            !(again.GetRecord() == block.GetRecord())) {
            FuzzFail("an embedded vote block does not read back the same");
        }
    }
    return 0;
}
