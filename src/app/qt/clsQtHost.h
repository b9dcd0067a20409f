#pragma once
// The GUI front end's platform services, one object for the whole process: made in main
// before any window, handed to windows and core classes as clsHost references.

#include "app/clsHost.h"
#include "app/qt/clsQtAsk.h"
#include "app/qt/clsQtBusy.h"
#include "app/qt/clsQtClipboard.h"
#include "app/qt/clsQtMessage.h"
#include "app/qt/clsQtOpener.h"
#include "app/qt/clsQtPump.h"
#include "app/qt/clsQtWait.h"

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
