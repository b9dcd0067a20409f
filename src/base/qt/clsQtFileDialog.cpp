#include "base/qt/clsQtFileDialog.h"

#include "base/qt/basQtText.h"
#include "base/qt/clsQtMessage.h"
#include "base/qt/clsQtModalGuard.h"

#include <QDir>
#include <QFileDialog>

std::string clsQtFileDialog::Open(const std::string& strCaption, const std::string& strFilter,
                                  const std::string& strProposedName,
                                  const std::string& strStartFolder)
{
    return Ask(false, strCaption, strFilter, strProposedName, strStartFolder);
}

std::string clsQtFileDialog::Save(const std::string& strCaption, const std::string& strFilter,
                                  const std::string& strProposedName,
                                  const std::string& strStartFolder)
{
    return Ask(true, strCaption, strFilter, strProposedName, strStartFolder);
}

std::string clsQtFileDialog::Ask(bool blnSave, const std::string& strCaption,
                                 const std::string& strFilter, const std::string& strProposedName,
                                 const std::string& strStartFolder)
{
    QFileDialog dialog(m_parent != nullptr ? m_parent : ActiveOwnerWindow(),
                       basQtText::ToQ(strCaption), basQtText::ToQ(strStartFolder),
                       basQtText::ToQ(strFilter));
    dialog.setObjectName(QStringLiteral("kelvraFileDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(blnSave ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(blnSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!strProposedName.empty()) {
        dialog.selectFile(
            QDir(basQtText::ToQ(strStartFolder)).filePath(basQtText::ToQ(strProposedName)));
    }
    if (clsQtModalGuard::Exec(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return basQtText::FromQ(QDir::toNativeSeparators(dialog.selectedFiles().constFirst()));
}

std::vector<std::string> clsQtFileDialog::OpenMany(const std::string& strCaption,
                                                   const std::string& strFilter,
                                                   const std::string& strStartFolder)
{
    QFileDialog dialog(m_parent != nullptr ? m_parent : ActiveOwnerWindow(),
                       basQtText::ToQ(strCaption), basQtText::ToQ(strStartFolder),
                       basQtText::ToQ(strFilter));
    dialog.setObjectName(QStringLiteral("kelvraFileDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    std::vector<std::string> files;
    if (clsQtModalGuard::Exec(dialog) != QDialog::Accepted) {
        return files;
    }
    for (const QString& file : dialog.selectedFiles()) {
        files.push_back(basQtText::FromQ(QDir::toNativeSeparators(file)));
    }
    return files;
}
