#pragma once

#include <QStringList>
#include <QVariant>

class DeviceBlocks;
class DeviceCommands;
class SettingsStore;

// The library of named recoil records in "./modules/gun/gunData.bin", the
// per-profile gun values, and the send of one gun layer's data.
class GunData
{
public:
    static constexpr int kLayers = 3;

    GunData(SettingsStore& settings, DeviceBlocks& blocks, DeviceCommands& device);

    static QString filePath();

    void saveRecord(const QString& index, const QVariantList& src6);
    void modify(int modifyType, const QVariantList& src6);
    QVariantList record(const QString& name) const;
    QStringList recordKeys() const;

    void send(int layer, const QVariantList& data);

    QVariant xySensitive(const QString& index) const;
    void setXYSensitive(const QString& index, const QVariant& value);
    QVariant selectGun(const QString& index) const;
    void setSelectGun(const QString& index, const QVariant& value);

private:
    SettingsStore& m_settings;
    DeviceBlocks& m_blocks;
    DeviceCommands& m_device;
};
