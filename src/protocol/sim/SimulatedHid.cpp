#include "protocol/sim/SimulatedHid.h"

#include "protocol/Clock.h"
#include "protocol/KnownDevices.h"

#include <QDeadlineTimer>

#include <cstring>

class SimulatedHid::SimHandle final : public HidHandle
{
public:
    SimHandle(Device device, Interface iface, quint64 generation)
        : device(device)
        , iface(iface)
        , generation(generation)
    {
    }
    Device device;
    Interface iface;
    quint64 generation;
};

namespace {

struct InterfaceRow
{
    SimulatedHid::Device device;
    SimulatedHid::Interface iface;
    quint16 productId;
    quint16 usagePage;
    quint16 usage;
};

const InterfaceRow kRows[] = {
    {SimulatedHid::Device::Keyboard, SimulatedHid::Interface::Command, known::kKeyboardProduct,
     known::kKeyboardCommandPage, known::kKeyboardCommandUsage},
    {SimulatedHid::Device::Keyboard, SimulatedHid::Interface::Event, known::kKeyboardProduct,
     known::kKeyboardEventPage, known::kKeyboardEventUsage},
    {SimulatedHid::Device::Mouse, SimulatedHid::Interface::Command, known::kMouseProduct,
     known::kMouseCommandPage, known::kMouseCommandUsage},
    {SimulatedHid::Device::Mouse, SimulatedHid::Interface::Event, known::kMouseProduct,
     known::kMouseEventPage, known::kMouseEventUsage},
};

int failKey(SimulatedHid::Device device, SimulatedHid::Interface iface, SimulatedHid::Op op)
{
    return static_cast<int>(device) * 100 + static_cast<int>(iface) * 10 + static_cast<int>(op);
}

} // namespace

SimulatedHid::SimulatedHid(sim::MouseFamily mouseFamily, Clock* clock)
    : m_clock(clock)
    , m_mouse(mouseFamily)
{
}

SimulatedHid::~SimulatedHid() = default;

QByteArray SimulatedHid::path(Device device, Interface iface)
{
    QByteArray p = device == Device::Keyboard ? QByteArrayLiteral("sim/keyboard/") : QByteArrayLiteral("sim/mouse/");
    p += iface == Interface::Command ? QByteArrayLiteral("command") : QByteArrayLiteral("event");
    return p;
}

sim::DeviceFirmware& SimulatedHid::firmwareOf(Device device)
{
    if (device == Device::Keyboard)
        return m_keyboard.firmware;
    return m_mouse.firmware;
}

bool& SimulatedHid::pluggedRef(Device device)
{
    return device == Device::Keyboard ? m_keyboard.plugged : m_mouse.plugged;
}

quint64& SimulatedHid::generationRef(Device device)
{
    return device == Device::Keyboard ? m_keyboard.generation : m_mouse.generation;
}

QList<QByteArray>& SimulatedHid::eventsOf(Device device)
{
    return device == Device::Keyboard ? m_keyboard.events : m_mouse.events;
}

bool SimulatedHid::silentOf(Device device)
{
    return device == Device::Keyboard ? m_keyboard.silent : m_mouse.silent;
}

void SimulatedHid::setScrambled(Device device, bool on)
{
    QMutexLocker lock(&m_mutex);
    firmwareOf(device).setScrambled(on);
}

void SimulatedHid::plug(Device device)
{
    QMutexLocker lock(&m_mutex);
    pluggedRef(device) = true;
}

void SimulatedHid::unplug(Device device)
{
    QMutexLocker lock(&m_mutex);
    pluggedRef(device) = false;
    ++generationRef(device);
    eventsOf(device).clear();
    m_eventArrived.wakeAll();
}

bool SimulatedHid::isPlugged(Device device) const
{
    QMutexLocker lock(&m_mutex);
    return device == Device::Keyboard ? m_keyboard.plugged : m_mouse.plugged;
}

void SimulatedHid::failNthCall(Device device, Op op, int n, Interface iface)
{
    QMutexLocker lock(&m_mutex);
    if (n > 0)
        m_failCountdown.insert(failKey(device, iface, op), n);
}

void SimulatedHid::setInputSilent(Device device, bool silent)
{
    QMutexLocker lock(&m_mutex);
    (device == Device::Keyboard ? m_keyboard.silent : m_mouse.silent) = silent;
}

void SimulatedHid::pressDpiButton()
{
    QMutexLocker lock(&m_mutex);
    if (!m_mouse.plugged)
        return;
    m_mouse.events.append(m_mouse.firmware.pressDpiButton());
    m_eventArrived.wakeAll();
}

void SimulatedHid::injectEvent(Device device, const QByteArray& report)
{
    QMutexLocker lock(&m_mutex);
    if (!pluggedRef(device))
        return;
    eventsOf(device).append(report);
    m_eventArrived.wakeAll();
}

void SimulatedHid::interruptReads()
{
    QMutexLocker lock(&m_mutex);
    ++m_interrupts;
    m_eventArrived.wakeAll();
}

bool SimulatedHid::alive(const SimHandle* handle)
{
    return handle && pluggedRef(handle->device) && generationRef(handle->device) == handle->generation;
}

