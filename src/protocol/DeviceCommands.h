#pragma once

#include <QtGlobal>

// The device commands the view issues. The protocol object implements them as
// its command slots; the view logic talks to this seam only, so it can be driven
// by a recording stand-in as well as by the protocol object.
//
// Buffers are passed as the protocol expects them: payloads of the stated size,
// readers fill the caller's buffer. Getters leave their arguments unchanged when
// the device does not answer. The base sends nothing and answers nothing: it is
// the device of a view that has no protocol object.
class DeviceCommands
{
public:
    virtual ~DeviceCommands() = default;

    virtual void hid553_83H_GetKeyboardoption(uchar& /*byte1*/, uchar& /*byte2*/, uchar& /*byte3*/, uchar& /*byte4*/) {}
    virtual void hid560_82H_GetCurrentProfile(uchar& /*byte1*/) {}
    virtual void hid560_84H_GetCurrentDPI(uchar& /*byte1*/, uchar& /*byte2*/) {}
    virtual void hid553_8BH_GetCurrentDPI(uchar& /*byte1*/) {}
    virtual void hid553_03H_SetKeyboardoption(uchar /*byte1*/, uchar /*byte2*/, uchar /*byte3*/, uchar /*byte4*/) {}
    virtual void hid553_04H_SetGunData(uchar /*byte1*/, uchar /*byte2*/, uchar /*byte3*/, uchar /*byte4*/) {}
    virtual void hid553_01H_SetReportRate(uchar /*rate*/) {}
    virtual void hid560_03H_SetReportRate(uchar /*rate*/) {}
    virtual void hid560_04H_SetCurrentDPI(uchar /*stage*/) {}
    virtual void hid553_0BH_SetCurrentDPI(uchar /*stage*/) {}
    virtual void keyboard_0DH_SetKeyMatrix(uchar* /*src512*/) {}
    virtual void keyboard_12H_SetPicture(uchar* /*src512*/, uchar /*index*/) {}
    virtual void hid553_12H_SetKeyMatrix(uchar* /*src64*/, uchar /*indexAddOne*/) {}
    virtual void hid560_0DH_SetKeyMatrix(uchar* /*src64*/, uchar /*indexAddOne*/) {}
    virtual void hid560_0CH_setProfile(uchar* /*src128*/, uchar /*profileData*/) {}
    virtual void hid560_8CH_readProfile(uchar* /*src128*/, uchar /*profileNo*/) {}
    virtual void keyboardReadProfile(uchar* /*src512*/) {}
    virtual void hid560_02H_SetCurrentProfile(uchar /*profile*/) {}
    virtual void keyboard_11H_SetMacroKey(uchar /*macroId*/, uchar* /*src192*/) {}
    virtual void hid553_13H_SetMacroKey(uchar /*macroId*/, uchar* /*src128*/) {}
    virtual void hid560_0FH_SetMacroKey(uchar /*macroId*/, uchar* /*src128*/) {}
    virtual void hid553_11H_SetDPISet(uchar /*dpiStage*/, uchar* /*src8*/) {}
    virtual void hid553_02H_SetCurrentKeyMatrix(uchar /*currentKeyMatrix*/) {}
    virtual void hid553_0DH_SetRGBLedEffect(uchar /*effect*/, uchar /*option1*/, uchar /*option2*/) {}
    virtual void hidARM_08H_SetRGBLedEffect(uchar /*effect*/, uchar /*speed*/, uchar /*brightness*/, uchar /*color*/) {}
    virtual void hid553_0CH_SetFixLEDColor(uchar* /*src3*/) {}
    virtual void keyboard_14H_SetLED8StageColor(uchar /*index*/, uchar /*rValue*/, uchar /*gValue*/, uchar /*bValue*/) {}
    virtual void hid553_10H_SetLED8StageColor(uchar /*type*/, uchar* /*src24*/) {}
};
