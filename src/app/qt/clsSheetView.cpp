#include "app/qt/clsSheetView.h"

#include "base/qt/basQtText.h"
#include "lottery/clsToto.h"

#include <QAccessible>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <array>

namespace {
// By outcome code; the card prints the codes in the column order 1, 0, 2.
constexpr std::array<const char*, 3> kCodeNames{"その他", "ホーム勝ち", "アウェイ勝ち"};
constexpr std::array<std::int32_t, 3> kColumnCode{1, 0, 2};

std::int32_t ColumnOf(std::int32_t lngCode)
{
    return lngCode == 1 ? 0 : (lngCode == 0 ? 1 : 2);
}

QColor ToQ(const clsTSingleDraw::Rgb& color)
{
    return QColor(color.R, color.G, color.B);
}

QRect ToQ(const GridRect& rect)
{
    return QRect(rect.lngLeft, rect.lngTop, rect.lngWidth, rect.lngHeight);
}
} // namespace

clsSheetView::clsSheetView(clsTicketsFacet& tickets, clsIMessage& message, QWidget* parent)
    : QWidget(parent)
    , m_tickets(tickets)
    , m_draw(message)
{
    setObjectName(QStringLiteral("picSingle"));
    setAccessibleName(QStringLiteral("シングル"));
    setFocusPolicy(Qt::StrongFocus);
    FollowScreen();
    m_tickets.SetSheetSink(this);
}

clsSheetView::~clsSheetView()
{
    m_tickets.SetSheetSink(nullptr);
}

void clsSheetView::FollowScreen()
{
    const int dpi = logicalDpiX() > 0 ? logicalDpiX() : clsGridGeometry::kBaseDpi;
    if (dpi != m_draw.Dpi()) {
        m_draw.SetDpi(dpi);
        updateGeometry();
        update();
    }
}

void clsSheetView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ScreenChangeInternal || event->type() == QEvent::FontChange) {
        FollowScreen();
    }
    QWidget::changeEvent(event);
}

QSize clsSheetView::sizeHint() const
{
    return QSize(m_draw.Width(), m_draw.Height());
}

QRect clsSheetView::CellRect(std::int32_t lngSlot, std::int32_t lngCode,
                             std::int32_t lngMatch) const
{
    return ToQ(m_draw.CellRect(lngSlot, lngCode, lngMatch));
}

QRect clsSheetView::NumberRect(std::int32_t lngSlot) const
{
    return ToQ(m_draw.NumberRect(lngSlot));
}

void clsSheetView::ShowSlot(std::int32_t lngSlot, std::int32_t lngNumber, std::int32_t lngSingle,
                            bool blnSelected)
{
    m_draw.SetNo(lngSlot, lngNumber, blnSelected);
    m_draw.SetMark(lngSlot, lngSingle);
    update();
    emit SlotsChanged();
}

void clsSheetView::ShowPage(const std::string& strLabel, bool blnPrevious, bool blnNext)
{
    emit PageShown(basQtText::ToQ(strLabel), blnPrevious, blnNext);
}

void clsSheetView::ShowCount(const std::string& strCount)
{
    emit CountShown(basQtText::ToQ(strCount));
}

void clsSheetView::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    for (std::int32_t s = 0; s < clsTSingleDraw::kSlots; ++s) {
        painter.fillRect(ToQ(m_draw.SlotRect(s)), Qt::white);
        painter.fillRect(ToQ(m_draw.SlotBackground(s)), ToQ(clsTSingleDraw::SlotColor(s)));
    }
    const QColor line = ToQ(clsTSingleDraw::kLineColor);
    QFont font = painter.font();
    font.setPixelSize(std::max(8, m_draw.GetSy(11)));
    painter.setFont(font);
    for (std::int32_t s = 0; s < clsTSingleDraw::kSlots; ++s) {
        const QRect number = NumberRect(s);
        painter.fillRect(number, ToQ(m_draw.NoBackground(s)));
        painter.setPen(ToQ(m_draw.NoForeground(s)));
        painter.drawText(number, Qt::AlignCenter, basQtText::ToQ(m_draw.NoText(s)));
        for (std::int32_t m = 0; m < clsToto::kMatchCount; ++m) {
            for (std::int32_t c = 0; c < 3; ++c) {
                const QRect cell = CellRect(s, c, m).adjusted(1, 1, -1, -1);
                if (m_draw.Marked(s, c, m)) {
                    painter.fillRect(cell, Qt::black);
                } else {
                    // An empty mark box: the outcome's digit in the card's red.
                    painter.setPen(line);
                    painter.drawRect(cell.adjusted(0, 0, -1, -1));
                    painter.drawText(cell, Qt::AlignCenter, QString::number(c));
                }
            }
        }
    }
    for (const GridRect& box : m_draw.Lines()) {
        painter.fillRect(ToQ(box), line);
    }
    if (hasFocus()) {
        const QRect focus = m_code < 0 ? NumberRect(m_slot) : CellRect(m_slot, m_code, m_match);
        painter.setPen(QPen(Qt::blue, 2, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(focus.adjusted(1, 1, -1, -1));
    }
}

void clsSheetView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const QPoint at = event->position().toPoint();
    const std::optional<clsTSingleDraw::Hit> hit = m_draw.HitTest(at.x(), at.y());
    if (!hit) {
        return;
    }
    if (hit->What == clsTSingleDraw::Hit::Kind::Number) {
        MoveFocus(hit->Slot, -1, m_match);
        Activate(hit->Slot, -1, 0);
    } else {
        MoveFocus(hit->Slot, hit->Code, hit->Match);
        Activate(hit->Slot, hit->Code, hit->Match);
    }
}

