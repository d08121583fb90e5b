#include "protocol/Hid_Thread.h"

#include "protocol/KeyboardProtocol.h"

#include <cstring>

void Hid_Thread::keyboard_0DH_SetKeyMatrix(uchar* src512)
{
    if (!beginCommand(kbd::kFailSetKeyMatrix))
        return;
    setCommand(kbd::kSetKeyMatrix, 0x00, 0x00, kbd::kTableReports);
    setPayload(src512, kbd::kTableBytes);
    sendCommand(kbd::kTableBytes, true);
}

void Hid_Thread::keyboard_12H_SetPicture(uchar* src512, uchar index)
{
    if (!beginCommand(kbd::kFailSetPicture))
        return;
    setCommand(kbd::kSetPicture, 0x00, index, kbd::kTableReports);
    setPayload(src512, kbd::kTableBytes);
    sendCommand(kbd::kTableBytes, true);
}

void Hid_Thread::keyboard_11H_SetMacroKey(uchar macroId, uchar* src192)
{
    if (!beginCommand(kbd::kFailSetMacroKey))
        return;
    setCommand(kbd::kSetMacroKey, 0x00, macroId, kbd::kMacroReports);
    setPayload(src192, kbd::kMacroBytes);
    sendCommand(kbd::kMacroBytes, true);
}

void Hid_Thread::keyboard_14H_SetLED8StageColor(uchar index, uchar rValue, uchar gValue, uchar bValue)
{
    if (!beginCommand(kbd::kFailSetLed8StageColor))
        return;
    setCommand(kbd::kSetLed8StageColor, 0x00, index, rValue, gValue, bValue);
    sendCommand(0, true);
}

void Hid_Thread::keyboardReadProfile(uchar* src512)
{
    if (!beginCommand(kbd::kFailReadProfile))
        return;
    prefillReply({});
    setPayload(src512, kbd::kTableBytes);
    setCommand(kbd::kReadProfile);
    sendCommandWithReply(kbd::kTableBytes);
    if (src512)
        std::memcpy(src512, m_bulkBuffer.data(), kbd::kTableBytes);
}

void Hid_Thread::hidARM_08H_SetRGBLedEffect(uchar effect, uchar speed, uchar brightness, uchar color)
{
    if (!beginCommand(kbd::kFailSetLedEffect))
        return;
    setCommand(kbd::kSetLedEffect, 0x00, effect, speed, brightness, color);
    sendCommand(0, true);
}

void Hid_Thread::hidARM_09H_SetKeyboardMode(uchar gameMode)
{
    if (!beginCommand(kbd::kFailSetKeyboardMode))
        return;
    setCommand(kbd::kSetKeyboardMode, gameMode);
    sendCommand(0, true);
}

void Hid_Thread::hidARM_13H_RecoveryData()
{
    if (!beginCommand(kbd::kFailRecoveryData))
        return;
    setCommand(kbd::kRecoveryData, kbd::kRecoveryAll);
    sendCommand(0, true);
}
