#pragma once
// The round of a data file decides the lottery's rules (grades, payout shares) for everything
// done with it; the vote status it carries must be that round's. The program never writes
// another round's block, but a file edited by hand, or saved by a version that kept the vote
// status of the work opened before, can hold one.

#include "files/DataFileRecord.h"

#include <optional>
#include <string>

namespace basVoteRound {
// Why the record's vote status is not its round's, or none. An empty block (no round) is no
// mismatch.
std::optional<std::string> Mismatch(const DataFileRecord& rec);
// The same check, with the foreign vote status dropped: the work goes on without one, as a
// round without a stored status does. Returns the reason it was dropped.
std::optional<std::string> DropForeignVote(DataFileRecord& rec);
} // namespace basVoteRound
