#include "RecordingPrintDevice.h"
#include "print/clsTPrint.h"
#include "print/clsTPrintCard.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {
std::vector<std::int32_t> Tickets(std::int32_t lngCount)
{
    std::vector<std::int32_t> v(static_cast<std::size_t>(lngCount));
    // Distinct numbers, so that every slot's ticket can be told apart.
    std::iota(v.begin(), v.end(), 1000);
    return v;
}

PrintSettings Range(std::int32_t lngStart, std::int32_t lngEnd)
{
    PrintSettings s;
    s.AllPages = false;
    s.StartPage = lngStart;
    s.EndPage = lngEnd;
    return s;
}

std::vector<std::int32_t> PageNumbers(const RecordingPrintDevice& device)
{
    std::vector<std::int32_t> v;
    for (const auto& p : device.Pages) {
        v.push_back(p.Number);
    }
    return v;
}

std::size_t Count(const std::vector<PrintOp>& ops, PrintOpKind kind)
{
    return static_cast<std::size_t>(
        std::count_if(ops.begin(), ops.end(), [&](const PrintOp& op) { return op.Kind == kind; }));
}
} // namespace

TEST(clsTPrint, PageCountIsTenTicketsACard)
{
    EXPECT_EQ(clsTPrint::PageCount(0), 1);
    EXPECT_EQ(clsTPrint::PageCount(1), 1);
    EXPECT_EQ(clsTPrint::PageCount(10), 1);
    EXPECT_EQ(clsTPrint::PageCount(11), 2);
    EXPECT_EQ(clsTPrint::PageCount(25), 3);
}

TEST(clsTPrint, TwentyFiveTicketsPrintThreeCardsTheLastHalfFull)
{
    RecordingHost host;
    RecordingPrintDevice device;
    clsTPrint print(host);
    PrintSettings s;
    s.PrintPageText = true;
    const auto tickets = Tickets(25);
    EXPECT_EQ(print.Print(device, tickets, s, {}), 3);
    EXPECT_EQ(PageNumbers(device), (std::vector<std::int32_t>{1, 2, 3}));
    EXPECT_EQ(device.Jobs, 3);
    EXPECT_EQ(Count(device.Pages[0].Ops, PrintOpKind::FillRect), 130U);
    const auto& last = device.Pages[2].Ops;
    EXPECT_EQ(Count(last, PrintOpKind::FillRect), 5U * 13U);
    // Only slots 1 to 5 are marked: the rightmost mark is slot 5's away column.
    Currency right;
    for (const auto& op : last) {
        right = std::max(right, op.X2);
    }
    EXPECT_LE(right, clsTPrintCard::TicketX(5, 2) + *Currency::Parse("0.5"));
    // Tickets 21 to 25, in order: page 3 is what a card of those five alone would be.
    const std::vector<std::int32_t> tail(tickets.begin() + 20, tickets.end());
    auto alone = clsTPrint::PageOps(tail, 1, PrintSettings{}, {});
    const std::vector<PrintOp> marks(last.begin(), last.begin() + 65);
    EXPECT_EQ(marks, alone);
    EXPECT_EQ(last.back().Text, "      3/3");
    EXPECT_TRUE(host.Messages.empty());
}

TEST(clsTPrint, SendAtOnceMakesOneJobOfAllCards)
{
    RecordingHost host;
    RecordingPrintDevice device;
    clsTPrint print(host);
    PrintSettings s;
    s.SendDataA = true;
    EXPECT_EQ(print.Print(device, Tickets(25), s, {}), 3);
    EXPECT_EQ(device.Jobs, 1);
    EXPECT_EQ(std::count(device.Calls.begin(), device.Calls.end(), "end"), 1);
    EXPECT_EQ(device.Calls.back(), "end");
}

