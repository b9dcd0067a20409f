#include "tickets/clsTSingle.h"

#include "base/Currency.h"
#include "base/clsIAsk.h"
#include "lottery/clsTNumber.h"
#include "lottery/clsToto.h"

#include <algorithm>
#include <exception>

namespace {
std::string Grouped(std::int64_t n)
{
    return Currency::FromInt(n).FormatNumber(0, true);
}
} // namespace

clsTSingle::clsTSingle(clsIMessage& message, clsIAsk& ask)
    : m_err(message, "clsTSingle")
    , m_ask(ask)
    , m_list(message)
{}

void clsTSingle::Initialize(clsTSingleSink* pSink)
{
    m_sink = pSink;
    m_list.Initialize();
    if (m_sink != nullptr) {
        m_sink->ShowCount(CountLabel());
    }
    MovePage(0);
}

void clsTSingle::SetSingleFrame(const Frame& lngValue, const Cells& blnVisible)
{
    m_frame = lngValue;
    m_visible = blnVisible;
    m_count.SetVisible(blnVisible);
    m_count.SetValue(lngValue);
}

void clsTSingle::SetSingle(std::span<const std::int32_t> lngSingle)
{
    m_single.assign(lngSingle.begin(), lngSingle.end());
    m_select.assign(m_single.size(), false);
    if (m_page > LastPage()) {
        m_page = LastPage();
    }
    if (m_sink != nullptr) {
        m_sink->ShowCount(CountLabel());
    }
}

std::string clsTSingle::CountLabel() const
{
    return Grouped(Count());
}

std::string clsTSingle::PageLabel() const
{
    return std::to_string(m_page + 1) + "／" + std::to_string(LastPage() + 1);
}

bool clsTSingle::Selected(std::int32_t lngIndex) const
{
    return lngIndex >= 0 && lngIndex < Count() && m_select[static_cast<std::size_t>(lngIndex)];
}

void clsTSingle::ShowSlot(std::int32_t lngSlot)
{
    const std::int32_t i = m_page * kPageSize + lngSlot;
    if (i < Count()) {
        const std::int32_t v = m_single[static_cast<std::size_t>(i)];
        m_list.SetData(lngSlot, v);
        if (m_sink != nullptr) {
            m_sink->ShowSlot(lngSlot, i + 1, v, m_select[static_cast<std::size_t>(i)]);
        }
    } else {
        m_list.SetData(lngSlot, -1);
        if (m_sink != nullptr) {
            m_sink->ShowSlot(lngSlot, -1, -1, false);
        }
    }
}

void clsTSingle::MovePage(std::int32_t lngPage)
{
    m_page = std::clamp(lngPage, 0, LastPage());
    for (std::int32_t k = 0; k < kPageSize; ++k) {
        ShowSlot(k);
    }
    if (m_sink != nullptr) {
        m_sink->ShowPage(PageLabel(), PreviousEnabled(), NextEnabled());
    }
}

void clsTSingle::SetAllSelect(bool blnValue)
{
    std::fill(m_select.begin(), m_select.end(), blnValue);
    for (std::int32_t k = 0; k < kPageSize; ++k) {
        ShowSlot(k);
    }
}

void clsTSingle::NoClick(std::int32_t lngSlot)
{
    if (lngSlot < 0 || lngSlot >= kPageSize) {
        return;
    }
    const std::int32_t i = m_page * kPageSize + lngSlot;
    if (i >= Count()) {
        return;
    }
    m_select[static_cast<std::size_t>(i)] = !m_select[static_cast<std::size_t>(i)];
    ShowSlot(lngSlot);
}

void clsTSingle::CellClick(std::int32_t lngSlot, std::int32_t lngCode, std::int32_t lngMatch)
{
    try {
        if (lngSlot < 0 || lngSlot >= kPageSize || lngCode < 0 || lngCode > 2 || lngMatch < 0 ||
            lngMatch >= clsToto::kMatchCount) {
            return;
        }
        const std::int32_t i = m_page * kPageSize + lngSlot;
        if (i >= Count()) {
            Add();
            return;
        }
        if (m_editLock) {
            if (m_ask.YesNo("編集がロックされています。編集のロックを解除しますか？", "編集ロック",
                            false)) {
                if (ChangeLock) {
                    ChangeLock(false);
                }
            }
            if (m_editLock) {
                return;
            }
        }
        clsTNumber::LongKousei k{};
        const std::int32_t old = m_single[static_cast<std::size_t>(i)];
        clsTNumber::NoToLong(old, k);
        const std::int32_t oldCode = k[static_cast<std::size_t>(lngMatch)];
        k[static_cast<std::size_t>(lngMatch)] = lngCode;
        const std::int32_t v = clsTNumber::LongToNo(k);
        m_single[static_cast<std::size_t>(i)] = v;
        if (ChangeValue) {
            ChangeValue(i, v);
        }
        ShowSlot(lngSlot);
        --m_frame[static_cast<std::size_t>(oldCode)][static_cast<std::size_t>(lngMatch)];
        ++m_frame[static_cast<std::size_t>(lngCode)][static_cast<std::size_t>(lngMatch)];
        if (ChangeFrame) {
            ChangeFrame(m_frame);
        }
    } catch (const std::exception& e) {
        m_err.ReportException("CellClick", e);
    }
}

