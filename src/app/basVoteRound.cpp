#include "app/basVoteRound.h"

namespace basVoteRound {
std::optional<std::string> Mismatch(const DataFileRecord& rec)
{
    if (rec.Vote.Kaisaikai == 0 || rec.Vote.Kaisaikai == rec.Kaisaikai) {
        return std::nullopt;
    }
    return "投票状況の開催回 (" + std::to_string(rec.Vote.Kaisaikai) +
           ") がデータファイルの開催回 (" + std::to_string(rec.Kaisaikai) + ") と異なります。";
}

std::optional<std::string> DropForeignVote(DataFileRecord& rec)
{
    auto why = Mismatch(rec);
    if (why) {
        rec.Vote = VoteRecord{};
        *why += "この投票状況は使用しません。";
    }
    return why;
}
} // namespace basVoteRound
