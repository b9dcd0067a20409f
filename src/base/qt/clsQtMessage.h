#pragma once
// Message boxes of the GUI front end. Owned by the host bundle of the process; boxes are
// modal to whichever window is active when the core reports.

#include "base/clsIMessage.h"

class QWidget;

class clsQtMessage final : public clsIMessage
{
public:
    void ShowMessage(MsgIcon icon, std::string_view strText, std::string_view strCaption) override;
};

// The window a box or question should stay above: the active one, else none.
QWidget* ActiveOwnerWindow();
