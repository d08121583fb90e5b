// The commands that need the program's window host: loaded by quorixctl's front
// end (main.cpp) into its process, with the same command line.

#include "Commands.h"
#include "Interrupts.h"

#include <QApplication>

extern "C" Q_DECL_EXPORT int quorixctl_gui_main(int argc, char* argv[])
{
    // No display is needed: the objects are the screens' own, drawn nowhere.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quorixctl"));
    Interrupts::install();
    return reportingErrors([] {
        Commands commands(parseOptions(QCoreApplication::arguments()));
        return commands.run();
    });
}
