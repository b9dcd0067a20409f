#pragma once
// The dialog "予想確率（ユーザー定義）": the player's own probability of every outcome, typed
// in hundredths of a percent, in whole percent or as decimal odds, or started from the vote
// rates. Every rule is clsTProbabilityEntry's. Made by the main window for one opening.

// moc stumbles on <compare> when it comes before the library's configuration header, and
// it needs none of these types.
#ifndef Q_MOC_RUN
#include "lottery/ProbabilityRecord.h"
#include "lottery/VoteRecord.h"
#include "results/clsTProbabilityEntry.h"
#endif

#include <QDialog>

#include <optional>

class QPushButton;
class QRadioButton;
class clsIMessage;
class clsOddsGrid;

class frmProbability : public QDialog
{
    Q_OBJECT

public:
    // The dialog's result code for クリア: the probabilities are to be removed.
    static constexpr int Cleared = 2;

    frmProbability(clsIMessage& message, const std::optional<ProbabilityRecord>& prob,
                   const clsTOdds::TeamNames& strTeams, const VoteRecord& vote, QWidget* parent);

    bool Confirmed() const { return m_entry.Confirmed(); }
    // The probabilities after OK.
    ProbabilityRecord Result() const { return m_entry.Result(); }
    clsOddsGrid* Grid() const { return m_grid; }

private:
    void SetMode(std::int32_t lngMode);
    void ShowTexts();
    void Validate();
    void OnFromVote();
    void OnOk();

    clsIMessage& m_message;
    VoteRecord m_vote;
    clsTProbabilityEntry m_entry;
    clsOddsGrid* m_grid = nullptr;
    QPushButton* m_ok = nullptr;
};
