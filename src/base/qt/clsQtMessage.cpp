#include "base/qt/clsQtMessage.h"

#include "base/clsErrorReporter.h"
#include "base/qt/basQtText.h"
#include "base/qt/clsQtModalGuard.h"

#include <QApplication>
#include <QMessageBox>

QWidget* ActiveOwnerWindow()
{
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    return QApplication::activeWindow();
}

void clsQtMessage::ShowMessage(MsgIcon icon, std::string_view strText, std::string_view strCaption)
{
    QMessageBox::Icon boxIcon = QMessageBox::Information;
    if (icon == MsgIcon::Warning) {
        boxIcon = QMessageBox::Warning;
    } else if (icon == MsgIcon::Error) {
        boxIcon = QMessageBox::Critical;
    }
    // A box without a title of its own carries the application's name, as the desktop does.
    const QString caption =
        strCaption.empty() ? basQtText::ToQ(kAppTitle) : basQtText::ToQ(strCaption);
    QMessageBox box(boxIcon, caption, basQtText::ToQ(strText), QMessageBox::Ok,
                    ActiveOwnerWindow());
    box.setObjectName(QStringLiteral("kelvraMessageBox"));
    clsQtModalGuard::Exec(box);
}
