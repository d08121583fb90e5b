#include "protocol/Hid_Thread.h"

#include "protocol/Mouse553Protocol.h"

void Hid_Thread::hid553_00H_GetSecrecyCode(uchar& byte1, uchar& byte2, uchar& byte3, uchar& byte4)
{
    if (!beginCommand(m553::kFailGetSecrecyCode))
        return;
    setCommand(m553::kGetSecrecyCode, byte1, byte2, byte3, byte4);
    prefillReply({});
    sendCommandWithReply(0);
    const uchar* r = m_replyReport.block();
    byte1 = r[1];
    byte2 = r[2];
    byte3 = r[3];
    byte4 = r[4];
}

void Hid_Thread::hid553_83H_GetKeyboardoption(uchar& byte1, uchar& byte2, uchar& byte3, uchar& byte4)
{
    if (!beginCommand(m553::kFailGetKeyboardOption))
        return;
    setCommand(m553::kGetKeyboardOption);
    prefillReply({byte1, byte2, byte3, byte4});
    sendCommandWithReply(0);
    const uchar* r = m_replyReport.block();
    byte1 = r[1];
    byte2 = r[2];
    byte3 = r[3];
    byte4 = r[4];
}

void Hid_Thread::hid553_8BH_GetCurrentDPI(uchar& byte1)
{
    if (!beginCommand(m553::kFailGetCurrentDpi))
        return;
    setCommand(m553::kGetCurrentDpi);
    prefillReply({byte1});
    sendCommandWithReply(0);
    byte1 = m_replyReport.block()[1];
}

void Hid_Thread::hid553_03H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4)
{
    if (!beginCommand(m553::kFailSetKeyboardOption))
        return;
    setCommand(m553::kSetKeyboardOption, byte1, byte2, byte3, byte4);
    sendQuick();
}

void Hid_Thread::hid553_04H_SetGunData(uchar byte1, uchar byte2, uchar byte3, uchar byte4)
{
    if (!beginCommand(m553::kFailSetGunData))
        return;
    setCommand(m553::kSetGunData, 0x00, byte1, byte2, byte3, byte4);
    sendQuick();
}

void Hid_Thread::hid553_01H_SetReportRate(uchar rate)
{
    if (!beginCommand(m553::kFailSetReportRate))
        return;
    setCommand(m553::kSetReportRate, rate);
    sendCommand(0, true);
}

void Hid_Thread::hid553_0BH_SetCurrentDPI(uchar stage)
{
    if (!beginCommand(m553::kFailSetCurrentDpi))
        return;
    setCommand(m553::kSetCurrentDpi, stage);
    sendCommand(0, true);
}

void Hid_Thread::hid553_12H_SetKeyMatrix(uchar* src64, uchar indexAddOne)
{
    if (!beginCommand(m553::kFailSetKeyMatrix))
        return;
    setCommand(m553::kSetKeyMatrix, indexAddOne, m553::kKeyMatrixBytes, m553::kKeyMatrixMarker);
    setPayload(src64, m553::kKeyMatrixBytes);
    sendCommand(m553::kKeyMatrixBytes, true);
}

void Hid_Thread::hid553_13H_SetMacroKey(uchar macroId, uchar* src128)
{
    if (!beginCommand(m553::kFailSetMacroKey))
        return;
    setCommand(m553::kSetMacroKey, macroId, m553::kMacroBytes);
    setPayload(src128, m553::kMacroBytes);
    sendCommand(m553::kMacroBytes, true);
}

void Hid_Thread::hid553_11H_SetDPISet(uchar dpiStage, uchar* src8)
{
    if (!beginCommand(m553::kFailSetDpiSet))
        return;
    setCommand(m553::kSetDpiSet, dpiStage, m553::kDpiTableBytes);
    setPayload(src8, m553::kDpiTableBytes);
    sendCommand(m553::kDpiTableBytes, true);
}

void Hid_Thread::hid553_02H_SetCurrentKeyMatrix(uchar currentKeyMatrix)
{
    if (!beginCommand(m553::kFailSetCurrentKeyMatrix))
        return;
    setCommand(m553::kSetCurrentKeyMatrix, currentKeyMatrix);
    sendCommand(0, true);
}

void Hid_Thread::hid553_0DH_SetRGBLedEffect(uchar effect, uchar option1, uchar option2)
{
    if (!beginCommand(m553::kFailSetRgbLedEffect))
        return;
    setCommand(m553::kSetRgbLedEffect, effect, option1, option2);
    sendCommand(0, true);
}

void Hid_Thread::hid553_0CH_SetFixLEDColor(uchar* src3)
{
    if (!beginCommand(m553::kFailSetFixLedColor))
        return;
    const uchar none[3] = {};
    const uchar* rgb = src3 ? src3 : none;
    setCommand(m553::kSetFixLedColor, rgb[0], rgb[1], rgb[2]);
    sendCommand(0, true);
}

void Hid_Thread::hid553_10H_SetLED8StageColor(uchar type, uchar* src24)
{
    if (!beginCommand(m553::kFailSetLed8StageColor))
        return;
    const int n = type == m553::kStageColorShortType ? m553::kStageColorShortBytes : m553::kStageColorBytes;
    setCommand(m553::kSetLed8StageColor, type, static_cast<uchar>(n));
    setPayload(src24, n);
    sendCommand(n, true);
}
