#include "view/Profiles.h"

#include "view/DeviceBlocks.h"
#include "protocol/DeviceCommands.h"
#include "view/FileDialogs.h"
#include "view/SettingsStore.h"

Profiles::Profiles(SettingsStore& settings, DeviceBlocks& blocks, DeviceCommands& device, FileDialogs& dialogs)
    : m_settings(settings)
    , m_blocks(blocks)
    , m_device(device)
    , m_dialogs(dialogs)
{
}

bool Profiles::exportTo(int profile, const QString& target)
{
    if (!SettingsStore::isValidSlot(profile) || target.isEmpty())
        return false;
    // The export must show the slot as the screens last stored it.
    m_settings.flush();
    return SettingsFiles::replaceWithCopy(target, SettingsStore::profilePath(profile));
}

bool Profiles::saveProfile(int profile)
{
    const QString target = m_dialogs.saveFileName(tr("Save File"), tr("Profile(*.pf)"));
    return exportTo(profile, target);
}

bool Profiles::loadProfile(int profile)
{
    const QString source = m_dialogs.openFileName(tr("Open File"), tr("Profile(*.pf)"));
    if (source.isEmpty())
        return false;
    return m_settings.replaceProfile(profile, source);
}

bool Profiles::resetProfile(int profile)
{
    return m_settings.replaceProfile(profile, SettingsStore::factoryProfilePath());
}

bool Profiles::copyProfile(int destprofile, int srcprofile)
{
    if (!SettingsStore::isValidSlot(srcprofile))
        return false;
    if (destprofile == srcprofile)
        return SettingsStore::isValidSlot(destprofile);
    return m_settings.replaceProfile(destprofile, SettingsStore::profilePath(srcprofile));
}

void Profiles::setProfile(uint profileNo)
{
    if (!DeviceBlocks::isValid(static_cast<int>(profileNo)))
        return;
    m_device.hid560_0CH_setProfile(m_blocks.data(static_cast<int>(profileNo)), static_cast<uchar>(profileNo));
}

void Profiles::readProfile(uint profileNo)
{
    if (!DeviceBlocks::isValid(static_cast<int>(profileNo)))
        return;
    m_device.hid560_8CH_readProfile(m_blocks.data(static_cast<int>(profileNo)), static_cast<uchar>(profileNo));
}

int Profiles::readCurrentProfile()
{
    uchar profile = 0;
    m_device.hid560_82H_GetCurrentProfile(profile);
    return profile;
}
