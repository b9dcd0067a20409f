#include "engines/clsTRenzoku.h"

#include "base/basText.h"

clsTRenzoku::clsTRenzoku(clsIPump& pump, Target target)
    : m_pump(pump)
    , m_target(std::move(target))
{}

bool clsTRenzoku::AddFile(const std::string& strPath)
{
    if (strPath.empty()) {
        return false;
    }
    for (const Row& r : m_rows) {
        if (basText::EqualsNoCase(r.Path, strPath)) {
            return false;
        }
    }
    m_rows.push_back(Row{strPath, {}});
    return true;
}

void clsTRenzoku::AddDialogAnswer(std::string_view strAnswer)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= strAnswer.size()) {
        std::size_t nul = strAnswer.find('\0', start);
        if (nul == std::string_view::npos) {
            nul = strAnswer.size();
        }
        if (nul > start) {
            parts.emplace_back(strAnswer.substr(start, nul - start));
        }
        start = nul + 1;
    }
    if (parts.empty()) {
        return;
    }
    if (parts.size() == 1) {
        AddFile(parts[0]);
        return;
    }
    std::string folder = parts[0];
    if (!folder.empty() && folder.back() != '/') {
        folder += '/';
    }
    for (std::size_t i = 1; i < parts.size(); ++i) {
        AddFile(folder + parts[i]);
    }
}

void clsTRenzoku::RemoveRows(const std::vector<bool>& blnSelected)
{
    // The running batch holds row indices.
    if (m_running) {
        return;
    }
    std::vector<Row> kept;
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        if (i >= blnSelected.size() || !blnSelected[i]) {
            kept.push_back(std::move(m_rows[i]));
        }
    }
    m_rows = std::move(kept);
}

void clsTRenzoku::SetRunning(bool blnValue)
{
    m_running = blnValue;
    if (RunningChanged) {
        RunningChanged(blnValue);
    }
}

void clsTRenzoku::SetStatus(std::size_t lngRow, std::string_view strStatus)
{
    m_rows[lngRow].Status = strStatus;
    if (RowChanged) {
        RowChanged(lngRow);
    }
}

void clsTRenzoku::RunBatch()
{
    if (m_running) {
        return;
    }
    m_stop = false;
    SetRunning(true);
    // The flag falls on every way out, or the window could never close again.
    struct RunningScope
    {
        clsTRenzoku& Batch;
        ~RunningScope() { Batch.SetRunning(false); }
    } running{*this};
    // The count is taken once: rows added while running wait for the next batch.
    const std::size_t n = m_rows.size();
    for (std::size_t i = 0; i < n && !m_stop && i < m_rows.size(); ++i) {
        if (!m_rows[i].Status.empty()) {
            continue; // left from an earlier batch
        }
        SetStatus(i, StatusRunning);
        const std::string path = m_rows[i].Path;
        if (!m_target.LoadDataFile(path)) {
            SetStatus(i, StatusFailure);
            continue;
        }
        m_pump.DoEvents();
        // Stopped before its search began: searching now would run the whole search the user
        // asked to stop, and saving would write back only what was read.
        if (m_stop) {
            SetStatus(i, {});
            break;
        }
        const bool searched = m_target.RunSearch();
        m_pump.DoEvents();
        if (searched && m_target.StoppedInExtraction && m_target.StoppedInExtraction()) {
            SetStatus(i, {}); // not run: a later batch takes it up again
            continue;
        }
        if (!searched) {
            SetStatus(i, StatusFailure);
        } else if (m_target.SaveDataFile(path)) {
            m_pump.DoEvents();
            SetStatus(i, StatusSuccess);
        } else {
            SetStatus(i, StatusFailure);
        }
    }
}

void clsTRenzoku::StopBatch()
{
    if (!m_running) {
        return;
    }
    m_stop = true;
    m_target.CancelSearch();
}

bool clsTRenzoku::QueryClose(clsIMessage& message) const
{
    if (m_running) {
        message.ShowMessage(MsgIcon::Warning,
                            "現在処理を実行中です。連続実行処理を終了させて下さい。",
                            "Kelvra / frmRenzoku / Form_QueryUnload");
        return false;
    }
    return true;
}
