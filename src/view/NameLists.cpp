#include "view/NameLists.h"

#include "devices/IniValues.h"
#include "protocol/DpiSwitchTexts.h"
#include "view/Macros.h"
#include "view/SettingsStore.h"

#include <QFile>
#include <QSettings>

namespace NameLists {

QString filePath()
{
    return QStringLiteral("./modules/setting/name.bin");
}

QString keyForType(const QVariant& type)
{
    bool ok = false;
    const int t = type.toInt(&ok);
    if (!ok)
        return {};
    switch (t) {
    case 0:
        return QStringLiteral("macro/macroName");
    case 1:
        return QStringLiteral("gun/gunName");
    case 2:
        return QStringLiteral("profile/profileName");
    case 3:
        return QStringLiteral("gun/selectGun");
    default:
        return {};
    }
}

bool update(const QVariant& type, QStringList nameList)
{
    const QString key = keyForType(type);
    if (key.isEmpty())
        return true;
    if (nameList.size() == 1)
        nameList.append(QLatin1String(kPadding));
    SettingsFiles::clearStaleLock(filePath());
    QSettings file(filePath(), QSettings::IniFormat);
    if (nameList.isEmpty())
        file.remove(key);
    else
        file.setValue(key, nameList);
    return true;
}

QVariantList get(const QVariant& type)
{
    const QString key = keyForType(type);
    if (key.isEmpty() || !QFile::exists(filePath()))
        return {};
    const QSettings file(filePath(), QSettings::IniFormat);
    const QVariant value = file.value(key);
    // A single stored value is not a list.
    if (value.typeId() != QMetaType::QStringList && value.typeId() != QMetaType::QVariantList)
        return {};
    QVariantList result;
    for (const QVariant& v : value.toList())
        result.append(v.toString());
    return result;
}

QString languagePath(const QString& langCode)
{
    if (!Macros::isSafeName(langCode))
        return {};
    return QStringLiteral("./modules/i18n/") + langCode + QStringLiteral(".ini");
}

QStringList langStrings(const QString& typeStr, const QString& langCode)
{
    const QString path = languagePath(langCode);
    if (path.isEmpty() || !QFile::exists(path))
        return {};
    const QSettings file(path, QSettings::IniFormat);
    // Far more texts than any screen shows; a larger stored count is cut to this.
    constexpr int kMaxTexts = 4096;
    const int total = IniValues::boundedCount(file, typeStr + QStringLiteral("/total"), kMaxTexts,
                                              typeStr);
    QStringList result;
    for (int i = 0; i < total; ++i)
        result.append(file.value(typeStr + QLatin1Char('/') + QString::number(i)).toString());
    if (typeStr == QLatin1String("other"))
        dpitexts::setDpiSwitchTexts(result.mid(0, dpitexts::kCount));
    return result;
}

} // namespace NameLists