void clsSheetView::Activate(std::int32_t lngSlot, std::int32_t lngCode, std::int32_t lngMatch)
{
    if (lngCode < 0) {
        m_tickets.SheetNoClick(lngSlot);
    } else {
        m_tickets.SheetCellClick(lngSlot, lngCode, lngMatch);
    }
}

void clsSheetView::keyPressEvent(QKeyEvent* event)
{
    // Within a slot: the number label, then the matches' rows of three cells.
    std::int32_t slot = m_slot;
    std::int32_t code = m_code < 0 ? -1 : ColumnOf(m_code); // the card column from here on
    std::int32_t match = m_match;
    switch (event->key()) {
    case Qt::Key_Left:
        if (code > 0) {
            --code;
        } else if (code == 0 && slot > 0) {
            --slot;
            code = 2;
        } else if (code < 0 && slot > 0) {
            --slot;
        }
        break;
    case Qt::Key_Right:
        if (code >= 0 && code < 2) {
            ++code;
        } else if (slot < clsTSingleDraw::kSlots - 1) {
            ++slot;
            code = code < 0 ? -1 : 0;
        }
        break;
    case Qt::Key_Up:
        if (code >= 0 && match > 0) {
            --match;
        } else if (code >= 0) {
            code = -1;
        }
        break;
    case Qt::Key_Down:
        if (code < 0) {
            code = 0;
            match = 0;
        } else if (match < clsToto::kMatchCount - 1) {
            ++match;
        }
        break;
    // The page keys turn the sheet's pages; the keyboard's cell stays where it is and is
    // read out again with the single now under it.
    case Qt::Key_Home:
        m_tickets.SheetMovePage(0);
        break;
    case Qt::Key_End:
        m_tickets.SheetMovePage(m_tickets.Sheet().LastPage());
        break;
    case Qt::Key_PageUp:
        m_tickets.SheetMovePage(m_tickets.Sheet().Page() - 1);
        break;
    case Qt::Key_PageDown:
        m_tickets.SheetMovePage(m_tickets.Sheet().Page() + 1);
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Activate(m_slot, m_code, m_match);
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    MoveFocus(slot, code < 0 ? -1 : kColumnCode[static_cast<std::size_t>(code)], match);
}

void clsSheetView::MoveFocus(std::int32_t lngSlot, std::int32_t lngCode, std::int32_t lngMatch)
{
    m_slot = lngSlot;
    m_code = lngCode;
    m_match = lngMatch;
    setAccessibleDescription(FocusText());
    update();
    if (QAccessible::isActive()) {
        QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

QString clsSheetView::FocusText() const
{
    const QString number = basQtText::ToQ(m_draw.NoText(m_slot));
    QString text = QStringLiteral("%1列目").arg(m_slot + 1);
    if (!number.isEmpty()) {
        text += QStringLiteral(" No.%1").arg(number);
    }
    if (m_code < 0) {
        return text + (m_draw.NoSelected(m_slot) ? QStringLiteral(" 選択") : QString());
    }
    text += QStringLiteral(" 第%1試合 %2")
                .arg(m_match + 1)
                .arg(QString::fromUtf8(kCodeNames[static_cast<std::size_t>(m_code)]));
    if (m_draw.Marked(m_slot, m_code, m_match)) {
        text += QStringLiteral(" マーク");
    }
    return text;
}
