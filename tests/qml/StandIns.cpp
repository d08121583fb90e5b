#include "StandIns.h"

#include "CallLog.h"

ViewStandIn::ViewStandIn(CallLog* log, QObject* parent)
    : QObject(parent)
    , m_log(log)
{
}

QVariant ViewStandIn::getData(QVariant key, bool isRecovery)
{
    return m_log->record(QStringLiteral("ui_View"), QStringLiteral("getData"), {QVariant::fromValue(key), QVariant::fromValue(isRecovery)});
}

QVariant ViewStandIn::getGlobalData(QVariant key)
{
    return m_log->record(QStringLiteral("ui_View"), QStringLiteral("getGlobalData"), {QVariant::fromValue(key)});
}

QVariantList ViewStandIn::getDataList(QVariant key, bool isRecovery)
{
    return m_log->record(QStringLiteral("ui_View"), QStringLiteral("getDataList"), {QVariant::fromValue(key), QVariant::fromValue(isRecovery)}).toList();
}

void ViewStandIn::setData(QVariant key, QVariant data)
{
    m_log->record(QStringLiteral("ui_View"), QStringLiteral("setData"), {QVariant::fromValue(key), QVariant::fromValue(data)});
}

void ViewStandIn::setGlobalData(QVariant key, QVariant tmpdata)
{
    m_log->record(QStringLiteral("ui_View"), QStringLiteral("setGlobalData"), {QVariant::fromValue(key), QVariant::fromValue(tmpdata)});
}

void ViewStandIn::setDataList(QVariant key, QVariantList datalist)
{
    m_log->record(QStringLiteral("ui_View"), QStringLiteral("setDataList"), {QVariant::fromValue(key), QVariant::fromValue(datalist)});
}

QStringList ViewStandIn::getLangStrings(QString typeStr, QString langCode)
{
    return m_log->record(QStringLiteral("ui_View"), QStringLiteral("getLangStrings"), {QVariant::fromValue(typeStr), QVariant::fromValue(langCode)}).toStringList();
}

int ViewStandIn::mouseReadKeyboardType()
{
    return m_log->record(QStringLiteral("ui_View"), QStringLiteral("mouseReadKeyboardType"), {}).toInt();
}

QVariant ViewStandIn::mouseReadCurrentProfile()
{
    return m_log->record(QStringLiteral("ui_View"), QStringLiteral("mouseReadCurrentProfile"), {});
}

QVariant ViewStandIn::mouseGetCurrentDPI()
{
    return m_log->record(QStringLiteral("ui_View"), QStringLiteral("mouseGetCurrentDPI"), {});
}

void ViewStandIn::setCurrentProfile(int profile)
{
    m_log->record(QStringLiteral("ui_View"), QStringLiteral("setCurrentProfile"), {QVariant::fromValue(profile)});
}

void ViewStandIn::resetProfile(int profile)
{
    m_log->record(QStringLiteral("ui_View"), QStringLiteral("resetProfile"), {QVariant::fromValue(profile)});
}

void ViewStandIn::mouseSetReportRate(int rate)
{
    m_log->record(QStringLiteral("ui_View"), QStringLiteral("mouseSetReportRate"), {QVariant::fromValue(rate)});
}

void ViewStandIn::mouseSwitchKeyMatrix(int indexNo)
{
    m_log->record(QStringLiteral("ui_View"), QStringLiteral("mouseSwitchKeyMatrix"), {QVariant::fromValue(indexNo)});
}

void ViewStandIn::mouseResetKeyMatrix()
{
    m_log->record(QStringLiteral("ui_View"), QStringLiteral("mouseResetKeyMatrix"), {});
}

void ViewStandIn::mouseSetCurrentDPI(int currentDPI)
{
    m_log->record(QStringLiteral("ui_View"), QStringLiteral("mouseSetCurrentDPI"), {QVariant::fromValue(currentDPI)});
}

QVariantList ViewStandIn::getNameList(QVariant type)
{
    return m_log->record(QStringLiteral("ui_View"), QStringLiteral("getNameList"), {QVariant::fromValue(type)}).toList();
}

QVariant ViewStandIn::updataNameList(QVariant type, QStringList nameList)
{
    return m_log->record(QStringLiteral("ui_View"), QStringLiteral("updataNameList"), {QVariant::fromValue(type), QVariant::fromValue(nameList)});
}

