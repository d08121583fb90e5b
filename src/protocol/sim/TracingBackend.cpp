#include "protocol/sim/TracingBackend.h"

#include "protocol/Clock.h"
#include "protocol/KnownDevices.h"

class TracingBackend::TraceHandle final : public HidHandle
{
public:
    TraceHandle(HidHandle* inner, Label label)
        : inner(inner)
        , label(std::move(label))
    {
    }
    HidHandle* inner;
    Label label;
};

TracingBackend::TracingBackend(HidBackend& inner, Clock& clock)
    : m_inner(inner)
    , m_clock(clock)
{
}

TracingBackend::~TracingBackend() = default;

bool TracingBackend::writeTo(const QString& fileName)
{
    auto file = std::make_unique<QFile>(fileName);
    if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    QMutexLocker lock(&m_mutex);
    m_file = std::move(file);
    return true;
}

void TracingBackend::setKeepInMemory(bool keep)
{
    QMutexLocker lock(&m_mutex);
    m_keepInMemory = keep;
}

void TracingBackend::setEnabled(bool enabled)
{
    QMutexLocker lock(&m_mutex);
    m_enabled = enabled;
}

QStringList TracingBackend::lines() const
{
    QMutexLocker lock(&m_mutex);
    return m_lines;
}

QStringList TracingBackend::takeLines()
{
    QMutexLocker lock(&m_mutex);
    return std::exchange(m_lines, {});
}

void TracingBackend::clear()
{
    QMutexLocker lock(&m_mutex);
    m_lines.clear();
}

void TracingBackend::setLabel(const QByteArray& path, const QString& dev, const QString& iface)
{
    QMutexLocker lock(&m_mutex);
    m_labels.insert(path, Label{dev, iface});
}

void TracingBackend::learnLabels(const QList<HidInterfaceInfo>& interfaces)
{
    for (const HidInterfaceInfo& info : interfaces) {
        if (info.vendorId != known::kVendor)
            continue;
        Label label;
        if (info.productId == known::kKeyboardProduct) {
            label.dev = QStringLiteral("keyboard");
            if (info.usagePage == known::kKeyboardCommandPage && info.usage == known::kKeyboardCommandUsage)
                label.iface = QStringLiteral("command");
            else if (info.usagePage == known::kKeyboardEventPage && info.usage == known::kKeyboardEventUsage)
                label.iface = QStringLiteral("event");
        } else if (info.productId == known::kMouseProduct) {
            label.dev = QStringLiteral("mouse");
            if (info.usagePage == known::kMouseCommandPage && info.usage == known::kMouseCommandUsage)
                label.iface = QStringLiteral("command");
            else if (info.usagePage == known::kMouseEventPage && info.usage == known::kMouseEventUsage)
                label.iface = QStringLiteral("event");
        }
        if (!label.dev.isEmpty() && !label.iface.isEmpty()) {
            // Node paths are reused across plugs; the latest enumeration wins.
            QMutexLocker lock(&m_mutex);
            m_labels.insert(info.path, label);
        }
    }
}

TracingBackend::Label TracingBackend::labelFor(const QByteArray& path)
{
    {
        QMutexLocker lock(&m_mutex);
        auto it = m_labels.constFind(path);
        if (it != m_labels.constEnd())
            return *it;
    }
    learnLabels(m_inner.enumerate(0, 0));
    QMutexLocker lock(&m_mutex);
    return m_labels.value(path, Label{QStringLiteral("unknown"), QStringLiteral("unknown")});
}

QString TracingBackend::formatLine(qint64 t, const QString& dev, const QString& iface, const QString& op, int rc,
                                   const uchar* data, std::size_t length)
{
    static const char digits[] = "0123456789abcdef";
    QString hex;
    hex.reserve(static_cast<qsizetype>(length * 3));
    for (std::size_t i = 0; i < length; ++i) {
        if (i)
            hex += QLatin1Char(' ');
        hex += QLatin1Char(digits[data[i] >> 4]);
        hex += QLatin1Char(digits[data[i] & 0x0f]);
    }
    return QStringLiteral("{\"t\": %1, \"dev\": \"%2\", \"iface\": \"%3\", \"op\": \"%4\", \"rc\": %5, \"data\": \"%6\"}")
        .arg(t)
        .arg(dev, iface, op)
        .arg(rc)
        .arg(hex);
}

