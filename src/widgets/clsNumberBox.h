#pragma once
// A whole-number box with up-down buttons (the round number, the engine counts): a range,
// the accessible name of the label before it, and a change on every keystroke. Owned by the
// form that places it.

#include <QSpinBox>

class clsNumberBox : public QSpinBox
{
    Q_OBJECT

public:
    clsNumberBox(const QString& strLabel, int lngMin, int lngMax, QWidget* parent = nullptr);

    // Out-of-range values are brought into the range; returns the value shown.
    int SetNumber(int lngValue);
    int Number() const { return value(); }

protected:
    // A typed number outside the range becomes the nearest end at once, as the old boxes did,
    // instead of the keystroke being swallowed.
    QValidator::State validate(QString& strInput, int& lngPos) const override;
};
