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

#include <functional>
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

    // Hands the probabilities (none: クリア) to whoever keeps them; false when they were
    // refused (it has said why).
    using ApplyFn = std::function<bool(const std::optional<ProbabilityRecord>&)>;

    // fnApply is called by OK and クリア; the dialog closes only once it has taken the result
    // (none: at once).
    frmProbability(clsIMessage& message, const std::optional<ProbabilityRecord>& prob,
                   const clsTOdds::TeamNames& strTeams, const VoteRecord& vote, ApplyFn fnApply,
                   QWidget* parent);

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
    void OnClear();

    clsIMessage& m_message;
    VoteRecord m_vote;
    ApplyFn m_apply;
    clsTProbabilityEntry m_entry;
    clsOddsGrid* m_grid = nullptr;
    QPushButton* m_ok = nullptr;
};
