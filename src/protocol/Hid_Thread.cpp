#include "protocol/Hid_Thread.h"

#include "protocol/Clock.h"
#include "protocol/HidBackend.h"
#include "protocol/ProtocolLog.h"
#include "protocol/Scramble.h"
#include "protocol/TransportConstants.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// Nothing assigns the device a secrecy code, so it stays all zero and the XOR
// step of the scrambling leaves the bytes as they are.
uchar secrecyCode[hidframe::kBlockSize] = {};

// Stands in until the owner chooses a back end. The program, its tools and every
// test choose one; reaching a device without having chosen is a fault, and must
// never fall through to real hardware (a test could write to an attached device).
class UnchosenBackend final : public HidBackend
{
public:
    QList<HidInterfaceInfo> enumerate(quint16, quint16) override { fail("enumerate"); }
    HidHandle* open(const QByteArray&) override { fail("open"); }
    int setNonblocking(HidHandle*, bool) override { fail("setNonblocking"); }
    int sendFeatureReport(HidHandle*, const uchar*, std::size_t) override { fail("sendFeatureReport"); }
    int getFeatureReport(HidHandle*, uchar*, std::size_t) override { fail("getFeatureReport"); }
    int write(HidHandle*, const uchar*, std::size_t) override { fail("write"); }
    int read(HidHandle*, uchar*, std::size_t) override { fail("read"); }
    int readTimeout(HidHandle*, uchar*, std::size_t, int) override { fail("readTimeout"); }
    void close(HidHandle*) override { fail("close"); }

private:
    [[noreturn]] static void fail(const char* call)
    {
        qFatal("No HID back end was chosen before the first device call (%s)", call);
        std::abort();
    }
};

UnchosenBackend unchosenBackend;

} // namespace

Hid_Thread::Hid_Thread(QObject* parent)
    : QThread(parent)
    , m_backend(&unchosenBackend)
    , m_clock(&systemClock())
{
}

Hid_Thread::~Hid_Thread()
{
    stopReader();
    waitForReader();
}

void Hid_Thread::setBackend(HidBackend* backend)
{
    m_backend = backend ? backend : &unchosenBackend;
}

void Hid_Thread::setClock(Clock* clock)
{
    m_clock = clock ? clock : &systemClock();
}

QList<DeviceRecord> Hid_Thread::devices() const
{
    QMutexLocker lock(&m_devicesMutex);
    return m_devices;
}

void Hid_Thread::setDevices(const QList<DeviceRecord>& devices)
{
    QMutexLocker lock(&m_devicesMutex);
    m_devices = devices;
}

uchar Hid_Thread::hidCS(uchar* cmd)
{
    return scramble::checksum(cmd);
}

bool Hid_Thread::chkDeviceIsEnCode(int index)
{
    m_currentDevice = index;
    return true;
}

void Hid_Thread::USBDataEncryption(uchar* FIFOBuf, uchar* SecrecyCode)
{
    scramble::encrypt(FIFOBuf, SecrecyCode);
}

void Hid_Thread::USBDataDecipher(uchar* FIFOBuf, uchar* SecrecyCode)
{
    scramble::decrypt(FIFOBuf, SecrecyCode);
}

bool Hid_Thread::acquireChannel()
{
    for (int round = 0; round < transport::kChannelRounds; ++round) {
        if (m_channelFree) {
            m_channelFree = false;
            return true;
        }
        pause(transport::kChannelRoundMs);
        QCoreApplication::processEvents();
    }
    return false;
}

bool Hid_Thread::beginCommand(const char* failureMessage)
{
    if (acquireChannel())
        return true;
    m_lastTransferOk = false;
    qCDebug(lcProtocol, "%s", failureMessage);
    ++m_failedTransfers;
    m_lastFailure = QStringLiteral("the command channel stayed busy (%1)").arg(QLatin1String(failureMessage));
    return false;
}

void Hid_Thread::settleDelay()
{
    pause(transport::kSettleHalfMs);
    pause(transport::kSettleHalfMs);
}

void Hid_Thread::pause(int ms)
{
    m_clock->sleepMs(ms);
}

QString Hid_Thread::recordPath(int index) const
{
    QMutexLocker lock(&m_devicesMutex);
    return (index >= 0 && index < m_devices.size()) ? m_devices.at(index).path : QString();
}

QString Hid_Thread::recordEventPath(int index) const
{
    QMutexLocker lock(&m_devicesMutex);
    return (index >= 0 && index < m_devices.size()) ? m_devices.at(index).path2 : QString();
}

void Hid_Thread::clearRecordPath(int index)
{
    QMutexLocker lock(&m_devicesMutex);
    if (index >= 0 && index < m_devices.size())
        m_devices[index].path.clear();
}

