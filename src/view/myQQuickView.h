#pragma once

#include "protocol/DeviceCommands.h"

#include <QQuickWidget>
#include <QStringList>
#include <QVariant>

#include <memory>

class DeviceBlocks;
class DeviceSettings;
class FileDialogs;
class GSettingsBackend;
class GunData;
class KConfigBackend;
class Hid_Thread;
class KeyAssignment;
class Macros;
class PointerSettings;
class Profiles;
class SettingsStore;

// The view that shows the screens and the one object (`ui_View`) through which
// they reach settings, profiles, macros and the device. Slots stay thin: the
// logic lives in small classes the tests drive without a window.
class myQQuickView : public QQuickWidget
{
    Q_OBJECT

public:
    explicit myQQuickView(QWidget* parent = nullptr);
    ~myQQuickView() override;

    void setHid(Hid_Thread* hid);
    Hid_Thread* hid() const;
    SettingsStore& settings() const { return *m_settings; }
    DeviceBlocks& deviceBlocks() const { return *m_blocks; }

    // Seams for tests: where files are picked and where pointer settings go.
    // The view does not take ownership; null restores the defaults.
    void setFileDialogs(FileDialogs* dialogs);
    // The slots that ask the user for a file through those dialogs.
    static QStringList slotsAskingForFiles();
    // `sessionDesktops` as in XDG_CURRENT_DESKTOP, from which the desktop is told.
    void setPointerBackends(GSettingsBackend* gsettings, KConfigBackend* kconfig, const QString& sessionDesktops);
    // A session that is GNOME or nothing.
    void setGSettingsBackend(GSettingsBackend* backend) { setPointerBackends(backend, nullptr, QString()); }

    // Key and button events of the input capture, queued to the root item.
    void detectKeyboard(bool isDown, int usage);
    void detectMouse(bool isDown, int button, int x, int y);

public Q_SLOTS:
    void clearHidBusy();
    void initUI();
    void runUI();
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
    QVariant keyboardSendMacroData(QVariantList macroData, QVariant macroIndex);
    QVariant mouseSendMacroData(QVariantList macroData, QVariant macroIndex);
    QStringList loadMacroIni(QVariant name);
    void mouseSaveGundata(QVariant index, QVariantList src6);
    void mouseSendGundata(int, QVariantList);
    void modifyGundata(QVariant modifyType, QVariantList src6);
    QVariantList getGunData(QVariant name);
    QStringList getGunDataKey();
    QVariant getXYSensitive(QVariant index);
    QVariant getselectGun(QVariant index);
    void setXYSensitive(QVariant index, QVariant xyData);
    void setSelectGun(QVariant index, QVariant xyData);
    void setCurrentProfile(int profile);
    void mouseSetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4);
    void mouseSetReportRate(uchar rate);
    void mouseSetCurrentDPI(uchar currentDPI);
    void mouseResetKeyMatrix();
    QVariant mouseGetCurrentDPI();
    void keyboardLEDPicture(int pictureIndex, bool isRecovery);
    void mouseSetKeyMatrix(QVariantList src64, bool isSendData, QVariantList otherParam);
    void keyboardSetKeyMatrix(bool isRecovery);
    void mouseSetDpi(int dpiCount, QString sensorType, QVariantList dpiValueArray);
    void keyboardSetRGBEffect(uchar effect, uchar speed, uchar brightness, uchar color);
    void mouseSetRGBEffect(uchar effect, uchar option1, uchar option2);
    void keyboardSetRGBColor(uchar type, QVariantList src24);
    void mouseSetRGBColor(uchar type, QVariantList src24);
    void mouseSetProfile(uint profileNo);
    uchar mouseReadKeyboardType();
    void mouseReadProfile(uint profileNo);
    QVariant mouseReadCurrentProfile();
    void mouseSwitchKeyMatrix(int indexNo);
    QVariantList GetKeyboardoption();
    void mouseSetCursorSpeed(uint cursorSpeed);
    void mouseSetVerticalScrollLines(uint lines);
    void mouseSetDoubleClickSpeed(uint speed);
    QVariantList mouseGetKeydefine(QVariant index, bool);
    void openUpdateExe();
    QVariant getData(QVariant key, bool isRecovery);
    QVariant getGlobalData(QVariant key);
    QVariantList getDataList(QVariant key, bool isRecovery);
    void setData(QVariant key, QVariant data);
    void setGlobalData(QVariant key, QVariant tmpdata);
    void setDataList(QVariant key, QVariantList datalist);
    void setBusy(int busyTime);
    void setCurrentDPI(int dpiValue);

private:
    // Builds the logic objects on the current device, dialogs and settings.
    void buildLogic();
    void invokeRoot(const char* function, Qt::ConnectionType type,
                    const QVariantList& args = {});

    SettingsStore* m_settings = nullptr;
    std::unique_ptr<DeviceBlocks> m_blocks;
    Hid_Thread* m_hid = nullptr;
    // The device while there is no protocol object: it sends nothing.
    DeviceCommands m_noDevice;
    std::unique_ptr<FileDialogs> m_defaultDialogs;
    FileDialogs* m_dialogs = nullptr;
    std::unique_ptr<GSettingsBackend> m_defaultGSettings;
    std::unique_ptr<KConfigBackend> m_defaultKConfig;
    std::unique_ptr<Profiles> m_profiles;
    std::unique_ptr<KeyAssignment> m_keys;
    std::unique_ptr<Macros> m_macros;
    std::unique_ptr<GunData> m_guns;
    std::unique_ptr<DeviceSettings> m_device;
    std::unique_ptr<PointerSettings> m_pointer;
};
