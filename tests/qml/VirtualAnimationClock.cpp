#include "VirtualAnimationClock.h"

namespace {
constexpr int kFrameMs = 16;
}

VirtualAnimationClock::VirtualAnimationClock(QObject* parent)
    : QAnimationDriver(parent)
{
}

void VirtualAnimationClock::advanceBy(int ms)
{
    while (ms > 0) {
        const int step = ms < kFrameMs ? ms : kFrameMs;
        m_elapsed += step;
        ms -= step;
        advance();
    }
}
