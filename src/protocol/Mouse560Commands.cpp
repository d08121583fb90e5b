#include "protocol/Hid_Thread.h"

#include "protocol/HidOwner.h"
#include "protocol/Mouse560Protocol.h"

#include <cstring>

void Hid_Thread::hid560_81H_GetKeyboardoption(uchar& byte1, uchar& byte2)
{
    if (!beginCommand(m560::kFailGetKeyboardOption))
        return;
    setCommand(m560::kGetKeyboardOption);
    prefillReply({byte1, byte2});
    sendCommandWithReply(0);
    const uchar* r = m_replyReport.block();
    byte1 = r[1];
    byte2 = r[2];
}

void Hid_Thread::hid560_82H_GetCurrentProfile(uchar& byte1)
{
    if (!beginCommand(m560::kFailGetCurrentProfile))
        return;
    setCommand(m560::kGetCurrentProfile);
    prefillReply({byte1});
    sendCommandWithReply(0);
    byte1 = m_replyReport.block()[1];
}

void Hid_Thread::hid560_84H_GetCurrentDPI(uchar& byte1, uchar& byte2)
{
    if (!beginCommand(m560::kFailGetCurrentDpi))
        return;
    setCommand(m560::kGetCurrentDpi, byte1);
    prefillReply({byte1, byte2});
    sendCommandWithReply(0);
    const uchar* r = m_replyReport.block();
    byte1 = r[1];
    byte2 = r[2];
}

void Hid_Thread::hid560_01H_SetKeyboardoption(uchar byte1, uchar byte2)
{
    if (!beginCommand(m560::kFailSetKeyboardOption))
        return;
    setCommand(m560::kSetKeyboardOption, byte1, byte2);
    sendQuick();
}

void Hid_Thread::hid560_02H_SetCurrentProfile(uchar profile)
{
    if (!beginCommand(m560::kFailSetCurrentProfile))
        return;
    setCommand(m560::kSetCurrentProfile, profile);
    sendQuick();
}

void Hid_Thread::sendRepeated(uchar opcode, uchar value, const char* failureMessage)
{
    if (!beginCommand(failureMessage))
        return;
    bool anyOk = false;
    for (int index = m560::kFirstRepeatIndex; index <= m560::kLastRepeatIndex; ++index) {
        // The token stays taken across the whole sequence, so a command
        // started from events processed in between cannot cut into it. A
        // failed index does not stop the next one.
        m_channelFree = false;
        setCommand(opcode, static_cast<uchar>(index), value);
        anyOk = sendCommand(0, true) || anyOk;
        if (m_owner && m_owner->gunFlag())
            break;
    }
    m_lastTransferOk = anyOk;
}

void Hid_Thread::hid560_03H_SetReportRate(uchar rate)
{
    sendRepeated(m560::kSetReportRate, rate, m560::kFailSetReportRate);
}

void Hid_Thread::hid560_04H_SetCurrentDPI(uchar stage)
{
    sendRepeated(m560::kSetCurrentDpi, stage, m560::kFailSetCurrentDpi);
}

void Hid_Thread::hid560_0CH_setProfile(uchar* src128, uchar profileData)
{
    if (!beginCommand(m560::kFailSetProfile))
        return;
    setCommand(m560::kSetProfile, profileData, m560::kProfileBlockBytes);
    setPayload(src128, m560::kProfileBlockBytes);
    sendCommand(m560::kProfileBlockBytes, true);
}

void Hid_Thread::hid560_0DH_SetKeyMatrix(uchar* src64, uchar indexAddOne)
{
    if (!beginCommand(m560::kFailSetKeyMatrix))
        return;
    setCommand(m560::kSetKeyMatrix, indexAddOne, m560::kProfileBlockBytes);
    std::memset(m_bulkBuffer.data(), 0, m560::kProfileBlockBytes);
    setPayload(src64, m560::kKeyMatrixSourceBytes);
    sendCommand(m560::kProfileBlockBytes, true);
}

void Hid_Thread::hid560_0FH_SetMacroKey(uchar macroId, uchar* src128)
{
    if (!beginCommand(m560::kFailSetMacroKey))
        return;
    setCommand(m560::kSetMacroKey, macroId, m560::kMacroBytes);
    setPayload(src128, m560::kMacroBytes);
    sendCommand(m560::kMacroBytes, true);
}

void Hid_Thread::hid560_8CH_readProfile(uchar* src128, uchar profileNo)
{
    if (!beginCommand(m560::kFailReadProfile))
        return;
    prefillReply({});
    setPayload(src128, m560::kProfileBlockBytes);
    setCommand(m560::kReadProfile, profileNo);
    sendCommandWithReply(m560::kProfileBlockBytes);
    if (src128)
        std::memcpy(src128, m_bulkBuffer.data(), m560::kProfileBlockBytes);
}
