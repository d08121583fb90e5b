#pragma once

#include <QAnimationDriver>

// Drives every animation and QML Timer of the process on virtual time: they
// move only when a test advances the clock, so no test waits for real.
class VirtualAnimationClock : public QAnimationDriver
{
    Q_OBJECT

public:
    explicit VirtualAnimationClock(QObject* parent = nullptr);

    qint64 elapsed() const override { return m_elapsed; }

    // Moves virtual time on by `ms` in frames of at most 16 ms.
    Q_INVOKABLE void advanceBy(int ms);

private:
    qint64 m_elapsed = 0;
};
