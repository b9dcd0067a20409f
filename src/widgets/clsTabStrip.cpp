#include "widgets/clsTabStrip.h"

#include <QSignalBlocker>

clsTabStrip::clsTabStrip(QWidget* parent)
    : QTabBar(parent)
{
    setUsesScrollButtons(true);
    setExpanding(false);
    setElideMode(Qt::ElideNone); // a caption is never cut; the strip scrolls instead
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QTabBar::currentChanged, this, [this](int lngIndex) {
        if (!m_building && lngIndex >= 0) {
            emit TabChanged(lngIndex);
        }
    });
}

void clsTabStrip::SetCaptions(const QStringList& strCaptions)
{
    m_building = true;
    while (count() > 0) {
        removeTab(count() - 1);
    }
    for (const QString& caption : strCaptions) {
        const int index = addTab(caption);
        setAccessibleTabName(index, caption);
    }
    if (count() > 0) {
        setCurrentIndex(0);
    }
    m_building = false;
}

QStringList clsTabStrip::Captions() const
{
    QStringList captions;
    for (int i = 0; i < count(); ++i) {
        captions.push_back(tabText(i));
    }
    return captions;
}

bool clsTabStrip::SetCurrentTab(int lngIndex)
{
    if (lngIndex < 0 || lngIndex >= count()) {
        return false;
    }
    setCurrentIndex(lngIndex);
    return true;
}
