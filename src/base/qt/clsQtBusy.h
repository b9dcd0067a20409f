#pragma once
// The busy pointer. Scopes nest (a run that saves a file): only the outermost end restores
// the pointer, and an unmatched end is ignored rather than popping someone else's cursor.

#include "base/clsIBusy.h"

class clsQtBusy final : public clsIBusy
{
public:
    ~clsQtBusy() override;
    void BeginBusy() override;
    void EndBusy() override;
    int Depth() const { return m_depth; }

private:
    int m_depth = 0;
};
