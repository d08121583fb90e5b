#include "QuitOnSignal.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <unistd.h>

#include <csignal>

namespace {
int wakePipe[2] = {-1, -1};
} // namespace

void quitOnSignals()
{
    if (wakePipe[0] >= 0 || ::pipe(wakePipe) != 0)
        return;
    // A signal handler may only write to the pipe; the loop does the rest.
    auto* notifier = new QSocketNotifier(wakePipe[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] { QCoreApplication::exit(0); });
    auto onSignal = [](int) {
        const char c = 1;
        [[maybe_unused]] const auto n = ::write(wakePipe[1], &c, 1);
    };
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
}
