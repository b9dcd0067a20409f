#pragma once
// The run log of the work: its lines, the percentage bar and the start mark of the run clock.
// The document (clsDocument) owns one for its lifetime; the extraction run and every engine write
// into it through their own clsTMsg, so a run leaves a single log.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// What a view of the log implements: the core only tells it what changed.
class clsIMsgSink
{
public:
    virtual ~clsIMsgSink() = default;
    virtual void LogCleared() = 0;
    // Line lngIndex now reads strText; lngIndex equal to the former count means a new line.
    // The view shows and selects it, so the last line stays in sight.
    virtual void LogLine(std::int32_t lngIndex, std::string_view strText) = 0;
    virtual void BarChanged(std::int32_t lngValue, std::int32_t lngMax) = 0;
};

class clsTMsgLog
{
public:
    // Null detaches the view.
    void SetSink(clsIMsgSink* objSink) { m_sink = objSink; }

    const std::vector<std::string>& Lines() const { return m_lines; }
    // The lines joined by CR LF, as the data file and the clipboard report take them.
    std::string Text() const;
    // Replaces the lines (a loaded data file brings its messages back).
    void SetLines(std::vector<std::string> vecLines);

    void Clear();
    void Append(std::string_view strText, bool blnCR);

    std::int32_t BarValue() const { return m_barValue; }
    std::int32_t BarMax() const { return m_barMax; }
    void SetBarValue(std::int32_t lngValue);
    void SetBarMax(std::int32_t lngMax);

    std::int64_t StartTick() const { return m_startTick; }
    void SetStartTick(std::int64_t lngTick) { m_startTick = lngTick; }

private:
    void NotifyBar() const;

    std::vector<std::string> m_lines;
    std::int32_t m_barValue = 0;
    std::int32_t m_barMax = 100;
    std::int64_t m_startTick = 0;
    clsIMsgSink* m_sink = nullptr;
};
