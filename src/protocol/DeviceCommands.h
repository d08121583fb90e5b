#pragma once

#include <QtGlobal>

// The device commands the view issues, named and typed as the protocol object's
// command slots. The view logic talks to this seam only, so the logic can be
// driven by a recording stand-in as well as by the real protocol object.
//
// Buffers are passed as the protocol expects them: payloads of the stated size,
// readers fill the caller's buffer. Getters leave their arguments unchanged when
// the device does not answer.
class DeviceCommands
{
public:
    virtual ~DeviceCommands() = default;

    virtual void hid553_83H_GetKeyboardoption(uchar& byte1, uchar& byte2, uchar& byte3, uchar& byte4) = 0;
    virtual void hid560_82H_GetCurrentProfile(uchar& byte1) = 0;
    virtual void hid560_84H_GetCurrentDPI(uchar& byte1, uchar& byte2) = 0;
    virtual void hid553_8BH_GetCurrentDPI(uchar& byte1) = 0;
    virtual void hid553_03H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4) = 0;
    virtual void hid553_04H_SetGunData(uchar byte1, uchar byte2, uchar byte3, uchar byte4) = 0;
    virtual void hid553_01H_SetReportRate(uchar rate) = 0;
    virtual void hid560_03H_SetReportRate(uchar rate) = 0;
    virtual void hid560_04H_SetCurrentDPI(uchar stage) = 0;
    virtual void hid553_0BH_SetCurrentDPI(uchar stage) = 0;
    virtual void keyboard_0DH_SetKeyMatrix(uchar* src512) = 0;
    virtual void keyboard_12H_SetPicture(uchar* src512, uchar index) = 0;
    virtual void hid553_12H_SetKeyMatrix(uchar* src64, uchar indexAddOne) = 0;
    virtual void hid560_0DH_SetKeyMatrix(uchar* src64, uchar indexAddOne) = 0;
    virtual void hid560_0CH_setProfile(uchar* src128, uchar profileData) = 0;
    virtual void hid560_8CH_readProfile(uchar* src128, uchar profileNo) = 0;
    virtual void keyboardReadProfile(uchar* src512) = 0;
    virtual void hid560_02H_SetCurrentProfile(uchar profile) = 0;
    virtual void keyboard_11H_SetMacroKey(uchar macroId, uchar* src192) = 0;
    virtual void hid553_13H_SetMacroKey(uchar macroId, uchar* src128) = 0;
    virtual void hid560_0FH_SetMacroKey(uchar macroId, uchar* src128) = 0;
    virtual void hid553_11H_SetDPISet(uchar dpiStage, uchar* src8) = 0;
    virtual void hid553_02H_SetCurrentKeyMatrix(uchar currentKeyMatrix) = 0;
    virtual void hid553_0DH_SetRGBLedEffect(uchar effect, uchar option1, uchar option2) = 0;
    virtual void hidARM_08H_SetRGBLedEffect(uchar effect, uchar speed, uchar brightness, uchar color) = 0;
    virtual void hid553_0CH_SetFixLEDColor(uchar* src3) = 0;
    virtual void keyboard_14H_SetLED8StageColor(uchar index, uchar rValue, uchar gValue, uchar bValue) = 0;
    virtual void hid553_10H_SetLED8StageColor(uchar type, uchar* src24) = 0;
};
