#pragma once

#include "protocol/Clock.h"

#include <atomic>

// Time that passes only when someone sleeps on it: tests run every pause of the
// protocol instantly and read the pauses back from the wire trace. Safe to use
// from several threads.
class VirtualClock final : public Clock
{
public:
    void sleepMs(int ms) override
    {
        if (ms > 0)
            m_now.fetch_add(ms);
    }
    qint64 nowMs() const override { return m_now.load(); }
    // Moves time on without anyone sleeping.
    void advance(qint64 ms) { m_now.fetch_add(ms); }

private:
    std::atomic<qint64> m_now{0};
};
