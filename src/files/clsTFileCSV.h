#pragma once
// Ticket sets as CSV files (one ticket per line, the 13 outcome digits joined by ","): save,
// load, add a file's tickets, remove them; proposes file names and reads the round back out of
// one. Made for each import or export (kelvra-cli's csv command); no file stays open between
// calls.

#include "base/clsErrorReporter.h"
#include "base/clsHost.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class clsTFileCSV
{
public:
    // The short product mark that begins proposed file names ("KV-456A.csv").
    static constexpr std::string_view ProductMark = "KV";

    explicit clsTFileCSV(const clsHost& host);

    bool CsvSave(const std::string& strFileName, std::int32_t lngSCount,
                 std::span<const std::int32_t> lngSingle);
    // Reads files as other tools write them too: a UTF-8 byte-order mark, fields in double
    // quotes ("" for a quote, line ends inside quotes). On failure the outputs are left as
    // they were.
    bool CsvLoad(const std::string& strFileName, std::int32_t& lngSCount,
                 std::vector<std::int32_t>& lngSingle);
    bool CsvAdd(const std::string& strFileName, std::int32_t& lngSCount,
                std::vector<std::int32_t>& lngSingle);
    bool CsvDel(const std::string& strFileName, std::int32_t& lngSCount,
                std::vector<std::int32_t>& lngSingle);

    // "KV-" + round as at least three digits + group + ".csv".
    static std::string GetCsvFileName(std::int32_t lngValue, const std::string& Kumi);
    // The same pattern for data files.
    static std::string GetDrdFileName(std::int32_t lngValue, const std::string& Kumi);
    static std::int32_t GetKaisaikai(const std::string& strFileName);
    static std::string GetKumi(const std::string& strFileName);

    // The CSV text of a ticket list (what CsvSave writes).
    static std::string ToCsvText(std::span<const std::int32_t> lngSingle);

private:
    clsHost m_host;
    clsErrorReporter m_err;
};
