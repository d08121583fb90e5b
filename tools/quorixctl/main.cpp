// quorixctl: the program's objects from the command line, for scripts, login-time
// profile restore, diagnosis and black-box tests. Exit status: 0 done, 1 device or
// command failure, 2 usage error (with a one-line message).

#include "ProfileApply.h"
#include "SlotCall.h"
#include "app/AppStartup.h"
#include "app/SingleInstance.h"
#include "app/Widget.h"
#include "devices/Detection.h"
#include "devices/DeviceList.h"
#include "protocol/Clock.h"
#include "protocol/HidapiBackend.h"
#include "protocol/SimulatedHid.h"
#include "protocol/TracingBackend.h"
#include "view/SettingsStore.h"
#include "view/myQQuickView.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QSocketNotifier>
#include <QTextStream>
#include <QThread>

#include <QLoggingCategory>

#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

namespace {

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

struct UsageError
{
    QString message;
};

struct Failure
{
    QString message;
};

struct Options
{
    QString data;
    bool simulate = false;
    bool simKeyboard = true;
    bool simMouse = true;
    QString family;
    QString trace;
    bool virtualTime = false;
    int device = -1;
    QString command;
    QStringList args;
};

QTextStream& out()
{
    static QTextStream s(stdout);
    return s;
}

void printJson(const QJsonValue& v)
{
    QJsonDocument doc = v.isArray() ? QJsonDocument(v.toArray())
                                    : v.isObject() ? QJsonDocument(v.toObject()) : QJsonDocument(QJsonArray{v});
    QByteArray text = doc.toJson(QJsonDocument::Compact);
    if (!v.isArray() && !v.isObject())
        text = text.mid(1, text.size() - 2);
    out() << QString::fromUtf8(text) << Qt::endl;
}

int parseInt(const QString& text, const QString& what)
{
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok)
        throw UsageError{QStringLiteral("%1 must be a whole number, not \"%2\"").arg(what, text)};
    return n;
}

Options parse(const QStringList& argv)
{
    Options o;
    int i = 1;
    auto value = [&](const QString& opt, const QString& inlineValue) -> QString {
        if (!inlineValue.isNull())
            return inlineValue;
        if (i + 1 >= argv.size())
            throw UsageError{QStringLiteral("%1 needs a value").arg(opt)};
        return argv[++i];
    };
    for (; i < argv.size(); ++i) {
        const QString a = argv[i];
        if (!a.startsWith(QLatin1String("--")))
            break;
        const int eq = a.indexOf(QLatin1Char('='));
        const QString opt = eq < 0 ? a : a.left(eq);
        const QString inlineValue = eq < 0 ? QString() : a.mid(eq + 1);
        if (opt == QLatin1String("--help")) {
            o.command = QStringLiteral("help");
            return o;
        } else if (opt == QLatin1String("--data")) {
            o.data = value(opt, inlineValue);
        } else if (opt == QLatin1String("--simulate")) {
            o.simulate = true;
            if (!inlineValue.isNull()) {
                o.simKeyboard = o.simMouse = false;
                for (const QString& d : inlineValue.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
                    if (d == QLatin1String("keyboard"))
                        o.simKeyboard = true;
                    else if (d == QLatin1String("mouse"))
                        o.simMouse = true;
                    else
                        throw UsageError{QStringLiteral("--simulate takes keyboard and/or mouse, not \"%1\"").arg(d)};
                }
            }
        } else if (opt == QLatin1String("--mouse-family")) {
            o.family = value(opt, inlineValue);
            if (o.family != QLatin1String("553") && o.family != QLatin1String("560"))
                throw UsageError{QStringLiteral("--mouse-family is 553 or 560, not \"%1\"").arg(o.family)};
        } else if (opt == QLatin1String("--trace")) {
            o.trace = value(opt, inlineValue);
        } else if (opt == QLatin1String("--virtual-time")) {
            o.virtualTime = true;
        } else if (opt == QLatin1String("--device")) {
            o.device = parseInt(value(opt, inlineValue), QStringLiteral("--device"));
            if (o.device < 0)
                throw UsageError{QStringLiteral("--device must be 0 or more")};
        } else {
            throw UsageError{QStringLiteral("unknown option %1").arg(a)};
        }
    }
    if (i >= argv.size())
        throw UsageError{QStringLiteral("no command given (see quorixctl --help)")};
    o.command = argv[i];
    o.args = argv.mid(i + 1);
    if (o.virtualTime && !o.simulate)
        throw UsageError{QStringLiteral("--virtual-time needs --simulate")};
    // The tool works inside the data root; names given on the command line mean
    // what they meant where it was started.
    const auto absolute = [](const QString& path) {
        return path.isEmpty() || path == QLatin1String("-") ? path : QFileInfo(path).absoluteFilePath();
    };
    o.data = absolute(o.data);
    o.trace = absolute(o.trace);
    if (o.command == QLatin1String("script") && !o.args.isEmpty())
        o.args[0] = absolute(o.args[0]);
    return o;
}

