#include "cli/cmdGrade.h"

#include "app/basMain.h"
#include "app/basVoteRound.h"
#include "cli/CliCommand.h"
#include "cli/clsTerminalHost.h"
#include "files/clsTFileDRD.h"
#include "lottery/clsToto.h"
#include "results/clsTResult.h"
#include "store/clsXmlResult.h"

#include <algorithm>
#include <ostream>

namespace {
// Messages go through the host, which writes to the command line's error stream.
void Usage(clsTerminalHost& host)
{
    host.ShowMessage(MsgIcon::Error, "usage: kelvra-cli grade FILE.drd [--result RESULT.xml]", "");
}
} // namespace

int CmdGrade(clsTerminalHost& host, const std::string& strHome,
             const std::vector<std::string>& args, std::ostream& out)
{
    std::string drd;
    std::string xml;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--result") {
            if (i + 1 >= args.size() || !xml.empty()) {
                Usage(host);
                return 2;
            }
            xml = args[++i];
        } else if (drd.empty()) {
            drd = args[i];
        } else {
            Usage(host);
            return 2;
        }
    }
    if (drd.empty()) {
        Usage(host);
        return 2;
    }

    clsTFileDRD file(host.Host(), basMain::VersionText(), "");
    // As the window opens a data file: a file of another kind would read as an empty work.
    std::int32_t version = 0;
    if (!file.DataTypeCheck(drd, true, version)) {
        host.ShowMessage(MsgIcon::Error, drd + ": Kelvraのファイルではありません。", "");
        return 1;
    }
    DataFileRecord rec;
    if (!file.Load(drd, rec)) {
        host.ShowMessage(MsgIcon::Error, drd + ": データファイルを読み込めません。", "");
        return 1;
    }

    // Grading takes no vote status, but the file's is told about as when it is opened.
    if (const auto why = basVoteRound::Mismatch(rec)) {
        host.ShowMessage(MsgIcon::Warning, drd + ": " + *why, "");
    }

    clsXmlResult store(host, strHome);
    if (xml.empty()) {
        xml = store.GetFileName(rec.Kaisaikai, rec.Kumi);
    }
    if (!store.XmlLoad(xml)) {
        host.ShowMessage(MsgIcon::Error, xml + ": 結果ファイルを読み込めません。", "");
        return 1;
    }
    const ResultRecord& result = store.GetRecord();
    if (result.Kaisaikai <= 0) {
        host.ShowMessage(MsgIcon::Error, xml + ": 結果ファイルに開催回がありません。", "");
        return 1;
    }

    // The data file's round decides the grades that pay; a result of another round is not its.
    if (rec.Kaisaikai > 0 && result.Kaisaikai != rec.Kaisaikai) {
        host.ShowMessage(MsgIcon::Error,
                         xml + ": 結果ファイルの開催回 (" + std::to_string(result.Kaisaikai) +
                             ") がデータファイルの開催回 (" + std::to_string(rec.Kaisaikai) +
                             ") と異なります。",
                         "");
        return 1;
    }

    const auto count = std::clamp<std::size_t>(
        static_cast<std::size_t>(std::max(rec.SingleCount, 0)), 0, rec.Singles.size());
    clsTResult grade(host, host, host, host, strHome);
    grade.Initialize();
    grade.SetResultData(result.Kaisaikai, result.Kumi, result, true);
    if (!grade.SetSingle(std::span<const std::int32_t>(rec.Singles.data(), count))) {
        return 1;
    }

    for (std::size_t g = 0; g < clsToto::kMatchCount + 1; ++g) {
        out << (g + 1) << "等\t" << grade.Tally()[g] << "\n";
    }
    if (grade.DecidedCount() == clsToto::kMatchCount) {
        const clsTResultKakutei& prize = grade.Kakutei();
        for (std::int32_t row = 0; row < clsTResultKakutei::kRows; ++row) {
            out << clsTResultKakutei::RowLabel(row);
            for (std::int32_t col = 0; col < clsTResultKakutei::kColumns; ++col) {
                out << "\t" << prize.Amount(row, col).ToString();
            }
            out << "\n";
        }
    }
    return 0;
}

KELVRA_CLI_COMMAND("grade", CmdGrade);