void Hid_Thread::clearRecordEventPath(int index)
{
    QMutexLocker lock(&m_devicesMutex);
    if (index >= 0 && index < m_devices.size())
        m_devices[index].path2.clear();
}

bool Hid_Thread::currentIsEncoded() const
{
    QMutexLocker lock(&m_devicesMutex);
    const int i = m_currentDevice;
    return i >= 0 && i < m_devices.size() && m_devices.at(i).isEncode;
}

int Hid_Thread::currentReportLength() const
{
    QMutexLocker lock(&m_devicesMutex);
    const int i = m_currentDevice;
    // A length no report can have counts as none, so bulk transfers fail up front.
    return (i >= 0 && i < m_devices.size() && m_devices.at(i).hasValidReportLength()) ? m_devices.at(i).reportLength
                                                                                      : 0;
}

HidHandle* Hid_Thread::openCommandInterface(int index)
{
    const QString path = recordPath(index);
    if (path.isEmpty())
        return nullptr;
    closeCommandInterface();
    m_commandHandle = m_backend->open(path.toLatin1());
    if (!m_commandHandle) {
        // Later commands fail at once until detection finds the device again.
        clearRecordPath(index);
        return nullptr;
    }
    // Blocking mode as the device expects; its result does not matter to us,
    // since every read passes its own bound.
    m_backend->setNonblocking(m_commandHandle, false);
    return m_commandHandle;
}

HidHandle* Hid_Thread::openEventInterface(int index)
{
    const QString path = recordEventPath(index);
    if (path.isEmpty())
        return nullptr;
    closeEventInterface();
    m_eventHandle = m_backend->open(path.toLatin1());
    if (!m_eventHandle) {
        clearRecordEventPath(index);
        return nullptr;
    }
    m_backend->setNonblocking(m_eventHandle, false);
    return m_eventHandle;
}

void Hid_Thread::closeCommandInterface()
{
    if (m_commandHandle) {
        m_backend->close(m_commandHandle);
        m_commandHandle = nullptr;
    }
}

void Hid_Thread::closeEventInterface()
{
    if (m_eventHandle) {
        m_backend->close(m_eventHandle);
        m_eventHandle = nullptr;
    }
}

void Hid_Thread::setCommand(uchar c0, uchar c1, uchar c2, uchar c3, uchar c4, uchar c5, uchar c6)
{
    uchar* report = m_commandReport.data();
    report[0] = hidframe::kReportId;
    uchar* c = m_commandReport.block();
    c[0] = c0;
    c[1] = c1;
    c[2] = c2;
    c[3] = c3;
    c[4] = c4;
    c[5] = c5;
    c[6] = c6;
    c[7] = scramble::checksum(c);
}

void Hid_Thread::prefillReply(std::initializer_list<uchar> values)
{
    m_replyReport.bytes.fill(0);
    uchar* r = m_replyReport.block();
    int i = 1;
    for (uchar v : values) {
        if (i >= static_cast<int>(hidframe::kBlockSize))
            break;
        r[i++] = v;
    }
}

void Hid_Thread::setPayload(const uchar* src, int length)
{
    const auto n = static_cast<std::size_t>(std::clamp(length, 0, static_cast<int>(hidframe::kBulkBufferSize)));
    if (src)
        std::memcpy(m_bulkBuffer.data(), src, n);
    else
        std::memset(m_bulkBuffer.data(), 0, n);
}

bool Hid_Thread::finishTransfer(bool ok)
{
    closeCommandInterface();
    m_channelFree = true;
    m_lastTransferOk = ok;
    return ok;
}

bool Hid_Thread::failTransfer(const char* step, int rc)
{
    const QList<DeviceRecord> records = devices();
    const int type = m_currentDevice >= 0 && m_currentDevice < records.size() ? records.at(m_currentDevice).type : -1;
    const char* device = type == 0 ? "keyboard" : type == 1 ? "mouse" : "device";
    qCWarning(lcProtocol, "Command %02x to the %s (record %d) failed: %s returned %d", m_transferOpcode, device,
              m_currentDevice, step, rc);
    ++m_failedTransfers;
    m_lastFailure = QStringLiteral("command %1 to the %2 failed: %3 returned %4")
                        .arg(m_transferOpcode, 2, 16, QLatin1Char('0'))
                        .arg(QLatin1String(device), QLatin1String(step))
                        .arg(rc);
    return finishTransfer(false);
}

void Hid_Thread::sendQuick()
{
    sendCommand(0, false);
    pause(transport::kQuickCommandPauseMs);
}

