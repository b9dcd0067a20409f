// The yen box: keys reach the money model and the box shows what the model says; Ctrl+A/C/V
// go through the model's clipboard; red marks an inverted range.

// moc stumbles over the standard library this pulls in (Debug builds) and needs none of it.
#ifndef Q_MOC_RUN
#include "lottery/clsMoneyText.h"
#endif
#include "support/QtTestRegistry.h"
#include "widgets/clsMoneyEdit.h"

#include <QInputMethodEvent>
#include <QSignalSpy>
#include <QTest>

namespace {
// The model's two services: its messages are counted, its clipboard is a string.
class FakeHost : public clsIMessage, public clsIClipboard
{
public:
    void ShowMessage(MsgIcon, std::string_view, std::string_view) override { ++Messages; }
    std::string GetText() override { return Clipboard; }
    void SetText(std::string_view strText) override { Clipboard = strText; }
    int Messages = 0;
    std::string Clipboard;
};
} // namespace

class tst_MoneyEdit : public QObject
{
    Q_OBJECT

private slots:
    void typedDigitsAreFormattedByTheModel();
    void lettersAreDroppedAndBackspaceDeletesADigit();
    void arrowsJumpOverSeparators();
    void ctrlKeysSelectCopyAndPasteThroughTheModel();
    void aMaximumBelowItsMinimumTurnsBothRed();
    void editsByOtherMeansAreFormattedToo();
    void boxIsNamedByItsLabel();
};

void tst_MoneyEdit::typedDigitsAreFormattedByTheModel()
{
    FakeHost host;
    clsMoneyText model(host, host);
    model.SetMax(Currency::FromInt(9999999999));
    clsMoneyEdit edit(model, QStringLiteral("1等 最小"));
    QSignalSpy edited(&edit, &clsMoneyEdit::AmountEdited);
    QCOMPARE(edit.text(), QStringLiteral("0"));
    QTest::keyClicks(&edit, QStringLiteral("1234567"));
    QCOMPARE(edit.text(), QStringLiteral("1,234,567"));
    QCOMPARE(model.Value(), Currency::FromInt(1234567));
    QCOMPARE(edit.cursorPosition(), 9);
    QCOMPARE(edited.count(), 7);
    QCOMPARE(edit.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    // The model clamps: more digits end at the maximum.
    QTest::keyClicks(&edit, QStringLiteral("9999"));
    QCOMPARE(edit.text(), QStringLiteral("9,999,999,999"));
}

void tst_MoneyEdit::lettersAreDroppedAndBackspaceDeletesADigit()
{
    FakeHost host;
    clsMoneyText model(host, host);
    clsMoneyEdit edit(model, QStringLiteral("金額"));
    QTest::keyClicks(&edit, QStringLiteral("12a3-4 5"));
    QCOMPARE(edit.text(), QStringLiteral("12,345"));
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QCOMPARE(edit.text(), QStringLiteral("1,234"));
    QTest::keyClick(&edit, Qt::Key_Home);
    QCOMPARE(model.SelStart(), 0);
    QTest::keyClick(&edit, Qt::Key_Delete);
    QCOMPARE(edit.text(), QStringLiteral("234"));
    QTest::keyClick(&edit, Qt::Key_Z, Qt::ControlModifier); // no undo past the model
    QCOMPARE(edit.text(), QStringLiteral("234"));
}

void tst_MoneyEdit::arrowsJumpOverSeparators()
{
    FakeHost host;
    clsMoneyText model(host, host);
    clsMoneyEdit edit(model, QStringLiteral("金額"));
    model.SetValue(Currency::FromInt(1234567));
    edit.Refresh();
    QCOMPARE(edit.cursorPosition(), 9);
    QTest::keyClick(&edit, Qt::Key_Left);
    QTest::keyClick(&edit, Qt::Key_Left);
    QTest::keyClick(&edit, Qt::Key_Left);
    // "1,234,|567" would stop beside the separator; the model goes on to "1,234|,567".
    QCOMPARE(edit.cursorPosition(), model.SelStart());
    QCOMPARE(edit.text().at(edit.cursorPosition() - 1), QLatin1Char('4'));
    QTest::keyClick(&edit, Qt::Key_Left, Qt::ShiftModifier); // left to the box: selects
    QCOMPARE(model.SelLength(), 1);
    QTest::keyClick(&edit, Qt::Key_1);
    QCOMPARE(edit.text(), QStringLiteral("1,231,567"));
}

void tst_MoneyEdit::ctrlKeysSelectCopyAndPasteThroughTheModel()
{
    FakeHost host;
    clsMoneyText model(host, host);
    clsMoneyEdit edit(model, QStringLiteral("金額"));
    model.SetValue(Currency::FromInt(50000));
    edit.Refresh();
    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(edit.selectedText(), QStringLiteral("50,000"));
    QTest::keyClick(&edit, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(host.Clipboard, std::string("50000"));
    host.Clipboard = "1200";
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit.text(), QStringLiteral("1,200"));
    QCOMPARE(model.Value(), Currency::FromInt(1200));
}

void tst_MoneyEdit::aMaximumBelowItsMinimumTurnsBothRed()
{
    FakeHost host;
    clsMoneyText minModel(host, host);
    clsMoneyText maxModel(host, host);
    clsMoneyEdit editMin(minModel, QStringLiteral("最小"));
    clsMoneyEdit editMax(maxModel, QStringLiteral("最大"));
    const QColor normal = editMin.palette().color(QPalette::Text);
    minModel.SetValue(Currency::FromInt(5000));
    maxModel.SetValue(Currency::FromInt(1000));
    QVERIFY(clsMoneyEdit::ShowRange(editMin, editMax));
    QCOMPARE(editMin.palette().color(QPalette::Text), QColor(255, 0, 0));
    QCOMPARE(editMax.palette().color(QPalette::Text), QColor(255, 0, 0));
    maxModel.SetValue(Currency::FromInt(5000)); // equal ends select one amount: fine
    QVERIFY(!clsMoneyEdit::ShowRange(editMin, editMax));
    QCOMPARE(editMin.palette().color(QPalette::Text), normal);
    QCOMPARE(editMax.palette().color(QPalette::Text), normal);
}

void tst_MoneyEdit::editsByOtherMeansAreFormattedToo()
{
    FakeHost host;
    clsMoneyText model(host, host);
    clsMoneyEdit edit(model, QStringLiteral("金額"));
    // An input method's full-width digits.
    QInputMethodEvent ime;
    ime.setCommitString(QStringLiteral("１２３４５"));
    QCoreApplication::sendEvent(&edit, &ime);
    QCOMPARE(edit.text(), QStringLiteral("12,345"));
    // A paste through the box's own menu arrives as an edited text.
    edit.selectAll();
    edit.insert(QStringLiteral("九9,8x7"));
    QCOMPARE(edit.text(), QStringLiteral("987"));
    QCOMPARE(model.Value(), Currency::FromInt(987));
}

void tst_MoneyEdit::boxIsNamedByItsLabel()
{
    FakeHost host;
    clsMoneyText model(host, host);
    clsMoneyEdit edit(model, QStringLiteral("2等 最大"));
    QCOMPARE(edit.accessibleName(), QStringLiteral("2等 最大"));
}

KELVRA_QTEST(tst_MoneyEdit)
#include "tst_MoneyEdit.moc"
