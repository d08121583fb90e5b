// quorix-sim: the whole program in front of simulated devices, with a control
// window to plug, unplug and press the mouse's DPI button. For trying the program
// without the hardware, and, without the control window, for scripted runs.

#include "QuitOnSignal.h"
#include "SimControlWindow.h"
#include "ToolOptions.h"
#include "app/Program.h"
#include "app/Widget.h"
#include "protocol/Clock.h"
#include "protocol/sim/SimulatedHid.h"
#include "protocol/sim/TracingBackend.h"

#include <QApplication>

#include <cstdio>
#include <memory>

namespace {

const char kUsage[] = R"(usage: quorix-sim [--data DIR] [--simulate[=keyboard,mouse]] [--mouse-family 553|560]
                  [--trace FILE] [--no-control]

The whole program in front of a simulated keyboard and mouse, with a control window
to plug and unplug each device, press the mouse's DPI button and watch the wire trace.

options:
  --data DIR                 data root (the folder holding modules/); default: the program's
  --simulate[=LIST]          devices plugged at start: keyboard, mouse or both (default: both)
  --mouse-family 553|560     command family of the simulated mouse (default: mouse/icType)
  --trace FILE               write every device call as a JSON line to FILE
  --no-control               no control window (scripted runs, benchmarks); SIGINT or SIGTERM
                             ends the program cleanly
  --help                     this text

exit status: 0 quit, 1 another quorix-sim of this user was running and has been
shown, 2 usage error
)";

struct Options
{
    ToolOptions::Shared shared;
    bool control = true;
    bool help = false;
};

Options parse(const QStringList& arguments)
{
    Options o;
    ToolOptions::Reader reader(arguments);
    while (reader.next()) {
        if (ToolOptions::take(reader, o.shared))
            continue;
        if (reader.name() == QLatin1String("--help")) {
            o.help = true;
            return o;
        }
        if (reader.name() == QLatin1String("--no-control") && !reader.hasInlineValue())
            o.control = false;
        else
            throw ToolOptions::Error{QStringLiteral("unknown option %1 (see quorix-sim --help)").arg(reader.name())};
    }
    if (!reader.rest().isEmpty())
        throw ToolOptions::Error{QStringLiteral("unexpected argument %1 (see quorix-sim --help)").arg(reader.rest().first())};
    ToolOptions::finish(o.shared);
    return o;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quorix-sim"));
    Options options;
    try {
        options = parse(QCoreApplication::arguments());
    } catch (const ToolOptions::Error& e) {
        std::fprintf(stderr, "quorix-sim: %s\n", qPrintable(e.message));
        return 2;
    }
    if (options.help) {
        std::fputs(kUsage, stdout);
        return 0;
    }

    Program program;
    if (!program.start(options.shared.data))
        return 1;
    quitOnSignals();

    std::unique_ptr<SimulatedHid> sim = ToolOptions::makeSimulator(options.shared, &systemClock());
    // The control window shows the trace's tail; without it, only a file wants the lines.
    std::unique_ptr<TracingBackend> trace;
    if (options.control || !options.shared.trace.isEmpty()) {
        trace = std::make_unique<TracingBackend>(*sim, systemClock());
        trace->setKeepInMemory(options.control);
        if (!options.shared.trace.isEmpty() && !trace->writeTo(options.shared.trace)) {
            std::fprintf(stderr, "quorix-sim: cannot write the trace file %s\n", qPrintable(options.shared.trace));
            return 2;
        }
    }
    HidBackend& backend = trace ? static_cast<HidBackend&>(*trace) : *sim;

    std::unique_ptr<SimControlWindow> control;
    return program.run(backend, [&](Widget& host) {
        if (options.control) {
            control = std::make_unique<SimControlWindow>(*sim, *trace, host);
            // Beside the main window, so neither hides the other.
            control->move(host.geometry().right() + 16, host.y());
            control->show();
        }
        // The reader's event read waits for real; end it at once on the way out.
        QObject::connect(&app, &QCoreApplication::aboutToQuit, &app, [&sim, &host] {
            host.hid().stopReader();
            sim->interruptReads();
        });
    });
}
