#include "ProtocolRig.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {

DeviceRecord record(int type, quint16 pid, quint16 page, quint16 usage, quint16 page2, quint16 usage2, int length)
{
    const auto device = type == 0 ? SimulatedHid::Device::Keyboard : SimulatedHid::Device::Mouse;
    DeviceRecord r;
    r.type = type;
    r.vid = 0x04d9;
    r.pid = pid;
    r.usagePage = page;
    r.usage = usage;
    r.usagePage2 = page2;
    r.usage2 = usage2;
    r.reportLength = length;
    r.path = QString::fromLatin1(SimulatedHid::path(device, SimulatedHid::Interface::Command));
    r.path2 = QString::fromLatin1(SimulatedHid::path(device, SimulatedHid::Interface::Event));
    return r;
}

QString describe(const char* what, const QByteArray& got, const QByteArray& want)
{
    return QStringLiteral("%1: got %2, want %3")
        .arg(QLatin1String(what), QString::fromLatin1(got.toHex(' ')), QString::fromLatin1(want.toHex(' ')));
}

} // namespace

ProtocolRig::ProtocolRig(sim::MouseFamily family)
    : sim(family, &clock)
    , trace(sim, clock)
{
    hid.setOwner(&owner);
    hid.setBackend(&trace);
    hid.setClock(&clock);
    hid.setDevices({record(0, 0x8008, 0xff01, 0x0001, 0xff02, 0x0001, 64),
                    record(1, 0xa1ee, 0xff00, 0xff00, 0xff01, 0xff01, 32)});
    if (family == sim::MouseFamily::F560)
        owner.type = QStringLiteral("560");
}

void ProtocolRig::select(int index)
{
    hid.chkDeviceIsEnCode(index);
    trace.clear();
}

void ProtocolRig::edit(int index, const std::function<void(DeviceRecord&)>& change)
{
    QList<DeviceRecord> list = hid.devices();
    change(list[index]);
    hid.setDevices(list);
}

QList<TraceRow> ProtocolRig::rows(const QStringList& ops) const
{
    QList<TraceRow> result;
    for (const QString& line : trace.lines()) {
        const QJsonObject o = QJsonDocument::fromJson(line.toUtf8()).object();
        const TraceRow row{o.value(QLatin1String("t")).toInteger(), o.value(QLatin1String("iface")).toString(),
                           o.value(QLatin1String("op")).toString(), o.value(QLatin1String("rc")).toInt(),
                           QByteArray::fromHex(o.value(QLatin1String("data")).toString().toLatin1())};
        if (ops.isEmpty() || ops.contains(row.op))
            result.append(row);
    }
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

QString checkSettledTrain(const ProtocolRig& rig, const QByteArray& feature, const QList<QByteArray>& reports,
                          int reportLength, bool settled)
{
    const QList<TraceRow> sent = rig.rows({QStringLiteral("send-feature"), QStringLiteral("write")});
    const TraceRow last = rig.rows().last();
    if (sent.size() != 1 + reports.size())
        return QStringLiteral("%1 reports sent, want %2").arg(sent.size()).arg(1 + reports.size());
    if (sent[0].op != QLatin1String("send-feature") || sent[0].data != feature)
        return describe("feature report", sent[0].data, feature);
    const qint64 t0 = sent[0].t;
    for (int i = 0; i < reports.size(); ++i) {
        QByteArray want = QByteArray(1, '\0') + reports[i];
        want.resize(reportLength + 1, '\0');
        const TraceRow& row = sent[i + 1];
        if (row.op != QLatin1String("write") || row.data != want || row.rc != want.size())
            return describe("output report", row.data, want);
        if (row.t != t0 + 128 + 120 * i)
            return QStringLiteral("output report %1 at %2 ms, want %3").arg(i).arg(row.t - t0).arg(128 + 120 * i);
    }
    const qint64 closed = settled ? t0 + 128 + 120 * reports.size() + (reports.isEmpty() ? 0 : 128) : t0;
    const qint64 returned = settled ? closed : t0 + 8;
    if (last.op != QLatin1String("close") || last.t != closed || rig.clock.nowMs() != returned)
        return QStringLiteral("%1 at %2 ms, slot returned at %3 ms, want close at %4 and return at %5")
            .arg(last.op)
            .arg(last.t - t0)
            .arg(rig.clock.nowMs() - t0)
            .arg(closed - t0)
            .arg(returned - t0);
    return {};
}

QStringList logged(QtMsgType type, const std::function<void()>& work)
{
    static QtMsgType wanted;
    static QStringList captured;
    wanted = type;
    captured.clear();
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType t, const QMessageLogContext& context, const QString& text) {
            if (t == wanted)
                captured << QString::fromLatin1(context.category) + QLatin1Char('|') + text;
        });
    work();
    qInstallMessageHandler(previous);
    return captured;
}
