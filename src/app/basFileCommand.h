#pragma once
// The words of the window's file commands and the one rule for the name a dialog returns.

#include <cstdint>
#include <string>
#include <string_view>

namespace basFileCommand {
inline constexpr std::string_view kOpenCaption = "ファイルを開く";
inline constexpr std::string_view kSaveCaption = "名前を付けて保存";
inline constexpr std::string_view kJoukenFilter = "条件ファイル(*.drj)";
inline constexpr std::string_view kJoukenExtension = "drj";
inline constexpr std::string_view kJoukenProposedName = "条件";
inline constexpr std::string_view kDataFilter = "データファイル(*.drd)";
inline constexpr std::string_view kDataExtension = "drd";
// The short mark that opens every proposed data-file name.
inline constexpr std::string_view kProductMark = "KV";

// The name the data-file dialogs propose: the mark, "-", the round as at least three digits,
// the group and ".drd" (KV-005A.drd).
std::string DataProposedName(std::int32_t lngKaisaikai, std::string_view strKumi);

// strPath with "." + strExtension appended unless its file name already ends so (in any
// case); an empty path (a cancelled dialog) stays empty.
std::string WithExtension(const std::string& strPath, std::string_view strExtension);
} // namespace basFileCommand

// CSV ticket files.
namespace basFileCommand {
// What a file named outside the dialogs (command line, desktop, a drop, a recent file) opens
// as, by its extension in any case: conditions, a ticket set, else a work file, whose own
// check then tells the user when it is not one.
enum class FileKind
{
    Data,
    Jouken,
    Csv
};
FileKind KindOf(std::string_view strPath);

inline constexpr std::string_view kCsvFilter = "CSVファイル(*.csv)";
inline constexpr std::string_view kCsvExtension = "csv";
inline constexpr std::string_view kCsvAddCaption = "現在のシングルに追加";
inline constexpr std::string_view kCsvDelCaption = "現在のシングルから削除";
} // namespace basFileCommand
