#pragma once

#include <QObject>
#include <QStringList>
#include <QVariant>

class CallLog;

// Records every call of the screens on `ui_View`. The view object: settings, names, texts and device calls.
class ViewStandIn : public QObject
{
    Q_OBJECT

public:
    explicit ViewStandIn(CallLog* log, QObject* parent = nullptr);

public Q_SLOTS:
    QVariant getData(QVariant key, bool isRecovery);
    QVariant getGlobalData(QVariant key);
    QVariantList getDataList(QVariant key, bool isRecovery);
    void setData(QVariant key, QVariant data);
    void setGlobalData(QVariant key, QVariant tmpdata);
    void setDataList(QVariant key, QVariantList datalist);
    QStringList getLangStrings(QString typeStr, QString langCode);
    int mouseReadKeyboardType();
    QVariant mouseReadCurrentProfile();
    QVariant mouseGetCurrentDPI();
    void setCurrentProfile(int profile);
    void resetProfile(int profile);
    void mouseSetReportRate(int rate);
    void mouseSwitchKeyMatrix(int indexNo);
    void mouseResetKeyMatrix();
    void mouseSetCurrentDPI(int currentDPI);
    QVariantList getNameList(QVariant type);
    QVariant updataNameList(QVariant type, QStringList nameList);
    QVariantList mouseGetKeydefine(QVariant index, bool isRecovery);
    void mouseSetKeyMatrix(QVariantList src64, bool isSendData, QVariantList otherParam);
    void mouseSetDpi(int dpiCount, QString sensorType, QVariantList dpiValueArray);
    void mouseSetRGBEffect(int effect, int option1, int option2);
    void mouseSetRGBColor(int type, QVariantList src24);
    void mouseSetCursorSpeed(int cursorSpeed);
    void mouseSetDoubleClickSpeed(int speed);
    void mouseSetVerticalScrollLines(int lines);
    void mouseSaveGundata(QVariant index, QVariantList src6);
    void mouseSendGundata(int slot, QVariantList data);
    QVariantList getGunData(QVariant name);
    void keyboardSetKeyMatrix(bool isRecovery);
    void keyboardLEDPicture(int pictureIndex, bool isRecovery);
    void keyboardSetRGBEffect(int effect, int speed, int brightness, int color);
    void keyboardSetRGBColor(int type, QVariantList src24);
    QStringList loadMacroIni(QVariant name);
    QVariant keyboardSendMacroData(QVariantList macroData, QVariant macroIndex);
    void setEnabled(bool enabled);
    QVariant createMacroIni(QVariant name, QVariant macroIndex);
    QVariant saveMacroIni(QVariant name, QStringList macros, QVariant repeat);
    QVariant deleteMacroIni(QVariant name);
    QVariant modifyMacroNameUpdateProfile(QVariant oldname, QVariant newname);
    bool loadMacroFile(QVariant macroFileName);
    void saveMacroFile(QVariant macroFileName);
    QVariant mouseSendMacroData(QVariantList macroData, QVariant macroIndex);
    bool loadProfile(int profile);
    void saveProfile(int profile);
    void copyProfile(int destprofile, int srcprofile);

private:
    CallLog* m_log;
};

// Records every call of the screens on `hid`. The protocol object's two calls the screens make directly.
class HidStandIn : public QObject
{
    Q_OBJECT

public:
    explicit HidStandIn(CallLog* log, QObject* parent = nullptr);

public Q_SLOTS:
    void hid560_02H_SetCurrentProfile(int profile);
    void hidARM_09H_SetKeyboardMode(int mode);

private:
    CallLog* m_log;
};

// Records every call of the screens on `ui_Ctl`. The window controller.
class ControllerStandIn : public QObject
{
    Q_OBJECT

public:
    explicit ControllerStandIn(CallLog* log, QObject* parent = nullptr);

public Q_SLOTS:
    void onMinimize();
    void onClose();
    void onXChanged(int x);
    void onYChanged(int y);

private:
    CallLog* m_log;
};