void clsTSingle::Add()
{
    try {
        if (!m_ask.YesNo("シングルを１口追加します。よろしいですか？", "シングルを追加", true)) {
            return;
        }
        std::vector<std::int32_t> list = m_single;
        list.push_back(0);
        for (auto& draws : m_frame[0]) {
            ++draws;
        }
        if (ChangeCount) {
            ChangeCount(static_cast<std::int32_t>(list.size()), list);
        }
        if (ChangeFrame) {
            ChangeFrame(m_frame);
        }
        MovePageLast();
    } catch (const std::exception& e) {
        m_err.ReportException("Add", e);
    }
}

void clsTSingle::SelectDelete()
{
    try {
        if (m_single.empty()) {
            return;
        }
        const auto selected = std::count(m_select.begin(), m_select.end(), true);
        if (selected == 0) {
            m_err.Message().ShowMessage(MsgIcon::Information,
                                        "削除対象のシングルが選択されていません",
                                        "選択シングルを削除");
            return;
        }
        if (!m_ask.YesNo("選択シングルを削除します。よろしいですか？", "選択シングルを削除",
                         false)) {
            return;
        }
        std::vector<std::int32_t> list;
        list.reserve(m_single.size() - static_cast<std::size_t>(selected));
        clsTNumber::LongKousei k{};
        for (std::size_t i = 0; i < m_single.size(); ++i) {
            if (!m_select[i]) {
                list.push_back(m_single[i]);
                continue;
            }
            clsTNumber::NoToLong(m_single[i], k);
            for (std::size_t m = 0; m < clsToto::kMatchCount; ++m) {
                --m_frame[static_cast<std::size_t>(k[m])][m];
            }
        }
        if (ChangeCount) {
            ChangeCount(static_cast<std::int32_t>(list.size()), list);
        }
        if (ChangeFrame) {
            ChangeFrame(m_frame);
        }
        MovePage(std::min(m_page, LastPage()));
    } catch (const std::exception& e) {
        m_err.ReportException("SelectDelete", e);
    }
}

bool clsTSingle::DeleteDuplicate(std::vector<std::int32_t>& lngSingle)
{
    try {
        if (lngSingle.empty()) {
            return false;
        }
        for (std::size_t i = 0; i < lngSingle.size(); ++i) {
            if (!clsTNumber::IsValidNo(lngSingle[i])) {
                m_err.Report("DeleteDuplicate", std::to_string(i + 1) +
                                                    " 番目のシングル番号が範囲外です（" +
                                                    std::to_string(lngSingle[i]) + "）。");
                return false;
            }
        }
        std::vector<std::int32_t> kept;
        if (!RemoveDuplicates(lngSingle, kept)) {
            m_err.Message().ShowMessage(MsgIcon::Information, "重複したシングルは存在しません",
                                        "重複シングル削除");
            return false;
        }
        const std::size_t before = lngSingle.size();
        lngSingle = std::move(kept);
        m_err.Message().ShowMessage(MsgIcon::Information,
                                    "重複したシングルを消去しました\nシングル総数：" +
                                        Grouped(static_cast<std::int64_t>(before)) + " → " +
                                        Grouped(static_cast<std::int64_t>(lngSingle.size())),
                                    "重複シングル削除");
        return true;
    } catch (const std::exception& e) {
        m_err.ReportException("DeleteDuplicate", e);
        return false;
    }
}

bool clsTSingle::RemoveDuplicates(std::span<const std::int32_t> lngSingle,
                                  std::vector<std::int32_t>& lngKept)
{
    std::vector<std::uint8_t> seen(static_cast<std::size_t>(clsTNumber::SingleCount), 0);
    lngKept.clear();
    lngKept.reserve(lngSingle.size());
    for (const std::int32_t v : lngSingle) {
        auto& flag = seen[static_cast<std::size_t>(v)];
        if (flag == 0) {
            flag = 1;
            lngKept.push_back(v);
        }
    }
    return lngKept.size() != lngSingle.size();
}
