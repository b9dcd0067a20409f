#include "base/qt/clsWaitDialog.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include <algorithm>

clsWaitDialog::clsWaitDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("frmWait"));
    setWindowTitle(QStringLiteral("Kelvra"));
    setWindowModality(parent != nullptr ? Qt::WindowModal : Qt::ApplicationModal);
    auto* layout = new QVBoxLayout(this);
    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("lblWaitMessage"));
    m_label->setMinimumWidth(320);
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("barWait"));
    m_bar->setRange(0, 0);
    layout->addWidget(m_label);
    layout->addWidget(m_bar);
}

void clsWaitDialog::SetMessage(const QString& strMessage)
{
    m_label->setText(strMessage);
    // The bar has no caption of its own: screen readers name it by what it waits for.
    m_bar->setAccessibleName(strMessage.section(QLatin1Char('\n'), 0, 0).trimmed());
    if (isVisible()) {
        m_label->repaint();
    }
}

void clsWaitDialog::SetMax(int lngMax)
{
    // A maximum of 0 or less means "unknown length": a busy bar rather than a division by 0.
    m_bar->setRange(0, std::max(lngMax, 0));
    m_bar->setValue(0);
    m_shownPermille = -1;
}

void clsWaitDialog::SetValue(int lngValue)
{
    const int max = m_bar->maximum();
    if (max <= 0) {
        return;
    }
    const int value = std::clamp(lngValue, 0, max);
    const int permille = static_cast<int>(static_cast<long long>(value) * 1000 / max);
    if (permille == m_shownPermille && value != max) {
        return;
    }
    m_shownPermille = permille;
    m_bar->setValue(value);
    if (isVisible()) {
        m_bar->repaint();
    }
}

QString clsWaitDialog::Message() const
{
    return m_label->text();
}

int clsWaitDialog::Max() const
{
    return m_bar->maximum();
}

int clsWaitDialog::Value() const
{
    return m_bar->value();
}
