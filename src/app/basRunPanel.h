#pragma once
// The run button of the run area: its caption and whether it may be pressed, as plain
// functions of the run's state, so that the view only places them.

#include <string_view>

class clsSearchFacet;

namespace basRunPanel {
struct State
{
    bool Running = false;
    // The engine of the settings in use can pause (a search that waits).
    bool Pausable = false;
    // A pause is in force, or held for the search about to start.
    bool Paused = false;
    bool WorkLock = false;
    bool Batch = false;
};

State FromSearch(const clsSearchFacet& search);
// "検索開始" when idle; "一時停止" / "検索再開" while a pausable search runs.
std::string_view Caption(const State& state);
// Idle and unlocked it starts a run; running it pauses, for the pausable engines only. A batch
// starts its own runs: the button then only pauses the batch's run.
bool Enabled(const State& state);
} // namespace basRunPanel
