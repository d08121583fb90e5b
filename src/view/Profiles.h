#pragma once

#include <QCoreApplication>
#include <QString>
#include <QVariant>

class DeviceBlocks;
class DeviceCommands;
class FileDialogs;
class SettingsStore;

// Profile slot files (export, import, reset, copy) and the 560 family's device
// profile blocks. A slot's file is only ever replaced by a whole, readable copy.
class Profiles
{
    Q_DECLARE_TR_FUNCTIONS(Profiles)

public:
    Profiles(SettingsStore& settings, DeviceBlocks& blocks, DeviceCommands& device, FileDialogs& dialogs);

    // Export through the save dialog; false when cancelled or not written.
    bool saveProfile(int profile);
    // Import through the open dialog; false when cancelled or the file can't be read.
    bool loadProfile(int profile);
    bool resetProfile(int profile);
    bool copyProfile(int destprofile, int srcprofile);

    // Copies a slot's file to `target`, replacing what is there.
    bool exportTo(int profile, const QString& target);

    void setProfile(uint profileNo);
    void readProfile(uint profileNo);
    int readCurrentProfile();

private:
    SettingsStore& m_settings;
    DeviceBlocks& m_blocks;
    DeviceCommands& m_device;
    FileDialogs& m_dialogs;
};