QVariantList ViewStandIn::mouseGetKeydefine(QVariant index, bool isRecovery)
{
    return m_log->record(QStringLiteral("ui_View"), QStringLiteral("mouseGetKeydefine"), {QVariant::fromValue(index), QVariant::fromValue(isRecovery)}).toList();
}

void ViewStandIn::mouseSetKeyMatrix(QVariantList src64, bool isSendData, QVariantList otherParam)
{
    m_log->record(QStringLiteral("ui_View"), QStringLiteral("mouseSetKeyMatrix"), {QVariant::fromValue(src64), QVariant::fromValue(isSendData), QVariant::fromValue(otherParam)});
}

void ViewStandIn::mouseSetDpi(int dpiCount, QString sensorType, QVariantList dpiValueArray)
{
    m_log->record(QStringLiteral("ui_View"), QStringLiteral("mouseSetDpi"), {QVariant::fromValue(dpiCount), QVariant::fromValue(sensorType), QVariant::fromValue(dpiValueArray)});
}

void ViewStandIn::mouseSetRGBEffect(int effect, int option1, int option2)
{
    m_log->record(QStringLiteral("ui_View"), QStringLiteral("mouseSetRGBEffect"), {QVariant::fromValue(effect), QVariant::fromValue(option1), QVariant::fromValue(option2)});
}

void ViewStandIn::mouseSetRGBColor(int type, QVariantList src24)
{
    m_log->record(QStringLiteral("ui_View"), QStringLiteral("mouseSetRGBColor"), {QVariant::fromValue(type), QVariant::fromValue(src24)});
}

void ViewStandIn::mouseSetCursorSpeed(int cursorSpeed)
{
    m_log->record(QStringLiteral("ui_View"), QStringLiteral("mouseSetCursorSpeed"), {QVariant::fromValue(cursorSpeed)});
}

void ViewStandIn::mouseSetDoubleClickSpeed(int speed)
{
    m_log->record(QStringLiteral("ui_View"), QStringLiteral("mouseSetDoubleClickSpeed"), {QVariant::fromValue(speed)});
}

void ViewStandIn::mouseSetVerticalScrollLines(int lines)
{
    m_log->record(QStringLiteral("ui_View"), QStringLiteral("mouseSetVerticalScrollLines"), {QVariant::fromValue(lines)});
}

void ViewStandIn::mouseSaveGundata(QVariant index, QVariantList src6)
{
    m_log->record(QStringLiteral("ui_View"), QStringLiteral("mouseSaveGundata"), {QVariant::fromValue(index), QVariant::fromValue(src6)});
}

void ViewStandIn::mouseSendGundata(int slot, QVariantList data)
{
    m_log->record(QStringLiteral("ui_View"), QStringLiteral("mouseSendGundata"), {QVariant::fromValue(slot), QVariant::fromValue(data)});
}

QVariantList ViewStandIn::getGunData(QVariant name)
{
    return m_log->record(QStringLiteral("ui_View"), QStringLiteral("getGunData"), {QVariant::fromValue(name)}).toList();
}

void ViewStandIn::keyboardSetKeyMatrix(bool isRecovery)
{
    m_log->record(QStringLiteral("ui_View"), QStringLiteral("keyboardSetKeyMatrix"), {QVariant::fromValue(isRecovery)});
}

void ViewStandIn::keyboardLEDPicture(int pictureIndex, bool isRecovery)
{
    m_log->record(QStringLiteral("ui_View"), QStringLiteral("keyboardLEDPicture"), {QVariant::fromValue(pictureIndex), QVariant::fromValue(isRecovery)});
}

void ViewStandIn::keyboardSetRGBEffect(int effect, int speed, int brightness, int color)
{
    m_log->record(QStringLiteral("ui_View"), QStringLiteral("keyboardSetRGBEffect"), {QVariant::fromValue(effect), QVariant::fromValue(speed), QVariant::fromValue(brightness), QVariant::fromValue(color)});
}

void ViewStandIn::keyboardSetRGBColor(int type, QVariantList src24)
{
    m_log->record(QStringLiteral("ui_View"), QStringLiteral("keyboardSetRGBColor"), {QVariant::fromValue(type), QVariant::fromValue(src24)});
}

