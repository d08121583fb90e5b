#pragma once

#include "view/DeviceCommands.h"

class Hid_Thread;

// The view's device commands on the protocol object; without one they do nothing.
class HidThreadCommands : public DeviceCommands
{
public:
    void setHid(Hid_Thread* hid) { m_hid = hid; }
    Hid_Thread* hid() const { return m_hid; }

    void hid553_83H_GetKeyboardoption(uchar& byte1, uchar& byte2, uchar& byte3, uchar& byte4) override;
    void hid560_82H_GetCurrentProfile(uchar& byte1) override;
    void hid560_84H_GetCurrentDPI(uchar& byte1, uchar& byte2) override;
    void hid553_8BH_GetCurrentDPI(uchar& byte1) override;
    void hid553_03H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4) override;
    void hid553_04H_SetGunData(uchar byte1, uchar byte2, uchar byte3, uchar byte4) override;
    void hid553_01H_SetReportRate(uchar rate) override;
    void hid560_03H_SetReportRate(uchar rate) override;
    void hid560_04H_SetCurrentDPI(uchar stage) override;
    void hid553_0BH_SetCurrentDPI(uchar stage) override;
    void keyboard_0DH_SetKeyMatrix(uchar* src512) override;
    void keyboard_12H_SetPicture(uchar* src512, uchar index) override;
    void hid553_12H_SetKeyMatrix(uchar* src64, uchar indexAddOne) override;
    void hid560_0DH_SetKeyMatrix(uchar* src64, uchar indexAddOne) override;
    void hid560_0CH_setProfile(uchar* src128, uchar profileData) override;
    void hid560_8CH_readProfile(uchar* src128, uchar profileNo) override;
    void keyboardReadProfile(uchar* src512) override;
    void hid560_02H_SetCurrentProfile(uchar profile) override;
    void keyboard_11H_SetMacroKey(uchar macroId, uchar* src192) override;
    void hid553_13H_SetMacroKey(uchar macroId, uchar* src128) override;
    void hid560_0FH_SetMacroKey(uchar macroId, uchar* src128) override;
    void hid553_11H_SetDPISet(uchar dpiStage, uchar* src8) override;
    void hid553_02H_SetCurrentKeyMatrix(uchar currentKeyMatrix) override;
    void hid553_0DH_SetRGBLedEffect(uchar effect, uchar option1, uchar option2) override;
    void hidARM_08H_SetRGBLedEffect(uchar effect, uchar speed, uchar brightness, uchar color) override;
    void hid553_0CH_SetFixLEDColor(uchar* src3) override;
    void keyboard_14H_SetLED8StageColor(uchar index, uchar rValue, uchar gValue, uchar bValue) override;
    void hid553_10H_SetLED8StageColor(uchar type, uchar* src24) override;

private:
    Hid_Thread* m_hid = nullptr;
};
