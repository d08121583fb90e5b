#pragma once

#include "protocol/DeviceCommands.h"
#include "protocol/DeviceRecord.h"
#include "protocol/Frames.h"
#include "protocol/WakeSignal.h"

#include <QFuture>
#include <QList>
#include <QMutex>
#include <QThread>

#include <atomic>
#include <initializer_list>

class Clock;
class HidBackend;
class HidHandle;
class HidOwner;

// The one object through which the program talks to the served device.
// Its thread is never started: commands run on the caller's (GUI) thread and
// are serialised by the channel token; only the event reader runs elsewhere,
// as one task on the global thread pool.
//
// Two bounds keep a misbehaving device or device list from hanging the
// screens: every input report of a bulk read is waited for at most about one
// second (expiry is a failed read: interface closed, channel free), and a
// record whose reportLength no hidraw report can have fails payload and bulk
// transfers before anything is sent.
//
// Calling contract of every command slot: take the channel (on failure write
// the command's fixed message and send nothing), build the command block with
// its checksum, pre-fill the reply, copy the payload, run one transfer. The
// transfers give the channel back on every path and close the command
// interface before they return.
class Hid_Thread : public QThread, public DeviceCommands
{
    Q_OBJECT

public:
    explicit Hid_Thread(QObject* parent = nullptr);
    ~Hid_Thread() override;

    void setOwner(HidOwner* owner) { m_owner = owner; }
    HidOwner* owner() const { return m_owner; }
    // Every device call goes to `backend`. There is no default: until one is
    // chosen (or after null), any device call aborts the process.
    void setBackend(HidBackend* backend);
    HidBackend* backend() const { return m_backend; }
    void setClock(Clock* clock);
    Clock* clock() const { return m_clock; }

    // A copy: the event reader may clear a record's event path at any time.
    QList<DeviceRecord> devices() const;
    void setDevices(const QList<DeviceRecord>& devices);
    int currentDevice() const { return m_currentDevice; }

    // Forces the command channel free (the view's clearHidBusy).
    void setChannelFree() { m_channelFree = true; }
    bool isChannelFree() const { return m_channelFree; }

