// quorixctl: the program's objects from the command line, for scripts, login-time
// profile restore, diagnosis and black-box tests. Exit status: 0 done, 1 device or
// command failure, 2 usage error (with a one-line message).

#include "Commands.h"

#include <QApplication>
#include <QSocketNotifier>

#include <unistd.h>

#include <csignal>
#include <cstdio>

int main(int argc, char* argv[])
{
    // No display is needed: the objects are the screens' own, drawn nowhere.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quorixctl"));
    // An interrupt ends `monitor` through the event loop, so the reader is stopped cleanly.
    static int wake[2] = {-1, -1};
    if (::pipe(wake) == 0) {
        auto* notifier = new QSocketNotifier(wake[0], QSocketNotifier::Read, &app);
        QObject::connect(notifier, &QSocketNotifier::activated, &app, [] { QCoreApplication::exit(0); });
        auto onSignal = [](int) {
            const char c = 1;
            [[maybe_unused]] const auto n = ::write(wake[1], &c, 1);
        };
        std::signal(SIGINT, onSignal);
        std::signal(SIGTERM, onSignal);
    }
    try {
        Commands commands(parseOptions(QCoreApplication::arguments()));
        return commands.run();
    } catch (const UsageError& e) {
        std::fprintf(stderr, "quorixctl: %s\n", qPrintable(e.message));
        return 2;
    } catch (const Failure& e) {
        std::fprintf(stderr, "quorixctl: %s\n", qPrintable(e.message));
        return 1;
    }
}