// The window host the screens use, watched from the command line.
class CtlHost : public Widget
{
public:
    // One monitor line; keys in the documented order (QJsonObject would sort them).
    std::function<void(const QString&)> onEvent;

protected:
    bool trayAvailable() const override { return false; }
    void connectSequence(int index) override
    {
        Widget::connectSequence(index);
        emitEvent(QStringLiteral("{\"event\":\"connect\",\"device\":%1}").arg(index));
    }
    void disconnectSequence() override
    {
        Widget::disconnectSequence();
        emitEvent(QStringLiteral("{\"event\":\"disconnect\"}"));
    }

public:
    void readerSetCurrentDPI(int stage) override
    {
        m_stage.store(stage);
        Widget::readerSetCurrentDPI(stage);
    }
    void readerShowBalloon(const QString& title, const QString& text, int msecs) override
    {
        const int stage = m_stage.load();
        QMetaObject::invokeMethod(this, [this, stage, text] {
            const QByteArray quoted = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
            emitEvent(QStringLiteral("{\"event\":\"dpi\",\"stage\":%1,\"text\":%2}")
                          .arg(stage)
                          .arg(QString::fromUtf8(quoted.mid(1, quoted.size() - 2))));
        }, Qt::QueuedConnection);
        Widget::readerShowBalloon(title, text, msecs);
    }
    void readerSetViewEnabled(bool enabled) override
    {
        if (!enabled) {
            const int index = hid().currentDevice();
            QMetaObject::invokeMethod(this, [this, index] {
                emitEvent(QStringLiteral("{\"event\":\"removed\",\"device\":%1}").arg(index));
            }, Qt::QueuedConnection);
        }
        Widget::readerSetViewEnabled(enabled);
    }

private:
    void emitEvent(const QString& e)
    {
        if (onEvent)
            onEvent(e);
    }
    std::atomic_int m_stage{0};
};

class Tool
{
public:
    explicit Tool(const Options& o)
        : m_opt(o)
    {
    }

    int run();

private:
    void setUp();
    int selectDevice(bool required);
    int cmdDevices();
    int cmdSlots();
    int cmdCall();
    int cmdScript();
    int cmdConnect();
    int cmdApplyProfile();
    int cmdMonitor();
    int cmdWarn();
    QObject* object(const QString& name);
    SlotCall prepareCall(const QString& target, const QJsonArray& args);

    Options m_opt;
    std::unique_ptr<VirtualClock> m_virtualClock;
    Clock* m_clock = &systemClock();
    std::unique_ptr<SimulatedHid> m_sim;
    std::unique_ptr<TracingBackend> m_tracer;
    HidBackend* m_backend = nullptr;
    std::unique_ptr<CtlHost> m_host;
};