// Payloads go out as a train of output reports of reportLength data bytes,
// each on a freshly opened handle and followed by a fixed pause. A record
// whose reportLength is 0 or less cannot cut a payload, so such a transfer
// fails before it touches the device; a payload that is not a whole number of
// reports has its last report padded with zeros.
bool Hid_Thread::sendCommand(int payloadLength, bool settle)
{
    QCoreApplication::processEvents();
    m_transferOpcode = m_commandReport.block()[0];
    if (payloadLength > 0 && currentReportLength() <= 0)
        return failTransfer("cutting the payload (report length)", currentReportLength());
    if (!openCommandInterface(m_currentDevice))
        return failTransfer("open", -1);
    if (currentIsEncoded())
        USBDataEncryption(m_commandReport.block(), secrecyCode);

    if (!openCommandInterface(m_currentDevice))
        return failTransfer("open", -1);
    if (const int rc = m_backend->sendFeatureReport(m_commandHandle, m_commandReport.data(),
                                                    hidframe::kCommandReportSize);
        rc < 0)
        return failTransfer("send-feature", rc);
    if (settle)
        settleDelay();
    if (payloadLength <= 0)
        return finishTransfer(true);

    const int reportLength = currentReportLength();
    const int total = std::min(payloadLength, static_cast<int>(hidframe::kBulkBufferSize));
    const int chunk = std::min(total, reportLength);
    std::vector<uchar> buffer(static_cast<std::size_t>(reportLength) + 1, 0);
    for (int offset = 0; offset < total; offset += chunk) {
        std::fill(buffer.begin(), buffer.end(), 0);
        buffer[0] = hidframe::kReportId;
        const int n = std::min(chunk, total - offset);
        std::memcpy(buffer.data() + 1, m_bulkBuffer.data() + offset, static_cast<std::size_t>(n));
        if (!openCommandInterface(m_currentDevice))
            return failTransfer("open", -1);
        if (const int rc = m_backend->write(m_commandHandle, buffer.data(), buffer.size()); rc < 0)
            return failTransfer("write", rc);
        pause(transport::kOutputReportGapMs);
    }
    if (settle)
        settleDelay();
    return finishTransfer(true);
}

// A silent device must not hang the screens: each input report is waited for
// at most kBulkReadBoundMs, in slices with event processing between them, and
// expiry counts as a failed read.
int Hid_Thread::readBulkReport(uchar* buffer, int length)
{
    for (int waited = 0; waited < transport::kBulkReadBoundMs; waited += transport::kBulkReadSliceMs) {
        const int rc = m_backend->readTimeout(m_commandHandle, buffer, static_cast<std::size_t>(length),
                                              transport::kBulkReadSliceMs);
        if (rc != 0)
            return rc;
        QCoreApplication::processEvents();
    }
    return -1;
}

bool Hid_Thread::sendCommandWithReply(int readLength)
{
    m_transferOpcode = m_commandReport.block()[0];
    if (readLength > 0 && currentReportLength() <= 0)
        return failTransfer("cutting the bulk read (report length)", currentReportLength());
    if (!openCommandInterface(m_currentDevice))
        return failTransfer("open", -1);
    const bool encoded = currentIsEncoded();
    if (encoded)
        USBDataEncryption(m_commandReport.block(), secrecyCode);

    if (!openCommandInterface(m_currentDevice))
        return failTransfer("open", -1);
    // A reply to a command that never left is no reply: keep the pre-fill.
    if (const int rc = m_backend->sendFeatureReport(m_commandHandle, m_commandReport.data(),
                                                    hidframe::kCommandReportSize);
        rc < 0)
        return failTransfer("send-feature", rc);
    if (!openCommandInterface(m_currentDevice))
        return failTransfer("open", -1);
    m_replyReport.data()[0] = hidframe::kReportId;
    if (const int rc = m_backend->getFeatureReport(m_commandHandle, m_replyReport.data(),
                                                   hidframe::kCommandReportSize);
        rc < 0)
        return failTransfer("get-feature", rc);

    if (readLength <= 0) {
        finishTransfer(true);
        if (encoded)
            USBDataDecipher(m_replyReport.block(), secrecyCode);
        return true;
    }

    const int reportLength = currentReportLength();
    const int total = std::min(readLength, static_cast<int>(hidframe::kBulkBufferSize));
    const int chunk = std::min(total, reportLength);
    std::vector<uchar> buffer(static_cast<std::size_t>(reportLength) + 1, 0);
    for (int offset = 0; offset < total; offset += chunk) {
        std::fill(buffer.begin(), buffer.end(), 0);
        if (!openCommandInterface(m_currentDevice))
            return failTransfer("open", -1);
        if (const int rc = readBulkReport(buffer.data(), static_cast<int>(buffer.size())); rc < 0)
            return failTransfer("read", rc);
        const int n = std::min(chunk, total - offset);
        std::memcpy(m_bulkBuffer.data() + offset, buffer.data(), static_cast<std::size_t>(n));
    }
    return finishTransfer(true);
}
