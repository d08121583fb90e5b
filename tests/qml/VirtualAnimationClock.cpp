#include "VirtualAnimationClock.h"

#include <QGuiApplication>
#include <QQuickWindow>

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
        // Animations started since the last frame register through posted events.
        QCoreApplication::processEvents();
        const int step = ms < kFrameMs ? ms : kFrameMs;
        m_elapsed += step;
        ms -= step;
        advance();
    }
    // Layouts and views fill in when the window polishes, which the platform
    // would only ask for on a real-time timer; a grab polishes at once.
    const QWindowList windows = QGuiApplication::topLevelWindows();
    for (QWindow* window : windows) {
        if (auto* quick = qobject_cast<QQuickWindow*>(window); quick && quick->isExposed())
            quick->grabWindow();
    }
}
