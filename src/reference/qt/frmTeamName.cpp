#include "reference/qt/frmTeamName.h"

#include "base/qt/basQtText.h"
#include "reference/basTeamName.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmTeamName::frmTeamName(clsIMessage& message, std::string strProgramFolder, QWidget* parent)
    : QDialog(parent)
    , m_message(message)
    , m_programFolder(std::move(strProgramFolder))
{
    setObjectName(QStringLiteral("frmTeamName"));
    setWindowTitle(QStringLiteral(" チーム名（ユーザー定義）"));
    auto* column = new QVBoxLayout(this);
    column->addWidget(new QLabel(QStringLiteral("追加するチーム名を入力して下さい"), this));

    auto* form = new QFormLayout();
    m_ryakusho = new QLineEdit(basQtText::ToQ(basTeamName::InitialShortName()), this);
    m_ryakusho->setObjectName(QStringLiteral("txtRyakusho"));
    m_ryakusho->setAccessibleName(QStringLiteral("略称"));
    m_meisho = new QLineEdit(basQtText::ToQ(basTeamName::InitialLongName()), this);
    m_meisho->setObjectName(QStringLiteral("txtMeisho"));
    m_meisho->setAccessibleName(QStringLiteral("名称"));
    m_meisho->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('M')) * 24);
    form->addRow(QStringLiteral("略称"), m_ryakusho);
    form->addRow(QStringLiteral("名称"), m_meisho);
    column->addLayout(form);
    column->addWidget(new QLabel(
        QStringLiteral("略称は最大6文字です。海外チーム名は半角カナで入力して下さい。"), this));

    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    auto* add = new QPushButton(QStringLiteral("追加"), this);
    add->setObjectName(QStringLiteral("cmdAdd"));
    add->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("キャンセル"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    buttons->addWidget(add);
    buttons->addWidget(cancel);
    column->addLayout(buttons);

    connect(add, &QPushButton::clicked, this, &frmTeamName::OnAdd);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmTeamName::OnAdd()
{
    if (basTeamName::AddTeamName(m_message, m_programFolder, basQtText::FromQ(m_ryakusho->text()),
                                 basQtText::FromQ(m_meisho->text()))) {
        accept();
    }
}
