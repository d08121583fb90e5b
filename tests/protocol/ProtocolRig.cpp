#include "ProtocolRig.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QMutexLocker>

void FakeOwner::readerSetCurrentDPI(int stage)
{
    QMutexLocker lock(&m_mutex);
    m_stages.append(stage);
}

void FakeOwner::readerShowBalloon(const QString& title, const QString& text, int msecs)
{
    QMutexLocker lock(&m_mutex);
    m_balloons.append(title + QLatin1Char('|') + text + QLatin1Char('|') + QString::number(msecs));
}

void FakeOwner::readerSetViewEnabled(bool enabled)
{
    QMutexLocker lock(&m_mutex);
    m_viewEnabled.append(enabled);
}

QList<int> FakeOwner::stages() const
{
    QMutexLocker lock(&m_mutex);
    return m_stages;
}

QStringList FakeOwner::balloons() const
{
    QMutexLocker lock(&m_mutex);
    return m_balloons;
}

QList<bool> FakeOwner::viewEnabled() const
{
    QMutexLocker lock(&m_mutex);
    return m_viewEnabled;
}

ProtocolRig::ProtocolRig(sim::MouseFamily family)
    : sim(family, &clock)
    , trace(sim, clock)
{
    hid.setOwner(&owner);
    hid.setBackend(&trace);
    hid.setClock(&clock);
    hid.setDevices({keyboardRecord(), mouseRecord()});
    if (family == sim::MouseFamily::F560)
        owner.type = QStringLiteral("560");
}

DeviceRecord ProtocolRig::keyboardRecord()
{
    DeviceRecord r;
    r.type = 0;
    r.vid = 0x04d9;
    r.pid = 0x8008;
    r.usagePage = 0xff01;
    r.usage = 0x0001;
    r.usagePage2 = 0xff02;
    r.usage2 = 0x0001;
    r.reportLength = 64;
    r.path = QString::fromLatin1(SimulatedHid::path(SimulatedHid::Device::Keyboard, SimulatedHid::Interface::Command));
    r.path2 = QString::fromLatin1(SimulatedHid::path(SimulatedHid::Device::Keyboard, SimulatedHid::Interface::Event));
    return r;
}

DeviceRecord ProtocolRig::mouseRecord()
{
    DeviceRecord r;
    r.type = 1;
    r.vid = 0x04d9;
    r.pid = 0xa1ee;
    r.usagePage = 0xff00;
    r.usage = 0xff00;
    r.usagePage2 = 0xff01;
    r.usage2 = 0xff01;
    r.reportLength = 32;
    r.path = QString::fromLatin1(SimulatedHid::path(SimulatedHid::Device::Mouse, SimulatedHid::Interface::Command));
    r.path2 = QString::fromLatin1(SimulatedHid::path(SimulatedHid::Device::Mouse, SimulatedHid::Interface::Event));
    return r;
}

void ProtocolRig::select(int index)
{
    hid.chkDeviceIsEnCode(index);
    trace.clear();
}

void ProtocolRig::setEncoded(int index, bool on)
{
    QList<DeviceRecord> list = hid.devices();
    list[index].isEncode = on;
    hid.setDevices(list);
    sim.setScrambled(index == kKeyboard ? SimulatedHid::Device::Keyboard : SimulatedHid::Device::Mouse, on);
}

void ProtocolRig::setReportLength(int index, int length)
{
    QList<DeviceRecord> list = hid.devices();
    list[index].reportLength = length;
    hid.setDevices(list);
}

void ProtocolRig::clearPath(int index)
{
    QList<DeviceRecord> list = hid.devices();
    list[index].path.clear();
    hid.setDevices(list);
}

QList<TraceRow> ProtocolRig::rows() const
{
    QList<TraceRow> result;
    for (const QString& line : trace.lines()) {
        const QJsonObject o = QJsonDocument::fromJson(line.toUtf8()).object();
        TraceRow row;
        row.t = o.value(QLatin1String("t")).toInteger();
        row.dev = o.value(QLatin1String("dev")).toString();
        row.iface = o.value(QLatin1String("iface")).toString();
        row.op = o.value(QLatin1String("op")).toString();
        row.rc = o.value(QLatin1String("rc")).toInt();
        row.data = QByteArray::fromHex(o.value(QLatin1String("data")).toString().toLatin1());
        result.append(row);
    }
    return result;
}

QList<TraceRow> ProtocolRig::rows(const QStringList& ops) const
{
    QList<TraceRow> result;
    for (const TraceRow& row : rows())
        if (ops.contains(row.op))
            result.append(row);
    return result;
}

