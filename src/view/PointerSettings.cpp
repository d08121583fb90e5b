#include "view/PointerSettings.h"

#include "view/ViewLog.h"

#include <QProcess>

#include <climits>

namespace {

constexpr int kToolTimeoutMs = 3000;
constexpr int kSpeedMiddle = 10;
constexpr qint64 kDoubleClickBaseMs = 900;
constexpr qint64 kDoubleClickStepMs = 70;

bool runTool(const QStringList& arguments, QByteArray* output = nullptr)
{
    QProcess tool;
    tool.start(QStringLiteral("gsettings"), arguments);
    if (!tool.waitForStarted(kToolTimeoutMs))
        return false;
    if (!tool.waitForFinished(kToolTimeoutMs)) {
        tool.kill();
        tool.waitForFinished();
        return false;
    }
    if (output)
        *output = tool.readAllStandardOutput().trimmed();
    return tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
}

} // namespace

bool GSettingsTool::isWritable(const QString& schema, const QString& key)
{
    QByteArray answer;
    return runTool({QStringLiteral("writable"), schema, key}, &answer) && answer == "true";
}

bool GSettingsTool::set(const QString& schema, const QString& key, const QString& value)
{
    return runTool({QStringLiteral("set"), schema, key, value});
}

int PointerSettings::cursorSpeedValue(uint cursorSpeed)
{
    const qint64 doubled = static_cast<qint64>(cursorSpeed) * 2;
    return doubled == 0 ? 1 : static_cast<int>(qMin<qint64>(doubled, INT_MAX));
}

double PointerSettings::gnomeSpeed(int value)
{
    return qBound(-1.0, (value - kSpeedMiddle) / double(kSpeedMiddle), 1.0);
}

qint64 PointerSettings::doubleClickMs(uint speed)
{
    return kDoubleClickBaseMs - kDoubleClickStepMs * static_cast<qint64>(speed);
}

bool PointerSettings::apply(const char* const schemas[], int count, const QString& key, const QString& value)
{
    for (int i = 0; i < count; ++i) {
        const QString schema = QLatin1String(schemas[i]);
        if (m_backend.isWritable(schema, key))
            return m_backend.set(schema, key, value);
    }
    return false;
}

bool PointerSettings::setCursorSpeed(uint cursorSpeed)
{
    static const char* const schemas[] = {kMouseSchema};
    const double speed = gnomeSpeed(cursorSpeedValue(cursorSpeed));
    if (apply(schemas, 1, QStringLiteral("speed"), QString::number(speed)))
        return true;
    qCDebug(lcView, "setCursorSpeed Failed");
    return false;
}

bool PointerSettings::setDoubleClickSpeed(uint speed)
{
    static const char* const schemas[] = {kMouseSchema, kInterfaceSchema};
    const qint64 ms = doubleClickMs(speed);
    if (ms > 0 && apply(schemas, 2, QStringLiteral("double-click"), QString::number(ms)))
        return true;
    qCDebug(lcView, "setDoubleClickSpeed Failed");
    return false;
}

bool PointerSettings::setVerticalScrollLines(uint lines)
{
    Q_UNUSED(lines)
    qCDebug(lcView, "setVerticalScrollLines Failed");
    return false;
}