    // Ends a running reader, reads the option bytes of the controller family in
    // use, sets its connect bit and writes them back (only when the read
    // reached the device), then starts the event reader for record `index`.
    void connectRead(int index);
    // Commands that did not reach the device or got no answer (channel busy,
    // interface gone, a report refused or unanswered), counted since
    // construction, and what the last of them was; callers that must report
    // success honestly compare the count before and after their work.
    int failedTransfers() const { return m_failedTransfers; }
    QString lastFailure() const { return m_lastFailure; }
    bool isReaderRunning() const { return m_readerRunning.load(); }
    // Asks the event reader to leave its loop; a waiting reader wakes at once.
    void stopReader()
    {
        m_readerRunning.store(false);
        m_readerWake.raise();
    }
    // Blocks until the reader task, if any, has ended.
    void waitForReader();

public Q_SLOTS:
    uchar hidCS(uchar* cmd);
    // Makes `index` the device every command addresses; always true.
    bool chkDeviceIsEnCode(int index);
    void USBDataEncryption(uchar* FIFOBuf, uchar* SecrecyCode);
    void USBDataDecipher(uchar* FIFOBuf, uchar* SecrecyCode);
    void hid553_00H_GetSecrecyCode(uchar& byte1, uchar& byte2, uchar& byte3, uchar& byte4);
    void hid553_83H_GetKeyboardoption(uchar& byte1, uchar& byte2, uchar& byte3, uchar& byte4) override;
    void hid560_81H_GetKeyboardoption(uchar& byte1, uchar& byte2);
    void hid560_82H_GetCurrentProfile(uchar& byte1) override;
    void hid560_84H_GetCurrentDPI(uchar& byte1, uchar& byte2) override;
    void hid553_8BH_GetCurrentDPI(uchar& byte1) override;
    void hid553_03H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4) override;
    void hid553_04H_SetGunData(uchar byte1, uchar byte2, uchar byte3, uchar byte4) override;
    void hid560_01H_SetKeyboardoption(uchar byte1, uchar byte2);
    void hid553_01H_SetReportRate(uchar rate) override;
    void hid560_03H_SetReportRate(uchar rate) override;
    void hid560_04H_SetCurrentDPI(uchar stage) override;
    void hidARM_09H_SetKeyboardMode(uchar gameMode);
    void hidARM_13H_RecoveryData();
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
    // Takes the channel token: up to 255 rounds of 8 ms with event processing.
    bool acquireChannel();
    // The first step of every command slot: the token, or the fixed message.
    bool beginCommand(const char* failureMessage);
    void settleDelay();
    void pause(int ms);
    HidHandle* openCommandInterface(int index);
    HidHandle* openEventInterface(int index);
    void closeCommandInterface();
    void closeEventInterface();
    // Fills the command report: report ID, c0..c6, checksum.
    void setCommand(uchar c0, uchar c1 = 0, uchar c2 = 0, uchar c3 = 0,
                    uchar c4 = 0, uchar c5 = 0, uchar c6 = 0);
    // Report ID 0, r0 = 0, r1 onwards from `values`, the rest zero.
    void prefillReply(std::initializer_list<uchar> values);
    void setPayload(const uchar* src, int length);
    // Command without payload and without settling, then the short pause.
    void sendQuick();
    // Report rate and current stage of the 560 family, index by index.
    void sendRepeated(uchar opcode, uchar value, const char* failureMessage);
    // Sends the command report (scrambled for an encoded record), then, with
    // `settle`, 128 ms; then `payloadLength` bytes of the bulk buffer as output
    // reports of reportLength data bytes, 120 ms after each, and with `settle`
    // 128 ms more. Every step reopens the interface; the first failure ends it.
    bool sendCommand(int payloadLength, bool settle);
    // Sends the command report and reads the reply report; then reads
    // `readLength` bytes into the bulk buffer from input reports, each within
    // the bulk read bound. Only a reply without bulk data is unscrambled.
    bool sendCommandWithReply(int readLength);
    // Reads one input report of a bulk transfer within the bulk read bound.
    int readBulkReport(uchar* buffer, int length);
    // Closes the command interface and gives the token back; every transfer
    // path ends here.
    bool finishTransfer(bool ok);
    // Logs the failed step once (device, command, call and its result), then
    // ends the transfer as a failure.
    bool failTransfer(const char* step, int rc);
    QString recordPath(int index) const;
    QString recordEventPath(int index) const;
    void clearRecordPath(int index);
    void clearRecordEventPath(int index);
    bool currentIsEncoded() const;
    int currentReportLength() const;
    void readerLoop(int index);

    HidOwner* m_owner = nullptr;
    QList<DeviceRecord> m_devices; // guarded by m_devicesMutex: the reader clears path2
    int m_currentDevice = 1;
    HidHandle* m_commandHandle = nullptr;
    HidHandle* m_eventHandle = nullptr;
    bool m_channelFree = true;
    std::atomic_bool m_readerRunning{false};
    WakeSignal m_readerWake;
    QFuture<void> m_readerFuture;
    CommandReport m_commandReport{};
    ReplyReport m_replyReport{};
    BulkBuffer m_bulkBuffer{};
    HidBackend* m_backend = nullptr;
    Clock* m_clock = nullptr;
    mutable QMutex m_devicesMutex;
    // Outcome of the last transfer a slot ran; connect time needs to know
    // whether the option read reached the device.
    bool m_lastTransferOk = false;
    // Command of the running transfer, as built (before any scrambling).
    uchar m_transferOpcode = 0;
    int m_failedTransfers = 0;
    QString m_lastFailure;
};
