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

QValidator::State clsNumberBox::validate(QString& strInput, int& lngPos) const
{
    QString digits = strInput.trimmed();
    digits.remove(locale().groupSeparator());
    bool ok = false;
    const qlonglong number = digits.toLongLong(&ok);
    if (!ok || (number >= minimum() && number <= maximum())) {
        return QSpinBox::validate(strInput, lngPos);
    }
    strInput = textFromValue(number < minimum() ? minimum() : maximum());
    lngPos = static_cast<int>(strInput.size());
    return QValidator::Acceptable;
}
