#pragma once

// A descriptor one thread can wait on in poll() and another can make readable,
// so a waiting reader needs no time-out to notice it should stop.
class WakeSignal
{
public:
    WakeSignal();
    ~WakeSignal();
    WakeSignal(const WakeSignal&) = delete;
    WakeSignal& operator=(const WakeSignal&) = delete;

    // -1 where the system gave no descriptor; waiters then fall back to time-outs.
    int fd() const { return m_fd; }
    void raise();
    void clear();

private:
    int m_fd = -1;
};

// Waits for one report on `fd` without a time-out, or for `wakeFd` (may be -1).
// Returns the report's length, 0 when woken or when another reader took the
// report, and -1 when the node hung up or failed (the device is gone).
int waitAndReadReport(int fd, int wakeFd, unsigned char* data, unsigned long length);
