#pragma once

#include "protocol/HidOwner.h"
#include "protocol/Hid_Thread.h"
#include "protocol/sim/SimulatedHid.h"
#include "protocol/sim/TracingBackend.h"
#include "protocol/sim/VirtualClock.h"

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QStringList>

#include <functional>

inline uchar* bytesOf(QByteArray& b)
{
    return reinterpret_cast<uchar*>(b.data());
}

// One traced call, parsed back from its JSON line.
struct TraceRow
{
    qint64 t = 0;
    QString iface;
    QString op;
    int rc = 0;
    QByteArray data;
};

// Owner stand-in: fixed capability values, and the reader's actions in order
// ("dpi 3", "balloon Info|text|10000", "view 0"); the reader calls from its thread.
class FakeOwner final : public HidOwner
{
public:
    QString type = QStringLiteral("553");
    bool gun = false;

    QString controllerType() const override { return type; }
    bool gunFlag() const override { return gun; }
    void readerSetCurrentDPI(int stage) override { note(QStringLiteral("dpi %1").arg(stage)); }
    void readerShowBalloon(const QString& title, const QString& text, int msecs) override
    {
        note(QStringLiteral("balloon %1|%2|%3").arg(title, text).arg(msecs));
    }
    void readerSetViewEnabled(bool enabled) override { note(QStringLiteral("view %1").arg(int(enabled))); }
    QStringList actions() const
    {
        QMutexLocker lock(&m_mutex);
        return m_actions;
    }

private:
    void note(const QString& action)
    {
        QMutexLocker lock(&m_mutex);
        m_actions << action;
    }
    mutable QMutex m_mutex;
    QStringList m_actions;
};

// Simulated devices on virtual time behind a traced back end, and a protocol
// object that addresses them: record 0 the keyboard, record 1 the mouse.
class ProtocolRig
{
public:
    static constexpr int kKeyboard = 0;
    static constexpr int kMouse = 1;

    explicit ProtocolRig(sim::MouseFamily family = sim::MouseFamily::F553);

    VirtualClock clock;
    SimulatedHid sim;
    TracingBackend trace;
    FakeOwner owner;
    Hid_Thread hid;

    // Selects record `index` and forgets the trace so far.
    void select(int index);
    void edit(int index, const std::function<void(DeviceRecord&)>& change);
    // The rows of these operations, or all rows.
    QList<TraceRow> rows(const QStringList& ops = {}) const;
};

QByteArray hexBytes(const char* spaced);
QByteArray pattern(int length, int seed = 1);
// Splits `payload` into reports of `reportLength` data bytes.
QList<QByteArray> chunks(const QByteArray& payload, int reportLength);
// The command report 0x00 c0..c6 c7, with c7 the block checksum.
QByteArray commandReport(std::initializer_list<int> c);

// Checks a command on the wire: the feature report, 128 ms, each of `reports`
// (zero-padded to reportLength) as an output report followed by 120 ms, then
// 128 ms and the close. Without settling, the close follows the feature report
// at once and the slot returns 8 ms later. Empty when the trace matches, else
// what differs.
QString checkSettledTrain(const ProtocolRig& rig, const QByteArray& feature, const QList<QByteArray>& reports,
                          int reportLength, bool settled = true);
// Runs `work` and returns the messages of `type` it logged, as "category|text".
QStringList logged(QtMsgType type, const std::function<void()>& work);
