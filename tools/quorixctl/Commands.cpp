#include "Commands.h"

#include "Calls.h"
#include "Host.h"
#include "Interrupts.h"
#include "ProfileApply.h"
#include "app/SingleInstance.h"
#include "devices/Detection.h"
#include "devices/DeviceList.h"
#include "protocol/sim/SimulatedHid.h"
#include "view/SettingsStore.h"
#include "view/myQQuickView.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <QThread>

#include <cstdio>
#include <iostream>
#include <string>


Commands::Commands(const Options& options)
    : m_opt(options)
{
}

Commands::~Commands() = default;

SlotCall Commands::prepareCall(const QString& target, const QJsonArray& args)
{
    return ::prepareCall([this](const QString& name) { return m_tool->object(name); }, target, args, m_opt.file);
}

int Commands::cmdDevices()
{
    QList<DeviceRecord> devices = DeviceList::read();
    Detection::locateInterfaces(devices, m_tool->backend());
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

int Commands::cmdSlots()
{
    const auto signatures = [this](const QString& name) {
        return SlotCall::signatures(*m_tool->object(name)->metaObject(), name);
    };
    printSlots(m_opt.args, signatures(QStringLiteral("ui_View")), signatures(QStringLiteral("hid")));
    return 0;
}

int Commands::cmdCall()
{
    if (m_opt.args.isEmpty())
        throw UsageError{QStringLiteral("call needs OBJECT.SLOT")};
    SlotCall call = prepareCall(m_opt.args.first(), parseArgs(m_opt.args.mid(1)));
    m_tool->selectDevice(m_opt.args.first().startsWith(QLatin1String("hid.")));
    const int failedBefore = m_tool->host().hid().failedTransfers();
    call.invoke();
    printCallResult(call);
    requireNoFailedTransfer(failedBefore);
    return 0;
}

int Commands::cmdScript()
{
    if (m_opt.args.size() > 1)
        throw UsageError{QStringLiteral("script takes one file name or -")};
    const QString name = m_opt.args.value(0, QStringLiteral("-"));
    QFile file;
    if (name == QLatin1String("-") ? !file.open(stdin, QIODevice::ReadOnly)
                                   : (file.setFileName(name), !file.open(QIODevice::ReadOnly | QIODevice::Text)))
        throw UsageError{QStringLiteral("cannot read the script %1").arg(name)};
    QList<SlotCall> calls =
        prepareScript(file, [this](const QString& object) { return m_tool->object(object); }, m_opt.file);
    bool needsDevice = false;
    for (const SlotCall& call : calls)
        needsDevice = needsDevice || call.target().startsWith(QLatin1String("hid."));
    m_tool->selectDevice(needsDevice);
    const int failedBefore = m_tool->host().hid().failedTransfers();
    for (SlotCall& call : calls) {
        call.invoke();
        printScriptResult(call);
    }
    requireNoFailedTransfer(failedBefore);
    return 0;
}

// Whatever a command printed, a transfer that failed on the way makes it a failure.
void Commands::requireNoFailedTransfer(int failedBefore)
{
    const Hid_Thread& hid = m_tool->host().hid();
    const int failed = hid.failedTransfers() - failedBefore;
    if (failed > 0)
        throw Failure{QStringLiteral("%1 transfer(s) to the device failed; the last: %2").arg(failed).arg(hid.lastFailure())};
}

int Commands::cmdConnect()
{
    if (!m_opt.args.isEmpty())
        throw UsageError{QStringLiteral("connect takes no arguments")};
    const int index = m_tool->selectDevice(true);
    Hid_Thread& hid = m_tool->host().hid();
    const int failedBefore = hid.failedTransfers();
    hid.connectRead(index);
    m_tool->stopReader();
    requireNoFailedTransfer(failedBefore);
    printJson(QJsonObject{{QStringLiteral("device"), index}});
    return 0;
}

int Commands::cmdApplyProfile()
{
    if (m_opt.args.size() != 1)
        throw UsageError{QStringLiteral("apply-profile takes one profile slot number")};
    const int slot = parseWholeNumber(m_opt.args.first(), QStringLiteral("the profile slot"));
    if (!SettingsStore::isValidSlot(slot))
        throw UsageError{QStringLiteral("profile slot %1 is outside 0 … 9").arg(slot)};
    const int index = m_tool->selectDevice(true);
    const QString layout = m_tool->host().hid().devices().value(index).type == 1 ? QStringLiteral("mouse")
                                                                                 : QStringLiteral("keyboard");
    myQQuickView* view = m_tool->host().view();
    view->setGlobalData(layout + QStringLiteral("/profileNo"), slot);
    view->setCurrentProfile(slot);
    const int failedBefore = m_tool->host().hid().failedTransfers();
    applyCurrentProfile(*view, layout);
    view->settings().flush();
    requireNoFailedTransfer(failedBefore);
    printJson(QJsonObject{{QStringLiteral("device"), index}, {QStringLiteral("profile"), slot}});
    return 0;
}

int Commands::cmdMonitor()
{
    if (!m_opt.args.isEmpty())
        throw UsageError{QStringLiteral("monitor takes no arguments")};
    m_tool->host().onEvent = [](const QString& line) { out() << line << Qt::endl; };

    // Standard input: simulator actions with --simulate; its end ends the monitor.
    QThread* input = QThread::create([this] {
        std::string line;
        while (std::getline(std::cin, line)) {
            const QString action = QString::fromStdString(line).trimmed();
            QMetaObject::invokeMethod(qApp, [this, action] {
                if (action.isEmpty() || !m_tool->sim())
                    return;
                const QStringList words = action.split(QLatin1Char(' '), Qt::SkipEmptyParts);
                const auto device = words.value(1) == QLatin1String("mouse") ? SimulatedHid::Device::Mouse
                                                                             : SimulatedHid::Device::Keyboard;
                const bool known = words.value(1) == QLatin1String("mouse") || words.value(1) == QLatin1String("keyboard");
                if (words.size() == 2 && words[0] == QLatin1String("plug") && known) {
                    m_tool->sim()->plug(device);
                    m_tool->host().deviceChangeNotified();
                } else if (words.size() == 2 && words[0] == QLatin1String("unplug") && known) {
                    m_tool->sim()->unplug(device);
                    m_tool->host().deviceChangeNotified();
                } else if (words.size() == 1 && words[0] == QLatin1String("dpi-button")) {
                    m_tool->sim()->pressDpiButton();
                } else {
                    std::fprintf(stderr, "quorixctl: unknown simulator action: %s\n", qPrintable(action));
                }
            }, Qt::QueuedConnection);
        }
        QMetaObject::invokeMethod(qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    });
    input->start();
    m_tool->host().checkDevice();
    Interrupts::endLoopInsteadOfProcess(true);
    const int rc = QCoreApplication::exec();
    Interrupts::endLoopInsteadOfProcess(false);
    m_tool->stopReader();
    if (input->isFinished())
        delete input;
    return rc;
}

int Commands::cmdWarn()
{
    if (m_opt.args.size() != 1)
        throw UsageError{QStringLiteral("warn takes one text (quote it)")};
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/" QUORIX_APP_NAME);
    SingleInstance peer(SingleInstance::identityFor(program));
    if (!peer.sendData(0x250F, m_opt.args.first().toUtf8(), 5000))
        throw Failure{QStringLiteral("no running %1 took the warning").arg(QStringLiteral(QUORIX_APP_NAME))};
    return 0;
}

int Commands::run()
{
    const QString c = m_opt.command;
    if (c == QLatin1String("help")) {
        out() << kUsage;
        return 0;
    }
    requireKnownCommand(c);
    if (c == QLatin1String("warn"))
        return cmdWarn();
    m_tool = std::make_unique<ToolHost>(m_opt);
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
