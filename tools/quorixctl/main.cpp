// quorixctl: the program's objects from the command line, for scripts, login-time
// profile restore, diagnosis and black-box tests. Exit status: 0 done, 1 device or
// command failure, 2 usage error (with a one-line message).

#include "Commands.h"
#include "Interrupts.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    // No display is needed: the objects are the screens' own, drawn nowhere.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quorixctl"));
    Interrupts::install();
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
