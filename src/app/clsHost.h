#pragma once
// The platform services a front end hands to the core, bundled for the classes that need
// several (the document, the run). Classes that need one take just that one.

#include "app/clsIAsk.h"
#include "app/clsIBusy.h"
#include "app/clsIClipboard.h"
#include "app/clsIMessage.h"
#include "app/clsIOpener.h"
#include "app/clsIPump.h"
#include "app/clsIWait.h"

struct clsHost
{
    clsIMessage& Message;
    clsIAsk& Ask;
    clsIPump& Pump;
    clsIBusy& Busy;
    clsIWait& Wait;
    clsIClipboard& Clipboard;
    clsIOpener& Opener;
};
