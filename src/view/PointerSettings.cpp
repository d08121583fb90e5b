#include "view/PointerSettings.h"

#include "view/ViewLog.h"

#include <QProcess>
#include <QStandardPaths>

#include <climits>

namespace {

constexpr int kToolTimeoutMs = 3000;
constexpr int kSpeedMiddle = 10;
constexpr qint64 kDoubleClickBaseMs = 900;
constexpr qint64 kDoubleClickStepMs = 70;

constexpr char kWriteTool[] = "kwriteconfig5";
constexpr char kReadTool[] = "kreadconfig5";
constexpr char kInputFile[] = "kcminputrc";
constexpr char kGlobalsFile[] = "kdeglobals";

bool runTool(const QString& program, const QStringList& arguments, QByteArray* output = nullptr)
{
    QProcess tool;
    tool.start(program, arguments);
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
    return runTool(QStringLiteral("gsettings"), {QStringLiteral("writable"), schema, key}, &answer)
        && answer == "true";
}

bool GSettingsTool::set(const QString& schema, const QString& key, const QString& value)
{
    return runTool(QStringLiteral("gsettings"), {QStringLiteral("set"), schema, key, value});
}

bool KConfigTool::isAvailable()
{
    return !QStandardPaths::findExecutable(QLatin1String(kWriteTool)).isEmpty()
        && !QStandardPaths::findExecutable(QLatin1String(kReadTool)).isEmpty();
}

bool KConfigTool::write(const QString& file, const QString& group, const QString& key, const QString& value)
{
    const QStringList where{QStringLiteral("--file"), file, QStringLiteral("--group"), group,
                            QStringLiteral("--key"), key};
    // "--" keeps a negative value from being read as an option.
    if (!runTool(QLatin1String(kWriteTool), where + QStringList{QStringLiteral("--"), value}))
        return false;
    QByteArray stored;
    return runTool(QLatin1String(kReadTool), where, &stored) && QString::fromUtf8(stored) == value;
}

void KConfigTool::notifyMouseSettingsChanged()
{
    // The signal KDE programs listen to for global settings: "settings changed", "mouse".
    runTool(QStringLiteral("dbus-send"),
            {QStringLiteral("--session"), QStringLiteral("--type=signal"), QStringLiteral("/KGlobalSettings"),
             QStringLiteral("org.kde.KGlobalSettings.notifyChange"), QStringLiteral("int32:3"),
             QStringLiteral("int32:0")});
}

int PointerSettings::cursorSpeedValue(uint cursorSpeed)
{
    const qint64 doubled = static_cast<qint64>(cursorSpeed) * 2;
    return doubled == 0 ? 1 : static_cast<int>(qMin<qint64>(doubled, INT_MAX));
}

double PointerSettings::libinputSpeed(int value)
{
    return qBound(-1.0, (value - kSpeedMiddle) / double(kSpeedMiddle), 1.0);
}

qint64 PointerSettings::doubleClickMs(uint speed)
{
    return kDoubleClickBaseMs - kDoubleClickStepMs * static_cast<qint64>(speed);
}

PointerSettings::Desktop PointerSettings::desktop()
{
    if (!m_desktop)
        m_desktop = detect();
    return *m_desktop;
}

PointerSettings::Desktop PointerSettings::detect()
{
    const QStringList names = m_sessionDesktops.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    // GNOME's schemas are often installed under Plasma too, where writing them changes nothing.
    if (names.contains(QStringLiteral("KDE"), Qt::CaseInsensitive) && m_kconfig.isAvailable())
        return Desktop::Plasma;
    if (m_gsettings.isWritable(QLatin1String(kMouseSchema), QStringLiteral("speed"))
        || m_gsettings.isWritable(QLatin1String(kInterfaceSchema), QStringLiteral("double-click")))
        return Desktop::Gnome;
    return Desktop::None;
}

bool PointerSettings::applyGnome(const char* const schemas[], int count, const QString& key, const QString& value)
{
    for (int i = 0; i < count; ++i) {
        const QString schema = QLatin1String(schemas[i]);
        if (m_gsettings.isWritable(schema, key))
            return m_gsettings.set(schema, key, value);
    }
    return false;
}

bool PointerSettings::applyPlasma(const QString& file, const QString& key, const QString& value)
{
    const QString group = file == QLatin1String(kInputFile) ? QStringLiteral("Mouse") : QStringLiteral("KDE");
    if (!m_kconfig.write(file, group, key, value))
        return false;
    m_kconfig.notifyMouseSettingsChanged();
    return true;
}

bool PointerSettings::setCursorSpeed(uint cursorSpeed)
{
    static const char* const schemas[] = {kMouseSchema};
    const QString speed = QString::number(libinputSpeed(cursorSpeedValue(cursorSpeed)));
    bool done = false;
    switch (desktop()) {
    case Desktop::Gnome:
        done = applyGnome(schemas, 1, QStringLiteral("speed"), speed);
        break;
    case Desktop::Plasma:
        done = applyPlasma(QLatin1String(kInputFile), QStringLiteral("XLbInptPointerAcceleration"), speed);
        break;
    case Desktop::None:
        break;
    }
    if (!done)
        qCDebug(lcView, "setCursorSpeed Failed");
    return done;
}

bool PointerSettings::setDoubleClickSpeed(uint speed)
{
    static const char* const schemas[] = {kMouseSchema, kInterfaceSchema};
    const qint64 ms = doubleClickMs(speed);
    bool done = false;
    if (ms > 0) {
        switch (desktop()) {
        case Desktop::Gnome:
            done = applyGnome(schemas, 2, QStringLiteral("double-click"), QString::number(ms));
            break;
        case Desktop::Plasma:
            done = applyPlasma(QLatin1String(kGlobalsFile), QStringLiteral("DoubleClickInterval"), QString::number(ms));
            break;
        case Desktop::None:
            break;
        }
    }
    if (!done)
        qCDebug(lcView, "setDoubleClickSpeed Failed");
    return done;
}

bool PointerSettings::setVerticalScrollLines(uint lines)
{
    const bool done = lines > 0 && desktop() == Desktop::Plasma
        && applyPlasma(QLatin1String(kGlobalsFile), QStringLiteral("WheelScrollLines"), QString::number(lines));
    if (!done)
        qCDebug(lcView, "setVerticalScrollLines Failed");
    return done;
}
