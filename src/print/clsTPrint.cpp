#include "print/clsTPrint.h"

#include "print/clsIPrintDevice.h"
#include "print/clsTPrintCard.h"
#include "print/clsTPrintList.h"

#include <algorithm>

namespace {
constexpr std::int32_t kSlots = 10;

clsTPrintCard MakeCard(const PrintSettings& settings, clsTPrintCard::DrawMode mode)
{
    return clsTPrintCard(-settings.LeftShift, -settings.TopShift,
                         settings.Orientation == PrintSettings::kLandscape, mode);
}
} // namespace

clsTPrint::clsTPrint(clsIMessage& message)
    : m_err(message, "frmPrint")
{}

std::int32_t clsTPrint::PageCount(std::int32_t lngSingleCount)
{
    return (lngSingleCount - 1) / kSlots + 1;
}

std::optional<PrintPageRange> clsTPrint::PageRange(const PrintSettings& settings,
                                                   std::int32_t lngSingleCount) const
{
    return RangeOf(settings, PageCount(lngSingleCount), lngSingleCount);
}

std::optional<PrintPageRange> clsTPrint::ListPageRange(const PrintSettings& settings,
                                                       std::int32_t lngSingleCount) const
{
    return RangeOf(settings, clsTPrintList::PageCount(lngSingleCount), lngSingleCount);
}

std::optional<PrintPageRange> clsTPrint::RangeOf(const PrintSettings& settings, std::int32_t count,
                                                 std::int32_t lngSingleCount) const
{
    PrintPageRange range{1, count};
    if (!settings.AllPages) {
        // A start below 1 would address tickets before the list.
        if (settings.StartPage < 1 || settings.StartPage > settings.EndPage) {
            m_err.Report("cmdPrint_Click", "印刷範囲が正しくありません。開始ページは1以上、"
                                           "終了ページ以下にして下さい。");
            return std::nullopt;
        }
        range = PrintPageRange{settings.StartPage, settings.EndPage};
    }
    // Pages past the last ticket would be blank cards or empty jobs.
    const std::int32_t last = std::min(range.Last, count);
    if (lngSingleCount <= 0 || range.First > last) {
        m_err.Report("cmdPrint_Click", "指定された印刷範囲に印刷するシングルがありません。");
        return std::nullopt;
    }
    range.Last = last;
    return range;
}

std::vector<PrintOp> clsTPrint::PageOps(std::span<const std::int32_t> lngSingles,
                                        std::int32_t lngPage, const PrintSettings& settings,
                                        const PrintCardExtras& extras)
{
    clsTPrintCard card = MakeCard(settings, clsTPrintCard::DrawMode::Print);
    const std::size_t first = static_cast<std::size_t>(lngPage - 1) * kSlots;
    for (std::int32_t s = 1; s <= kSlots; ++s) {
        const std::size_t i = first + static_cast<std::size_t>(s - 1);
        if (i < lngSingles.size()) {
            card.TicketMarks(s, lngSingles[i]);
        }
    }
    if (settings.PrintPageText) {
        card.PageText(lngPage, PageCount(static_cast<std::int32_t>(lngSingles.size())));
    }
    if (settings.PrintFileText) {
        card.FileNameText(extras.FileName, settings.PrintOpenText && extras.Schedule.has_value());
    }
    if (settings.PrintOpenText && extras.Schedule) {
        card.MatchCardTexts(*extras.Schedule);
    }
    if (settings.PrintOpenNo) {
        card.RoundMarks(extras.Kaisaikai);
        card.GroupMark(extras.Kumi);
    }
    return card.Ops();
}

std::vector<PrintOp> clsTPrint::TestOps(const PrintSettings& settings, const std::string& strKumi)
{
    clsTPrintCard card = MakeCard(settings, clsTPrintCard::DrawMode::Test);
    card.TestSheet(settings.PrintPageText, settings.PrintFileText, settings.PrintOpenText, strKumi);
    return card.Ops();
}

