#pragma once
// The player's ledger across rounds: each bought data file graded against its round's stored
// result, as kelvra-cli grade does, and the money it cost and won. Made for one listing by
// kelvra-cli ledger and by the 収支 window; it keeps nothing between calls.

#include "base/Currency.h"
#include "base/clsHost.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

struct LedgerEntry
{
    std::string FileName;
    // Why the file could not be graded (unreadable data file, damaged result); empty when read.
    std::string Error;
    std::int32_t Kaisaikai = 0;
    std::string Kumi;
    std::int32_t Tickets = 0;
    Currency Cost;
    // The round's result is stored, every match decided and the prizes published.
    bool Graded = false;
    Currency Won;

    bool Read() const { return Error.empty(); }
    Currency Balance() const { return Won - Cost; }
};

struct LedgerTotal
{
    std::int64_t Tickets = 0;
    Currency Cost;
    // Won, balance and rate count the graded files only: a round still to be played or
    // published has neither won nor lost yet.
    Currency Won;
    Currency Balance;
    Currency GradedCost;
    std::int32_t GradedCount = 0;
    // Won per graded cost in tenths of a percent, halves rounded up; -1 when nothing is graded.
    std::int64_t RatePermille = -1;
};

// A point of the running balance: the graded entries' balances summed in listing order.
struct LedgerPoint
{
    std::string Round;
    Currency Balance;
};

class clsLedger
{
public:
    // The host's pump, busy and wait services serve the grading; its messages are not used:
    // every failure lands in the entry it concerns.
    clsLedger(const clsHost& host, std::string strProgramFolder);

    LedgerEntry Grade(const std::string& strFileName);

    // Unreadable entries are left out. Nullopt, with the reason, when a sum passes the money
    // range.
    static std::optional<LedgerTotal> Sum(std::span<const LedgerEntry> entries,
                                          std::string& strError);

    // Rounds in order (then group, then file name), the unreadable entries last: the order a
    // season is read in and its balance runs.
    static void SortByRound(std::vector<LedgerEntry>& entries);
    // One point per graded entry; a sum past the money range throws std::overflow_error.
    static std::vector<LedgerPoint> RunningBalance(std::span<const LedgerEntry> entries);

    // "9001", "9001A" with the group, "-" for a file without a round.
    static std::string RoundText(const LedgerEntry& entry);
    // The command line's lines: "ROUND<TAB>TICKETS<TAB>COST<TAB>WON<TAB>BALANCE" in plain yen,
    // "-" for what is not known yet; the total line starts "合計" and ends with the rate.
    static std::string EntryLine(const LedgerEntry& entry);
    static std::string TotalLine(const LedgerTotal& total);
    // "87.5%" without separators; "-" below zero.
    static std::string RateText(std::int64_t lngPermille);

private:
    clsHost m_host;
    std::string m_programFolder;
};
