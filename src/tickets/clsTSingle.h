#pragma once
// The ticket set as the single page shows it: the list handed over by its owner, ten singles a
// page, selection, the edit lock and the edits, each reported back to the owner through events.
// The document's ticket set (clsTicketSet) owns one for the document's lifetime; the document
// listens to its events and takes every edit into its own list.

#include "base/clsErrorReporter.h"
#include "lottery/MarkArray.h"
#include "lottery/clsTCount.h"
#include "tickets/clsTSingleList.h"

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

class clsIAsk;

// What the sheet view needs to hear; the core calls it, a Qt view implements it.
class clsTSingleSink
{
public:
    virtual ~clsTSingleSink() = default;
    // Slot 0..9 shows single lngSingle as number lngNumber (list index + 1); both -1 for a blank.
    virtual void ShowSlot(std::int32_t lngSlot, std::int32_t lngNumber, std::int32_t lngSingle,
                          bool blnSelected) = 0;
    virtual void ShowPage(const std::string& strLabel, bool blnPrevious, bool blnNext) = 0;
    virtual void ShowCount(const std::string& strCount) = 0;
};

class clsTSingle
{
public:
    static constexpr std::int32_t kPageSize = 10;
    using Frame = SingleFrame; // (outcome code, match)
    using Cells = CellFlags;

    clsTSingle(clsIMessage& message, clsIAsk& ask);

    // The owner stores what these report and hands it back (SetSingle, SetSingleFrame, EditLock).
    std::function<void(std::int32_t lngIndex, std::int32_t lngValue)> ChangeValue;
    std::function<void(const Frame& lngValue)> ChangeFrame;
    std::function<void(std::int32_t lngCount, const std::vector<std::int32_t>& lngSingle)>
        ChangeCount;
    std::function<void(bool blnValue)> ChangeLock;

    // The sink may be null (no view).
    void Initialize(clsTSingleSink* pSink);

    bool EditLock() const { return m_editLock; }
    void SetEditLock(bool blnValue) { m_editLock = blnValue; }
    // The count grid shows row percentages of the frame instead of counts.
    bool SinglePercent() const { return m_count.Percent(); }
    void SetSinglePercent(bool blnValue) { m_count.SetPercent(blnValue); }
    // Also the count grid's: the frame and the multi's covered cells.
    void SetSingleFrame(const Frame& lngValue, const Cells& blnVisible);
    const Frame& GetFrame() const { return m_frame; }
    const Cells& GetVisible() const { return m_visible; }

    void SetSingle(std::span<const std::int32_t> lngSingle);
    void MovePage(std::int32_t lngPage);
    void MovePageLast() { MovePage(LastPage()); }
    // The page buttons step one page and stop at the ends; here a double click is one click.
    void MovePrevious() { MovePage(m_page - 1); }
    void MoveNext() { MovePage(m_page + 1); }
    void SetAllSelect(bool blnValue);
    // A click on a single's number: flips its selection.
    void NoClick(std::int32_t lngSlot);
    // A click on outcome cell (code, match) of a slot: changes that single's outcome.
    void CellClick(std::int32_t lngSlot, std::int32_t lngCode, std::int32_t lngMatch);
    void Add();
    void SelectDelete();
    void SetVoteRecord(const VoteRecord& vote) { m_list.SetVoteRecord(vote); }

    // The main window's "重複シングル削除" on its own list: keeps the first occurrence of each
    // single and tells the user. True when singles were removed; the owner then recomputes its
    // frame from the new list and hands both back.
    bool DeleteDuplicate(std::vector<std::int32_t>& lngSingle);
    // The walk itself, over valid ticket numbers: the first occurrences in their order. True
    // when something was dropped.
    static bool RemoveDuplicates(std::span<const std::int32_t> lngSingle,
                                 std::vector<std::int32_t>& lngKept);

    std::int32_t Count() const { return static_cast<std::int32_t>(m_single.size()); }
    const std::vector<std::int32_t>& Singles() const { return m_single; }
    bool Selected(std::int32_t lngIndex) const;
    std::int32_t Page() const { return m_page; }
    std::int32_t LastPage() const { return (Count() - 1) / kPageSize; }
    std::string PageLabel() const;
    std::string CountLabel() const;
    bool PreviousEnabled() const { return m_page > 0; }
    bool NextEnabled() const { return m_page < LastPage(); }
    const clsTSingleList& FigureList() const { return m_list; }
    // The frame as numbers or percentages, drawn beside the sheet.
    const clsTCount& CountGrid() const { return m_count; }

private:
    void ShowSlot(std::int32_t lngSlot);

    clsErrorReporter m_err;
    clsIAsk& m_ask;
    clsTSingleSink* m_sink = nullptr;
    clsTSingleList m_list;
    clsTCount m_count;
    std::vector<std::int32_t> m_single;
    std::vector<bool> m_select;
    Frame m_frame{};
    Cells m_visible{};
    std::int32_t m_page = 0;
    bool m_editLock = false;
};