void Tool::setUp()
{
    if (!m_opt.data.isEmpty()) {
        const QFileInfo info(m_opt.data);
        if (!info.isDir() || !info.isReadable()
            || !QFileInfo(m_opt.data + QStringLiteral("/modules/setting")).isDir())
            throw UsageError{QStringLiteral("%1 is not a readable data root (a folder holding modules/setting)")
                                 .arg(m_opt.data)};
    }
    if (AppStartup::enterDataRoot(m_opt.data).isEmpty())
        throw UsageError{QStringLiteral("cannot use the data root %1").arg(m_opt.data)};
    AppStartup::useSoftwareRenderer();

    if (m_opt.virtualTime) {
        m_virtualClock = std::make_unique<VirtualClock>();
        m_clock = m_virtualClock.get();
    }
    if (m_opt.simulate) {
        QString family = m_opt.family;
        if (family.isEmpty())
            family = QSettings(SettingsStore::globalPath(), QSettings::IniFormat).value(QStringLiteral("mouse/icType")).toString();
        m_sim = std::make_unique<SimulatedHid>(family == QLatin1String("560") ? sim::MouseFamily::F560
                                                                                : sim::MouseFamily::F553,
                                               m_clock);
        if (!m_opt.simKeyboard)
            m_sim->unplug(SimulatedHid::Device::Keyboard);
        if (!m_opt.simMouse)
            m_sim->unplug(SimulatedHid::Device::Mouse);
        m_backend = m_sim.get();
    } else {
        m_backend = &hidapiBackend();
    }
    if (!m_opt.trace.isEmpty()) {
        m_tracer = std::make_unique<TracingBackend>(*m_backend, *m_clock);
        m_tracer->setKeepInMemory(false);
        if (!m_tracer->writeTo(m_opt.trace))
            throw UsageError{QStringLiteral("cannot write the trace file %1").arg(m_opt.trace)};
        m_backend = m_tracer.get();
    }
    m_host = std::make_unique<CtlHost>();
    m_host->hid().setBackend(m_backend);
    m_host->hid().setClock(m_clock);
}

int Tool::selectDevice(bool required)
{
    QList<DeviceRecord> devices = DeviceList::read();
    Detection::locateInterfaces(devices, *m_backend);
    m_host->hid().setDevices(devices);
    int index = m_opt.device;
    if (index >= devices.size())
        throw UsageError{QStringLiteral("--device %1: the device list has %2 record(s)").arg(index).arg(devices.size())};
    if (index < 0) {
        for (int j = 0; j < devices.size() && index < 0; ++j)
            if (!devices[j].path.isEmpty())
                index = j;
    }
    if (index < 0 || devices[index].path.isEmpty()) {
        if (required)
            throw Failure{index < 0 ? QStringLiteral("no supported device is present")
                                    : QStringLiteral("device %1 is not present").arg(index)};
        return -1;
    }
    m_host->hid().chkDeviceIsEnCode(index);
    return index;
}

QObject* Tool::object(const QString& name)
{
    if (name == QLatin1String("ui_View"))
        return m_host->view();
    if (name == QLatin1String("hid"))
        return &m_host->hid();
    throw UsageError{QStringLiteral("unknown object %1 (ui_View or hid)").arg(name)};
}

SlotCall Tool::prepareCall(const QString& target, const QJsonArray& args)
{
    const int dot = target.indexOf(QLatin1Char('.'));
    if (dot <= 0)
        throw UsageError{QStringLiteral("expected OBJECT.SLOT, not \"%1\"").arg(target)};
    SlotCall call;
    if (!call.prepare(object(target.left(dot)), target.left(dot), target.mid(dot + 1), args))
        throw UsageError{call.error()};
    return call;
}

int Tool::cmdDevices()
{
    QList<DeviceRecord> devices = DeviceList::read();
    Detection::locateInterfaces(devices, *m_backend);
    QJsonArray list;
    auto hex = [](quint16 v) { return QStringLiteral("%1").arg(v, 4, 16, QLatin1Char('0')); };
    for (int i = 0; i < devices.size(); ++i) {
        const DeviceRecord& r = devices[i];
        list.append(QJsonObject{{QStringLiteral("index"), i},
                                {QStringLiteral("type"), r.type},
                                {QStringLiteral("vid"), hex(r.vid)},
                                {QStringLiteral("pid"), hex(r.pid)},
                                {QStringLiteral("usagePage"), hex(r.usagePage)},
                                {QStringLiteral("usage"), hex(r.usage)},
                                {QStringLiteral("usagePage2"), hex(r.usagePage2)},
                                {QStringLiteral("usage2"), hex(r.usage2)},
                                {QStringLiteral("reportLength"), r.reportLength},
                                {QStringLiteral("isEncode"), r.isEncode},
                                {QStringLiteral("sCode"), r.sCode},
                                {QStringLiteral("present"), !r.path.isEmpty()},
                                {QStringLiteral("path"), r.path},
                                {QStringLiteral("path2"), r.path2}});
    }
    out() << QString::fromUtf8(QJsonDocument(list).toJson(QJsonDocument::Indented));
    out().flush();
    return 0;
}

