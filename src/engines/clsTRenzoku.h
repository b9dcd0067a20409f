#pragma once
// Batch runs: a list of data files, each loaded into the work (a document's), searched with its
// own marks, conditions and settings, and saved back to the same path. Only drives the work
// through the four commands it is given. The batch window (or kelvra-cli run) owns one while
// it is open.

#include "base/clsIMessage.h"
#include "base/clsIPump.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class clsTRenzoku
{
public:
    static constexpr std::string_view StatusRunning = "実行中";
    static constexpr std::string_view StatusSuccess = "成功";
    static constexpr std::string_view StatusFailure = "失敗";

    struct Row
    {
        std::string Path;
        std::string Status; // empty: not processed yet
    };

    // What the batch presses on the main window; loads and saves are made without dialogs.
    // RunSearch is false when the search failed (an engine without memory): the file is then
    // not saved, since the set it holds is not the search's result.
    struct Target
    {
        std::function<bool(const std::string&)> LoadDataFile;
        std::function<bool()> RunSearch;
        std::function<void()> CancelSearch;
        std::function<bool(const std::string&)> SaveDataFile;
        // True when the last search was stopped before the extraction ended: its set is empty
        // and not the file's result, so the file is left as it was.
        std::function<bool()> StoppedInExtraction;
    };

    clsTRenzoku(clsIPump& pump, Target target);

    // Appended unless a row with the same path (letter case ignored) is there; true if added.
    bool AddFile(const std::string& strPath);
    // An open-file dialog's answer: one full path, or the folder and then the names, NUL-separated.
    void AddDialogAnswer(std::string_view strAnswer);
    // Removes the rows whose flag is set (flags beyond the list are ignored); not while running.
    void RemoveRows(const std::vector<bool>& blnSelected);

    // Runs every row with an empty status, in order, until done or stopped. Does nothing while
    // a batch is under way.
    void RunBatch();
    // Presses the search's stop; the file in progress is still saved, no further row starts.
    // A stop that comes while the file is still loading leaves it unsearched and unsaved, its
    // row not processed. Running stays true until that file is done with and RunBatch returns:
    // until then the window may neither close nor start another batch inside this one.
    void StopBatch();
    bool Running() const { return m_running; }
    // Closing while running is refused with the warning.
    bool QueryClose(clsIMessage& message) const;

    const std::vector<Row>& Rows() const { return m_rows; }

    // A row's status changed; the running flag changed (menus follow it).
    std::function<void(std::size_t lngRow)> RowChanged;
    std::function<void(bool blnRunning)> RunningChanged;

private:
    void SetRunning(bool blnValue);
    void SetStatus(std::size_t lngRow, std::string_view strStatus);

    clsIPump& m_pump;
    Target m_target;
    std::vector<Row> m_rows;
    bool m_running = false;
    bool m_stop = false;
};
