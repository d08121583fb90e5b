#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <cstddef>

// One HID interface as enumeration reports it.
struct HidInterfaceInfo
{
    QByteArray path;
    quint16 vendorId = 0;
    quint16 productId = 0;
    quint16 usagePage = 0;
    quint16 usage = 0;
};

// An open interface. Each back end derives its own; callers only pass it back.
class HidHandle
{
public:
    virtual ~HidHandle() = default;
};

// The seam every device call goes through.
//
// Contract, the same for every back end:
// - Reports the host sends start with the report-ID byte; our devices use
//   unnumbered reports, so that byte is 0x00 and `length` counts it (a 9-byte
//   command report is 0x00 and 8 block bytes).
// - `getFeatureReport` expects the report ID in data[0] on entry and fills
//   `length` bytes starting with it.
// - Input reads deliver the report's data bytes without a report-ID byte.
// - A negative result is a failure (device gone, I/O error); no reason is
//   given and none is needed: callers close the handle and give up.
// - Non-negative results of writes and reads are byte counts; a read with a
//   time-out returns 0 when no report arrived within `timeoutMs` (-1 waits
//   without bound).
// - One report per read: a buffer longer than the report is filled only up to
//   the report's length, a shorter one truncates it.
// - Calls on different handles may come from different threads (the event
//   reader uses its own handle on the event interface).
// - `read` blocks until a report arrives once blocking mode is set; the
//   protocol never calls it without a bound, use `readTimeout`.
// - `open` returns null on failure; `close` accepts only a handle from the
//   same back end and never fails.
class HidBackend
{
public:
    virtual ~HidBackend() = default;

    // Interfaces of the given vendor and product; 0 and 0 list every interface.
    virtual QList<HidInterfaceInfo> enumerate(quint16 vendorId, quint16 productId) = 0;
    virtual HidHandle* open(const QByteArray& path) = 0;
    // Blocking mode for reads: 0 on success, negative on failure.
    virtual int setNonblocking(HidHandle* handle, bool nonblocking) = 0;
    virtual int sendFeatureReport(HidHandle* handle, const uchar* data, std::size_t length) = 0;
    virtual int getFeatureReport(HidHandle* handle, uchar* data, std::size_t length) = 0;
    virtual int write(HidHandle* handle, const uchar* data, std::size_t length) = 0;
    virtual int read(HidHandle* handle, uchar* data, std::size_t length) = 0;
    virtual int readTimeout(HidHandle* handle, uchar* data, std::size_t length, int timeoutMs) = 0;
    virtual void close(HidHandle* handle) = 0;
    // Waits for an input report until one arrives (its length) or `wakeFd`
    // becomes readable (0). A back end that cannot wait on a descriptor waits
    // at most `sliceMs` and returns 0, so the caller looks at its flags that often.
    virtual int readOrWake(HidHandle* handle, uchar* data, std::size_t length, int wakeFd, int sliceMs)
    {
        Q_UNUSED(wakeFd)
        return readTimeout(handle, data, length, sliceMs);
    }
    // After `open` of `path` failed: whether the system refused access to the
    // node (it exists, but this user may not open it).
    virtual bool accessDenied(const QByteArray& path)
    {
        Q_UNUSED(path)
        return false;
    }
};
