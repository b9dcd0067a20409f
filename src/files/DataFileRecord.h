#pragma once
// Everything a data file (drd) holds: the round, the marks, the conditions, the engine settings,
// the ticket set with its frames and counters, the run messages and the vote status. A plain
// value gathered by the document for saving, the clipboard report and batch runs.

#include "base/DateTime.h"
#include "conditions/ConditionSetRecord.h"
#include "engines/EngineSettingsRecord.h"
#include "lottery/MarkArray.h"
#include "lottery/ProbabilityRecord.h"
#include "lottery/VoteRecord.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Per outcome code (row) and match (column): marks of a multi or counts of a single frame.

struct DataFileRecord
{
    std::int32_t Kaisaikai = 0;
    // Filled from the document when gathered; read from old files, never written.
    std::string Kumi;
    // The snapshot time of the vote status in use; only files of data version 4 or older carry it.
    DateTime VoteTime;
    MarkArray Multi{};
    // The player's own probabilities; none in a file without them.
    std::optional<ProbabilityRecord> Probability;
    ConditionSetRecord Jouken;
    EngineSettingsRecord Engine;
    std::int32_t MsSingleCount = 0;
    ::SingleFrame MsSingleFrame{};
    std::array<std::int32_t, 6> MsTousen{};
    std::int32_t SingleCount = 0;
    ::SingleFrame SingleFrame{};
    // Ticket numbers in list order; may be longer than SingleCount, only the first count count.
    std::vector<std::int32_t> Singles;
    // The run messages, one per line, lines joined (and, after loading, ended) by CR LF.
    std::string SakugenMessage;
    VoteRecord Vote;

    friend bool operator==(const DataFileRecord&, const DataFileRecord&) = default;
};
