#pragma once
// The dialog "投票率（ユーザー定義）": three vote rates per match that must add up to 10,000
// (hundredths of a percent) or to 100 (whole percent). Every rule is clsTOdds'; the dialog
// shows its texts and colours. Made by the main window for one opening.

// moc stumbles on <compare> when it comes before the library's configuration header, and
// it needs none of these types.
#ifndef Q_MOC_RUN
#include "results/clsTOdds.h"
#endif

#include <QDialog>

class QPushButton;
class QRadioButton;
class clsOddsGrid;

class frmOdds : public QDialog
{
    Q_OBJECT

public:
    frmOdds(const clsTOdds::Values& lngValue, const clsTOdds::TeamNames& strTeams, QWidget* parent);

    // Set only by OK; the values are in hundredths of a percent after it.
    bool Confirmed() const { return m_odds.Confirmed(); }
    const clsTOdds::Values& Values() const { return m_odds.GetValues(); }
    clsOddsGrid* Grid() const { return m_grid; }

private:
    void SetMode(std::int32_t lngMode);
    void ShowTexts();
    void Validate();
    void OnOk();

    clsTOdds m_odds;
    clsOddsGrid* m_grid = nullptr;
    QRadioButton* m_mode10000 = nullptr;
    QRadioButton* m_mode100 = nullptr;
    QPushButton* m_ok = nullptr;
};
