#pragma once
// The main window's wait service: a download's connection log goes to the progress window
// " インターネット接続" with its list of lines; every other wait goes on to the host's own
// wait dialog. Owned by the main window and handed to the parts that download.

#include "base/clsIWait.h"

class QWidget;
class clsProgressWindow;

class clsProgressWait final : public clsIWait
{
public:
    clsProgressWait(clsIWait& inner, QWidget* owner);

    void WaitShow(std::string_view strMessage, std::int32_t lngMax) override;
    void WaitMessage(std::string_view strMessage) override;
    void WaitValue(std::int32_t lngValue) override;
    void WaitClose() override;
    // The progress window once a download opened it (it stays, hidden, for the next one).
    clsProgressWindow* Window() const { return m_window; }

private:
    clsIWait& m_inner;
    QWidget* m_owner;
    clsProgressWindow* m_window = nullptr;
    bool m_download = false;
};
