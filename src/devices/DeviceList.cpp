#include "devices/DeviceList.h"

#include "devices/IniValues.h"

#include <QSettings>

namespace {

// Values may arrive as text or, after a round trip through QSettings, as lists;
// toString() gives what the file holds for the single values the list uses.
qint64 hexValue(const QSettings& s, const QString& key, qint64 absent)
{
    const QVariant v = s.value(key);
    if (!v.isValid())
        return absent;
    bool ok = false;
    const qint64 n = v.toString().toLongLong(&ok, 16);
    return ok ? n : 0;
}

} // namespace

namespace DeviceList {

QList<DeviceRecord> read(const QString& path)
{
    QList<DeviceRecord> list;
    const QSettings s(path, QSettings::IniFormat);
    // The count is the file's word only as far as its groups go: detection reads
    // the list on every pass, so a lying count must not cost time or memory.
    const QStringList groups = s.childGroups();
    const int count = IniValues::boundedCount(s, QStringLiteral("common/deviceCount"), kMaxDevices,
                                              [&](int i) { return groups.contains(QString::number(i)); });
    for (int i = 0; i < count; ++i) {
        const QString g = QString::number(i) + QLatin1Char('/');
        DeviceRecord r;
        r.type = static_cast<qint32>(hexValue(s, g + QStringLiteral("type"), -1));
        r.vid = static_cast<quint16>(hexValue(s, g + QStringLiteral("vid"), 0));
        r.pid = static_cast<quint16>(hexValue(s, g + QStringLiteral("pid"), 0));
        r.usagePage = static_cast<quint16>(hexValue(s, g + QStringLiteral("usagePage"), 0));
        r.usage = static_cast<quint16>(hexValue(s, g + QStringLiteral("usage"), 0));
        r.usagePage2 = static_cast<quint16>(hexValue(s, g + QStringLiteral("usagePage2"), 0));
        r.usage2 = static_cast<quint16>(hexValue(s, g + QStringLiteral("usage2"), 0));
        r.reportLength = IniValues::readInt(s, g + QStringLiteral("reportLength"), 32);
        r.isEncode = IniValues::readBool(s, g + QStringLiteral("isEncode"), false);
        if (!r.hasValidReportLength())
            IniValues::warnOnce(QStringLiteral("Device list entry %1: reportLength %2 is not a report length "
                                               "(1 to %3); the device is not served")
                                    .arg(i)
                                    .arg(r.reportLength)
                                    .arg(DeviceRecord::kMaxReportLength));
        r.sCode = s.value(g + QStringLiteral("sCode"), QStringLiteral("418263")).toString();
        list.append(r);
    }
    return list;
}

QString readTitle(const QString& path)
{
    const QSettings s(path, QSettings::IniFormat);
    return s.value(QStringLiteral("common/name")).toString();
}

} // namespace DeviceList
