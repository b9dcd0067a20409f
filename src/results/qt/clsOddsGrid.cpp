#include "results/qt/clsOddsGrid.h"

#include "base/qt/basQtText.h"
#include "widgets/clsGridDelegate.h"
#include "widgets/clsGridModel.h"
#include "widgets/clsGridView.h"

#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr std::array<const char*, 6> kHeader{"No.", "ホーム", "1", "0", "2", "アウェイ"};
constexpr int kFirstBoxColumn = 2;

// One entry box: the keys go through the dialog's rules, Enter moves on instead of typing,
// and a box reached from the keyboard has its whole text selected.
class OddsBox final : public QLineEdit
{
public:
    OddsBox(clsOddsGrid::KeyFilter fnFilter, std::function<void()> fnNext, QWidget* parent)
        : QLineEdit(parent)
        , m_filter(std::move(fnFilter))
        , m_next(std::move(fnNext))
    {}

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            m_next();
            event->accept();
            return;
        }
        using Key = clsOddsGrid::Key;
        Key key = Key::Other;
        const QString typed = event->text();
        if (event->key() == Qt::Key_Backspace) {
            key = Key::BackSpace;
        } else if (typed.size() == 1 && typed[0].isPrint()) {
            const QChar c = typed[0];
            key = (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ? Key::Digit
                  : c == QLatin1Char('.')                          ? Key::Point
                                                                   : Key::Other;
        } else {
            // Moving the caret, Tab, Delete and the shortcuts are not typing.
            QLineEdit::keyPressEvent(event);
            return;
        }
        const bool allSelected = !text().isEmpty() && selectedText() == text();
        if (m_filter && m_filter(key, basQtText::FromQ(text()), allSelected)) {
            QLineEdit::keyPressEvent(event);
        } else {
            event->accept();
        }
    }

    void focusInEvent(QFocusEvent* event) override
    {
        QLineEdit::focusInEvent(event);
        const Qt::FocusReason r = event->reason();
        if (r == Qt::TabFocusReason || r == Qt::BacktabFocusReason ||
            r == Qt::ShortcutFocusReason) {
            selectAll();
        }
    }

private:
    clsOddsGrid::KeyFilter m_filter;
    std::function<void()> m_next;
};
} // namespace

