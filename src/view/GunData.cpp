#include "view/GunData.h"

#include "protocol/DeviceCommands.h"
#include "view/DeviceBlocks.h"
#include "view/ListValues.h"
#include "view/SettingsStore.h"

#include <QFile>
#include <QSettings>

namespace {

const QString kGroup = QStringLiteral("gunData/");
constexpr int kRecordValues = 6;
constexpr int kRenamedOldName = 6;

using namespace m560::layout;

// An empty key would address the whole group, and removing it would drop every record.
bool isRecordKey(const QString& key)
{
    return !key.isEmpty();
}

} // namespace

GunData::GunData(SettingsStore& settings, DeviceBlocks& blocks, DeviceCommands& device)
    : m_settings(settings)
    , m_blocks(blocks)
    , m_device(device)
{
}

QString GunData::filePath()
{
    return QStringLiteral("./modules/gun/gunData.bin");
}

void GunData::saveRecord(const QString& index, const QVariantList& src6)
{
    if (!QFile::exists(filePath()) || !isRecordKey(index))
        return;
    SettingsFiles::clearStaleLock(filePath());
    QSettings file(filePath(), QSettings::IniFormat);
    file.setValue(kGroup + index, SettingsFiles::storedForm(src6.mid(0, kRecordValues)));
}

void GunData::modify(int modifyType, const QVariantList& src6)
{
    if (!QFile::exists(filePath()) || src6.isEmpty())
        return;
    const QString name = src6.at(0).toString();
    if (!isRecordKey(name))
        return;
    SettingsFiles::clearStaleLock(filePath());
    QSettings file(filePath(), QSettings::IniFormat);
    if (modifyType == 0) {
        file.remove(kGroup + name);
    } else if (modifyType == 1) {
        if (src6.size() > kRenamedOldName) {
            const QString old = src6.at(kRenamedOldName).toString();
            if (isRecordKey(old))
                file.remove(kGroup + old);
        }
        file.setValue(kGroup + name, SettingsFiles::storedForm(src6.mid(1, 5)));
    }
}

QVariantList GunData::record(const QString& name) const
{
    if (!QFile::exists(filePath()) || !isRecordKey(name))
        return {};
    const QSettings file(filePath(), QSettings::IniFormat);
    const QVariant value = file.value(kGroup + name);
    // A record of one value is stored as that value's text.
    if (value.typeId() == QMetaType::QString)
        return {value};
    return value.toList();
}

QStringList GunData::recordKeys() const
{
    if (!QFile::exists(filePath()))
        return {};
    QSettings file(filePath(), QSettings::IniFormat);
    file.beginGroup(QStringLiteral("gunData"));
    return file.childKeys();
}

void GunData::send(int layer, const QVariantList& data)
{
    if (!m_settings.isGun() || layer < 1 || layer > kLayers)
        return;
    const uchar repeat = ListValues::byteAt(data, 0);
    const uchar x = ListValues::byteAt(data, 1);
    const uchar y = ListValues::byteAt(data, 2);
    if (m_settings.is560()) {
        const int n = kFirstGunBlock + layer - 1;
        auto& block = m_blocks.block(n);
        block[kGunMarkerByte] = kGunMarker;
        block[kGunRepeatByte] = repeat;
        block[kGunXByte] = x;
        block[kGunOptionByte] = static_cast<uchar>(block[kGunOptionByte] & ~kGunOffBit);
        block[kGunYByte] = y;
        m_device.hid560_0CH_setProfile(m_blocks.data(n), static_cast<uchar>(n));
        return;
    }
    uchar option1 = 0, option2 = 0, option3 = 0, option4 = 0;
    m_device.hid553_83H_GetKeyboardoption(option1, option2, option3, option4);
    // The third option byte says the mouse counts y the other way round.
    const uchar sentY = option3 != 0 ? static_cast<uchar>(-y) : y;
    m_device.hid553_04H_SetGunData(repeat, x, sentY, static_cast<uchar>(layer - 1));
}

QVariant GunData::xySensitive(const QString& index) const
{
    const QVariant v = m_settings.getData(QStringLiteral("XYSensitive/") + index, false);
    return v.isValid() ? v : QVariant(4);
}

void GunData::setXYSensitive(const QString& index, const QVariant& value)
{
    m_settings.setData(QStringLiteral("XYSensitive/") + index, value);
}

QVariant GunData::selectGun(const QString& index) const
{
    const QVariant v = m_settings.getData(QStringLiteral("selectGun/") + index, false);
    return v.isValid() ? v : QVariant(QString());
}

void GunData::setSelectGun(const QString& index, const QVariant& value)
{
    m_settings.setData(QStringLiteral("selectGun/") + index, value);
}
