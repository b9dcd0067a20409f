#pragma once
// A status bar of fixed panels addressed by index, the way the window's status texts are
// written ("panel 0 = the round"). Owned by its main window.

#include <QStatusBar>

#include <vector>

class QLabel;

class clsStatusBar : public QStatusBar
{
    Q_OBJECT

public:
    explicit clsStatusBar(QWidget* parent = nullptr);

    // lngWidth 0: the panel takes the space left over. Returns the panel's index.
    int AddPanel(int lngWidth);
    void SetPanelText(int lngIndex, const QString& strText);
    QString PanelText(int lngIndex) const;
    int PanelCount() const { return static_cast<int>(m_panels.size()); }

private:
    std::vector<QLabel*> m_panels;
};
