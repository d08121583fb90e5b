#include "view/Macros.h"

#include "devices/IniValues.h"
#include "protocol/DeviceCommands.h"
#include "view/FileDialogs.h"
#include "view/ListValues.h"
#include "view/SettingsStore.h"
#include "view/ViewLog.h"

#include <QFile>
#include <QSettings>

namespace {

constexpr int kButtons = 16;
constexpr int kStoredMacro = 4;
// A timing byte whose low seven bits are all set announces a two-byte delay.
constexpr int kLongDelay = 0x7F;
constexpr int kEndMarkSize = 2;
constexpr int kRepeatSize = 2;
// Far more actions than any recording holds (the device takes fewer than 100
// events); a larger stored count is cut to this.
constexpr int kMaxActions = 4096;
constexpr int kReleaseBit = 0x80;
constexpr int kShortestDelay = 0x01;

QString matrixKey(int k)
{
    return QStringLiteral("mouseKeyMatrix/") + QString::number(k);
}

} // namespace

bool Macros::isSafeName(const QString& name)
{
    // Only what could leave the macro folder or name no file is refused; dots and
    // other punctuation are ordinary characters of a name ("Reload...", "1..3").
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
        && !name.contains(QLatin1Char('/')) && !name.contains(QChar(0));
}

QString Macros::filePath(const QString& name)
{
    if (!isSafeName(name))
        return {};
    return QStringLiteral("./modules/macro/") + name + QStringLiteral(".bin");
}

QByteArray Macros::fitPayload(const QVariantList& macroData, int capacity)
{
    QByteArray buffer(capacity, '\0');
    const int size = static_cast<int>(macroData.size());
    if (size <= capacity) {
        for (int i = 0; i < size; ++i)
            buffer[i] = static_cast<char>(ListValues::byteAt(macroData, i));
        return buffer;
    }
    // Too long: keep the repeat count and every event that still leaves room
    // for the end mark, so the device never sees half an event. The last kept
    // event becomes the macro's last, so it takes the last event's timing: the
    // shortest delay, with the release bit where it was set.
    int lastEvent = -1;
    int pos = kRepeatSize;
    while (pos + 1 < size) {
        const int timing = ListValues::intAt(macroData, pos) & 0xFF;
        if (timing == 0 && (ListValues::intAt(macroData, pos + 1) & 0xFF) == 0)
            break;
        // As the last event it needs only its own pair; its delay pair goes.
        if (pos + 2 + kEndMarkSize > capacity)
            break;
        lastEvent = pos;
        pos += (timing & kLongDelay) == kLongDelay ? 4 : 2;
    }
    const int keep = lastEvent >= 0 ? lastEvent + 2 : kRepeatSize;
    for (int i = 0; i < keep; ++i)
        buffer[i] = static_cast<char>(ListValues::byteAt(macroData, i));
    if (lastEvent >= 0) {
        const int timing = ListValues::intAt(macroData, lastEvent) & 0xFF;
        buffer[lastEvent] = static_cast<char>((timing & kReleaseBit) | kShortestDelay);
    }
    qCWarning(lcView, "A macro of %d bytes was cut to %d bytes to fit the device", size, keep + kEndMarkSize);
    return buffer;
}

Macros::Macros(SettingsStore& settings, DeviceCommands& device, FileDialogs& dialogs)
    : m_settings(settings)
    , m_device(device)
    , m_dialogs(dialogs)
{
}

bool Macros::create(const QString& name, uint macroIndex)
{
    const QString path = filePath(name);
    if (path.isEmpty())
        return false;
    SettingsFiles::clearStaleLock(path);
    QSettings file(path, QSettings::IniFormat);
    file.setValue(QStringLiteral("config/index"), macroIndex);
    file.setValue(QStringLiteral("config/total"), 0);
    file.setValue(QStringLiteral("config/repeat"), 1);
    file.setValue(QStringLiteral("config/did"), -1);
    file.sync();
    return file.status() == QSettings::NoError;
}

bool Macros::save(const QString& name, const QStringList& macros, const QVariant& repeat)
{
    const QString path = filePath(name);
    if (path.isEmpty() || !QFile::exists(path))
        return false;
    SettingsFiles::clearStaleLock(path);
    QSettings file(path, QSettings::IniFormat);
    file.remove(QStringLiteral("macro"));
    file.setValue(QStringLiteral("config/total"), static_cast<int>(macros.size()));
    file.setValue(QStringLiteral("config/repeat"), repeat);
    for (int i = 0; i < macros.size(); ++i)
        file.setValue(QStringLiteral("macro/") + QString::number(i), macros.at(i));
    file.sync();
    return true;
}

