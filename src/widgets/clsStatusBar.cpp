#include "widgets/clsStatusBar.h"

#include <QLabel>

#include <algorithm>

clsStatusBar::clsStatusBar(QWidget* parent)
    : QStatusBar(parent)
{
    setObjectName(QStringLiteral("statusBar"));
    setSizeGripEnabled(true);
}

int clsStatusBar::AddPanel(int lngWidth)
{
    return AddPanel(lngWidth, QString());
}

int clsStatusBar::AddPanel(int lngWidth, const QString& strName)
{
    auto* label = new QLabel(this);
    const int index = static_cast<int>(m_panels.size());
    label->setObjectName(QStringLiteral("statusPanel%1").arg(index));
    label->setFrameShape(QFrame::StyledPanel);
    label->setFrameShadow(QFrame::Sunken);
    if (!strName.isEmpty()) {
        label->setAccessibleName(strName);
    }
    if (lngWidth > 0) {
        label->setFixedWidth(lngWidth);
        addPermanentWidget(label, 0);
    } else {
        addWidget(label, 1);
    }
    m_panels.push_back({label, std::max(lngWidth, 0)});
    return index;
}

void clsStatusBar::SetPanelText(int lngIndex, const QString& strText)
{
    if (lngIndex < 0 || lngIndex >= PanelCount()) {
        return;
    }
    const Panel& panel = m_panels[static_cast<std::size_t>(lngIndex)];
    panel.Label->setText(strText);
    if (panel.lngWidth > 0) {
        const int margins = panel.Label->contentsMargins().left() +
                            panel.Label->contentsMargins().right() + 2 * panel.Label->margin() +
                            2 * panel.Label->frameWidth() + panel.Label->indent() + 2;
        const int needed = panel.Label->fontMetrics().horizontalAdvance(strText) + margins;
        panel.Label->setFixedWidth(std::max(panel.lngWidth, needed));
    }
}

QString clsStatusBar::PanelText(int lngIndex) const
{
    if (lngIndex >= 0 && lngIndex < PanelCount()) {
        return m_panels[static_cast<std::size_t>(lngIndex)].Label->text();
    }
    return {};
}

void clsStatusBar::SetPanelAlignment(int lngIndex, Qt::Alignment alignment)
{
    if (lngIndex >= 0 && lngIndex < PanelCount()) {
        m_panels[static_cast<std::size_t>(lngIndex)].Label->setAlignment(alignment);
    }
}
