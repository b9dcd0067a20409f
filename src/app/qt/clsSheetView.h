#pragma once
// The ticket sheet drawn like the operator's mark card: ten slots of a number label and the
// outcome cells, painted from the core's geometry. It shows what the document's sheet tells it
// (it is the sheet's sink) and hands every click or key on to the document's Sheet* operations;
// it keeps no list of its own. The page label and the count go out as signals.

#include "app/clsTicketsFacet.h"
#include "tickets/clsTSingle.h"
#include "tickets/clsTSingleDraw.h"

#include <QWidget>

#include <cstdint>

class clsSheetView : public QWidget, public clsTSingleSink
{
    Q_OBJECT

public:
    clsSheetView(clsTicketsFacet& tickets, clsIMessage& message, QWidget* parent = nullptr);
    ~clsSheetView() override;

    const clsTSingleDraw& Draw() const { return m_draw; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }
    // The keyboard's cell: slot, then -1 for the number label or the code 0..2, and the match.
    std::int32_t FocusSlot() const { return m_slot; }
    std::int32_t FocusCode() const { return m_code; }
    std::int32_t FocusMatch() const { return m_match; }
    // What a screen reader says of the keyboard's cell.
    QString FocusText() const;
    // The rectangle of a cell in widget pixels (for tests and accessibility).
    QRect CellRect(std::int32_t lngSlot, std::int32_t lngCode, std::int32_t lngMatch) const;
    QRect NumberRect(std::int32_t lngSlot) const;

    void ShowSlot(std::int32_t lngSlot, std::int32_t lngNumber, std::int32_t lngSingle,
                  bool blnSelected) override;
    void ShowPage(const std::string& strLabel, bool blnPrevious, bool blnNext) override;
    void ShowCount(const std::string& strCount) override;

signals:
    void PageShown(const QString& strLabel, bool blnPrevious, bool blnNext);
    void CountShown(const QString& strCount);
    // A slot's contents changed (the figure list beside follows).
    void SlotsChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Activate(std::int32_t lngSlot, std::int32_t lngCode, std::int32_t lngMatch);
    void MoveFocus(std::int32_t lngSlot, std::int32_t lngCode, std::int32_t lngMatch);
    void FollowScreen();

    clsTicketsFacet& m_tickets;
    clsTSingleDraw m_draw;
    std::int32_t m_slot = 0;
    std::int32_t m_code = -1;
    std::int32_t m_match = 0;
};
