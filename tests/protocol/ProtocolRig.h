#pragma once

#include "protocol/Clock.h"
#include "protocol/sim/VirtualClock.h"
#include "protocol/HidOwner.h"
#include "protocol/Hid_Thread.h"
#include "protocol/sim/SimulatedHid.h"
#include "protocol/sim/TracingBackend.h"

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QString>
#include <QStringList>

#include <functional>

// One command slot called with fixed arguments, as a row of a data table.
using DeviceCall = std::function<void(Hid_Thread&)>;
Q_DECLARE_METATYPE(DeviceCall)

inline uchar* bytesOf(QByteArray& b)
{
    return reinterpret_cast<uchar*>(b.data());
}

// One traced call, parsed back from its JSON line.
struct TraceRow
{
    qint64 t = 0;
    QString dev;
    QString iface;
    QString op;
    int rc = 0;
    QByteArray data;
};

// Owner stand-in: fixed capability values, and a record of the reader's actions.
class FakeOwner final : public HidOwner
{
public:
    QString type = QStringLiteral("553");
    bool gun = false;

    QString controllerType() const override { return type; }
    bool gunFlag() const override { return gun; }
    void readerSetCurrentDPI(int stage) override;
    void readerShowBalloon(const QString& title, const QString& text, int msecs) override;
    void readerSetViewEnabled(bool enabled) override;

    QList<int> stages() const;
    QStringList balloons() const; // "title|text|msecs"
    QList<bool> viewEnabled() const;

private:
    mutable QMutex m_mutex;
    QList<int> m_stages;
    QStringList m_balloons;
    QList<bool> m_viewEnabled;
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

    static DeviceRecord keyboardRecord();
    static DeviceRecord mouseRecord();
    // Selects record `index` and forgets the trace so far.
    void select(int index);
    void setEncoded(int index, bool on);
    void setReportLength(int index, int length);
    void clearPath(int index);

    QList<TraceRow> rows() const;
    // Only the rows of these operations.
    QList<TraceRow> rows(const QStringList& ops) const;
};

QByteArray hexBytes(const char* spaced);
QByteArray pattern(int length, int seed = 1);

// Checks a command sent with settling: one feature report with `feature`,
// 128 ms, then each of `reports` (data bytes, zero-padded to reportLength)
// as an output report followed by 120 ms, then 128 ms and the close.
// Returns an empty text when the trace matches, else what differs.
QString checkSettledTrain(const ProtocolRig& rig, const QByteArray& feature, const QList<QByteArray>& reports,
                          int reportLength);
// Checks a command sent without settling: one feature report, closed at once,
// the clock 8 ms on when the slot returned.
QString checkQuickCommand(const ProtocolRig& rig, const QByteArray& feature);
// Checks a reply command: feature report, feature read, close, nothing else.
QString checkReplyCommand(const ProtocolRig& rig, const QByteArray& feature);
// Splits `payload` into reports of `reportLength` data bytes.
QList<QByteArray> chunks(const QByteArray& payload, int reportLength);
// The command report 0x00 c0..c6 c7, with c7 the block checksum.
QByteArray commandReport(std::initializer_list<int> c);