int Tool::cmdSlots()
{
    QStringList names = {QStringLiteral("ui_View"), QStringLiteral("hid")};
    if (m_opt.args.size() > 1)
        throw UsageError{QStringLiteral("slots takes at most one object name")};
    if (!m_opt.args.isEmpty()) {
        object(m_opt.args.first());
        names = {m_opt.args.first()};
    }
    for (const QString& n : names)
        for (const QString& line : SlotCall::signatures(object(n), n))
            out() << line << Qt::endl;
    return 0;
}

QJsonArray parseArgs(const QStringList& args)
{
    QJsonArray values;
    for (const QString& a : args) {
        QJsonArray one;
        QString error;
        if (!parseJsonValues(a, &one, &error) || one.size() != 1)
            throw UsageError{QStringLiteral("argument is not one JSON value: %1").arg(a)};
        values.append(one.first());
    }
    return values;
}

int Tool::cmdCall()
{
    if (m_opt.args.isEmpty())
        throw UsageError{QStringLiteral("call needs OBJECT.SLOT")};
    SlotCall call = prepareCall(m_opt.args.first(), parseArgs(m_opt.args.mid(1)));
    selectDevice(m_opt.args.first().startsWith(QLatin1String("hid.")));
    call.invoke();
    printJson(call.result());
    if (call.hasOutputs())
        printJson(call.outputs());
    return 0;
}

int Tool::cmdScript()
{
    if (m_opt.args.size() > 1)
        throw UsageError{QStringLiteral("script takes one file name or -")};
    const QString name = m_opt.args.value(0, QStringLiteral("-"));
    QFile file;
    if (name == QLatin1String("-") ? !file.open(stdin, QIODevice::ReadOnly)
                                   : (file.setFileName(name), !file.open(QIODevice::ReadOnly | QIODevice::Text)))
        throw UsageError{QStringLiteral("cannot read the script %1").arg(name)};
    // Every line is checked before the first one runs, so a bad line sends nothing.
    QList<SlotCall> calls;
    bool needsDevice = false;
    int lineNo = 0;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        ++lineNo;
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const int space = line.indexOf(QLatin1Char(' '));
        const QString target = space < 0 ? line : line.left(space);
        QJsonArray args;
        QString error;
        if (space >= 0 && !parseJsonValues(line.mid(space + 1), &args, &error))
            throw UsageError{QStringLiteral("line %1: %2").arg(lineNo).arg(error)};
        try {
            calls.append(prepareCall(target, args));
        } catch (const UsageError& e) {
            throw UsageError{QStringLiteral("line %1: %2").arg(lineNo).arg(e.message)};
        }
        needsDevice = needsDevice || target.startsWith(QLatin1String("hid."));
    }
    selectDevice(needsDevice);
    for (SlotCall& call : calls) {
        call.invoke();
        if (call.hasOutputs())
            printJson(QJsonObject{{QStringLiteral("result"), call.result()}, {QStringLiteral("out"), call.outputs()}});
        else
            printJson(call.result());
    }
    return 0;
}

int Tool::cmdConnect()
{
    if (!m_opt.args.isEmpty())
        throw UsageError{QStringLiteral("connect takes no arguments")};
    const int index = selectDevice(true);
    Hid_Thread& hid = m_host->hid();
    hid.connectRead(index);
    hid.stopReader();
    if (m_sim)
        m_sim->interruptReads();
    hid.waitForReader();
    printJson(QJsonObject{{QStringLiteral("device"), index}});
    return 0;
}

int Tool::cmdApplyProfile()
{
    if (m_opt.args.size() != 1)
        throw UsageError{QStringLiteral("apply-profile takes one profile slot number")};
    const int slot = parseInt(m_opt.args.first(), QStringLiteral("the profile slot"));
    if (!SettingsStore::isValidSlot(slot))
        throw UsageError{QStringLiteral("profile slot %1 is outside 0 … 9").arg(slot)};
    const int index = selectDevice(true);
    const QString layout = m_host->hid().devices().value(index).type == 1 ? QStringLiteral("mouse")
                                                                         : QStringLiteral("keyboard");
    myQQuickView* view = m_host->view();
    view->setGlobalData(layout + QStringLiteral("/profileNo"), slot);
    view->setCurrentProfile(slot);
    applyCurrentProfile(*view, layout);
    view->settings().flush();
    printJson(QJsonObject{{QStringLiteral("device"), index}, {QStringLiteral("profile"), slot}});
    return 0;
}

