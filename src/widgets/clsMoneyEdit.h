#pragma once
// The one-line yen box: keys, selection and pastes go to its clsMoneyText model, and the box
// shows the text and caret the model says. Owned by the form that places it; the model (a core
// clsMoneyText, owned by the page that places the box: clsHaitouView, clsValueLimitView) must
// outlive the box.

#include <QLineEdit>

class clsMoneyText;

class clsMoneyEdit : public QLineEdit
{
    Q_OBJECT

public:
    // strLabel: the text of the label before the box, its accessible name.
    clsMoneyEdit(clsMoneyText& model, const QString& strLabel, QWidget* parent = nullptr);

    clsMoneyText& Model() const { return m_model; }
    // Shows the model's text and caret again, after the owner changed its value.
    void Refresh();
    // Red text while the range this box belongs to is inverted.
    void SetInverted(bool blnInverted);
    bool Inverted() const { return m_inverted; }
    // Marks both boxes of a range by the core's rule; returns whether it is inverted.
    static bool ShowRange(clsMoneyEdit& editMin, clsMoneyEdit& editMax);

signals:
    // The amount changed by the user's hand (a key, a paste, an edit).
    void AmountEdited();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    void ShowModel();
    void TellSelection();
    void OnTextEdited(const QString& strText);

    clsMoneyText& m_model;
    bool m_inverted = false;
    bool m_showing = false; // the box is being set from the model: not a user change
};
