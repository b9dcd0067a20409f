#pragma once
// The parts of the work a document change touched, shared by the document and its facets, so
// that a view can listen without the document's header.

#include "base/clsEvent.h"

#include <cstdint>

struct DocumentParts
{
    // A set of bits: a view redraws only what it shows.
    enum Part : std::uint32_t
    {
        PartRound = 1u << 0,          // round number, group, schedule, result, round label
        PartVote = 1u << 1,           // the vote status in use
        PartMulti = 1u << 2,          // marks, left-click mark, target cells
        PartConditions = 1u << 3,     // the condition set
        PartEngineSettings = 1u << 4, // the compression settings
        PartProbability = 1u << 5,    // the player's own probabilities
        PartSingles = 1u << 6,        // ticket set, frames, counters, covered cells
        PartLog = 1u << 7,            // the run log
        PartFile = 1u << 8,           // the current file, and so the title
        PartRunState = 1u << 9,       // running, paused, the work lock, a batch
        PartView = 1u << 10,          // percent counts, the edit lock: not the work itself
        PartCheck = 1u << 11,         // the checker's marks, reveal, page and count grid
        PartLive = 1u << 12,          // the live count of what the conditions keep
        PartAll = (1u << 13) - 1
    };
    using ChangedEvent = clsEvent<std::uint32_t>;
};
