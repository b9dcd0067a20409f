#include "widgets/clsStatusBar.h"

#include <QLabel>

clsStatusBar::clsStatusBar(QWidget* parent)
    : QStatusBar(parent)
{
    setObjectName(QStringLiteral("statusBar"));
    setSizeGripEnabled(true);
}

int clsStatusBar::AddPanel(int lngWidth)
{
    auto* label = new QLabel(this);
    const int index = static_cast<int>(m_panels.size());
    label->setObjectName(QStringLiteral("statusPanel%1").arg(index));
    label->setFrameShape(QFrame::StyledPanel);
    label->setFrameShadow(QFrame::Sunken);
    if (lngWidth > 0) {
        label->setFixedWidth(lngWidth);
        addPermanentWidget(label, 0);
    } else {
        addWidget(label, 1);
    }
    m_panels.push_back(label);
    return index;
}

void clsStatusBar::SetPanelText(int lngIndex, const QString& strText)
{
    if (lngIndex >= 0 && lngIndex < PanelCount()) {
        m_panels[static_cast<std::size_t>(lngIndex)]->setText(strText);
    }
}

QString clsStatusBar::PanelText(int lngIndex) const
{
    if (lngIndex >= 0 && lngIndex < PanelCount()) {
        return m_panels[static_cast<std::size_t>(lngIndex)]->text();
    }
    return {};
}
