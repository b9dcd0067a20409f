#pragma once
// The wait service of the GUI: one wait window at a time, made on WaitShow and destroyed on
// WaitClose. A second WaitShow while one is open reuses the window with the new message.

#include "base/clsIWait.h"

#include <memory>

class clsWaitDialog;

class clsQtWait final : public clsIWait
{
public:
    clsQtWait();
    ~clsQtWait() override;

    void WaitShow(std::string_view strMessage, std::int32_t lngMax) override;
    void WaitMessage(std::string_view strMessage) override;
    void WaitValue(std::int32_t lngValue) override;
    void WaitClose() override;
    // The open window, or null; for tests and for windows that want to place it.
    clsWaitDialog* Dialog() const { return m_dialog.get(); }

private:
    std::unique_ptr<clsWaitDialog> m_dialog;
};
