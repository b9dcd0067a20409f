#include "base/qt/clsQtAsk.h"

#include "base/clsErrorReporter.h"
#include "base/qt/basQtText.h"
#include "base/qt/clsQtMessage.h"
#include "base/qt/clsQtModalGuard.h"

#include <QMessageBox>
#include <QPushButton>

bool clsQtAsk::YesNo(std::string_view strText, std::string_view strCaption, bool blnDefault)
{
    const QString caption =
        strCaption.empty() ? basQtText::ToQ(kAppTitle) : basQtText::ToQ(strCaption);
    QMessageBox box(QMessageBox::Question, caption, basQtText::ToQ(strText),
                    QMessageBox::Yes | QMessageBox::No, ActiveOwnerWindow());
    box.setObjectName(QStringLiteral("kelvraQuestionBox"));
    box.setDefaultButton(blnDefault ? QMessageBox::Yes : QMessageBox::No);
    // Closing the box without a choice (Esc, window close) answers as the default would.
    box.setEscapeButton(blnDefault ? QMessageBox::Yes : QMessageBox::No);
    return clsQtModalGuard::Exec(box) == QMessageBox::Yes;
}

AskAnswer clsQtAsk::YesNoCancel(std::string_view strText, std::string_view strCaption,
                                std::string_view strYes, std::string_view strNo,
                                std::string_view strCancel, AskAnswer ansDefault)
{
    const QString caption =
        strCaption.empty() ? basQtText::ToQ(kAppTitle) : basQtText::ToQ(strCaption);
    QMessageBox box(QMessageBox::Question, caption, basQtText::ToQ(strText), QMessageBox::NoButton,
                    ActiveOwnerWindow());
    box.setObjectName(QStringLiteral("kelvraQuestionBox"));
    QPushButton* yes = box.addButton(basQtText::ToQ(strYes), QMessageBox::AcceptRole);
    QPushButton* no = box.addButton(basQtText::ToQ(strNo), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(basQtText::ToQ(strCancel), QMessageBox::RejectRole);
    yes->setObjectName(QStringLiteral("kelvraAskYes"));
    no->setObjectName(QStringLiteral("kelvraAskNo"));
    cancel->setObjectName(QStringLiteral("kelvraAskCancel"));
    box.setDefaultButton(ansDefault == AskAnswer::Yes  ? yes
                         : ansDefault == AskAnswer::No ? no
                                                       : cancel);
    box.setEscapeButton(cancel);
    clsQtModalGuard::Exec(box);
    if (box.clickedButton() == yes) {
        return AskAnswer::Yes;
    }
    if (box.clickedButton() == no) {
        return AskAnswer::No;
    }
    return AskAnswer::Cancel;
}
