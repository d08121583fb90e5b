#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QStringList>
#include <QVariant>

class DeviceCommands;
class FileDialogs;
class SettingsStore;

// Macro files under "./modules/macro/", their references in the profiles, their
// import and export, and the device payload sends.
class Macros
{
    Q_DECLARE_TR_FUNCTIONS(Macros)

public:
    static constexpr int kMouseSlots = 12;
    static constexpr int kMousePayload = 128;
    static constexpr int kKeyboardPayload = 192;
    // The screens keep at most six profiles, in slots 0 … 5.
    static constexpr int kUserProfiles = 6;

    // A name becomes part of a path: it must be a plain file name.
    static bool isSafeName(const QString& name);
    // "./modules/macro/" + name + ".bin"; empty for an unsafe name.
    static QString filePath(const QString& name);

    // The payload in a zero-filled buffer of `capacity` bytes. A payload too long
    // for it is cut after the last whole event that leaves room for the end mark.
    static QByteArray fitPayload(const QVariantList& macroData, int capacity);

    Macros(SettingsStore& settings, DeviceCommands& device, FileDialogs& dialogs);

    bool create(const QString& name, uint macroIndex);
    bool save(const QString& name, const QStringList& macros, const QVariant& repeat);
    QStringList load(const QString& name) const;
    bool remove(const QString& name);
    bool rename(const QString& oldname, const QString& newname);
    void resetButtonsRunning(const QString& macroName);

    bool importFrom(const QString& macroFileName);
    bool exportTo(const QString& macroFileName);
    bool importFile(const QString& source, const QString& macroFileName);
    bool exportFile(const QString& macroFileName, const QString& target);

    void sendToMouse(const QVariantList& macroData, uint macroIndex);
    void sendToKeyboard(const QVariantList& macroData, uint macroIndex);

private:
    SettingsStore& m_settings;
    DeviceCommands& m_device;
    FileDialogs& m_dialogs;
};