TEST(clsTPrint, APdfPrintIsOneJobUnlessAFilePerCardIsAsked)
{
    RecordingHost host;
    clsTPrint print(host);
    PrintSettings s;
    // Whatever the printer switch says, a PDF of all cards is one job.
    for (const bool atOnce : {false, true}) {
        s.SendDataA = atOnce;
        RecordingPrintDevice device;
        EXPECT_EQ(print.Print(device, Tickets(25), s, {}, PrintTarget::PdfFile), 3);
        EXPECT_EQ(device.Jobs, 1);
        EXPECT_EQ(device.Pages.size(), 3U);
        EXPECT_EQ(std::count(device.Calls.begin(), device.Calls.end(), "end"), 1);
    }
    s.PdfFilePerCard = true;
    RecordingPrintDevice perCard;
    EXPECT_EQ(print.Print(perCard, Tickets(25), s, {}, PrintTarget::PdfFile), 3);
    EXPECT_EQ(perCard.Jobs, 3);
    // The PDF switch leaves a printer as the printer switch says.
    s.SendDataA = true;
    RecordingPrintDevice printer;
    EXPECT_EQ(print.Print(printer, Tickets(25), s, {}, PrintTarget::Printer), 3);
    EXPECT_EQ(printer.Jobs, 1);
    EXPECT_TRUE(host.Messages.empty());
}

TEST(clsTPrint, PageRanges)
{
    struct Case
    {
        std::int32_t Start;
        std::int32_t End;
        std::vector<std::int32_t> Printed;
        bool Message;
    };
    // 25 tickets: 3 cards.
    const std::vector<Case> cases{
        {2, 5, {2, 3}, false}, {1, 1, {1}, false}, {3, 3, {3}, false}, {2, 1, {}, true},
        {0, 2, {}, true},      {-1, 3, {}, true},  {4, 5, {}, true},
    };
    for (const auto& c : cases) {
        RecordingHost host;
        RecordingPrintDevice device;
        clsTPrint print(host);
        print.Print(device, Tickets(25), Range(c.Start, c.End), {});
        EXPECT_EQ(PageNumbers(device), c.Printed) << c.Start << "-" << c.End;
        // No blank cards and no empty jobs.
        EXPECT_EQ(device.Jobs, static_cast<std::int32_t>(c.Printed.size()));
        EXPECT_EQ(host.Messages.empty(), !c.Message) << c.Start << "-" << c.End;
        if (c.Message) {
            EXPECT_EQ(host.Messages[0].Icon, MsgIcon::Warning);
            EXPECT_EQ(host.Messages[0].Caption, "Kelvra / frmPrint / cmdPrint_Click");
        }
    }
}

TEST(clsTPrint, NoTicketsPrintsNothing)
{
    RecordingHost host;
    RecordingPrintDevice device;
    clsTPrint print(host);
    EXPECT_EQ(print.Print(device, {}, PrintSettings{}, {}), 0);
    EXPECT_TRUE(device.Calls.empty());
    EXPECT_TRUE(host.Messages.empty());
}

TEST(clsTPrint, ExtrasFollowTheSwitchesInOrder)
{
    PrintSettings s;
    PrintCardExtras extras;
    extras.Kaisaikai = 1234;
    extras.Kumi = "A";
    extras.FileName = "sample.drd";
    extras.Schedule = ScheduleRecord{};
    const auto tickets = Tickets(3);
    EXPECT_EQ(clsTPrint::PageOps(tickets, 1, s, extras).size(), 39U);
    s.PrintPageText = s.PrintFileText = s.PrintOpenText = s.PrintOpenNo = true;
    const auto ops = clsTPrint::PageOps(tickets, 1, s, extras);
    ASSERT_EQ(ops.size(), 39U + 1U + 1U + 13U + 2U + 1U);
    EXPECT_EQ(ops[39].Text, "      1/1");
    EXPECT_EQ(ops[40].Text, "sample.drd");
    EXPECT_EQ(ops[41].X1, *Currency::Parse("37.5"));
    // Round 1234: tens 3 and ones 4, then the A box.
    EXPECT_EQ(ops[54].Y1, *Currency::Parse("33"));
    EXPECT_EQ(ops[55].Y1, *Currency::Parse("38"));
    EXPECT_EQ(ops[56].X1, *Currency::Parse("44"));
    // Without a schedule there are no match lines.
    extras.Schedule.reset();
    EXPECT_EQ(clsTPrint::PageOps(tickets, 1, s, extras).size(), 39U + 1U + 1U + 2U + 1U);
}

TEST(clsTPrint, TheFileNameGivesWayOnlyToPrintedMatchLines)
{
    PrintSettings s;
    s.PrintFileText = true;
    s.PrintOpenText = true;
    PrintCardExtras extras;
    extras.FileName = "第1234回　本命と穴狙いの組み合わせ.drd";
    const auto tickets = Tickets(1);
    // No schedule, no match lines: the whole name.
    auto ops = clsTPrint::PageOps(tickets, 1, s, extras);
    EXPECT_EQ(ops.back().Text, extras.FileName);
    extras.Schedule = ScheduleRecord{};
    ops = clsTPrint::PageOps(tickets, 1, s, extras);
    EXPECT_EQ(ops[13].Text,
              clsTPrintCard::FileNameLabel(extras.FileName, clsTPrintCard::FileNameCells(true)));
    EXPECT_NE(ops[13].Text, extras.FileName);
}

