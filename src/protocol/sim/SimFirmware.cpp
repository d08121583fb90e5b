#include "protocol/sim/SimFirmware.h"

#include "protocol/KeyboardProtocol.h"
#include "protocol/KnownDevices.h"
#include "protocol/Mouse553Protocol.h"
#include "protocol/Mouse560Protocol.h"
#include "protocol/Scramble.h"

#include <cstring>

namespace sim {
namespace {

const uchar kNoCode[8] = {};

QByteArray bytes(const uchar* data, int n)
{
    return QByteArray(reinterpret_cast<const char*>(data), n);
}

} // namespace

DeviceFirmware::DeviceFirmware(int reportLength)
    : m_reportLength(reportLength)
{
}

void DeviceFirmware::commandReport(const uchar* data, std::size_t length)
{
    if (length != 9 || data[0] != 0x00) {
        ++m_rejected;
        return;
    }
    uchar c[8];
    std::memcpy(c, data + 1, 8);
    if (m_scrambled)
        scramble::decrypt(c, kNoCode);
    if (scramble::checksum(c) != c[7]) {
        ++m_rejected;
        return;
    }
    ++m_commands;
    // A new command abandons a payload that never arrived whole.
    m_pendingBytes = 0;
    m_payload.clear();
    m_reply.fill(0);
    m_reply[0] = c[0];
    m_replyPlain = false;
    execute(c);
}

int DeviceFirmware::replyReport(uchar* data, std::size_t length)
{
    uchar block[8];
    std::memcpy(block, m_reply.data(), 8);
    if (m_scrambled && !m_replyPlain)
        scramble::encrypt(block, kNoCode);
    const std::size_t n = qMin<std::size_t>(length, 9);
    if (n > 0)
        data[0] = 0x00;
    if (n > 1)
        std::memcpy(data + 1, block, n - 1);
    return static_cast<int>(n);
}

void DeviceFirmware::outputReport(const uchar* data, std::size_t length)
{
    if (m_pendingBytes <= 0 || length < 1) {
        ++m_stray;
        return;
    }
    const int dataBytes = qMin(static_cast<int>(length) - 1, m_reportLength);
    m_payload.append(bytes(data + 1, dataBytes));
    if (m_payload.size() >= m_pendingBytes) {
        const QByteArray payload = m_payload.left(m_pendingBytes);
        m_pendingBytes = 0;
        m_payload.clear();
        payloadReceived(m_pendingCommand, payload);
    }
}

QByteArray DeviceFirmware::takeInput()
{
    return m_input.isEmpty() ? QByteArray() : m_input.takeFirst();
}

void DeviceFirmware::setReply(const uchar* c, std::initializer_list<uchar> values, bool plain)
{
    m_reply.fill(0);
    m_reply[0] = c[0];
    int i = 1;
    for (uchar v : values) {
        if (i >= 8)
            break;
        m_reply[static_cast<std::size_t>(i++)] = v;
    }
    m_replyPlain = plain;
}

void DeviceFirmware::expectPayload(const uchar* c, int n)
{
    std::memcpy(m_pendingCommand.data(), c, 8);
    m_pendingBytes = n;
    m_payload.clear();
}

void DeviceFirmware::queueInput(const QByteArray& data)
{
    for (int offset = 0; offset < data.size(); offset += m_reportLength) {
        QByteArray report = data.mid(offset, m_reportLength);
        report.resize(m_reportLength, '\0');
        m_input.append(report);
    }
}

KeyboardFirmware::KeyboardFirmware()
    : DeviceFirmware(known::kKeyboardReportLength)
{
}

void KeyboardFirmware::setLayoutByte(uchar value)
{
    m_state.profile[kbd::kLayoutByte] = static_cast<char>(value);
}

void KeyboardFirmware::execute(const uchar* c)
{
    auto& s = m_state;
    switch (c[0]) {
    case kbd::kSetKeyMatrix:
    case kbd::kSetPicture:
    case kbd::kSetMacroKey:
        expectPayload(c, c[3] * kbd::kReportBytes);
        break;
    case kbd::kSetLed8StageColor:
        if (c[2] < s.stageColors.size())
            s.stageColors[c[2]] = {c[3], c[4], c[5]};
        break;
    case kbd::kSetLedEffect:
        s.ledEffect = {c[2], c[3], c[4], c[5]};
        break;
    case kbd::kSetKeyboardMode:
        s.gameMode = c[1];
        break;
    case kbd::kRecoveryData:
        ++s.recoveries;
        break;
    case kbd::kReadProfile:
        setReply(c, {}, true);
        queueInput(s.profile);
        break;
    // The host asks for the option bytes of whichever mouse family it was set
    // up for, whatever device it serves.
    case m553::kGetKeyboardOption:
        setReply(c, {s.options553[0], s.options553[1], s.options553[2], s.options553[3]});
        break;
    case m553::kSetKeyboardOption:
        s.options553 = {c[1], c[2], c[3], c[4]};
        break;
    case m560::kGetKeyboardOption:
        setReply(c, {s.options560[0], s.options560[1]});
        break;
    case m560::kSetKeyboardOption:
        s.options560 = {c[1], c[2]};
        break;
    default:
        break;
    }
}

void KeyboardFirmware::payloadReceived(const std::array<uchar, 8>& c, const QByteArray& payload)
{
    switch (c[0]) {
    case kbd::kSetKeyMatrix:
        m_state.keyMatrix = payload;
        break;
    case kbd::kSetPicture:
        m_state.pictures[c[2]] = payload;
        break;
    case kbd::kSetMacroKey:
        m_state.macros[c[2]] = payload;
        break;
    default:
        break;
    }
}

MouseFirmware::MouseFirmware(MouseFamily family)
    : DeviceFirmware(known::kMouseReportLength)
    , m_family(family)
{
}

QByteArray MouseFirmware::pressDpiButton()
{
    uchar& stage = m_state.dpiStage;
    stage = static_cast<uchar>(stage >= kStages ? 1 : stage + 1);
    const uchar report[4] = {0x06, 0x07, 0x00, stage};
    return bytes(report, 4);
}

void MouseFirmware::execute(const uchar* c)
{
    if (m_family == MouseFamily::F560)
        execute560(c);
    else
        execute553(c);
}

void MouseFirmware::execute553(const uchar* c)
{
    auto& s = m_state;
    switch (c[0]) {
    case m553::kGetSecrecyCode:
        setReply(c, {s.secrecyCode[0], s.secrecyCode[1], s.secrecyCode[2], s.secrecyCode[3]});
        break;
    case m553::kSetReportRate:
        s.reportRate = c[1];
        break;
    case m553::kSetCurrentKeyMatrix:
        s.currentKeyMatrix = c[1];
        break;
    case m553::kSetKeyboardOption:
        s.options = {c[1], c[2], c[3], c[4]};
        break;
    case m553::kSetGunData:
        s.gunData = {c[2], c[3], c[4], c[5]};
        break;
    case m553::kSetCurrentDpi:
        s.dpiStage = c[1];
        break;
    case m553::kSetFixLedColor:
        s.fixColor = {c[1], c[2], c[3]};
        break;
    case m553::kSetRgbLedEffect:
        s.ledEffect = {c[1], c[2], c[3]};
        break;
    case m553::kSetLed8StageColor:
    case m553::kSetDpiSet:
    case m553::kSetKeyMatrix:
    case m553::kSetMacroKey:
        expectPayload(c, c[2]);
        break;
    case m553::kGetKeyboardOption:
        setReply(c, {s.options[0], s.options[1], s.options[2], s.options[3]});
        break;
    case m553::kGetCurrentDpi:
        setReply(c, {s.dpiStage});
        break;
    default:
        break;
    }
}

void MouseFirmware::execute560(const uchar* c)
{
    auto& s = m_state;
    const int index = c[1] - m560::kFirstRepeatIndex;
    const bool indexOk = index >= 0 && index < 4;
    switch (c[0]) {
    case m560::kSetKeyboardOption:
        s.options560 = {c[1], c[2]};
        break;
    case m560::kSetCurrentProfile:
        s.currentProfile = c[1];
        break;
    case m560::kSetReportRate:
        if (indexOk)
            s.reportRates[static_cast<std::size_t>(index)] = c[2];
        break;
    case m560::kSetCurrentDpi:
        if (indexOk)
            s.dpiStages[static_cast<std::size_t>(index)] = c[2];
        s.dpiStage = c[2];
        break;
    case m560::kSetProfile:
    case m560::kSetKeyMatrix:
    case m560::kSetMacroKey:
        expectPayload(c, c[2]);
        break;
    case m560::kGetKeyboardOption:
        setReply(c, {s.options560[0], s.options560[1]});
        break;
    case m560::kGetCurrentProfile:
        setReply(c, {s.currentProfile});
        break;
    case m560::kGetCurrentDpi:
        setReply(c, {c[1], indexOk ? s.dpiStages[static_cast<std::size_t>(index)] : s.dpiStage});
        break;
    case m560::kReadProfile:
        setReply(c, {}, true);
        if (c[1] < m560::kProfileBlockCount)
            queueInput(s.profiles[c[1]]);
        break;
    default:
        break;
    }
}

void MouseFirmware::payloadReceived(const std::array<uchar, 8>& c, const QByteArray& payload)
{
    auto& s = m_state;
    if (m_family == MouseFamily::F560) {
        switch (c[0]) {
        case m560::kSetProfile:
            if (c[1] < m560::kProfileBlockCount)
                s.profiles[c[1]] = payload;
            break;
        case m560::kSetKeyMatrix:
            s.keyMatrices[c[1]] = payload;
            break;
        case m560::kSetMacroKey:
            s.macros[c[1]] = payload;
            break;
        default:
            break;
        }
        return;
    }
    switch (c[0]) {
    case m553::kSetLed8StageColor:
        s.stageColorType = c[1];
        s.stageColors = payload;
        break;
    case m553::kSetDpiSet:
        s.dpiStageCount = c[1];
        s.dpiTable = payload;
        break;
    case m553::kSetKeyMatrix:
        s.keyMatrices[c[1]] = payload;
        break;
    case m553::kSetMacroKey:
        s.macros[c[1]] = payload;
        break;
    default:
        break;
    }
}

} // namespace sim
