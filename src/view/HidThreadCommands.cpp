#include "view/HidThreadCommands.h"

#include "protocol/Hid_Thread.h"

void HidThreadCommands::hid553_83H_GetKeyboardoption(uchar& byte1, uchar& byte2, uchar& byte3, uchar& byte4)
{
    if (m_hid)
        m_hid->hid553_83H_GetKeyboardoption(byte1, byte2, byte3, byte4);
}

void HidThreadCommands::hid560_82H_GetCurrentProfile(uchar& byte1)
{
    if (m_hid)
        m_hid->hid560_82H_GetCurrentProfile(byte1);
}

void HidThreadCommands::hid560_84H_GetCurrentDPI(uchar& byte1, uchar& byte2)
{
    if (m_hid)
        m_hid->hid560_84H_GetCurrentDPI(byte1, byte2);
}

void HidThreadCommands::hid553_8BH_GetCurrentDPI(uchar& byte1)
{
    if (m_hid)
        m_hid->hid553_8BH_GetCurrentDPI(byte1);
}

void HidThreadCommands::hid553_03H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4)
{
    if (m_hid)
        m_hid->hid553_03H_SetKeyboardoption(byte1, byte2, byte3, byte4);
}

void HidThreadCommands::hid553_04H_SetGunData(uchar byte1, uchar byte2, uchar byte3, uchar byte4)
{
    if (m_hid)
        m_hid->hid553_04H_SetGunData(byte1, byte2, byte3, byte4);
}

void HidThreadCommands::hid553_01H_SetReportRate(uchar rate)
{
    if (m_hid)
        m_hid->hid553_01H_SetReportRate(rate);
}

void HidThreadCommands::hid560_03H_SetReportRate(uchar rate)
{
    if (m_hid)
        m_hid->hid560_03H_SetReportRate(rate);
}

void HidThreadCommands::hid560_04H_SetCurrentDPI(uchar stage)
{
    if (m_hid)
        m_hid->hid560_04H_SetCurrentDPI(stage);
}

void HidThreadCommands::hid553_0BH_SetCurrentDPI(uchar stage)
{
    if (m_hid)
        m_hid->hid553_0BH_SetCurrentDPI(stage);
}

void HidThreadCommands::keyboard_0DH_SetKeyMatrix(uchar* src512)
{
    if (m_hid)
        m_hid->keyboard_0DH_SetKeyMatrix(src512);
}

void HidThreadCommands::keyboard_12H_SetPicture(uchar* src512, uchar index)
{
    if (m_hid)
        m_hid->keyboard_12H_SetPicture(src512, index);
}

void HidThreadCommands::hid553_12H_SetKeyMatrix(uchar* src64, uchar indexAddOne)
{
    if (m_hid)
        m_hid->hid553_12H_SetKeyMatrix(src64, indexAddOne);
}

void HidThreadCommands::hid560_0DH_SetKeyMatrix(uchar* src64, uchar indexAddOne)
{
    if (m_hid)
        m_hid->hid560_0DH_SetKeyMatrix(src64, indexAddOne);
}

void HidThreadCommands::hid560_0CH_setProfile(uchar* src128, uchar profileData)
{
    if (m_hid)
        m_hid->hid560_0CH_setProfile(src128, profileData);
}

void HidThreadCommands::hid560_8CH_readProfile(uchar* src128, uchar profileNo)
{
    if (m_hid)
        m_hid->hid560_8CH_readProfile(src128, profileNo);
}

void HidThreadCommands::keyboardReadProfile(uchar* src512)
{
    if (m_hid)
        m_hid->keyboardReadProfile(src512);
}

void HidThreadCommands::hid560_02H_SetCurrentProfile(uchar profile)
{
    if (m_hid)
        m_hid->hid560_02H_SetCurrentProfile(profile);
}

void HidThreadCommands::keyboard_11H_SetMacroKey(uchar macroId, uchar* src192)
{
    if (m_hid)
        m_hid->keyboard_11H_SetMacroKey(macroId, src192);
}

void HidThreadCommands::hid553_13H_SetMacroKey(uchar macroId, uchar* src128)
{
    if (m_hid)
        m_hid->hid553_13H_SetMacroKey(macroId, src128);
}

void HidThreadCommands::hid560_0FH_SetMacroKey(uchar macroId, uchar* src128)
{
    if (m_hid)
        m_hid->hid560_0FH_SetMacroKey(macroId, src128);
}

void HidThreadCommands::hid553_11H_SetDPISet(uchar dpiStage, uchar* src8)
{
    if (m_hid)
        m_hid->hid553_11H_SetDPISet(dpiStage, src8);
}

void HidThreadCommands::hid553_02H_SetCurrentKeyMatrix(uchar currentKeyMatrix)
{
    if (m_hid)
        m_hid->hid553_02H_SetCurrentKeyMatrix(currentKeyMatrix);
}

void HidThreadCommands::hid553_0DH_SetRGBLedEffect(uchar effect, uchar option1, uchar option2)
{
    if (m_hid)
        m_hid->hid553_0DH_SetRGBLedEffect(effect, option1, option2);
}

void HidThreadCommands::hidARM_08H_SetRGBLedEffect(uchar effect, uchar speed, uchar brightness, uchar color)
{
    if (m_hid)
        m_hid->hidARM_08H_SetRGBLedEffect(effect, speed, brightness, color);
}

void HidThreadCommands::hid553_0CH_SetFixLEDColor(uchar* src3)
{
    if (m_hid)
        m_hid->hid553_0CH_SetFixLEDColor(src3);
}

void HidThreadCommands::keyboard_14H_SetLED8StageColor(uchar index, uchar rValue, uchar gValue, uchar bValue)
{
    if (m_hid)
        m_hid->keyboard_14H_SetLED8StageColor(index, rValue, gValue, bValue);
}

void HidThreadCommands::hid553_10H_SetLED8StageColor(uchar type, uchar* src24)
{
    if (m_hid)
        m_hid->hid553_10H_SetLED8StageColor(type, src24);
}
