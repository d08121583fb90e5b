#include "Host.h"

#include "Calls.h"
#include "app/AppStartup.h"
#include "devices/Detection.h"
#include "devices/DeviceList.h"
#include "protocol/Clock.h"
#include "protocol/sim/VirtualClock.h"
#include "protocol/HidapiBackend.h"
#include "protocol/sim/SimulatedHid.h"
#include "protocol/sim/TracingBackend.h"
#include "view/SettingsStore.h"
#include "view/myQQuickView.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSettings>

void CtlHost::connectSequence(int index)
{
    Widget::connectSequence(index);
    emitEvent(QStringLiteral("{\"event\":\"connect\",\"device\":%1}").arg(index));
}

void CtlHost::disconnectSequence()
{
    Widget::disconnectSequence();
    emitEvent(QStringLiteral("{\"event\":\"disconnect\"}"));
}

void CtlHost::readerSetCurrentDPI(int stage)
{
    m_stage.store(stage);
    Widget::readerSetCurrentDPI(stage);
}

void CtlHost::readerShowBalloon(const QString& title, const QString& text, int msecs)
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

void CtlHost::readerSetViewEnabled(bool enabled)
{
    if (!enabled) {
        const int index = hid().currentDevice();
        QMetaObject::invokeMethod(this, [this, index] {
            emitEvent(QStringLiteral("{\"event\":\"removed\",\"device\":%1}").arg(index));
        }, Qt::QueuedConnection);
    }
    Widget::readerSetViewEnabled(enabled);
}

void CtlHost::emitEvent(const QString& e)
{
    if (onEvent)
        onEvent(e);
}

ToolHost::ToolHost(const Options& options)
    : m_opt(options)
    , m_clock(&systemClock())
    , m_dialogs(options.file)
{
    enterDataRoot(m_opt);
    AppStartup::useSoftwareRenderer();

    if (m_opt.virtualTime) {
        m_virtualClock = std::make_unique<VirtualClock>();
        m_clock = m_virtualClock.get();
    }
    if (m_opt.shared.simulate) {
        m_sim = ToolOptions::makeSimulator(m_opt.shared, m_clock);
        m_backend = m_sim.get();
    } else {
        m_backend = &hidapiBackend();
    }
    if (!m_opt.shared.trace.isEmpty()) {
        m_tracer = std::make_unique<TracingBackend>(*m_backend, *m_clock);
        m_tracer->setKeepInMemory(false);
        if (!m_tracer->writeTo(m_opt.shared.trace))
            throw UsageError{QStringLiteral("cannot write the trace file %1").arg(m_opt.shared.trace)};
        m_backend = m_tracer.get();
    }
    m_host = std::make_unique<CtlHost>();
    // No dialog ever opens: the file comes from the command line.
    m_host->view()->setFileDialogs(&m_dialogs);
    m_host->hid().setBackend(m_backend);
    m_host->hid().setClock(m_clock);
}

ToolHost::~ToolHost()
{
    stopReader();
}

void ToolHost::stopReader()
{
    m_host->hid().stopReader();
    if (m_sim)
        m_sim->interruptReads();
    m_host->hid().waitForReader();
}

int ToolHost::selectDevice(bool required)
{
    QList<DeviceRecord> devices = DeviceList::read();
    Detection::locateInterfaces(devices, *m_backend);
    m_host->hid().setDevices(devices);
    int index = m_opt.device;
    requireDeviceInList(index, devices.size());
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

QObject* ToolHost::object(const QString& name)
{
    requireKnownObject(name);
    if (name == QLatin1String("ui_View"))
        return m_host->view();
    return &m_host->hid();
}