clsOddsGrid::clsOddsGrid(const clsTOdds::TeamNames& strTeams, QWidget* parent)
    : QWidget(parent)
{
    for (int c = 0; c < 6; ++c) {
        m_cells.SetText(0, c, kHeader[static_cast<std::size_t>(c)]);
        m_cells.SetAlign(0, c, GridAlign::Center);
        m_cells.SetBackColor(0, c, GridColor::ButtonFaceColor());
    }
    for (int m = 0; m < clsToto::kMatchCount; ++m) {
        const auto& teams = strTeams[static_cast<std::size_t>(m)];
        m_cells.SetText(m + 1, 0, std::to_string(m + 1));
        m_cells.SetAlign(m + 1, 0, GridAlign::Center);
        m_cells.SetText(m + 1, 1, teams[0]);
        m_cells.SetText(m + 1, 5, teams[1]);
    }
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    m_table = new clsGridView(this);
    m_table->setObjectName(QStringLiteral("grdOdds"));
    m_table->setAccessibleName(QStringLiteral("試合"));
    m_table->SetSource(m_cells);
    std::vector<std::int32_t> rows(clsToto::kMatchCount + 1, 26);
    rows[0] = 22;
    // A team column is as wide as its longest name (overseas names run to 18 full-width
    // characters), within reason.
    const QFontMetrics metrics(m_table->font());
    const int dpi = m_table->logicalDpiX() > 0 ? m_table->logicalDpiX() : 96;
    std::array<std::int32_t, 2> teamWidth{120, 120};
    for (const auto& teams : strTeams) {
        for (std::size_t side = 0; side < 2; ++side) {
            const int width96 =
                (metrics.horizontalAdvance(basQtText::ToQ(teams[side])) * 96 + dpi - 1) / dpi +
                2 * clsGridDelegate::kTextMargin + 4;
            teamWidth[side] = std::clamp<std::int32_t>(width96, teamWidth[side], 240);
        }
    }
    m_table->SetGeometry96(clsGridGeometry(rows, {36, teamWidth[0], 64, 64, 64, teamWidth[1]}));
    m_table->SetFitToCells(true);
    column->addWidget(m_table);

    for (int b = 0; b < 39; ++b) {
        const int next = clsTOdds::NextBox(b);
        auto* box = new OddsBox(
            [this](Key key, const std::string& strText, bool blnAll) {
                return m_filter && m_filter(key, strText, blnAll);
            },
            [this, next] { m_boxes[static_cast<std::size_t>(next)]->setFocus(Qt::TabFocusReason); },
            this);
        const int outcome = clsTOdds::BoxOutcome(b);
        const int match = clsTOdds::BoxMatch(b);
        box->setObjectName(QStringLiteral("txtOdds%1").arg(b));
        box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        box->setAccessibleName(QStringLiteral("%1試合目 「%2」").arg(match + 1).arg(outcome));
        connect(box, &QLineEdit::textEdited, this, [this, outcome, match](const QString& strText) {
            emit BoxEdited(outcome, match, strText);
        });
        m_boxes[static_cast<std::size_t>(b)] = box;
        m_validators[static_cast<std::size_t>(b)] = new QRegularExpressionValidator(box);
        box->setValidator(m_validators[static_cast<std::size_t>(b)]);
    }
    // Tab runs match by match, as Enter does.
    for (int b = 0; b + 1 < 39; ++b) {
        setTabOrder(m_boxes[static_cast<std::size_t>(b)], m_boxes[static_cast<std::size_t>(b + 1)]);
    }
    // The boxes lie over their cells but are this widget's children, not the view's: a screen
    // reader reviews a table view's cells and never reaches widgets set into them.
    m_table->installEventFilter(this);
    PlaceBoxes();
    SetDecimal(false);
}

void clsOddsGrid::PlaceBoxes()
{
    const QPoint origin = m_table->viewport()->mapTo(this, QPoint(0, 0));
    for (int b = 0; b < 39; ++b) {
        const QModelIndex cell =
            m_table->Model()->index(clsTOdds::BoxMatch(b) + 1, kFirstBoxColumn + b % 3);
        QLineEdit* box = m_boxes[static_cast<std::size_t>(b)];
        box->setGeometry(m_table->visualRect(cell).translated(origin));
        box->raise();
    }
}

bool clsOddsGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_table && (event->type() == QEvent::Move || event->type() == QEvent::Resize ||
                               event->type() == QEvent::Show)) {
        PlaceBoxes();
    }
    return QWidget::eventFilter(watched, event);
}

void clsOddsGrid::SetDecimal(bool blnDecimal)
{
    const QRegularExpression pattern(blnDecimal ? QStringLiteral("[0-9]*\\.?[0-9]*")
                                                : QStringLiteral("[0-9]*"));
    for (QRegularExpressionValidator* validator : m_validators) {
        validator->setRegularExpression(pattern);
    }
}

QLineEdit* clsOddsGrid::Box(int lngOutcome, int lngMatch) const
{
    for (int c = 0; c < 3; ++c) {
        if (clsTOdds::BoxOutcome(c) == lngOutcome) {
            return Box(lngMatch * 3 + c);
        }
    }
    return nullptr;
}

void clsOddsGrid::SetBoxText(int lngOutcome, int lngMatch, const std::string& strText)
{
    if (QLineEdit* box = Box(lngOutcome, lngMatch)) {
        box->setText(basQtText::ToQ(strText));
    }
}

void clsOddsGrid::SetRowFault(int lngMatch, const std::string& strFault)
{
    const bool valid = strFault.empty();
    for (int c = 0; c < 3; ++c) {
        QLineEdit* box = Box(lngMatch * 3 + c);
        QPalette pal = box->palette();
        pal.setColor(QPalette::Text, valid ? palette().color(QPalette::Text) : QColor(Qt::red));
        box->setPalette(pal);
        box->setToolTip(basQtText::ToQ(strFault));
        box->setProperty("rowValid", valid);
    }
}
