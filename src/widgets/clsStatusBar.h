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
    // The same, with the name accessibility tools give the panel (its text is its value).
    int AddPanel(int lngWidth, const QString& strName);
    // A fixed panel too narrow for its text grows to hold it: a status text is never cut.
    void SetPanelText(int lngIndex, const QString& strText);
    void SetPanelAlignment(int lngIndex, Qt::Alignment alignment);
    QString PanelText(int lngIndex) const;
    int PanelCount() const { return static_cast<int>(m_panels.size()); }

private:
    struct Panel
    {
        QLabel* Label = nullptr;
        int lngWidth = 0; // as added; 0 for the stretching panel
    };
    std::vector<Panel> m_panels;
};
