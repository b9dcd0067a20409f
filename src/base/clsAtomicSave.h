#pragma once
// The one save of a whole data, CSV or store file: the bytes replace the file through
// clsFileStream::ReplaceWhole (a temporary file in the same folder, synced, then renamed), so a
// failed save never leaves a half file; parents are created. Stateless.

#include "base/clsErrorReporter.h"

#include <string>
#include <string_view>

class clsAtomicSave
{
public:
    // What a save met: Code is 0 when the file was replaced, else the errno value (or
    // clsFileStream::NotRegularFile) of the failure; FolderSync, when not 0, that the file was
    // saved but its folder could not be synced, which is a warning, not a failure.
    struct Outcome
    {
        int Code = 0;
        int FolderSync = 0;
    };

    // Bytes already in their final encoding.
    static bool SaveBytes(const std::string& strFileName, std::string_view strBytes,
                          Outcome& outcome);
    // The runtime error a writer reports for a failed save: "FILE に書き込めません。" with the
    // system's reason (PathAccess), or, for a full disk or quota, the disk-full error.
    static ErrorRecord WriteError(const std::string& strFileName, const Outcome& outcome);
};
