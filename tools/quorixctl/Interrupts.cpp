#include "Interrupts.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <atomic>
#include <csignal>

#include <unistd.h>

namespace {

int g_wake[2] = {-1, -1};
std::atomic_bool g_endLoop{false};
static_assert(std::atomic_bool::is_always_lock_free, "read from a signal handler");

void onSignal(int sig)
{
    if (g_endLoop.load()) {
        const char c = 1;
        [[maybe_unused]] const auto n = ::write(g_wake[1], &c, 1);
        return;
    }
    std::signal(sig, SIG_DFL);
    std::raise(sig);
}

} // namespace

namespace Interrupts {

void install()
{
    if (::pipe(g_wake) == 0) {
        auto* notifier = new QSocketNotifier(g_wake[0], QSocketNotifier::Read, QCoreApplication::instance());
        QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] { QCoreApplication::exit(0); });
        std::signal(SIGINT, onSignal);
        std::signal(SIGTERM, onSignal);
    }
}

void endLoopInsteadOfProcess(bool on)
{
    g_endLoop.store(on && g_wake[1] >= 0);
}

} // namespace Interrupts
