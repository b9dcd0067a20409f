#pragma once
// Fields of one CSV record as other tools write them (RFC 4180): a field may sit in double
// quotes, where a comma or a line end is part of the text and "" stands for one quote.

#include <string>
#include <string_view>
#include <vector>

namespace basCsvRecord {
// The byte-order mark a UTF-8 file may begin with.
inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// strRecord without a leading UTF-8 byte-order mark.
std::string_view WithoutBom(std::string_view strRecord);
// True when a quoted field is open at the end of strLine, given whether one was open at its
// start: then the record goes on in the next line. Taken line by line, so a long record is
// never scanned twice.
bool IsOpen(std::string_view strLine, bool blnOpenBefore = false);
// The fields of a whole record. Text after a closing quote is kept as part of the field, as
// spreadsheet programs do, rather than refusing the file for it.
std::vector<std::string> SplitFields(std::string_view strRecord);
} // namespace basCsvRecord
