#pragma once
// A strip of captioned tabs (the condition tables' 29 tabs, the page tabs). Each tab's
// accessible name is its caption. Owned by the view that places it.

#include <QTabBar>

class clsTabStrip : public QTabBar
{
    Q_OBJECT

public:
    explicit clsTabStrip(QWidget* parent = nullptr);

    // Replaces every tab; the first becomes current. No change signal while they are built.
    void SetCaptions(const QStringList& strCaptions);
    QStringList Captions() const;
    int CurrentTab() const { return currentIndex(); }
    // False (and no change) for a tab that does not exist.
    bool SetCurrentTab(int lngIndex);

signals:
    // The current tab changed, by the user or by SetCurrentTab.
    void TabChanged(int lngIndex);

private:
    bool m_building = false;
};
