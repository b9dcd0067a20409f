#include "files/basCsvRecord.h"

namespace {
// Reads strRecord as RFC 4180 fields, into fields when given; true when a quoted field is
// still open at the end. blnQuoted: the text starts inside a quoted field.
bool Scan(std::string_view strRecord, std::vector<std::string>* fields, bool blnQuoted)
{
    std::string field;
    bool quoted = blnQuoted;
    bool fieldStart = !blnQuoted;
    for (std::size_t i = 0; i < strRecord.size(); ++i) {
        const char c = strRecord[i];
        if (quoted) {
            if (c != '"') {
                if (fields != nullptr) {
                    field += c;
                }
            } else if (i + 1 < strRecord.size() && strRecord[i + 1] == '"') {
                field += '"';
                ++i;
            } else {
                quoted = false;
            }
        } else if (c == ',') {
            if (fields != nullptr) {
                fields->push_back(std::move(field));
            }
            field.clear();
            fieldStart = true;
            continue;
        } else if (c == '"' && fieldStart) {
            quoted = true;
        } else {
            // A quote inside an unquoted field is plain text.
            if (fields != nullptr) {
                field += c;
            }
        }
        fieldStart = false;
    }
    if (fields != nullptr) {
        fields->push_back(std::move(field));
    }
    return quoted;
}
} // namespace

namespace basCsvRecord {
std::string_view WithoutBom(std::string_view strRecord)
{
    if (strRecord.starts_with(kUtf8Bom)) {
        strRecord.remove_prefix(kUtf8Bom.size());
    }
    return strRecord;
}

bool IsOpen(std::string_view strLine, bool blnOpenBefore)
{
    return Scan(strLine, nullptr, blnOpenBefore);
}

std::vector<std::string> SplitFields(std::string_view strRecord)
{
    std::vector<std::string> fields;
    Scan(strRecord, &fields, false);
    return fields;
}
} // namespace basCsvRecord
