#pragma once
// The line-oriented tag scanner shared by the schedule, vote-status and result files: not an XML
// parser, it reads exactly the shape the store's writers produce. Also the text escaping, the
// whole-file read and the XmlSave/XmlLoad routine the three stores use. Stateless; the
// stores own one each.

#include "base/Currency.h"
#include "base/DateTime.h"
#include "base/ReadError.h"
#include "base/clsErrorReporter.h"

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A read error raised inside a value handler.
class XmlReadError : public ReadError
{
public:
    using ReadError::ReadError;
};

class clsXmlTagReader
{
public:
    using Stack = std::vector<std::string>;
    // Called for every value with the open tags, root first. May throw XmlReadError.
    using ValueHandler = std::function<void(const Stack&, const std::string&)>;

    // Walks the text; reports a tag mismatch, a root element that is not closed (a file cut
    // short), text after it, or a read error under the operation "XmlLoad". strSource names
    // the file in the report, with lngFirstLine the number of the text's first line in it.
    bool Read(std::string_view strText, const ValueHandler& handler,
              const clsErrorReporter& reporter, std::string_view strSource = {},
              std::int32_t lngFirstLine = 1) const;

    // The key of a value: the tags from the third one up, joined, when the first two are the
    // root and the given record element; otherwise "".
    static std::string Key(const Stack& stack, std::string_view strRecordTag);

    // "<" ">" become "&lt;" "&gt;", and an "&" that would read back as one of these escapes
    // becomes "&amp;"; any other text is written unchanged, so ordinary files stay byte-exact.
    static std::string Escape(std::string_view strText);
    static std::string Unescape(std::string_view strText);
    // "<tag>value</tag>" + CR LF; the value is escaped.
    static std::string Element(std::string_view strTag, std::string_view strValue);

    // False when the file is missing, not a regular file or unreadable; the text is cut at the
    // first NUL.
    static bool LoadText(const std::string& strFileName, std::string& strUtf8,
                         std::string* strError = nullptr);
    // The raw bytes of a whole file.
    static bool LoadBytes(const std::string& strFileName, std::string& strBytes,
                          std::string* strError = nullptr);
    static bool FileExists(const std::string& strFileName);

    // A store's XmlSave. The text is made inside the guard, so failing to make it is reported
    // like failing to write it: the file name and "ファイルの保存に失敗しました。".
    static bool SaveFile(const std::string& strFileName,
                         const std::function<std::string()>& makeText,
                         const clsErrorReporter& reporter);
    // A missing file is no error for the stores, only a false. Any other failure is reported
    // with the file name: a path that is not a regular file, a read error, and a NUL byte (a
    // store file never holds one; the text after it would be lost).
    static bool LoadFile(const std::string& strFileName, std::string& strUtf8,
                         const clsErrorReporter& reporter);
    // Reads into a fresh record and takes it only when the whole text read, so a bad file
    // leaves the held record as it was.
    template <class Record, class RecordHandler>
    bool ReadRecord(std::string_view strText, Record& target, RecordHandler onValue,
                    const clsErrorReporter& reporter, std::string_view strSource = {},
                    std::int32_t lngFirstLine = 1) const
    {
        Record rec;
        const bool ok = Read(
            strText, [&](const Stack& stack, const std::string& v) { onValue(rec, stack, v); },
            reporter, strSource, lngFirstLine);
        if (ok) {
            target = rec;
        }
        return ok;
    }
    // A store's XmlLoad: LoadFile, then ReadRecord.
    template <class Record, class RecordHandler>
    bool LoadRecord(const std::string& strFileName, Record& target, RecordHandler onValue,
                    const clsErrorReporter& reporter) const
    {
        std::string text;
        if (!LoadFile(strFileName, text, reporter)) {
            return false;
        }
        return ReadRecord(text, target, onValue, reporter, strFileName);
    }

    // Path of a round's store file: SysData/<folder>/<prefix><round "000">[_<group>].xml.
    static std::string StoreFileName(const std::string& strProgramDir, std::string_view strFolder,
                                     std::string_view strPrefix, std::int32_t lngKaisaikai,
                                     const std::string& strKumi);

    // Strict value readers for a stored value: a text that is not of the type raises the
    // runtime's type-mismatch error, so a damaged file fails its load as a whole. Amounts
    // beyond Currency::ReadLimit raise the overflow error.
    static DateTime DateOf(const std::string& strValue);
    static Currency MoneyOf(const std::string& strValue);
    // MoneyOf for prizes, winners, carry-overs, bets and sales: a negative or fractional one
    // raises an invalid-argument error saying which it is.
    static Currency AmountOf(const std::string& strValue);
    static std::int32_t LongOf(const std::string& strValue);
    static std::uint8_t ByteOf(const std::string& strValue);
    // A whole number within lngMin..lngMax, else the overflow error naming the range.
    static std::int32_t RangeOf(const std::string& strValue, std::int32_t lngMin,
                                std::int32_t lngMax);

    // Runtime errors of the readers (number and text as the original runtime gave them).
    [[noreturn]] static void ThrowTypeMismatch();
    [[noreturn]] static void ThrowOutOfRange();
};
