#pragma once

#include <QtGlobal>

#include <atomic>

// Every fixed pause of the protocol goes through a clock, so the program can sleep
// for real while tests run on virtual time and read the pauses off the wire trace.
class Clock
{
public:
    virtual ~Clock() = default;
    // Blocks the caller for `ms` milliseconds of this clock's time.
    virtual void sleepMs(int ms) = 0;
    // Milliseconds since the clock was made.
    virtual qint64 nowMs() const = 0;
};

// The program's clock: real sleeps, monotonic time.
Clock& systemClock();

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
