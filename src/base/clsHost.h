#pragma once
// The platform services a front end hands to the core, bundled for the classes that need
// several (the document, the run). Classes that need one take just that one.

#include "base/clsIAsk.h"
#include "base/clsIBusy.h"
#include "base/clsIClipboard.h"
#include "base/clsIMessage.h"
#include "base/clsIOpener.h"
#include "base/clsIPump.h"
#include "base/clsIWait.h"

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
