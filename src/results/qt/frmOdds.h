#pragma once
// The dialog "投票率（ユーザー定義）": three vote rates per match that must add up to 100 %,
// shown and typed in hundredths of a percent (10,000) or in percent (100). Every rule is
// clsTOdds'; the dialog shows its texts and colours. Made by the main window for one opening.

// moc stumbles on <compare> when it comes before the library's configuration header, and
// it needs none of these types.
#ifndef Q_MOC_RUN
#include "results/clsTOdds.h"
#endif

#include <QDialog>

#include <functional>

class QPushButton;
class QRadioButton;
class clsOddsGrid;

class frmOdds : public QDialog
{
    Q_OBJECT

public:
    // Hands the rates to whoever keeps them; false when they were refused (it has said why).
    using ApplyFn = std::function<bool(const clsTOdds::Values&)>;

    // fnApply is called by OK; the dialog closes only once it has taken the rates (none:
    // OK closes at once).
    frmOdds(const clsTOdds::Values& lngValue, const clsTOdds::TeamNames& strTeams, ApplyFn fnApply,
            QWidget* parent);

    // Set only by an OK that was taken; the values are in hundredths of a percent.
    bool Confirmed() const { return m_odds.Confirmed(); }
    const clsTOdds::Values& Values() const { return m_odds.GetValues(); }
    clsOddsGrid* Grid() const { return m_grid; }

private:
    void SetMode(std::int32_t lngMode);
    void ShowTexts();
    void Validate();
    void OnOk();

    clsTOdds m_odds;
    ApplyFn m_apply;
    clsOddsGrid* m_grid = nullptr;
    QRadioButton* m_mode10000 = nullptr;
    QRadioButton* m_mode100 = nullptr;
    QPushButton* m_ok = nullptr;
};
