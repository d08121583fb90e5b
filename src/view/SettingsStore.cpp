#include "view/SettingsStore.h"

#include "view/ViewLog.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTimer>

Q_LOGGING_CATEGORY(lcView, "quorix.view")

namespace {

std::unique_ptr<QSettings> openIni(const QString& path)
{
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
}

// Gives a value the form it has when read back from the INI file, so a read in this
// session answers what a read after a restart would: numbers and booleans as text,
// lists as lists of text, a one-element list as its single text (Qt 6 would write a
// binary blob instead), an empty list as the invalid value.
QVariant asStored(const QVariant& value)
{
    const int type = value.typeId();
    if (type == QMetaType::QVariantList || type == QMetaType::QStringList) {
        const QStringList texts = value.toStringList();
        if (texts.isEmpty())
            return QVariant();
        if (texts.size() == 1)
            return texts.first();
        return texts;
    }
    if (value.isValid() && value.canConvert<QString>())
        return value.toString();
    return value;
}

} // namespace

namespace SettingsFiles {

bool replaceWithCopy(const QString& target, const QString& source)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        qCWarning(lcView, "Cannot read %s: %s; %s is kept", qPrintable(source),
                  qPrintable(in.errorString()), qPrintable(target));
        return false;
    }
    const QString temp = target + QStringLiteral(".new");
    QFile::remove(temp);
    QFile out(temp);
    const QByteArray bytes = in.readAll();
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.flush()) {
        qCWarning(lcView, "Cannot write %s: %s; %s is kept", qPrintable(temp),
                  qPrintable(out.errorString()), qPrintable(target));
        out.close();
        QFile::remove(temp);
        return false;
    }
    out.close();
    // rename() refuses to overwrite, so the old file goes only once the new one is whole.
    QFile::remove(target);
    if (!QFile::rename(temp, target)) {
        qCWarning(lcView, "Cannot move %s to %s", qPrintable(temp), qPrintable(target));
        return false;
    }
    return true;
}

} // namespace SettingsFiles

SettingsStore::SettingsStore(QObject* parent)
    : QObject(parent)
    , m_global(openIni(globalPath()))
    , m_factory(openIni(factoryProfilePath()))
{
    for (int i = 0; i < kProfileSlots; ++i)
        m_slots[static_cast<size_t>(i)] = openIni(profilePath(i));

    m_colorful = m_global->value(QStringLiteral("mouse/isColorful")).toBool();
    m_gun = m_global->value(QStringLiteral("mouse/isGun")).toBool();
    m_controllerType = m_global->value(QStringLiteral("mouse/icType")).toString();
    m_is55328 = m_global->value(QStringLiteral("mouse/is55328")).toBool();
}

SettingsStore::~SettingsStore()
{
    flush();
}

QString SettingsStore::profilePath(int slot)
{
    return QStringLiteral("./modules/setting/p%1.bin").arg(slot + 1);
}

QString SettingsStore::factoryProfilePath()
{
    return QStringLiteral("./modules/setting/pD.bin");
}

QString SettingsStore::globalPath()
{
    return QStringLiteral("./modules/setting/apConfig.bin");
}

QString SettingsStore::factoryGlobalPath()
{
    return QStringLiteral("./modules/setting/apConfigD.bin");
}

QSettings* SettingsStore::profile(int slot) const
{
    return isValidSlot(slot) ? m_slots[static_cast<size_t>(slot)].get() : nullptr;
}

QVariant SettingsStore::getData(const QString& key, bool isRecovery) const
{
    const QSettings* s = isRecovery ? m_factory.get() : profile(m_current);
    return s ? s->value(key) : QVariant();
}

QVariantList SettingsStore::getDataList(const QString& key, bool isRecovery) const
{
    // Qt 6 would turn a single string into a one-element list; the screens expect a
    // value stored as a single string (a one-element list on disk) to read as none.
    const QVariant v = getData(key, isRecovery);
    const int type = v.typeId();
    return type == QMetaType::QStringList || type == QMetaType::QVariantList ? v.toList() : QVariantList();
}

QVariant SettingsStore::getGlobalData(const QString& key) const
{
    return m_global->value(key);
}

void SettingsStore::setData(const QString& key, const QVariant& data)
{
    if (QSettings* s = profile(m_current)) {
        s->setValue(key, asStored(data));
        markDirty(s);
    }
}

void SettingsStore::setDataList(const QString& key, const QVariantList& list)
{
    setData(key, list);
}

QVariant SettingsStore::slotValue(int slot, const QString& key) const
{
    const QSettings* s = profile(slot);
    return s ? s->value(key) : QVariant();
}

void SettingsStore::setSlotValue(int slot, const QString& key, const QVariant& data)
{
    if (QSettings* s = profile(slot)) {
        s->setValue(key, asStored(data));
        markDirty(s);
    }
}

QStringList SettingsStore::slotChildKeys(int slot, const QString& group) const
{
    QSettings* s = profile(slot);
    if (!s)
        return {};
    s->beginGroup(group);
    const QStringList keys = s->childKeys();
    s->endGroup();
    return keys;
}

void SettingsStore::setGlobalData(const QString& key, const QVariant& data)
{
    m_global->setValue(key, asStored(data));
    markDirty(m_global.get());
}

bool SettingsStore::setCurrentProfile(int slot)
{
    if (!isValidSlot(slot))
        return false;
    m_current = slot;
    return true;
}

bool SettingsStore::resetApconfig()
{
    // Pending writes land first, so they cannot later overwrite the restored file.
    flush();
    const QString name = m_global->fileName();
    m_dirty.remove(m_global.get());
    m_global.reset();
    const bool ok = SettingsFiles::replaceWithCopy(name, factoryGlobalPath());
    m_global = openIni(globalPath());
    return ok;
}

bool SettingsStore::replaceProfile(int slot, const QString& source)
{
    if (!isValidSlot(slot))
        return false;
    flush();
    auto& entry = m_slots[static_cast<size_t>(slot)];
    const QString name = entry->fileName();
    // The source may be another slot's file: read it before this slot is touched.
    m_dirty.remove(entry.get());
    entry.reset();
    const bool ok = SettingsFiles::replaceWithCopy(name, source);
    entry = openIni(name);
    return ok;
}

void SettingsStore::markDirty(QSettings* settings)
{
    m_dirty.insert(settings);
    if (m_flushQueued)
        return;
    m_flushQueued = true;
    // One write per file and event-loop turn, however many keys the screens store.
    QTimer::singleShot(0, this, [this] { flush(); });
}

void SettingsStore::flush()
{
    m_flushQueued = false;
    const QSet<QSettings*> dirty = std::exchange(m_dirty, {});
    for (QSettings* s : dirty) {
        s->sync();
        if (s->status() == QSettings::AccessError)
            qCWarning(lcView, "Cannot write settings file %s: its latest changes are not saved",
                      qPrintable(QFileInfo(s->fileName()).absoluteFilePath()));
    }
}