bool clsTPrint::PrinterInitialize(clsIPrintDevice& device, std::int32_t lngOrientation) const
{
    const auto fail = [&](std::string_view strStep) {
        m_err.Report("Printer_Initialize", std::string(strStep) + "に失敗しました。");
        return false;
    };
    if (!device.SetScaleMillimetre()) {
        return fail("スケールの設定");
    }
    if (!device.SetPaperA4()) {
        return fail("用紙の設定");
    }
    if (lngOrientation != PrintSettings::kPortrait && lngOrientation != PrintSettings::kLandscape) {
        return true;
    }
    // Set first the other way, then the chosen one, so that a driver that ignores a setting
    // equal to the one it believes it has still gets told.
    const bool landscape = lngOrientation == PrintSettings::kLandscape;
    if (!device.SetLandscape(!landscape)) {
        return fail("印刷方向の設定");
    }
    if (!device.SetLandscape(landscape)) {
        return fail("印刷方向の設定(2)");
    }
    return true;
}

bool clsTPrint::SendPage(clsIPrintDevice& device, std::int32_t lngPage,
                         const std::vector<PrintOp>& ops) const
{
    if (!device.StartPage(lngPage)) {
        m_err.Report("Print", "印刷を開始できませんでした。プリンタまたは出力先を確認して下さい。");
        return false;
    }
    for (const auto& op : ops) {
        device.Draw(op);
    }
    return true;
}

bool clsTPrint::FinishJob(clsIPrintDevice& device) const
{
    if (!device.EndJob()) {
        m_err.Report("Print",
                     "印刷データを送れませんでした。プリンタまたは出力先を確認して下さい。");
        return false;
    }
    return true;
}

bool clsTPrint::JobPerCard(const PrintSettings& settings, PrintTarget target)
{
    return target == PrintTarget::PdfFile ? settings.PdfFilePerCard : !settings.SendDataA;
}

std::int32_t clsTPrint::Print(clsIPrintDevice& device, std::span<const std::int32_t> lngSingles,
                              const PrintSettings& settings, const PrintCardExtras& extras,
                              PrintTarget target) const
{
    if (lngSingles.empty()) {
        return 0;
    }
    const auto range = PageRange(settings, static_cast<std::int32_t>(lngSingles.size()));
    if (!range) {
        return 0;
    }
    const bool jobPerCard = JobPerCard(settings, target);
    std::int32_t sent = 0;
    bool open = false;
    for (std::int32_t p = range->First; p <= range->Last; ++p) {
        PrinterInitialize(device, settings.Orientation);
        if (!SendPage(device, p, PageOps(lngSingles, p, settings, extras))) {
            if (open) {
                device.EndJob();
            }
            return sent;
        }
        open = true;
        if (jobPerCard) {
            open = false;
            if (!FinishJob(device)) {
                return sent;
            }
        }
        ++sent;
    }
    if (open && !FinishJob(device)) {
        return 0;
    }
    return sent;
}

std::int32_t clsTPrint::PrintList(clsIPrintDevice& device, const PrintListInput& input,
                                  const PrintSettings& settings) const
{
    const auto count = static_cast<std::int32_t>(input.Singles.size());
    if (count == 0) {
        return 0;
    }
    const auto range = ListPageRange(settings, count);
    if (!range) {
        return 0;
    }
    std::int32_t sent = 0;
    for (std::int32_t p = range->First; p <= range->Last; ++p) {
        PrinterInitialize(device, PrintSettings::kPortrait);
        if (!SendPage(device, p, clsTPrintList::PageOps(input, p))) {
            if (sent > 0) {
                device.EndJob();
            }
            return sent;
        }
        ++sent;
    }
    return FinishJob(device) ? sent : 0;
}

bool clsTPrint::TestPrint(clsIPrintDevice& device, const PrintSettings& settings,
                          const std::string& strKumi) const
{
    PrinterInitialize(device, settings.Orientation);
    return SendPage(device, 1, TestOps(settings, strKumi)) && FinishJob(device);
}