QStringList ViewStandIn::loadMacroIni(QVariant name)
{
    return m_log->record(QStringLiteral("ui_View"), QStringLiteral("loadMacroIni"), {QVariant::fromValue(name)}).toStringList();
}

QVariant ViewStandIn::keyboardSendMacroData(QVariantList macroData, QVariant macroIndex)
{
    return m_log->record(QStringLiteral("ui_View"), QStringLiteral("keyboardSendMacroData"), {QVariant::fromValue(macroData), QVariant::fromValue(macroIndex)});
}

void ViewStandIn::setEnabled(bool enabled)
{
    m_log->record(QStringLiteral("ui_View"), QStringLiteral("setEnabled"), {QVariant::fromValue(enabled)});
}

QVariant ViewStandIn::createMacroIni(QVariant name, QVariant macroIndex)
{
    return m_log->record(QStringLiteral("ui_View"), QStringLiteral("createMacroIni"), {name, macroIndex});
}

QVariant ViewStandIn::saveMacroIni(QVariant name, QStringList macros, QVariant repeat)
{
    return m_log->record(QStringLiteral("ui_View"), QStringLiteral("saveMacroIni"), {name, QVariant::fromValue(macros), repeat});
}

QVariant ViewStandIn::deleteMacroIni(QVariant name)
{
    return m_log->record(QStringLiteral("ui_View"), QStringLiteral("deleteMacroIni"), {name});
}

QVariant ViewStandIn::modifyMacroNameUpdateProfile(QVariant oldname, QVariant newname)
{
    return m_log->record(QStringLiteral("ui_View"), QStringLiteral("modifyMacroNameUpdateProfile"), {oldname, newname});
}

bool ViewStandIn::loadMacroFile(QVariant macroFileName)
{
    return m_log->record(QStringLiteral("ui_View"), QStringLiteral("loadMacroFile"), {macroFileName}).toBool();
}

void ViewStandIn::saveMacroFile(QVariant macroFileName)
{
    m_log->record(QStringLiteral("ui_View"), QStringLiteral("saveMacroFile"), {macroFileName});
}

QVariant ViewStandIn::mouseSendMacroData(QVariantList macroData, QVariant macroIndex)
{
    return m_log->record(QStringLiteral("ui_View"), QStringLiteral("mouseSendMacroData"), {QVariant::fromValue(macroData), macroIndex});
}

bool ViewStandIn::loadProfile(int profile)
{
    return m_log->record(QStringLiteral("ui_View"), QStringLiteral("loadProfile"), {profile}).toBool();
}

void ViewStandIn::saveProfile(int profile)
{
    m_log->record(QStringLiteral("ui_View"), QStringLiteral("saveProfile"), {profile});
}

void ViewStandIn::copyProfile(int destprofile, int srcprofile)
{
    m_log->record(QStringLiteral("ui_View"), QStringLiteral("copyProfile"), {destprofile, srcprofile});
}

HidStandIn::HidStandIn(CallLog* log, QObject* parent)
    : QObject(parent)
    , m_log(log)
{
}

void HidStandIn::hid560_02H_SetCurrentProfile(int profile)
{
    m_log->record(QStringLiteral("hid"), QStringLiteral("hid560_02H_SetCurrentProfile"), {QVariant::fromValue(profile)});
}

void HidStandIn::hidARM_09H_SetKeyboardMode(int mode)
{
    m_log->record(QStringLiteral("hid"), QStringLiteral("hidARM_09H_SetKeyboardMode"), {QVariant::fromValue(mode)});
}

ControllerStandIn::ControllerStandIn(CallLog* log, QObject* parent)
    : QObject(parent)
    , m_log(log)
{
}

void ControllerStandIn::onMinimize()
{
    m_log->record(QStringLiteral("ui_Ctl"), QStringLiteral("onMinimize"), {});
}

void ControllerStandIn::onClose()
{
    m_log->record(QStringLiteral("ui_Ctl"), QStringLiteral("onClose"), {});
}

void ControllerStandIn::onXChanged(int x)
{
    m_log->record(QStringLiteral("ui_Ctl"), QStringLiteral("onXChanged"), {QVariant::fromValue(x)});
}

void ControllerStandIn::onYChanged(int y)
{
    m_log->record(QStringLiteral("ui_Ctl"), QStringLiteral("onYChanged"), {QVariant::fromValue(y)});
}