QStringList Macros::load(const QString& name) const
{
    const QString path = filePath(name);
    if (path.isEmpty() || !QFile::exists(path))
        return {};
    const QSettings file(path, QSettings::IniFormat);
    const int total = IniValues::boundedCount(file, QStringLiteral("config/total"), kMaxActions,
                                              QStringLiteral("macro"));
    QStringList result;
    for (int i = 0; i < total; ++i)
        result.append(file.value(QStringLiteral("macro/") + QString::number(i), QStringLiteral("0")).toString());
    result.append(QString::number(IniValues::readInt(file, QStringLiteral("config/repeat"), 0)));
    return result;
}

bool Macros::remove(const QString& name)
{
    const QString path = filePath(name);
    return !path.isEmpty() && QFile::remove(path);
}

bool Macros::rename(const QString& oldname, const QString& newname)
{
    const QString from = filePath(oldname);
    const QString to = filePath(newname);
    if (from.isEmpty() || to.isEmpty() || !QFile::exists(from))
        return false;
    const QString group = QStringLiteral("mouseMacroKey");
    for (int slot = 0; slot < kUserProfiles; ++slot) {
        const QStringList keys = m_settings.slotChildKeys(slot, group);
        for (const QString& key : keys) {
            const QString full = group + QLatin1Char('/') + key;
            if (m_settings.slotValue(slot, full).toString() == oldname)
                m_settings.setSlotValue(slot, full, newname);
        }
    }
    return QFile::rename(from, to);
}

void Macros::resetButtonsRunning(const QString& macroName)
{
    // An empty name would match every macro button without a stored name.
    if (macroName.isEmpty())
        return;
    for (int slot = 0; slot < kUserProfiles; ++slot) {
        for (int k = 0; k < kButtons; ++k) {
            const QVariantList entry = m_settings.slotValue(slot, matrixKey(k)).toList();
            if (entry.isEmpty() || ListValues::intAt(entry, 0) != kStoredMacro)
                continue;
            const QString key = QStringLiteral("mouseMacroKey/") + QString::number(ListValues::intAt(entry, 2));
            if (m_settings.slotValue(slot, key).toString() != macroName)
                continue;
            const QVariant factory = m_settings.getData(matrixKey(k), true);
            if (factory.isValid())
                m_settings.setSlotValue(slot, matrixKey(k), factory);
        }
    }
}

bool Macros::importFile(const QString& source, const QString& macroFileName)
{
    const QString target = filePath(macroFileName);
    if (target.isEmpty())
        return false;
    // An existing macro of that name is kept as it is.
    if (QFile::exists(target))
        return true;
    return QFile::copy(source, target);
}

bool Macros::exportFile(const QString& macroFileName, const QString& target)
{
    const QString source = filePath(macroFileName);
    if (source.isEmpty() || target.isEmpty())
        return false;
    return SettingsFiles::replaceWithCopy(target, source);
}

bool Macros::importFrom(const QString& macroFileName)
{
    const QString source = m_dialogs.openFileName(tr("Open File"), tr("Macro(*.mc)"));
    if (source.isEmpty())
        return false;
    return importFile(source, macroFileName);
}

bool Macros::exportTo(const QString& macroFileName)
{
    const QString target = m_dialogs.saveFileName(tr("Save File"), tr("Macro(*.mc)"));
    if (target.isEmpty())
        return false;
    return exportFile(macroFileName, target);
}

void Macros::sendToMouse(const QVariantList& macroData, uint macroIndex)
{
    const uchar slot = static_cast<uchar>(macroIndex & 0xFF);
    if (slot >= kMouseSlots)
        return;
    QByteArray buffer = fitPayload(macroData, kMousePayload);
    auto* bytes = reinterpret_cast<uchar*>(buffer.data());
    if (m_settings.is560())
        m_device.hid560_0FH_SetMacroKey(static_cast<uchar>(slot + 1), bytes);
    else
        m_device.hid553_13H_SetMacroKey(static_cast<uchar>(slot + 1), bytes);
}

void Macros::sendToKeyboard(const QVariantList& macroData, uint macroIndex)
{
    QByteArray buffer = fitPayload(macroData, kKeyboardPayload);
    m_device.keyboard_11H_SetMacroKey(static_cast<uchar>(macroIndex & 0xFF), reinterpret_cast<uchar*>(buffer.data()));
}
