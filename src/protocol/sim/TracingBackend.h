#pragma once

#include "protocol/HidBackend.h"

#include <QFile>
#include <QHash>
#include <QMutex>
#include <QStringList>

#include <memory>

class Clock;

// Wire trace around any back end: each call on a device becomes one JSON
// line, {"t": MS, "dev": ..., "iface": ..., "op": ..., "rc": RESULT, "data": "00 12 ..."},
// with `t` on the given clock and `data` the bytes as sent or as received
// (empty for open and close, and for reads that delivered nothing).
// Enumeration and the blocking-mode switch are not device traffic and are
// not traced. Lines go to a file, to memory, or both. Thread-safe.
class TracingBackend final : public HidBackend
{
public:
    TracingBackend(HidBackend& inner, Clock& clock);
    ~TracingBackend() override;

    // Appends to `fileName` (truncated first); false when it cannot be opened.
    bool writeTo(const QString& fileName);
    void setKeepInMemory(bool keep);
    void setEnabled(bool enabled);
    QStringList lines() const;
    // The lines kept so far, removed from memory in the same step.
    QStringList takeLines();
    void clear();
    // Names the device and interface behind `path`, for paths enumeration
    // cannot place among the supported devices.
    void setLabel(const QByteArray& path, const QString& dev, const QString& iface);

    QList<HidInterfaceInfo> enumerate(quint16 vendorId, quint16 productId) override;
    HidHandle* open(const QByteArray& path) override;
    int setNonblocking(HidHandle* handle, bool nonblocking) override;
    int sendFeatureReport(HidHandle* handle, const uchar* data, std::size_t length) override;
    int getFeatureReport(HidHandle* handle, uchar* data, std::size_t length) override;
    int write(HidHandle* handle, const uchar* data, std::size_t length) override;
    int read(HidHandle* handle, uchar* data, std::size_t length) override;
    int readTimeout(HidHandle* handle, uchar* data, std::size_t length, int timeoutMs) override;
    int readOrWake(HidHandle* handle, uchar* data, std::size_t length, int wakeFd, int sliceMs) override;
    void close(HidHandle* handle) override;
    bool accessDenied(const QByteArray& path) override;

    // One trace line; exposed for tools that replay or compare traces.
    static QString formatLine(qint64 t, const QString& dev, const QString& iface, const QString& op, int rc,
                              const uchar* data, std::size_t length);

private:
    struct Label
    {
        QString dev;
        QString iface;
    };
    class TraceHandle;

    void learnLabels(const QList<HidInterfaceInfo>& interfaces);
    Label labelFor(const QByteArray& path);
    void record(const Label& label, const char* op, int rc, const uchar* data, std::size_t length);

    HidBackend& m_inner;
    Clock& m_clock;
    mutable QMutex m_mutex;
    QHash<QByteArray, Label> m_labels;
    std::unique_ptr<QFile> m_file;
    bool m_keepInMemory = true;
    bool m_enabled = true;
    QStringList m_lines;
};
