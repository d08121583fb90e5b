#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QtGlobal>

#include <array>
#include <cstddef>
#include <initializer_list>

// Firmware models of the two supported devices: what each does with the
// reports that reach its command interface. They know nothing of handles or
// paths, so the same models can stand behind any transport.
namespace sim {

enum class MouseFamily { F553, F560 };

class DeviceFirmware
{
public:
    explicit DeviceFirmware(int reportLength);
    virtual ~DeviceFirmware() = default;
    DeviceFirmware(const DeviceFirmware&) = delete;
    DeviceFirmware& operator=(const DeviceFirmware&) = delete;

    int reportLength() const { return m_reportLength; }
    // Command blocks arrive scrambled and plain replies leave scrambled.
    void setScrambled(bool on) { m_scrambled = on; }
    bool scrambled() const { return m_scrambled; }

    // A command report: report ID and 8 block bytes. Reports of another
    // length or with a wrong checksum are counted and otherwise ignored.
    void commandReport(const uchar* data, std::size_t length);
    // The reply to the last command: report ID, r0..r7. Returns the length.
    int replyReport(uchar* data, std::size_t length);
    // One output report: report ID, then data bytes.
    void outputReport(const uchar* data, std::size_t length);
    bool hasInput() const { return !m_input.isEmpty(); }
    // The next input report's data bytes.
    QByteArray takeInput();

    int commandCount() const { return m_commands; }
    int rejectedCommands() const { return m_rejected; }
    // Output reports that arrived while no payload was announced.
    int strayReports() const { return m_stray; }

protected:
    // A checked, plain command block.
    virtual void execute(const uchar* c) = 0;
    // The payload announced by `command` has arrived whole.
    virtual void payloadReceived(const std::array<uchar, 8>& command, const QByteArray& payload) = 0;

    // Reply r0 = opcode of the command, then r1 onwards.
    void setReply(const uchar* c, std::initializer_list<uchar> values, bool plain = false);
    void expectPayload(const uchar* c, int bytes);
    // Queues `data` as input reports of reportLength bytes.
    void queueInput(const QByteArray& data);

private:
    int m_reportLength;
    bool m_scrambled = false;
    std::array<uchar, 8> m_reply{};
    bool m_replyPlain = false;
    std::array<uchar, 8> m_pendingCommand{};
    int m_pendingBytes = 0;
    QByteArray m_payload;
    QList<QByteArray> m_input;
    int m_commands = 0;
    int m_rejected = 0;
    int m_stray = 0;
};

struct KeyboardState
{
    std::array<uchar, 4> options553{};
    std::array<uchar, 2> options560{};
    QByteArray keyMatrix = QByteArray(512, '\0');
    QMap<int, QByteArray> pictures;
    QMap<int, QByteArray> macros;
    std::array<std::array<uchar, 3>, 8> stageColors{};
    std::array<uchar, 4> ledEffect{}; // effect, speed, brightness, colour
    uchar gameMode = 0;
    int recoveries = 0;
    QByteArray profile = QByteArray(512, '\0');
};

class KeyboardFirmware final : public DeviceFirmware
{
public:
    KeyboardFirmware();
    KeyboardState& state() { return m_state; }
    const KeyboardState& state() const { return m_state; }
    // The byte of the profile that tells the host the keyboard's layout.
    void setLayoutByte(uchar value);

protected:
    void execute(const uchar* c) override;
    void payloadReceived(const std::array<uchar, 8>& command, const QByteArray& payload) override;

private:
    KeyboardState m_state;
};

struct MouseState
{
    // 553 family
    std::array<uchar, 4> options{};
    std::array<uchar, 4> secrecyCode{0x41, 0x82, 0x63, 0x00};
    uchar reportRate = 0;
    uchar currentKeyMatrix = 0;
    std::array<uchar, 4> gunData{};
    uchar dpiStage = 1;
    std::array<uchar, 3> fixColor{};
    std::array<uchar, 3> ledEffect{};
    uchar stageColorType = 0;
    QByteArray stageColors;
    uchar dpiStageCount = 0;
    QByteArray dpiTable;
    QMap<int, QByteArray> keyMatrices;
    QMap<int, QByteArray> macros;
    // 560 family
    std::array<uchar, 2> options560{};
    uchar currentProfile = 0;
    std::array<uchar, 4> reportRates{};
    std::array<uchar, 4> dpiStages{1, 1, 1, 1};
    std::array<QByteArray, 5> profiles{QByteArray(128, '\0'), QByteArray(128, '\0'), QByteArray(128, '\0'),
                                       QByteArray(128, '\0'), QByteArray(128, '\0')};
};

class MouseFirmware final : public DeviceFirmware
{
public:
    explicit MouseFirmware(MouseFamily family);
    MouseFamily family() const { return m_family; }
    MouseState& state() { return m_state; }
    const MouseState& state() const { return m_state; }
    // Steps to the next DPI stage and returns the event report announcing it.
    QByteArray pressDpiButton();

    static constexpr int kStages = 7;

protected:
    void execute(const uchar* c) override;
    void payloadReceived(const std::array<uchar, 8>& command, const QByteArray& payload) override;

private:
    void execute553(const uchar* c);
    void execute560(const uchar* c);

    MouseFamily m_family;
    MouseState m_state;
};

} // namespace sim
