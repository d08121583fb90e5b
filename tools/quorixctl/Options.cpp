#include "Options.h"

#include <QFileInfo>

const char kUsage[] = R"(usage: quorixctl [--data DIR] [--simulate[=keyboard,mouse]] [--mouse-family 553|560]
                 [--trace FILE] [--virtual-time] [--device N] COMMAND [ARG...]

commands:
  devices                    the device list's records, present or not, with interface paths (JSON)
  slots [ui_View|hid]        the callable slots with their signatures
  call OBJECT.SLOT [ARG...]  invoke a public slot of ui_View or hid as the screens would; each ARG is
                             JSON (number, string, bool, array); prints the result as JSON, then, for a
                             slot with reference or buffer parameters, their values after the call as a
                             JSON array
  connect                    the connect-time option exchange with the selected device
  apply-profile N            make N the current profile slot and send all it holds, as a profile change does
  script [FILE|-]            run calls from FILE or standard input in one process, one per line
                             (OBJECT.SLOT ARG...); prints each result as one JSON line
                             ({"result":R,"out":[...]} for slots with reference or buffer parameters)
  monitor                    run detection and the event reader; print one JSON line per event:
                             {"event":"connect","device":N}, {"event":"disconnect"},
                             {"event":"removed","device":N}, {"event":"dpi","stage":S,"text":BALLOON};
                             with --simulate, reads actions from standard input, one per line:
                             plug keyboard|mouse, unplug keyboard|mouse, dpi-button
  warn TEXT                  ask the running program to show TEXT in its warning box

options:
  --data DIR                 data root (the folder holding modules/); default: the program's
  --simulate[=LIST]          use simulated devices instead of hidraw (default: keyboard,mouse)
  --mouse-family 553|560     command family of the simulated mouse (default: mouse/icType)
  --trace FILE               write every device call as a JSON line to FILE
  --virtual-time             pauses take no real time (only with --simulate)
  --device N                 the device list record to address (default: the first present)

`call hid.…` needs a present device; `call ui_View.…` works on the settings alone and
addresses the selected device when one is present.

examples:
  quorixctl apply-profile 1                         # restore the second profile at login
  quorixctl --simulate --virtual-time --trace t.jsonl call ui_View.mouseSetCurrentDPI 2

exit status: 0 done, 1 device or command failure, 2 usage error
)";

int parseWholeNumber(const QString& text, const QString& what)
{
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok)
        throw UsageError{QStringLiteral("%1 must be a whole number, not \"%2\"").arg(what, text)};
    return n;
}

Options parseOptions(const QStringList& argv)
{
    Options o;
    ToolOptions::Reader reader(argv);
    try {
        while (reader.next()) {
            if (ToolOptions::take(reader, o.shared))
                continue;
            const QString opt = reader.name();
            if (opt == QLatin1String("--help")) {
                o.command = QStringLiteral("help");
                return o;
            } else if (opt == QLatin1String("--virtual-time")) {
                o.virtualTime = true;
            } else if (opt == QLatin1String("--device")) {
                o.device = parseWholeNumber(reader.value(), QStringLiteral("--device"));
                if (o.device < 0)
                    throw UsageError{QStringLiteral("--device must be 0 or more")};
            } else {
                throw UsageError{QStringLiteral("unknown option %1").arg(opt)};
            }
        }
    } catch (const ToolOptions::Error& e) {
        throw UsageError{e.message};
    }
    const QStringList rest = reader.rest();
    if (rest.isEmpty())
        throw UsageError{QStringLiteral("no command given (see quorixctl --help)")};
    o.command = rest.first();
    o.args = rest.mid(1);
    if (o.virtualTime && !o.shared.simulate)
        throw UsageError{QStringLiteral("--virtual-time needs --simulate")};
    // The tool works inside the data root; names given on the command line mean
    // what they meant where it was started.
    const auto absolute = [](const QString& path) {
        return path.isEmpty() || path == QLatin1String("-") ? path : QFileInfo(path).absoluteFilePath();
    };
    o.shared.data = absolute(o.shared.data);
    o.shared.trace = absolute(o.shared.trace);
    if (o.command == QLatin1String("script") && !o.args.isEmpty())
        o.args[0] = absolute(o.args[0]);
    return o;
}
