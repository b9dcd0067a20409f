#include "widgets/clsNumberBox.h"

#include <QLineEdit>

clsNumberBox::clsNumberBox(const QString& strLabel, int lngMin, int lngMax, QWidget* parent)
    : QSpinBox(parent)
{
    setAccessibleName(strLabel);
    setRange(std::min(lngMin, lngMax), std::max(lngMin, lngMax));
    // A round number is an identifier, not an amount: no thousands separator.
    setGroupSeparatorShown(false);
    setKeyboardTracking(true);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setAccelerated(true);
    lineEdit()->setAccessibleName(strLabel);
}

int clsNumberBox::SetNumber(int lngValue)
{
    setValue(lngValue);
    return value();
}
