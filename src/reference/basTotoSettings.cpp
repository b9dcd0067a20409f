#include "reference/basTotoSettings.h"

#include "base/Currency.h"
#include "base/clsFileStream.h"
#include "base/clsIniFile.h"

#include <limits>
#include <stdexcept>

namespace basTotoSettings {
namespace {
constexpr std::string_view kSite = "https://store.toto-dream.com";
constexpr std::string_view kBroken = "totoSettings.iniファイルが破損しています。";
constexpr std::string_view kCaption = "Kelvra / basTotoSettings / LoadTotoSettings";

// A whole number the way the original conversion took it: blanks allowed, a fraction rounded
// halves to even; anything else, or a value past 32 bits, is an error.
std::int32_t ToLong(const std::string& strText)
{
    const auto c = Currency::Parse(strText);
    if (!c) {
        throw std::invalid_argument("型が一致しません。");
    }
    const std::int64_t v = c->ToInt64();
    if (v < std::numeric_limits<std::int32_t>::min() ||
        v > std::numeric_limits<std::int32_t>::max()) {
        throw std::overflow_error("オーバーフローしました。");
    }
    return static_cast<std::int32_t>(v);
}
} // namespace

TotoSettings Defaults()
{
    TotoSettings s;
    s.Version = 1;
    s.totoOfficialScheduleUrl =
        std::string(kSite) +
        "/dcs/subos/screen/pi01/spin000/PGSPIN00001DisptotoLotInfo.form?holdCntId=";
    s.totoOfficialVoteUrl =
        std::string(kSite) +
        "/dcs/subos/screen/pi09/spin003/PGSPIN00301InitVoteRate.form?holdCntId=";
    s.totoOfficialResultUrl =
        std::string(kSite) +
        "/dcs/subos/screen/pi04/spin011/PGSPIN01101LnkHoldCntLotResultLsttoto.form?holdCntId=";
    s.totoOfficialTotoUrl = "&commodityId=01";
    s.totoOfficialTotoGoal3Url = "&commodityId=02";
    s.totoOfficialTotoGoal2Url = "&commodityId=05";
    s.totoOfficialMiniTotoAUrl = "&commodityId=06";
    s.totoOfficialMiniTotoBUrl = "&commodityId=07";
    return s;
}

std::string SettingsText(const TotoSettings& s)
{
    const std::string lines[] = {
        ";Drovane Toto Settings Ini File (totoSettings.ini)",
        ";Kelvra "
        "はtotoの購入計画を立てるための個人用ツールです。公式情報の権利は運営者に帰属します。",
        "",
        "Version = " + std::to_string(s.Version),
        "",
        ";totoオフィシャル開催情報URL",
        "totoOfficialScheduleUrl = " + s.totoOfficialScheduleUrl,
        ";totoオフィシャル投票状況URL",
        "totoOfficialVoteUrl = " + s.totoOfficialVoteUrl,
        ";totoオフィシャルくじ結果URL",
        "totoOfficialResultUrl = " + s.totoOfficialResultUrl,
        ";totoオフィシャルURL(toto)",
        "totoOfficialTotoUrl = " + s.totoOfficialTotoUrl,
        ";totoオフィシャルURL(totoGoal3)",
        "totoOfficialTotoGoal3Url = " + s.totoOfficialTotoGoal3Url,
        ";totoオフィシャルURL(totoGoal2)",
        "totoOfficialTotoGoal2Url = " + s.totoOfficialTotoGoal2Url,
        ";totoオフィシャルURL(mini toto-A組)",
        "totoOfficialMiniTotoAUrl = " + s.totoOfficialMiniTotoAUrl,
        ";totoオフィシャルURL(mini toto-B組)",
        "totoOfficialMiniTotoBUrl = " + s.totoOfficialMiniTotoBUrl,
    };
    std::string text;
    for (const auto& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

bool WriteTotoSettings(const TotoSettings& settings, clsIMessage& message,
                       const std::string& strProgramFolder)
{
    clsFileStream stream(message, strProgramFolder);
    return stream.SaveToFile(kFileName, SettingsText(settings));
}

TotoSettings LoadTotoSettings(clsIMessage& message, const std::string& strProgramFolder)
{
    TotoSettings s = Defaults();
    const clsFileSystemObject fso(strProgramFolder);
    if (!fso.FileExists(kFileName)) {
        WriteTotoSettings(s, message, strProgramFolder);
        return s;
    }
    clsIniFile ini(message, strProgramFolder);
    if (!ini.Initialize(kFileName)) {
        // A file that is there but cannot be read: every lookup would give "" and blank out
        // the addresses, so the defaults stay and the user's file is left alone.
        message.ShowMessage(MsgIcon::Error, kBroken, kCaption);
        return s;
    }
    // A file the program wrote always names its version; without one it is not ours.
    bool versionValid = ini.ItemExists("Version");
    const auto take = [&](std::string_view key, std::string& value) {
        try {
            value = ini.GetItem(key, value);
        } catch (const std::exception&) {
            message.ShowMessage(MsgIcon::Error, kBroken, kCaption);
        }
    };
    try {
        s.Version = ToLong(ini.GetItem("Version", std::to_string(s.Version)));
    } catch (const std::exception&) {
        message.ShowMessage(MsgIcon::Error, kBroken, kCaption);
    }
    take("totoOfficialScheduleUrl", s.totoOfficialScheduleUrl);
    take("totoOfficialVoteUrl", s.totoOfficialVoteUrl);
    take("totoOfficialResultUrl", s.totoOfficialResultUrl);
    take("totoOfficialTotoUrl", s.totoOfficialTotoUrl);
    take("totoOfficialTotoGoal3Url", s.totoOfficialTotoGoal3Url);
    take("totoOfficialTotoGoal2Url", s.totoOfficialTotoGoal2Url);
    take("totoOfficialMiniTotoAUrl", s.totoOfficialMiniTotoAUrl);
    take("totoOfficialMiniTotoBUrl", s.totoOfficialMiniTotoBUrl);
    if (!versionValid || s.Version < 1) {
        s = Defaults();
        WriteTotoSettings(s, message, strProgramFolder);
    }
    return s;
}
} // namespace basTotoSettings
