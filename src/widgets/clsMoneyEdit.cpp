#include "widgets/clsMoneyEdit.h"

#include "base/basMoneyRange.h"
#include "base/qt/basQtText.h"
#include "lottery/clsMoneyText.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPalette>

clsMoneyEdit::clsMoneyEdit(clsMoneyText& model, const QString& strLabel, QWidget* parent)
    : QLineEdit(parent)
    , m_model(model)
{
    setAccessibleName(strLabel);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(this, &QLineEdit::textEdited, this, &clsMoneyEdit::OnTextEdited);
    connect(this, &QLineEdit::selectionChanged, this, [this] { TellSelection(); });
    connect(this, &QLineEdit::cursorPositionChanged, this, [this] { TellSelection(); });
    ShowModel();
}

void clsMoneyEdit::Refresh()
{
    ShowModel();
}

void clsMoneyEdit::SetInverted(bool blnInverted)
{
    if (blnInverted == m_inverted) {
        return;
    }
    m_inverted = blnInverted;
    QPalette colours = palette();
    colours.setColor(QPalette::Text, blnInverted ? QColor(255, 0, 0)
                                                 : QApplication::palette().color(QPalette::Text));
    setPalette(colours);
}

bool clsMoneyEdit::ShowRange(clsMoneyEdit& editMin, clsMoneyEdit& editMax)
{
    const bool inverted =
        basMoneyRange::IsInverted(editMin.m_model.Value(), editMax.m_model.Value());
    editMin.SetInverted(inverted);
    editMax.SetInverted(inverted);
    return inverted;
}

void clsMoneyEdit::ShowModel()
{
    m_showing = true;
    const QString text = basQtText::ToQ(m_model.Text());
    if (QLineEdit::text() != text) {
        setText(text);
    }
    const int start = m_model.SelStart();
    const int length = m_model.SelLength();
    if (length > 0) {
        setSelection(start, length);
    } else {
        setCursorPosition(start);
    }
    m_showing = false;
}

void clsMoneyEdit::TellSelection()
{
    if (m_showing) {
        return;
    }
    if (hasSelectedText()) {
        m_model.SetSelection(selectionStart(), selectionLength());
    } else {
        m_model.SetSelection(cursorPosition(), 0);
    }
}

void clsMoneyEdit::OnTextEdited(const QString& strText)
{
    if (m_showing) {
        return;
    }
    // A cut or paste through the box's own menu, a drop: the model re-formats it.
    // The model counts its caret in UTF-8 bytes, the box in UTF-16 units.
    const auto caret = static_cast<std::int32_t>(strText.left(cursorPosition()).toUtf8().size());
    m_model.EditText(basQtText::FromQ(strText), caret);
    ShowModel();
    emit AmountEdited();
}

void clsMoneyEdit::keyPressEvent(QKeyEvent* event)
{
    const bool ctrl = (event->modifiers() & Qt::ControlModifier) != 0;
    const bool shift = (event->modifiers() & Qt::ShiftModifier) != 0;
    const std::string before = m_model.Text();
    bool handled = false;
    switch (event->key()) {
    case Qt::Key_Delete:
        handled = m_model.KeyDown(clsMoneyText::Key::Delete, shift, ctrl);
        break;
    case Qt::Key_Left:
        handled = m_model.KeyDown(clsMoneyText::Key::Left, shift, ctrl);
        break;
    case Qt::Key_Right:
        handled = m_model.KeyDown(clsMoneyText::Key::Right, shift, ctrl);
        break;
    case Qt::Key_A:
        handled = ctrl && m_model.KeyDown(clsMoneyText::Key::A, shift, ctrl);
        break;
    case Qt::Key_C:
        handled = ctrl && m_model.KeyDown(clsMoneyText::Key::C, shift, ctrl);
        break;
    case Qt::Key_V:
        handled = ctrl && m_model.KeyDown(clsMoneyText::Key::V, shift, ctrl);
        break;
    case Qt::Key_Backspace:
        handled = m_model.KeyChar(U'\b');
        break;
    default:
        break;
    }
    if (!handled && !ctrl && !event->text().isEmpty() && event->text().at(0).isPrint()) {
        // Every printable key belongs to the model; it takes digits and drops the rest.
        m_model.KeyChar(static_cast<char32_t>(event->text().at(0).unicode()));
        handled = true;
    }
    if (!handled && ctrl && event->key() == Qt::Key_X) {
        // Cut: the copy is the box's, the removal the model's.
        copy();
        handled = m_model.KeyDown(clsMoneyText::Key::Delete, false, false);
    }
    if (handled) {
        ShowModel();
        event->accept();
        if (m_model.Text() != before) {
            emit AmountEdited();
        }
        return;
    }
    // Home, End, Shift+arrows and the like move the caret only; the model hears of it.
    if (event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo)) {
        event->accept(); // the box's own undo would bypass the model
        return;
    }
    QLineEdit::keyPressEvent(event);
    TellSelection();
}

void clsMoneyEdit::inputMethodEvent(QInputMethodEvent* event)
{
    // Full-width digits from an input method arrive as one commit: the model takes them one
    // by one as typed keys, so they are filtered and formatted like the keyboard's.
    const QString commit = event->commitString();
    if (!commit.isEmpty()) {
        const std::string before = m_model.Text();
        for (const QChar ch : commit) {
            const int digit = ch.digitValue();
            m_model.KeyChar(digit >= 0 ? static_cast<char32_t>(U'0' + digit)
                                       : static_cast<char32_t>(ch.unicode()));
        }
        ShowModel();
        if (m_model.Text() != before) {
            emit AmountEdited();
        }
    }
    event->accept();
}
