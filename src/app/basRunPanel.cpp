#include "app/basRunPanel.h"

#include "app/clsEditContext.h"
#include "app/clsSearchFacet.h"

namespace basRunPanel {
State FromSearch(const clsSearchFacet& search)
{
    State state;
    state.Running = search.Running();
    state.Pausable = search.Pausable();
    state.Paused = search.Paused();
    state.WorkLock = search.Edit().WorkLock();
    state.Batch = search.Edit().Batch();
    return state;
}

std::string_view Caption(const State& state)
{
    if (!state.Running || !state.Pausable) {
        return "検索開始";
    }
    return state.Paused ? "検索再開" : "一時停止";
}

bool Enabled(const State& state)
{
    if (!state.Running) {
        return !state.WorkLock && !state.Batch;
    }
    return state.Pausable;
}
} // namespace basRunPanel