TEST(clsTPrint, SetupSetsTheOrientationTwiceTheOtherWayFirst)
{
    RecordingHost host;
    clsTPrint print(host);
    using V = std::vector<std::string>;
    RecordingPrintDevice portrait;
    EXPECT_TRUE(print.PrinterInitialize(portrait, 1));
    EXPECT_EQ(portrait.Calls, (V{"scale", "paper", "landscape", "portrait"}));
    RecordingPrintDevice landscape;
    EXPECT_TRUE(print.PrinterInitialize(landscape, 2));
    EXPECT_EQ(landscape.Calls, (V{"scale", "paper", "portrait", "landscape"}));
    RecordingPrintDevice none;
    EXPECT_TRUE(print.PrinterInitialize(none, 0));
    EXPECT_EQ(none.Calls, (V{"scale", "paper"}));
    EXPECT_TRUE(host.Messages.empty());
}

TEST(clsTPrint, AFailedSetupStepIsNamedAndThePageStillPrints)
{
    struct Case
    {
        void (*Arm)(RecordingPrintDevice&);
        const char* Text;
        std::size_t Calls;
    };
    const std::vector<Case> cases{
        {[](RecordingPrintDevice& d) { d.FailScale = true; }, "スケールの設定に失敗しました。", 1},
        {[](RecordingPrintDevice& d) { d.FailPaper = true; }, "用紙の設定に失敗しました。", 2},
        {[](RecordingPrintDevice& d) { d.FailOrientation = true; },
         "印刷方向の設定に失敗しました。", 3},
    };
    for (const auto& c : cases) {
        RecordingHost host;
        RecordingPrintDevice device;
        c.Arm(device);
        clsTPrint print(host);
        EXPECT_EQ(print.Print(device, Tickets(1), PrintSettings{}, {}), 1);
        ASSERT_EQ(host.Messages.size(), 1U);
        EXPECT_EQ(host.Messages[0].Text, c.Text);
        EXPECT_EQ(host.Messages[0].Caption, "Kelvra / frmPrint / Printer_Initialize");
        // The remaining steps are skipped; the page and the job follow.
        EXPECT_EQ(device.Calls.size(), c.Calls + 2);
        EXPECT_EQ(device.Calls[c.Calls], "page 1");
        ASSERT_EQ(device.Pages.size(), 1U);
        EXPECT_EQ(device.Pages[0].Ops.size(), 13U);
    }
}

TEST(clsTPrint, ADeviceThatCannotPrintIsReportedNotCountedAsPrinted)
{
    RecordingHost host;
    RecordingPrintDevice device;
    device.FailStart = true;
    clsTPrint print(host);
    EXPECT_EQ(print.Print(device, Tickets(25), PrintSettings{}, {}), 0);
    ASSERT_EQ(host.Messages.size(), 1U);
    EXPECT_EQ(host.Messages[0].Caption, "Kelvra / frmPrint / Print");
    EXPECT_FALSE(print.TestPrint(device, PrintSettings{}, ""));

    RecordingHost host2;
    RecordingPrintDevice ending;
    ending.FailEnd = true;
    clsTPrint print2(host2);
    EXPECT_EQ(print2.Print(ending, Tickets(25), PrintSettings{}, {}), 0);
    EXPECT_EQ(ending.Pages.size(), 1U);
    EXPECT_EQ(host2.Messages.size(), 1U);
}

TEST(clsTPrint, TestPrintIsOnePageInOneJob)
{
    RecordingHost host;
    RecordingPrintDevice device;
    clsTPrint print(host);
    PrintSettings s;
    s.Orientation = 2;
    EXPECT_TRUE(print.TestPrint(device, s, "B"));
    EXPECT_EQ(device.Calls, (std::vector<std::string>{"scale", "paper", "portrait", "landscape",
                                                      "page 1", "end"}));
    ASSERT_EQ(device.Pages.size(), 1U);
    EXPECT_EQ(device.Pages[0].Ops, clsTPrint::TestOps(s, "B"));
}
