#pragma once
// The editing rules of a one-line yen entry ("#,##0", clamped to Min..Max), without the box:
// a line-edit view forwards its keys and selection here and shows Text() and the caret.
// Owned by the view that shows the box or by the panel model behind it (clsXJoken,
// clsTXSakugen), for the box's lifetime.

#include "base/Currency.h"
#include "base/clsErrorReporter.h"
#include "base/clsIClipboard.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

class clsMoneyText
{
public:
    enum class Key
    {
        Delete,
        Left,
        Right,
        A, // with Ctrl: select all
        C, // with Ctrl: copy the amount
        V  // with Ctrl: paste a number
    };

    clsMoneyText(clsIMessage& message, clsIClipboard& clipboard);

    // Text "0", caret at the end.
    void Initialize();

    Currency Min() const { return m_min; }
    void SetMin(Currency curMin) { m_min = curMin; }
    Currency Max() const { return m_max; }
    void SetMax(Currency curMax) { m_max = curMax; }

    // The amount the digits of the text stand for.
    Currency Value() const;
    // Shows the amount (clamped and formatted) and puts the caret at the end.
    void SetValue(Currency curValue);

    const std::string& Text() const { return m_text; }
    std::int32_t SelStart() const { return m_selStart; }
    std::int32_t SelLength() const { return m_selLength; }
    // The view reports caret moves and selections made with the mouse or Shift+arrows.
    void SetSelection(std::int32_t lngStart, std::int32_t lngLength);

    // A typed character: a digit is inserted, "\b" is BackSpace, anything else is ignored.
    // Returns true when the model handled it (the view must not apply it itself).
    bool KeyChar(char32_t chKey);
    // Delete, the arrows without Shift and Ctrl+A/C/V; false leaves the key to the view.
    bool KeyDown(Key key, bool blnShift, bool blnCtrl);
    // Any other change of the text (input method, drag and drop): re-formatted like a key edit.
    void EditText(std::string_view strText, std::int32_t lngCaret);

    // Raised after the text changed.
    std::function<void()> Change;

    // "0".."9" of a text in order, leading zeros dropped; "0" when none.
    static std::string Digits(std::string_view strText);

private:
    // Digits -> amount -> clamped -> "#,##0".
    std::string GetCNumber(std::string_view strText) const;
    std::string FormatAmount(Currency cur) const;
    // Re-formats an edited text and keeps the caret at its distance from the end.
    void Apply(const std::string& strEdited, std::int32_t lngCaret);
    void DeleteSelection(std::string& s, std::int32_t& caret) const;
    // The keys of KeyDown that edit or move: the selection or the next digit right of the
    // caret; one digit left or right; the clipboard's number.
    void DeleteForward();
    void MoveCaret(bool blnLeft);
    void Paste();

    clsErrorReporter m_err;
    clsIClipboard& m_clipboard;
    Currency m_min;
    Currency m_max = Currency::FromInt(922337203685477);
    std::string m_text = "0";
    std::int32_t m_selStart = 1;
    std::int32_t m_selLength = 0;
};
