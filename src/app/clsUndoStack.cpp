#include "app/clsUndoStack.h"

#include <algorithm>
#include <utility>

namespace {
// The condition tables' rows and marks: about what 87 tabs of up to six rows hold.
constexpr std::size_t kConditionBytes = 32 * 1024;

// What a state costs without its set.
std::size_t RecordBytes(const DataFileRecord& rec)
{
    return sizeof(DataFileRecord) + kConditionBytes + rec.SakugenMessage.size() + rec.Kumi.size();
}

std::size_t SetBytes(const std::vector<std::int32_t>& lngSingles)
{
    return lngSingles.size() * sizeof(std::int32_t);
}
} // namespace

clsUndoStack::clsUndoStack(std::size_t lngByteCap)
    : m_cap(lngByteCap)
{}

void clsUndoStack::Reset(DataFileRecord current)
{
    m_states.clear();
    m_bytes = 0;
    m_index = 0;
    m_states.push_back(Make(std::string(), std::move(current)));
    m_bytes = m_states.back().Bytes;
    m_clean = 0;
}

void clsUndoStack::Changed(std::string strText, DataFileRecord current)
{
    if (m_states.empty()) {
        Reset(std::move(current));
        m_clean.reset();
        return;
    }
    while (m_states.size() > m_index + 1) {
        m_bytes -= m_states.back().Bytes;
        m_states.pop_back();
    }
    if (m_clean && *m_clean > m_index) {
        m_clean.reset();
    }
    m_states.push_back(Make(std::move(strText), std::move(current)));
    m_bytes += m_states.back().Bytes;
    ++m_index;
    Trim();
}

std::string clsUndoStack::UndoText() const
{
    return CanUndo() ? m_states[m_index].Text : std::string();
}

std::string clsUndoStack::RedoText() const
{
    return CanRedo() ? m_states[m_index + 1].Text : std::string();
}

std::optional<DataFileRecord> clsUndoStack::Undo()
{
    if (!CanUndo()) {
        return std::nullopt;
    }
    --m_index;
    return Restore(m_states[m_index]);
}

std::optional<DataFileRecord> clsUndoStack::Redo()
{
    if (!CanRedo()) {
        return std::nullopt;
    }
    ++m_index;
    return Restore(m_states[m_index]);
}

clsUndoStack::State clsUndoStack::Make(std::string strText, DataFileRecord current) const
{
    State state;
    state.Text = std::move(strText);
    const std::size_t lngCount = std::min<std::size_t>(
        current.Singles.size(), static_cast<std::size_t>(std::max(0, current.SingleCount)));
    current.Singles.resize(lngCount);
    // The set is shared with the newest state when it is the same one.
    if (!m_states.empty() && m_states.back().Singles &&
        *m_states.back().Singles == current.Singles) {
        state.Singles = m_states.back().Singles;
    } else {
        state.Singles =
            std::make_shared<const std::vector<std::int32_t>>(std::move(current.Singles));
        state.Bytes += SetBytes(*state.Singles);
    }
    current.Singles = {};
    state.Bytes += RecordBytes(current);
    state.Work = std::move(current);
    return state;
}

DataFileRecord clsUndoStack::Restore(const State& state) const
{
    DataFileRecord rec = state.Work;
    rec.Singles = *state.Singles;
    return rec;
}

void clsUndoStack::Trim()
{
    // The state the player stands on always stays.
    while (m_bytes > m_cap && m_index > 0) {
        State& oldest = m_states.front();
        State& next = m_states[1];
        // A set the next state shares lives on: its cost goes with it.
        if (next.Singles == oldest.Singles) {
            const std::size_t lngSet = SetBytes(*oldest.Singles);
            oldest.Bytes -= lngSet;
            next.Bytes += lngSet;
        }
        m_bytes -= oldest.Bytes;
        m_states.erase(m_states.begin());
        --m_index;
        if (m_clean) {
            m_clean = *m_clean == 0 ? std::optional<std::size_t>() : *m_clean - 1;
        }
    }
}
