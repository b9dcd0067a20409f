#pragma once
// What the batch-run window needs of the window whose work it drives: the document it loads,
// runs and saves, the folder its dialog starts in, and the say over when a batch may start.

#include <string>

class clsDocument;

class clsIBatchHost
{
public:
    virtual ~clsIBatchHost() = default;
    virtual clsDocument& BatchDocument() = 0;
    virtual const std::string& BatchFolder() const = 0;
    // True when a batch may take the work now: nothing else holds it and unsaved work was
    // offered for saving. Asked once, before the first file.
    virtual bool MayStartBatch() = 0;
    // Brings the work's window up on the page the batch changes.
    virtual void ShowBatchWork() = 0;
    // Set for as long as a batch runs: the host's own commands are refused meanwhile.
    virtual void SetBatch(bool blnBatch) = 0;
};
