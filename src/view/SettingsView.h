#pragma once

#include "protocol/DeviceCommands.h"
#include "view/DeviceBlocks.h"

#include <QObject>
#include <QStringList>
#include <QVariant>

#include <memory>

class FileDialogs;
class GunData;
class Macros;
class Profiles;
class SettingsStore;

// The slots of `ui_View` that touch only the data root: settings, name lists and
// language strings, macro, profile and gun-data files. Same names and signatures
// as the view's, on the same logic classes, with no device (none of them sends
// anything) and no window: what quorixctl calls without loading the screens.
// Values come as plain variants here; the screens' script values are the view's
// business.
class SettingsView : public QObject
{
    Q_OBJECT

public:
    explicit SettingsView(FileDialogs& dialogs, QObject* parent = nullptr);
    ~SettingsView() override;

    SettingsStore& settings() const { return *m_settings; }

    // The slots that ask the user for a file through the dialogs.
    static QStringList slotsAskingForFiles();

public Q_SLOTS:
    void resetApconfig();
    bool loadMacroFile(QVariant macroFileName);
    void saveMacroFile(QVariant macroFileName);
    bool loadProfile(int profile);
    void saveProfile(int profile);
    void resetProfile(int profile);
    void copyProfile(int destprofile, int srcprofile);
    QStringList getLangStrings(QString typeStr, QString langCode);
    QVariant createMacroIni(QVariant name, QVariant macroIndex);
    QVariant updataNameList(QVariant type, QStringList nameList);
    QVariant modifyMacroNameUpdateProfile(QVariant oldname, QVariant newname);
    void deleteMacroUpdateProfile(QVariant macroName);
    QVariant deleteMacroIni(QVariant name);
    QVariantList getNameList(QVariant type);
    QVariant saveMacroIni(QVariant name, QStringList macros, QVariant repeat);
    QStringList loadMacroIni(QVariant name);
    void mouseSaveGundata(QVariant index, QVariantList src6);
    void modifyGundata(QVariant modifyType, QVariantList src6);
    QVariantList getGunData(QVariant name);
    QStringList getGunDataKey();
    QVariant getXYSensitive(QVariant index);
    QVariant getselectGun(QVariant index);
    void setXYSensitive(QVariant index, QVariant xyData);
    void setSelectGun(QVariant index, QVariant xyData);
    void setCurrentProfile(int profile);
    void openUpdateExe();
    QVariant getData(QVariant key, bool isRecovery);
    QVariant getGlobalData(QVariant key);
    QVariantList getDataList(QVariant key, bool isRecovery);
    void setData(QVariant key, QVariant data);
    void setGlobalData(QVariant key, QVariant tmpdata);
    void setDataList(QVariant key, QVariantList datalist);

private:
    SettingsStore* m_settings;
    DeviceBlocks m_blocks;
    DeviceCommands m_noDevice;
    std::unique_ptr<Profiles> m_profiles;
    std::unique_ptr<Macros> m_macros;
    std::unique_ptr<GunData> m_guns;
};
