#include "protocol/Hid_Thread.h"

#include "protocol/DpiSwitchTexts.h"
#include "protocol/HidBackend.h"
#include "protocol/HidOwner.h"
#include "protocol/Mouse553Protocol.h"
#include "protocol/Mouse560Protocol.h"
#include "protocol/ProtocolLog.h"
#include "protocol/TransportConstants.h"

#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

namespace {

constexpr uchar kEventReport = 0x06;
constexpr uchar kDpiStageChanged = 0x07;
constexpr int kBalloonMs = 10000;

} // namespace

// The option bytes are written back only when they were read from the device:
// after a failed read they would be guesses, and writing guesses could reset
// options the user set on the device.
void Hid_Thread::connectRead(int index)
{
    stopReader();
    waitForReader();
    m_readerWake.clear(); // that stop is served; the next reader must not wake from it

    // The 560 family's exchange belongs to the mouse; a keyboard always takes the other.
    constexpr qint32 kMouseType = 1;
    const bool servesMouse = devices().value(index).type == kMouseType;
    const bool family560 = servesMouse && m_owner && m_owner->controllerType() == QLatin1String("560");
    if (family560) {
        uchar o1 = 0;
        uchar o2 = 0;
        hid560_81H_GetKeyboardoption(o1, o2);
        if (m_lastTransferOk)
            hid560_01H_SetKeyboardoption(static_cast<uchar>(o1 | m560::kConnectOptionBit), o2);
    } else {
        uchar o1 = 0;
        uchar o2 = 0;
        uchar o3 = 0;
        uchar o4 = 0;
        hid553_83H_GetKeyboardoption(o1, o2, o3, o4);
        if (m_lastTransferOk)
            hid553_03H_SetKeyboardoption(o1, o2, o3, static_cast<uchar>(o4 | m553::kConnectOptionBit));
    }

    // Without an event interface there is nothing to read and no removal to
    // notice; the flag stays clear so device changes still start passes.
    if (recordEventPath(index).isEmpty()) {
        qCDebug(lcProtocol, "Device %d has no event interface; no event reader runs", index);
        return;
    }
    m_readerRunning.store(true);
    m_readerFuture = QtConcurrent::run(QThreadPool::globalInstance(), &Hid_Thread::readerLoop, this, index);
}

void Hid_Thread::waitForReader()
{
    m_readerFuture.waitForFinished();
}

// Runs on a pool thread. It shares with the GUI thread only the run flag and
// the record's event path (both guarded), and reaches the screens only through
// the owner, which hands the actions to the GUI thread.
//
// The event interface stays open between reads and an idle reader sleeps in
// the back end until a report comes, the device hangs up or stopReader wakes
// it (back ends that cannot wait on a descriptor wake every kEventReadMs
// instead). A failed read is met as a fresh open would meet it: the interface
// is opened again, and only when that fails is the device gone.
void Hid_Thread::readerLoop(int index)
{
    if (recordEventPath(index).isEmpty())
        return;
    bool open = openEventInterface(index) != nullptr;
    while (open && m_readerRunning.load()) {
        uchar report[hidframe::kEventReportSize] = {};
        const int rc = m_backend->readOrWake(m_eventHandle, report, sizeof report, m_readerWake.fd(),
                                             transport::kEventReadMs);
        if (rc < 0) {
            open = openEventInterface(index) != nullptr;
            continue;
        }
        if (rc == static_cast<int>(hidframe::kEventReportSize) && report[0] == kEventReport
            && report[1] == kDpiStageChanged) {
            const int stage = report[3];
            if (m_owner) {
                m_owner->readerSetCurrentDPI(stage);
                m_owner->readerShowBalloon(QStringLiteral("Info"),
                                           dpitexts::textForStage(stage) + QLatin1Char(' '), kBalloonMs);
            }
        }
    }
    closeEventInterface();
    if (!open) {
        qCDebug(lcProtocol, "Device removed");
        if (m_owner)
            m_owner->readerSetViewEnabled(false);
        clearRecordEventPath(index);
        m_readerRunning.store(false);
    }
}
