#pragma once

#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <array>
#include <memory>

class QSettings;

// The user's settings: the global file, the factory profile and the ten profile
// slots, kept open for the life of the view. Values behave exactly as QSettings
// stores them in INI files (a one-element list reads back as a single string, an
// empty list as an invalid value), because the screens rely on that.
//
// All paths are relative to the data root, which is the working directory.
class SettingsStore : public QObject
{
    Q_OBJECT

public:
    static constexpr int kProfileSlots = 10;

    explicit SettingsStore(QObject* parent = nullptr);
    ~SettingsStore() override;

    // Capability flags, read once at construction; later file changes don't count.
    bool isColorful() const { return m_colorful; }
    bool isGun() const { return m_gun; }
    QString controllerType() const { return m_controllerType; }
    bool is55328() const { return m_is55328; }
    bool is560() const { return m_controllerType == QLatin1String("560"); }

    QVariant getData(const QString& key, bool isRecovery) const;
    QVariantList getDataList(const QString& key, bool isRecovery) const;
    QVariant getGlobalData(const QString& key) const;
    void setData(const QString& key, const QVariant& data);
    void setDataList(const QString& key, const QVariantList& list);
    void setGlobalData(const QString& key, const QVariant& data);

    // The same for a given slot instead of the current one; no effect and an
    // invalid value for a slot outside 0 … 9.
    QVariant slotValue(int slot, const QString& key) const;
    void setSlotValue(int slot, const QString& key, const QVariant& data);
    QStringList slotChildKeys(int slot, const QString& group) const;

    // Restores the global file from its factory copy. When the factory copy cannot
    // be read the current file is kept and false is returned.
    bool resetApconfig();

    int currentProfile() const { return m_current; }
    // Slots outside 0 … 9 leave the current slot unchanged and return false.
    bool setCurrentProfile(int slot);

    static bool isValidSlot(int slot) { return slot >= 0 && slot < kProfileSlots; }
    static QString profilePath(int slot);
    static QString factoryProfilePath();
    static QString globalPath();
    static QString factoryGlobalPath();

    QSettings* profile(int slot) const;
    QSettings* factoryProfile() const { return m_factory.get(); }
    QSettings* global() const { return m_global.get(); }

    // Replaces a slot's file with a copy of `source` and reopens the slot. The old
    // file is kept when the source cannot be read or copied; returns success.
    bool replaceProfile(int slot, const QString& source);

    // Writes every pending change to disk now, logging files that cannot be written.
    void flush();

private:
    void markDirty(QSettings* settings);

    bool m_colorful = false;
    bool m_gun = false;
    QString m_controllerType;
    bool m_is55328 = false;

    std::unique_ptr<QSettings> m_global;
    std::unique_ptr<QSettings> m_factory;
    std::array<std::unique_ptr<QSettings>, kProfileSlots> m_slots;
    int m_current = 0;

    QSet<QSettings*> m_dirty;
    bool m_flushQueued = false;
};

namespace SettingsFiles {
// Replaces `target` by a copy of `source` without ever leaving `target` absent or
// half-written, even when the process dies midway: the copy goes to a fresh file
// in the same folder, reaches the disk, and is renamed over `target`. False (and
// `target` untouched) when `source` can't be copied.
bool replaceWithCopy(const QString& target, const QString& source);

// The form a value has when read back from an INI file: numbers and booleans as
// text, lists as lists of text, a one-element list as its single text, an empty
// list as the invalid value. Stored in this form, a value reads the same in this
// session as after a restart.
QVariant storedForm(const QVariant& value);

// A settings file's lock left by a process that died (an empty lock cannot name
// its owner) is removed, waiting at most kStaleLockMs; a live owner's lock stays.
// Called before each write, so a crash never stalls the next save for long.
inline constexpr int kStaleLockMs = 1000;
void clearStaleLock(const QString& settingsPath);

// Fault injection for crash tests: called with "write", "sync", "rename" and
// "dirsync" just before each of those steps of a replacement.
using StepHook = void (*)(const char* step);
void setStepHook(StepHook hook);
} // namespace SettingsFiles