int Tool::cmdMonitor()
{
    if (!m_opt.args.isEmpty())
        throw UsageError{QStringLiteral("monitor takes no arguments")};
    m_host->onEvent = [](const QString& line) { out() << line << Qt::endl; };

    // Standard input: simulator actions with --simulate; its end ends the monitor.
    QThread* input = QThread::create([this] {
        std::string line;
        while (std::getline(std::cin, line)) {
            const QString action = QString::fromStdString(line).trimmed();
            QMetaObject::invokeMethod(qApp, [this, action] {
                if (action.isEmpty() || !m_sim)
                    return;
                const QStringList words = action.split(QLatin1Char(' '), Qt::SkipEmptyParts);
                const auto device = words.value(1) == QLatin1String("mouse") ? SimulatedHid::Device::Mouse
                                                                             : SimulatedHid::Device::Keyboard;
                const bool known = words.value(1) == QLatin1String("mouse") || words.value(1) == QLatin1String("keyboard");
                if (words.size() == 2 && words[0] == QLatin1String("plug") && known) {
                    m_sim->plug(device);
                    m_host->deviceChangeNotified();
                } else if (words.size() == 2 && words[0] == QLatin1String("unplug") && known) {
                    m_sim->unplug(device);
                    m_host->deviceChangeNotified();
                } else if (words.size() == 1 && words[0] == QLatin1String("dpi-button")) {
                    m_sim->pressDpiButton();
                } else {
                    std::fprintf(stderr, "quorixctl: unknown simulator action: %s\n", qPrintable(action));
                }
            }, Qt::QueuedConnection);
        }
        QMetaObject::invokeMethod(qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    });
    input->start();
    m_host->checkDevice();
    const int rc = QCoreApplication::exec();
    m_host->hid().stopReader();
    if (m_sim)
        m_sim->interruptReads();
    m_host->hid().waitForReader();
    if (input->isFinished())
        delete input;
    return rc;
}

int Tool::cmdWarn()
{
    if (m_opt.args.size() != 1)
        throw UsageError{QStringLiteral("warn takes one text (quote it)")};
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/" QUORIX_APP_NAME);
    SingleInstance peer(SingleInstance::identityFor(program));
    if (!peer.sendData(0x250F, m_opt.args.first().toUtf8(), 5000))
        throw Failure{QStringLiteral("no running %1 took the warning").arg(QStringLiteral(QUORIX_APP_NAME))};
    return 0;
}

int Tool::run()
{
    const QString c = m_opt.command;
    if (c == QLatin1String("help")) {
        out() << kUsage;
        return 0;
    }
    static const QStringList known = {QStringLiteral("devices"), QStringLiteral("slots"), QStringLiteral("call"),
                                      QStringLiteral("connect"), QStringLiteral("apply-profile"),
                                      QStringLiteral("script"), QStringLiteral("monitor"), QStringLiteral("warn")};
    if (!known.contains(c))
        throw UsageError{QStringLiteral("unknown command %1 (see quorixctl --help)").arg(c)};
    if (c == QLatin1String("warn"))
        return cmdWarn();
    setUp();
    if (c == QLatin1String("devices"))
        return cmdDevices();
    if (c == QLatin1String("slots"))
        return cmdSlots();
    if (c == QLatin1String("call"))
        return cmdCall();
    if (c == QLatin1String("script"))
        return cmdScript();
    if (c == QLatin1String("connect"))
        return cmdConnect();
    if (c == QLatin1String("apply-profile"))
        return cmdApplyProfile();
    return cmdMonitor();
}

} // namespace

int main(int argc, char* argv[])
{
    // No display is needed: the objects are the screens' own, drawn nowhere.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quorixctl"));
    // Without a display there is no tray; Qt's note about it is noise on stderr.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.core.qobject.connect.warning=false"));
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
        Tool tool(parse(QCoreApplication::arguments()));
        return tool.run();
    } catch (const UsageError& e) {
        std::fprintf(stderr, "quorixctl: %s\n", qPrintable(e.message));
        return 2;
    } catch (const Failure& e) {
        std::fprintf(stderr, "quorixctl: %s\n", qPrintable(e.message));
        return 1;
    }
}
