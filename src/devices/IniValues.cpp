#include "devices/IniValues.h"

#include <QFileInfo>
#include <QLoggingCategory>
#include <QMutex>
#include <QSet>
#include <QSettings>

#include <algorithm>

Q_LOGGING_CATEGORY(lcSettings, "quorix.settings")

namespace IniValues {

namespace {

QString fileName(const QSettings& file)
{
    return QFileInfo(file.fileName()).fileName();
}

void warnBadValue(const QSettings& file, const QString& key, const QString& text, const QString& used)
{
    warnOnce(QStringLiteral("%1: %2 = \"%3\" is not valid; %4 is used instead")
                 .arg(fileName(file), key, text.left(64), used));
}

} // namespace

void warnOnce(const QString& message)
{
    static QMutex mutex;
    static QSet<QString> said;
    {
        QMutexLocker lock(&mutex);
        if (said.contains(message))
            return;
        said.insert(message);
    }
    qCWarning(lcSettings, "%s", qPrintable(message));
}

bool readBool(const QSettings& file, const QString& key, bool absent)
{
    const QVariant v = file.value(key);
    if (!v.isValid())
        return absent;
    const QString text = v.toString().trimmed();
    if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 || text == QLatin1String("1"))
        return true;
    if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0 || text == QLatin1String("0"))
        return false;
    warnBadValue(file, key, v.toString(), absent ? QStringLiteral("true") : QStringLiteral("false"));
    return absent;
}

int readInt(const QSettings& file, const QString& key, int absent)
{
    const QVariant v = file.value(key);
    if (!v.isValid())
        return absent;
    bool ok = false;
    const int n = v.toString().trimmed().toInt(&ok, 10);
    if (ok)
        return n;
    warnBadValue(file, key, v.toString(), QString::number(absent));
    return absent;
}

int boundedCount(const QSettings& file, const QString& countKey, int limit,
                 const std::function<bool(int)>& exists)
{
    const int stated = readInt(file, countKey, 0);
    const int wanted = qBound(0, stated, limit);
    int present = 0;
    while (present < wanted && exists(present))
        ++present;
    if (present != stated && stated > 0)
        warnOnce(QStringLiteral("%1: %2 says %3, but %4 entries are read (at most %5 exist)")
                     .arg(fileName(file), countKey)
                     .arg(stated)
                     .arg(present)
                     .arg(limit));
    return present;
}

int boundedCount(const QSettings& file, const QString& countKey, int limit, const QString& group)
{
    const QString prefix = group + QLatin1Char('/');
    int end = 0;
    for (const QString& key : file.allKeys()) {
        if (!key.startsWith(prefix))
            continue;
        bool ok = false;
        const int index = QStringView(key).mid(prefix.size()).toInt(&ok);
        if (ok && index >= 0 && index < limit)
            end = std::max(end, index + 1);
    }
    const int stated = readInt(file, countKey, 0);
    const int count = qBound(0, stated, end);
    if (count != stated && stated > 0)
        warnOnce(QStringLiteral("%1: %2 says %3, but %4 entries are read (at most %5 exist)")
                     .arg(fileName(file), countKey)
                     .arg(stated)
                     .arg(count)
                     .arg(limit));
    return count;
}

} // namespace IniValues
