#pragma once
// The readers take file names, so each input is written to one file in a private folder below
// $TMPDIR (made on first use, removed at exit) and read back from there, exactly as a user's
// file would be.

#include <cstddef>
#include <cstdint>
#include <string>

namespace FuzzFile {
// The path of the input file, with the given extension ("drd", "xml"); the same for the whole
// run.
const std::string& Path(const std::string& strExtension);
// Replaces the file's content with the input bytes.
void Write(const std::string& strPath, const std::uint8_t* data, std::size_t size);
// The folder that holds the SysData reference files the readers look up (team names).
std::string ProgramDir();
} // namespace FuzzFile
