#pragma once

#include "devices/DeviceRecord.h"

#include <QList>
#include <QThread>

#include <atomic>

class Clock;
class HidBackend;
class HidOwner;

// The one object through which the program talks to the served device.
// Its thread is never started: commands run on the caller's (GUI) thread.
class Hid_Thread : public QThread
{
    Q_OBJECT

public:
    explicit Hid_Thread(QObject* parent = nullptr);
    ~Hid_Thread() override;

    void setOwner(HidOwner* owner) { m_owner = owner; }
    HidOwner* owner() const { return m_owner; }
    void setBackend(HidBackend* backend) { m_backend = backend; }
    void setClock(Clock* clock) { m_clock = clock; }

    const QList<DeviceRecord>& devices() const { return m_devices; }
    void setDevices(const QList<DeviceRecord>& devices) { m_devices = devices; }
    int currentDevice() const { return m_currentDevice; }

    // Forces the command channel free (the view's clearHidBusy).
    void setChannelFree() { m_channelFree = true; }

    bool isReaderRunning() const { return m_readerRunning.load(); }
    // Asks the event reader to leave its loop; it notices within one wait.
    void stopReader() { m_readerRunning.store(false); }
    // Blocks until the reader task, if any, has ended.
    void waitForReader();

public Q_SLOTS:
    // Makes `index` the device every command addresses; always true.
    bool chkDeviceIsEnCode(int index);

private:
    HidOwner* m_owner = nullptr;
    HidBackend* m_backend = nullptr;
    Clock* m_clock = nullptr;
    QList<DeviceRecord> m_devices;
    int m_currentDevice = 1;
    bool m_channelFree = true;
    std::atomic_bool m_readerRunning{false};
};
