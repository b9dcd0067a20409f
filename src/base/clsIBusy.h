#pragma once
// The busy mouse pointer. Nested scopes keep it until the outermost one ends.

class clsIBusy
{
public:
    virtual ~clsIBusy() = default;
    virtual void BeginBusy() = 0;
    virtual void EndBusy() = 0;
};

// Shows the busy pointer for its lifetime, on every exit path.
class BusyScope
{
public:
    explicit BusyScope(clsIBusy& busy)
        : m_busy(busy)
    {
        m_busy.BeginBusy();
    }
    ~BusyScope() { m_busy.EndBusy(); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    clsIBusy& m_busy;
};
