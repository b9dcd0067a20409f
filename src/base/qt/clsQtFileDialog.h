#pragma once
// The Qt file dialogs of the window's file commands: Qt's own dialog (the same on every
// desktop), opened in the start folder with the proposed name filled in.

#include "base/clsIFileDialog.h"

class QWidget;

class clsQtFileDialog final : public clsIFileDialog
{
public:
    // objParent: the window the dialog is modal to; none takes the active window.
    explicit clsQtFileDialog(QWidget* objParent = nullptr)
        : m_parent(objParent)
    {}

    std::string Open(const std::string& strCaption, const std::string& strFilter,
                     const std::string& strProposedName,
                     const std::string& strStartFolder) override;
    std::string Save(const std::string& strCaption, const std::string& strFilter,
                     const std::string& strProposedName,
                     const std::string& strStartFolder) override;
    std::vector<std::string> OpenMany(const std::string& strCaption, const std::string& strFilter,
                                      const std::string& strStartFolder) override;

private:
    std::string Ask(bool blnSave, const std::string& strCaption, const std::string& strFilter,
                    const std::string& strProposedName, const std::string& strStartFolder);

    QWidget* m_parent;
};