QByteArray hexBytes(const char* spaced)
{
    return QByteArray::fromHex(QByteArray(spaced));
}

QByteArray pattern(int length, int seed)
{
    QByteArray b(length, '\0');
    for (int i = 0; i < length; ++i)
        b[i] = static_cast<char>((i * 7 + seed * 13 + 1) & 0xff);
    return b;
}

namespace {

QString describe(const char* what, const QByteArray& got, const QByteArray& want)
{
    return QStringLiteral("%1: got %2, want %3")
        .arg(QLatin1String(what), QString::fromLatin1(got.toHex(' ')), QString::fromLatin1(want.toHex(' ')));
}

} // namespace

QString checkSettledTrain(const ProtocolRig& rig, const QByteArray& feature, const QList<QByteArray>& reports,
                          int reportLength)
{
    const QList<TraceRow> sent = rig.rows({QStringLiteral("send-feature"), QStringLiteral("write")});
    const QList<TraceRow> all = rig.rows();
    if (sent.size() != 1 + reports.size())
        return QStringLiteral("%1 reports sent, want %2").arg(sent.size()).arg(1 + reports.size());
    if (sent[0].op != QLatin1String("send-feature") || sent[0].data != feature)
        return describe("feature report", sent[0].data, feature);
    const qint64 t0 = sent[0].t;
    for (int i = 0; i < reports.size(); ++i) {
        QByteArray want = QByteArray(1, '\0') + reports[i];
        want.resize(reportLength + 1, '\0');
        const TraceRow& row = sent[i + 1];
        if (row.op != QLatin1String("write") || row.data != want)
            return describe("output report", row.data, want);
        if (row.rc != want.size())
            return QStringLiteral("output report %1 rc %2").arg(i).arg(row.rc);
        if (row.t != t0 + 128 + 120 * i)
            return QStringLiteral("output report %1 at %2 ms, want %3").arg(i).arg(row.t - t0).arg(128 + 120 * i);
    }
    const qint64 end = t0 + 128 + 120 * reports.size() + (reports.isEmpty() ? 0 : 128);
    if (all.last().op != QLatin1String("close") || all.last().t != end)
        return QStringLiteral("last call %1 at %2 ms, want close at %3")
            .arg(all.last().op)
            .arg(all.last().t - t0)
            .arg(end - t0);
    if (rig.clock.nowMs() != end)
        return QStringLiteral("slot returned at %1 ms, want %2").arg(rig.clock.nowMs() - t0).arg(end - t0);
    return {};
}

QString checkQuickCommand(const ProtocolRig& rig, const QByteArray& feature)
{
    const QList<TraceRow> sent = rig.rows({QStringLiteral("send-feature"), QStringLiteral("write")});
    const QList<TraceRow> all = rig.rows();
    if (sent.size() != 1)
        return QStringLiteral("%1 reports sent, want 1").arg(sent.size());
    if (sent[0].data != feature)
        return describe("feature report", sent[0].data, feature);
    if (all.last().op != QLatin1String("close") || all.last().t != sent[0].t)
        return QStringLiteral("interface not closed right after the feature report");
    if (rig.clock.nowMs() != sent[0].t + 8)
        return QStringLiteral("slot returned %1 ms after the report, want 8").arg(rig.clock.nowMs() - sent[0].t);
    return {};
}

QString checkReplyCommand(const ProtocolRig& rig, const QByteArray& feature)
{
    QStringList ops;
    for (const TraceRow& row : rig.rows())
        if (row.op != QLatin1String("open") && row.op != QLatin1String("close"))
            ops << row.op;
    if (ops != QStringList{QStringLiteral("send-feature"), QStringLiteral("get-feature")})
        return QStringLiteral("calls: %1").arg(ops.join(QLatin1Char(',')));
    const QByteArray got = rig.rows({QStringLiteral("send-feature")}).first().data;
    if (got != feature)
        return describe("feature report", got, feature);
    if (rig.rows().last().op != QLatin1String("close"))
        return QStringLiteral("interface left open");
    return {};
}

QList<QByteArray> chunks(const QByteArray& payload, int reportLength)
{
    QList<QByteArray> result;
    for (int i = 0; i < payload.size(); i += reportLength)
        result.append(payload.mid(i, reportLength));
    return result;
}

QByteArray commandReport(std::initializer_list<int> c)
{
    QByteArray report(9, '\0');
    int i = 1;
    unsigned sum = 0;
    for (int v : c) {
        report[i++] = static_cast<char>(v);
        sum += static_cast<unsigned>(v);
    }
    report[8] = static_cast<char>(~sum & 0xff);
    return report;
}
