#include "protocol/Clock.h"

#include <QElapsedTimer>
#include <QThread>

namespace {

class SystemClock final : public Clock
{
public:
    SystemClock() { m_timer.start(); }
    void sleepMs(int ms) override
    {
        if (ms > 0)
            QThread::msleep(static_cast<unsigned long>(ms));
    }
    qint64 nowMs() const override { return m_timer.elapsed(); }

private:
    QElapsedTimer m_timer;
};

} // namespace

Clock& systemClock()
{
    static SystemClock clock;
    return clock;
}