void TracingBackend::record(const Label& label, const char* op, int rc, const uchar* data, std::size_t length)
{
    QMutexLocker lock(&m_mutex);
    if (!m_enabled)
        return;
    const QString line = formatLine(m_clock.nowMs(), label.dev, label.iface, QLatin1String(op), rc, data, length);
    if (m_keepInMemory)
        m_lines.append(line);
    if (m_file) {
        m_file->write(line.toUtf8());
        m_file->write("\n");
        m_file->flush();
    }
}

QList<HidInterfaceInfo> TracingBackend::enumerate(quint16 vendorId, quint16 productId)
{
    QList<HidInterfaceInfo> result = m_inner.enumerate(vendorId, productId);
    learnLabels(result);
    return result;
}

HidHandle* TracingBackend::open(const QByteArray& path)
{
    const Label label = labelFor(path);
    HidHandle* inner = m_inner.open(path);
    record(label, "open", inner ? 0 : -1, nullptr, 0);
    return inner ? new TraceHandle(inner, label) : nullptr;
}

int TracingBackend::setNonblocking(HidHandle* handle, bool nonblocking)
{
    auto* h = static_cast<TraceHandle*>(handle);
    return h ? m_inner.setNonblocking(h->inner, nonblocking) : -1;
}

int TracingBackend::sendFeatureReport(HidHandle* handle, const uchar* data, std::size_t length)
{
    auto* h = static_cast<TraceHandle*>(handle);
    if (!h)
        return -1;
    const int rc = m_inner.sendFeatureReport(h->inner, data, length);
    record(h->label, "send-feature", rc, data, length);
    return rc;
}

int TracingBackend::getFeatureReport(HidHandle* handle, uchar* data, std::size_t length)
{
    auto* h = static_cast<TraceHandle*>(handle);
    if (!h)
        return -1;
    const int rc = m_inner.getFeatureReport(h->inner, data, length);
    record(h->label, "get-feature", rc, data, rc > 0 ? qMin<std::size_t>(static_cast<std::size_t>(rc), length) : 0);
    return rc;
}

int TracingBackend::write(HidHandle* handle, const uchar* data, std::size_t length)
{
    auto* h = static_cast<TraceHandle*>(handle);
    if (!h)
        return -1;
    const int rc = m_inner.write(h->inner, data, length);
    record(h->label, "write", rc, data, length);
    return rc;
}

int TracingBackend::read(HidHandle* handle, uchar* data, std::size_t length)
{
    auto* h = static_cast<TraceHandle*>(handle);
    if (!h)
        return -1;
    const int rc = m_inner.read(h->inner, data, length);
    record(h->label, "read", rc, data, rc > 0 ? qMin<std::size_t>(static_cast<std::size_t>(rc), length) : 0);
    return rc;
}

int TracingBackend::readTimeout(HidHandle* handle, uchar* data, std::size_t length, int timeoutMs)
{
    auto* h = static_cast<TraceHandle*>(handle);
    if (!h)
        return -1;
    const int rc = m_inner.readTimeout(h->inner, data, length, timeoutMs);
    record(h->label, "read", rc, data, rc > 0 ? qMin<std::size_t>(static_cast<std::size_t>(rc), length) : 0);
    return rc;
}

int TracingBackend::readOrWake(HidHandle* handle, uchar* data, std::size_t length, int wakeFd, int sliceMs)
{
    auto* h = static_cast<TraceHandle*>(handle);
    if (!h)
        return -1;
    const int rc = m_inner.readOrWake(h->inner, data, length, wakeFd, sliceMs);
    record(h->label, "read", rc, data, rc > 0 ? qMin<std::size_t>(static_cast<std::size_t>(rc), length) : 0);
    return rc;
}

void TracingBackend::close(HidHandle* handle)
{
    auto* h = static_cast<TraceHandle*>(handle);
    if (!h)
        return;
    m_inner.close(h->inner);
    record(h->label, "close", 0, nullptr, 0);
    delete h;
}

bool TracingBackend::accessDenied(const QByteArray& path)
{
    return m_inner.accessDenied(path);
}
