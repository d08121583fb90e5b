#pragma once

#include "protocol/HidBackend.h"
#include "protocol/sim/SimFirmware.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMutex>
#include <QWaitCondition>

class Clock;

// Both supported devices behind the back-end seam: the keyboard and the mouse
// of the factory device list, each with a command and an event interface, in
// front of their firmware models. Faults can be injected. Safe to call from
// the event reader's thread and the GUI thread at once.
//
// Waits: a command-interface read with nothing to deliver sleeps its time-out
// on the given clock (instantly on virtual time); an event-interface read
// waits for real, since only the reader's own thread makes it, and returns
// early when an event is injected, the device is unplugged or
// interruptReads() is called.
class SimulatedHid final : public HidBackend
{
public:
    enum class Device { Keyboard, Mouse };
    enum class Interface { Command, Event };
    enum class Op { Open, SendFeature, GetFeature, Write, Read };

    explicit SimulatedHid(sim::MouseFamily mouseFamily = sim::MouseFamily::F553, Clock* clock = nullptr);
    ~SimulatedHid() override;

    static QByteArray path(Device device, Interface iface);

    // Firmware state, for inspection and set-up; lock mutex() while a reader runs.
    sim::KeyboardFirmware& keyboard() { return m_keyboard.firmware; }
    sim::MouseFirmware& mouse() { return m_mouse.firmware; }
    QMutex& mutex() { return m_mutex; }

    // Scrambled command and reply blocks, for a device record with isEncode.
    void setScrambled(Device device, bool on);
    void plug(Device device);
    // Open handles of the device fail from now on, and so do opens.
    void unplug(Device device);
    bool isPlugged(Device device) const;
    // The n-th call (from 1, counted from now) of `op` on the interface fails.
    void failNthCall(Device device, Op op, int n, Interface iface = Interface::Command);
    // Input reads on the command interface never deliver anything.
    void setInputSilent(Device device, bool silent);
    // The mouse's DPI button: the firmware steps its stage and reports it.
    void pressDpiButton();
    // Queues an arbitrary report on the device's event interface.
    void injectEvent(Device device, const QByteArray& report);
    // Ends every waiting event read now, with no data.
    void interruptReads();

    QList<HidInterfaceInfo> enumerate(quint16 vendorId, quint16 productId) override;
    HidHandle* open(const QByteArray& path) override;
    int setNonblocking(HidHandle* handle, bool nonblocking) override;
    int sendFeatureReport(HidHandle* handle, const uchar* data, std::size_t length) override;
    int getFeatureReport(HidHandle* handle, uchar* data, std::size_t length) override;
    int write(HidHandle* handle, const uchar* data, std::size_t length) override;
    int read(HidHandle* handle, uchar* data, std::size_t length) override;
    int readTimeout(HidHandle* handle, uchar* data, std::size_t length, int timeoutMs) override;
    void close(HidHandle* handle) override;

private:
    struct KeyboardUnit
    {
        sim::KeyboardFirmware firmware;
        bool plugged = true;
        quint64 generation = 0;
        QList<QByteArray> events;
        bool silent = false;
    };
    struct MouseUnit
    {
        explicit MouseUnit(sim::MouseFamily family)
            : firmware(family)
        {
        }
        sim::MouseFirmware firmware;
        bool plugged = true;
        quint64 generation = 0;
        QList<QByteArray> events;
        bool silent = false;
    };
    class SimHandle;

    sim::DeviceFirmware& firmwareOf(Device device);
    bool& pluggedRef(Device device);
    quint64& generationRef(Device device);
    QList<QByteArray>& eventsOf(Device device);
    bool silentOf(Device device);
    // True when the handle's device is still there; false for a stale handle.
    bool alive(const SimHandle* handle);
    // Counts a call; true when this is the call chosen to fail.
    bool injectFailure(Device device, Interface iface, Op op);
    int readLocked(SimHandle* handle, uchar* data, std::size_t length, int timeoutMs);
    static int deliver(const QByteArray& report, uchar* data, std::size_t length);

    mutable QMutex m_mutex;
    QWaitCondition m_eventArrived;
    Clock* m_clock;
    KeyboardUnit m_keyboard;
    MouseUnit m_mouse;
    QHash<int, int> m_failCountdown;
    quint64 m_interrupts = 0;
};
