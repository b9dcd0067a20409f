#pragma once
// The GUI front end's platform services, one object for the whole process: made in main
// before any window, handed to windows and core classes as clsHost references.

#include "base/clsHost.h"
#include "base/qt/clsQtAsk.h"
#include "base/qt/clsQtBusy.h"
#include "base/qt/clsQtClipboard.h"
#include "base/qt/clsQtMessage.h"
#include "base/qt/clsQtOpener.h"
#include "base/qt/clsQtPump.h"
#include "base/qt/clsQtWait.h"

class clsQtHost
{
public:
    clsHost Host()
    {
        return clsHost{m_message, m_ask, m_pump, m_busy, m_wait, m_clipboard, m_opener};
    }

    clsQtMessage& Message() { return m_message; }
    clsQtWait& Wait() { return m_wait; }
    clsQtBusy& Busy() { return m_busy; }

private:
    clsQtMessage m_message;
    clsQtAsk m_ask;
    clsQtPump m_pump;
    clsQtBusy m_busy;
    clsQtWait m_wait;
    clsQtClipboard m_clipboard;
    clsQtOpener m_opener;
};