bool SimulatedHid::injectFailure(Device device, Interface iface, Op op)
{
    const int key = failKey(device, iface, op);
    auto it = m_failCountdown.find(key);
    if (it == m_failCountdown.end())
        return false;
    if (--it.value() > 0)
        return false;
    m_failCountdown.erase(it);
    return true;
}

QList<HidInterfaceInfo> SimulatedHid::enumerate(quint16 vendorId, quint16 productId)
{
    QMutexLocker lock(&m_mutex);
    QList<HidInterfaceInfo> result;
    for (const InterfaceRow& row : kRows) {
        if (!pluggedRef(row.device))
            continue;
        if (vendorId != 0 && vendorId != known::kVendor)
            continue;
        if (productId != 0 && productId != row.productId)
            continue;
        HidInterfaceInfo info;
        info.path = path(row.device, row.iface);
        info.vendorId = known::kVendor;
        info.productId = row.productId;
        info.usagePage = row.usagePage;
        info.usage = row.usage;
        result.append(info);
    }
    return result;
}

HidHandle* SimulatedHid::open(const QByteArray& p)
{
    QMutexLocker lock(&m_mutex);
    for (const InterfaceRow& row : kRows) {
        if (path(row.device, row.iface) != p)
            continue;
        if (injectFailure(row.device, row.iface, Op::Open) || !pluggedRef(row.device))
            return nullptr;
        return new SimHandle(row.device, row.iface, generationRef(row.device));
    }
    return nullptr;
}

int SimulatedHid::setNonblocking(HidHandle* handle, bool)
{
    QMutexLocker lock(&m_mutex);
    return alive(static_cast<SimHandle*>(handle)) ? 0 : -1;
}

int SimulatedHid::sendFeatureReport(HidHandle* h, const uchar* data, std::size_t length)
{
    QMutexLocker lock(&m_mutex);
    auto* handle = static_cast<SimHandle*>(h);
    if (!alive(handle) || injectFailure(handle->device, handle->iface, Op::SendFeature))
        return -1;
    if (handle->iface != Interface::Command)
        return static_cast<int>(length);
    firmwareOf(handle->device).commandReport(data, length);
    return static_cast<int>(length);
}

int SimulatedHid::getFeatureReport(HidHandle* h, uchar* data, std::size_t length)
{
    QMutexLocker lock(&m_mutex);
    auto* handle = static_cast<SimHandle*>(h);
    if (!alive(handle) || injectFailure(handle->device, handle->iface, Op::GetFeature))
        return -1;
    if (handle->iface != Interface::Command)
        return -1;
    return firmwareOf(handle->device).replyReport(data, length);
}

int SimulatedHid::write(HidHandle* h, const uchar* data, std::size_t length)
{
    QMutexLocker lock(&m_mutex);
    auto* handle = static_cast<SimHandle*>(h);
    if (!alive(handle) || injectFailure(handle->device, handle->iface, Op::Write))
        return -1;
    if (handle->iface == Interface::Command)
        firmwareOf(handle->device).outputReport(data, length);
    return static_cast<int>(length);
}

int SimulatedHid::read(HidHandle* handle, uchar* data, std::size_t length)
{
    return readTimeout(handle, data, length, -1);
}

int SimulatedHid::deliver(const QByteArray& report, uchar* data, std::size_t length)
{
    const std::size_t n = qMin<std::size_t>(length, static_cast<std::size_t>(report.size()));
    std::memcpy(data, report.constData(), n);
    return static_cast<int>(n);
}

int SimulatedHid::readTimeout(HidHandle* h, uchar* data, std::size_t length, int timeoutMs)
{
    QMutexLocker lock(&m_mutex);
    auto* handle = static_cast<SimHandle*>(h);
    if (!alive(handle) || injectFailure(handle->device, handle->iface, Op::Read))
        return -1;

    if (handle->iface == Interface::Command) {
        sim::DeviceFirmware& fw = firmwareOf(handle->device);
        if (!silentOf(handle->device) && fw.hasInput())
            return deliver(fw.takeInput(), data, length);
        if (m_clock && timeoutMs >= 0) {
            lock.unlock();
            m_clock->sleepMs(timeoutMs);
            return 0;
        }
        // Without a clock of its own the silent device waits for real.
        const QDeadlineTimer deadline(timeoutMs < 0 ? QDeadlineTimer(QDeadlineTimer::Forever)
                                                    : QDeadlineTimer(timeoutMs));
        const quint64 generation = handle->generation;
        while (alive(handle) && m_eventArrived.wait(&m_mutex, deadline)) {
        }
        return generationRef(handle->device) == generation ? 0 : -1;
    }

    const QDeadlineTimer deadline(timeoutMs < 0 ? QDeadlineTimer(QDeadlineTimer::Forever)
                                                : QDeadlineTimer(timeoutMs));
    const quint64 interrupts = m_interrupts;
    QList<QByteArray>& events = eventsOf(handle->device);
    while (events.isEmpty()) {
        if (!alive(handle))
            return -1;
        if (m_interrupts != interrupts)
            return 0;
        if (!m_eventArrived.wait(&m_mutex, deadline))
            return 0;
    }
    return deliver(events.takeFirst(), data, length);
}

void SimulatedHid::close(HidHandle* handle)
{
    delete handle;
}
