#pragma once
// The work's history for undo and redo: the work as it stood after each change, newest last,
// and where the player is in it. A change after an undo drops the steps ahead. Ticket sets are
// shared between neighbouring states that hold the same one, so a mark click on a set of
// 1.6 million tickets costs a few hundred bytes, not 6 MB; the oldest states go when the
// history would pass its byte cap. The document owns one.

#include "files/DataFileRecord.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class clsUndoStack
{
public:
    explicit clsUndoStack(std::size_t lngByteCap);

    // A new work (New, a load, another round): no step back from here.
    void Reset(DataFileRecord current);
    // The work changed, strText says how ("マークの変更"); current is the work after it.
    void Changed(std::string strText, DataFileRecord current);

    bool CanUndo() const { return m_index > 0; }
    bool CanRedo() const { return m_index + 1 < m_states.size(); }
    // What an undo or a redo would take back or do again; "" when it cannot.
    std::string UndoText() const;
    std::string RedoText() const;
    // The work to put back, and the history moves with it; none when it cannot move.
    std::optional<DataFileRecord> Undo();
    std::optional<DataFileRecord> Redo();

    // The work as it stands now was saved; AtClean says whether undo or redo came back to it.
    void MarkClean() { m_clean = m_index; }
    bool AtClean() const { return m_clean && *m_clean == m_index; }
    // No state of the history is the saved one (the work changed in a way it cannot undo).
    void ForgetClean() { m_clean.reset(); }

    std::size_t Bytes() const { return m_bytes; }
    std::size_t Depth() const { return m_states.size(); }

private:
    struct State
    {
        DataFileRecord Work; // without its singles
        std::shared_ptr<const std::vector<std::int32_t>> Singles;
        std::string Text; // the change that led here
        std::size_t Bytes = 0;
    };
    State Make(std::string strText, DataFileRecord current) const;
    DataFileRecord Restore(const State& state) const;
    void Trim();

    std::size_t m_cap;
    std::vector<State> m_states;
    std::size_t m_index = 0;
    std::optional<std::size_t> m_clean;
    std::size_t m_bytes = 0;
};
