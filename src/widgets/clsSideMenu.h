#pragma once
// The side menu of a window with pages: one entry per page of a QStackedWidget. The owner
// may veto a change (a run in progress, a locked document); a refused click leaves the
// highlighted entry on the page still shown. Owned by its parent window.

#include <QListWidget>

#include <functional>

class QStackedWidget;

class clsSideMenu : public QListWidget
{
    Q_OBJECT

public:
    clsSideMenu(QStackedWidget* pages, QWidget* parent = nullptr);

    // Adds an entry for the page widget, which joins the stack.
    int AddPage(const QString& strCaption, QWidget* page);
    // True when the page is now shown (also when it already was).
    bool ShowPage(int lngIndex);
    int CurrentPage() const;
    // Asked before every change; false keeps the current page.
    void SetGuard(std::function<bool(int)> guard) { m_guard = std::move(guard); }

signals:
    void PageChanged(int lngIndex);

protected:
    // A press selects its row after the refused change has put the current row back; each
    // pointer and key event ends with the highlight on the page shown.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnRowChanged(int lngRow);
    // Current row and selection on the page shown, without asking for a change.
    void FollowPage();

    QStackedWidget* m_pages = nullptr;
    std::function<bool(int)> m_guard;
};
