#include "view/SettingsStore.h"

#include "devices/IniValues.h"
#include "view/ViewLog.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QTimer>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

Q_LOGGING_CATEGORY(lcView, "quorix.view")

namespace {

std::unique_ptr<QSettings> openIni(const QString& path)
{
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
}

} // namespace

namespace SettingsFiles {

// Lists of text are written as text by QSettings; anything else it would write
// as a binary "@Variant" blob that reads back as another type.
QVariant storedForm(const QVariant& value)
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

void clearStaleLock(const QString& settingsPath)
{
    const QString lockPath = QFileInfo(settingsPath).absoluteFilePath() + QStringLiteral(".lock");
    if (!QFileInfo::exists(lockPath))
        return;
    // QSettings would wait until an empty lock is 30 s old, since it cannot tell
    // its owner; by then a crashed owner has long been gone.
    QLockFile lock(lockPath);
    lock.setStaleLockTime(kStaleLockMs);
    if (lock.tryLock(kStaleLockMs))
        lock.unlock();
}

namespace {

StepHook g_stepHook = nullptr;

void step(const char* name)
{
    if (g_stepHook)
        g_stepHook(name);
}

bool writeAll(int fd, const QByteArray& bytes)
{
    const char* p = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, static_cast<size_t>(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        p += n;
        left -= n;
    }
    return true;
}

// The rename is durable only once the folder's entry is on disk too.
void syncFolder(const QByteArray& folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

void setStepHook(StepHook hook)
{
    g_stepHook = hook;
}

bool replaceWithCopy(const QString& target, const QString& source)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        qCWarning(lcView, "Cannot read %s: %s; %s is kept", qPrintable(source),
                  qPrintable(in.errorString()), qPrintable(target));
        return false;
    }
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError) {
        qCWarning(lcView, "Cannot read %s: %s; %s is kept", qPrintable(source),
                  qPrintable(in.errorString()), qPrintable(target));
        return false;
    }
    in.close();

    // A name of our own in the target's folder: nothing that is already there is
    // ever touched, and the final rename stays on one file system.
    const QFileInfo info(target);
    const QByteArray folder = QFile::encodeName(info.absolutePath());
    QByteArray temp = folder + "/." + QFile::encodeName(info.fileName()) + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        qCWarning(lcView, "Cannot write in %s: %s; %s is kept", folder.constData(), std::strerror(errno),
                  qPrintable(target));
        return false;
    }
    // The copy gets the permissions the target has, or a new file's usual ones.
    struct stat st = {};
    if (::stat(QFile::encodeName(target).constData(), &st) == 0) {
        ::fchmod(fd, st.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }
    step("write");
    bool ok = writeAll(fd, bytes);
    step("sync");
    ok = ::fsync(fd) == 0 && ok;
    ok = ::close(fd) == 0 && ok;
    if (!ok) {
        qCWarning(lcView, "Cannot write %s: %s; %s is kept", temp.constData(), std::strerror(errno),
                  qPrintable(target));
        ::unlink(temp.constData());
        return false;
    }
    step("rename");
    // rename() replaces the target in one step: a reader sees the old file or the new one.
    if (::rename(temp.constData(), QFile::encodeName(target).constData()) != 0) {
        qCWarning(lcView, "Cannot move %s to %s: %s", temp.constData(), qPrintable(target), std::strerror(errno));
        ::unlink(temp.constData());
        return false;
    }
    step("dirsync");
    syncFolder(folder);
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

    m_colorful = IniValues::readBool(*m_global, QStringLiteral("mouse/isColorful"), false);
    m_gun = IniValues::readBool(*m_global, QStringLiteral("mouse/isGun"), false);
    m_controllerType = m_global->value(QStringLiteral("mouse/icType")).toString();
    m_is55328 = IniValues::readBool(*m_global, QStringLiteral("mouse/is55328"), false);
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
        s->setValue(key, SettingsFiles::storedForm(data));
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
        s->setValue(key, SettingsFiles::storedForm(data));
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
    m_global->setValue(key, SettingsFiles::storedForm(data));
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
        SettingsFiles::clearStaleLock(s->fileName());
        s->sync();
        if (s->status() == QSettings::AccessError)
            qCWarning(lcView, "Cannot write settings file %s: its latest changes are not saved",
                      qPrintable(QFileInfo(s->fileName()).absoluteFilePath()));
    }
}
