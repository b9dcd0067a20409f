#include "base/qt/clsQtAsk.h"

#include "base/clsErrorReporter.h"
#include "base/qt/basQtText.h"
#include "base/qt/clsQtMessage.h"

#include <QMessageBox>

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
    return box.exec() == QMessageBox::Yes;
}
