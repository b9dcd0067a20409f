#pragma once
// The wait service of the GUI: one wait window at a time, destroyed on WaitClose. A second
// WaitShow while one is open reuses the window with the new message. The window appears only
// once a walk has lasted ShowAfter: a short walk (a run's 140,000 tickets graded in a few
// milliseconds) flashes no window, and making and painting one cost more than the walk.

#include "base/clsIWait.h"

#include <QElapsedTimer>
#include <QString>

#include <chrono>
#include <memory>

class clsWaitDialog;

class clsQtWait final : public clsIWait
{
public:
    static constexpr std::chrono::milliseconds kShowAfter{250};

    clsQtWait();
    ~clsQtWait() override;

    void WaitShow(std::string_view strMessage, std::int32_t lngMax) override;
    void WaitMessage(std::string_view strMessage) override;
    void WaitValue(std::int32_t lngValue) override;
    void WaitClose() override;
    // The open window, or null; for tests and for windows that want to place it.
    clsWaitDialog* Dialog() const { return m_dialog.get(); }
    // Whether a walk is under way, shown or not yet.
    bool Waiting() const { return m_waiting; }
    // Tests that look at the window at once set zero.
    void SetShowAfter(std::chrono::milliseconds ms) { m_showAfter = ms; }

private:
    // Makes the window once the walk has lasted long enough.
    void ShowIfDue();

    std::unique_ptr<clsWaitDialog> m_dialog;
    std::chrono::milliseconds m_showAfter = kShowAfter;
    QElapsedTimer m_since;
    bool m_waiting = false;
    QString m_message;
    std::int32_t m_max = 0;
    std::int32_t m_value = 0;
};
