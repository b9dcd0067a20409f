#include "reference/basTeamName.h"

#include "base/basText.h"
#include "base/clsFileStream.h"
#include "reference/clsTotoData.h"

namespace basTeamName {
namespace {
constexpr std::int32_t kShortMax = 6;
constexpr std::string_view kInputError = "入力エラー";
} // namespace

std::string InitialShortName()
{
    return basText::StrConvNarrow(clsTotoData::UnknownTeamName());
}

std::string InitialLongName()
{
    return clsTotoData::UnknownTeamName();
}

std::string EntryLine(std::string_view strShort, std::string_view strLong)
{
    std::string padded = basText::Mid(strShort, 1, kShortMax);
    padded.append(static_cast<std::size_t>(kShortMax - basText::Len(padded)), ' ');
    return padded + " = " + std::string(strLong) + "\r\n";
}

bool AddTeamName(clsIMessage& message, const std::string& strProgramFolder,
                 std::string_view strRyakusho, std::string_view strMeisho)
{
    clsErrorReporter err(message, "basTeamName");
    try {
        clsFileStream stream(message, strProgramFolder);
        stream.SetErrMessage(false);
        std::string text;
        if (!stream.LoadFromFile(kFileName, text)) {
            text = std::string(kHeader) + "\r\n";
            if (!stream.SaveToFile(kFileName, text)) {
                return false;
            }
        }
        const clsTotoData data(message, strProgramFolder);
        const std::string shortName = basText::Trim(strRyakusho);
        const std::string longName = basText::Trim(strMeisho);
        if (shortName.empty()) {
            message.ShowMessage(MsgIcon::Warning, "略称を入力して下さい。", kInputError);
            return false;
        }
        if (longName.empty()) {
            message.ShowMessage(MsgIcon::Warning, "名称を入力して下さい。", kInputError);
            return false;
        }
        // The typed text counts, blanks included: a name the user padded is a typing slip.
        if (basText::Len(strRyakusho) > kShortMax) {
            message.ShowMessage(MsgIcon::Warning, "略称は6文字以内で入力して下さい。", kInputError);
            return false;
        }
        if (data.ExistsLongTeamName(longName)) {
            message.ShowMessage(MsgIcon::Warning, "名称(" + longName + ")は既に登録されています。",
                                kInputError);
            return false;
        }
        // A file edited by hand may lack its last line end; the new entry must not join it.
        if (!text.empty() && text.back() != '\n' && text.back() != '\r') {
            text += "\r\n";
        }
        text += EntryLine(shortName, longName);
        if (!stream.SaveToFile(kFileName, text)) {
            // The helper has reported the failure; the name is not added, so the dialog stays.
            return false;
        }
        clsTotoData::SetUnknownTeamName("");
        message.ShowMessage(MsgIcon::Information,
                            "チーム名(" + std::string(strMeisho) + ")を追加しました。",
                            "チーム名追加");
        return true;
    } catch (const std::exception& e) {
        err.ReportException("AddTeamName", e);
        return false;
    }
}
} // namespace basTeamName
