#include "app/qt/frmVersion.h"

#include "app/basLinks.h"
#include "app/basMain.h"
#include "app/basVersion.h"
#include "base/qt/basQtText.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmVersion::frmVersion(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmVersion"));
    setWindowTitle(QStringLiteral("バージョン情報"));
    auto* column = new QVBoxLayout(this);
    auto* name = new QLabel(basQtText::ToQ(basLinks::kProductName), this);
    name->setObjectName(QStringLiteral("lblProductName"));
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    name->setFont(big);
    column->addWidget(name);
    auto* version =
        new QLabel(QStringLiteral("Version ") + basQtText::ToQ(basMain::VersionText()), this);
    version->setObjectName(QStringLiteral("lblVersionText"));
    column->addWidget(version);
    auto* copyright = new QLabel(basQtText::ToQ(basVersion::kCopyright), this);
    copyright->setObjectName(QStringLiteral("lblCopyright"));
    column->addWidget(copyright);
    auto* licence = new QLabel(basQtText::ToQ(basVersion::kLicence), this);
    licence->setObjectName(QStringLiteral("lblLicence"));
    column->addWidget(licence);
    // The Qt the program runs on, not the one it was built with: a support question needs it.
    auto* qt = new QLabel(QStringLiteral("Qt ") + QString::fromLatin1(qVersion()), this);
    qt->setObjectName(QStringLiteral("lblQtVersion"));
    column->addWidget(qt);
    auto* notice = new QLabel(basQtText::ToQ(basVersion::kLegalNotice), this);
    notice->setWordWrap(true);
    column->addWidget(notice);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
    column->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('M')) * 30);
}
