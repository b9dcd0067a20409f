#pragma once
// The entry grid of the user vote-rate and own-probability dialogs: match number, home team,
// one box per outcome ("1", "0", "2") and away team for the 13 matches. It only shows texts
// and passes keys through the rules it is given; the dialog that owns it keeps the values.

#include "base/clsGridTable.h"
#include "lottery/clsToto.h"
#include "results/clsTOdds.h"

#include <QWidget>

#include <array>
#include <functional>
#include <string>

class QLineEdit;
class QRegularExpressionValidator;
class clsGridView;

class clsOddsGrid : public QWidget
{
    Q_OBJECT

public:
    using Key = clsTOdds::Key;
    // Whether a key reaches a box: the key, the box's text, whether all of it is selected.
    using KeyFilter = std::function<bool(Key, const std::string&, bool)>;

    clsOddsGrid(const clsTOdds::TeamNames& strTeams, QWidget* parent);

    void SetKeyFilter(KeyFilter fnFilter) { m_filter = std::move(fnFilter); }
    // Whether a box may hold a point: odds, or a percent shown with its hundredths (a pasted
    // text is held to the same characters; the rules decide which keys are typed).
    void SetDecimal(bool blnDecimal);
    // Shows a text without raising BoxEdited.
    void SetBoxText(int lngOutcome, int lngMatch, const std::string& strText);
    // A match the document would refuse has its boxes drawn in red, the reason as their tip.
    void SetRowFault(int lngMatch, const std::string& strFault);
    // The rules' texts and row colours (clsTOdds or a rule set shaped like it); true when
    // the document would take every match, which is when OK may be pressed.
    template <class Rules> bool ShowTexts(const Rules& rules)
    {
        for (int m = 0; m < clsToto::kMatchCount; ++m) {
            for (int k = 0; k < 3; ++k) {
                SetBoxText(k, m, rules.Text(k, m));
            }
        }
        return ShowValid(rules);
    }
    template <class Rules> bool ShowValid(const Rules& rules)
    {
        for (int m = 0; m < clsToto::kMatchCount; ++m) {
            SetRowFault(m, rules.RowFault(m));
        }
        return rules.OkEnabled();
    }
    // Boxes numbered as clsTOdds numbers them (match × 3 + column).
    QLineEdit* Box(int lngBox) const { return m_boxes[static_cast<std::size_t>(lngBox)]; }
    QLineEdit* Box(int lngOutcome, int lngMatch) const;
    clsGridView* Table() const { return m_table; }

signals:
    void BoxEdited(int lngOutcome, int lngMatch, const QString& strText);

protected:
    // Keeps the boxes over their cells wherever the table goes.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PlaceBoxes();

    clsGridTable m_cells{clsToto::kMatchCount + 1, 6};
    clsGridView* m_table = nullptr;
    std::array<QLineEdit*, 39> m_boxes{};
    std::array<QRegularExpressionValidator*, 39> m_validators{};
    KeyFilter m_filter;
};
