#pragma once
// The line-oriented tag scanner shared by the schedule, vote-status and result files: not an XML
// parser, it reads exactly the shape the store's writers produce. Also the text escaping, the
// whole-file read/write and the XmlSave/XmlLoad routine the three stores use. Stateless; the
// stores own one each.

#include "app/Currency.h"
#include "app/DateTime.h"
#include "app/clsErrorReporter.h"

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A read error raised inside a value handler: a runtime error with its number and text.
class XmlReadError : public std::runtime_error
{
public:
    XmlReadError(std::int32_t lngNumber, const std::string& strDescription)
        : std::runtime_error(strDescription)
        , m_number(lngNumber)
    {}
    std::int32_t Number() const { return m_number; }

private:
    std::int32_t m_number;
};

class clsXmlTagReader
{
public:
    using Stack = std::vector<std::string>;
    // Called for every value with the open tags, root first. May throw XmlReadError.
    using ValueHandler = std::function<void(const Stack&, const std::string&)>;

    // Walks the text; reports a tag mismatch or a read error under the operation "XmlLoad".
    bool Read(std::string_view strText, const ValueHandler& handler,
              const clsErrorReporter& reporter) const;

    // The key of a value: the tags from the third one up, joined, when the first two are the
    // root and the given record element; otherwise "".
    static std::string Key(const Stack& stack, std::string_view strRecordTag);

    // "<" ">" become "&lt;" "&gt;", and an "&" that would read back as one of these escapes
    // becomes "&amp;"; any other text is written unchanged, so ordinary files stay byte-exact.
    static std::string Escape(std::string_view strText);
    static std::string Unescape(std::string_view strText);
    // "<tag>value</tag>" + CR LF; the value is escaped.
    static std::string Element(std::string_view strTag, std::string_view strValue);

    // Whole-file text in CP932. Writing goes to a temporary file beside the target, which then
    // replaces it, so a failed write never leaves a half file; parents are created.
    static bool SaveText(const std::string& strFileName, std::string_view strUtf8);
    // The same for bytes already in their final encoding.
    static bool SaveBytes(const std::string& strFileName, std::string_view strBytes);
    // False when the file is missing or unreadable; the text is cut at the first NUL.
    static bool LoadText(const std::string& strFileName, std::string& strUtf8);
    // The raw bytes of a whole file.
    static bool LoadBytes(const std::string& strFileName, std::string& strBytes);
    static bool FileExists(const std::string& strFileName);

    // A store's XmlSave. The text is made inside the guard, so failing to make it is reported
    // like failing to write it: the file name and "ファイルの保存に失敗しました。".
    static bool SaveFile(const std::string& strFileName,
                         const std::function<std::string()>& makeText,
                         const clsErrorReporter& reporter);
    // A missing file is no error for the stores, only a false.
    static bool LoadFile(const std::string& strFileName, std::string& strUtf8);
    // Reads into a fresh record and takes it only when the whole text read, so a bad file
    // leaves the held record as it was.
    template <class Record, class RecordHandler>
    bool ReadRecord(std::string_view strText, Record& target, RecordHandler onValue,
                    const clsErrorReporter& reporter) const
    {
        Record rec;
        const bool ok = Read(
            strText, [&](const Stack& stack, const std::string& v) { onValue(rec, stack, v); },
            reporter);
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
        if (!LoadFile(strFileName, text)) {
            return false;
        }
        return ReadRecord(text, target, onValue, reporter);
    }

    // Path of a round's store file: SysData/<folder>/<prefix><round "000">[_<group>].xml.
    static std::string StoreFileName(const std::string& strProgramDir, std::string_view strFolder,
                                     std::string_view strPrefix, std::int32_t lngKaisaikai,
                                     const std::string& strKumi);

    // Strict value readers for a stored value: a text that is not of the type raises the
    // runtime's type-mismatch error, so a damaged file fails its load as a whole.
    static DateTime DateOf(const std::string& strValue);
    static Currency MoneyOf(const std::string& strValue);
    static std::int32_t LongOf(const std::string& strValue);
    static std::uint8_t ByteOf(const std::string& strValue);

    // Runtime errors of the readers (number and text as the original runtime gave them).
    [[noreturn]] static void ThrowTypeMismatch();
    [[noreturn]] static void ThrowOutOfRange();
};
