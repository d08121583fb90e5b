#pragma once

#include <QtGlobal>

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
