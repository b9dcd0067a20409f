#include "base/clsAtomicSave.h"

#include "base/clsFileStream.h"

bool clsAtomicSave::SaveBytes(const std::string& strFileName, std::string_view strBytes,
                              Outcome& outcome)
{
    outcome.Code = clsFileStream::ReplaceWhole(strFileName, strBytes, &outcome.FolderSync);
    return outcome.Code == 0;
}

ErrorRecord clsAtomicSave::WriteError(const std::string& strFileName, const Outcome& outcome)
{
    if (clsFileStream::IsDiskFull(outcome.Code)) {
        return ErrorRecord{strFileName +
                               " に書き込めません。ディスクの空き容量が不足しています。 (" +
                               clsFileStream::ErrorText(outcome.Code) + ")",
                           ErrorNumber::DiskFull, std::string(kAppTitle)};
    }
    return ErrorRecord{strFileName + " に書き込めません。 (" +
                           clsFileStream::ErrorText(outcome.Code) + ")",
                       ErrorNumber::PathAccess, std::string(kAppTitle)};
}
