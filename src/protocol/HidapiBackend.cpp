#include "protocol/HidapiBackend.h"

#include "protocol/WakeSignal.h"

#include <hidapi.h>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace {

class HidapiHandle final : public HidHandle
{
public:
    HidapiHandle(hid_device* device, const QByteArray& path)
        : device(device)
        , path(path)
    {
    }
    hid_device* device;
    QByteArray path;
    // hidapi keeps its descriptor to itself; an idle reader waits on its own.
    int waitFd = -1;
};

hid_device* deviceOf(HidHandle* handle)
{
    auto* h = static_cast<HidapiHandle*>(handle);
    return h ? h->device : nullptr;
}

} // namespace

HidapiBackend::HidapiBackend()
{
    // hid_init is also called implicitly by the first open; doing it here
    // keeps its one-time set-up off the timed path of a command.
    hid_init();
}

HidapiBackend::~HidapiBackend() = default;

QList<HidInterfaceInfo> HidapiBackend::enumerate(quint16 vendorId, quint16 productId)
{
    QList<HidInterfaceInfo> result;
    hid_device_info* list = hid_enumerate(vendorId, productId);
    for (hid_device_info* it = list; it; it = it->next) {
        HidInterfaceInfo info;
        info.path = QByteArray(it->path);
        info.vendorId = it->vendor_id;
        info.productId = it->product_id;
        info.usagePage = it->usage_page;
        info.usage = it->usage;
        result.append(info);
    }
    hid_free_enumeration(list);
    return result;
}

HidHandle* HidapiBackend::open(const QByteArray& path)
{
    hid_device* device = hid_open_path(path.constData());
    return device ? new HidapiHandle(device, path) : nullptr;
}

int HidapiBackend::setNonblocking(HidHandle* handle, bool nonblocking)
{
    hid_device* device = deviceOf(handle);
    return device ? hid_set_nonblocking(device, nonblocking ? 1 : 0) : -1;
}

int HidapiBackend::sendFeatureReport(HidHandle* handle, const uchar* data, std::size_t length)
{
    hid_device* device = deviceOf(handle);
    return device ? hid_send_feature_report(device, data, length) : -1;
}

int HidapiBackend::getFeatureReport(HidHandle* handle, uchar* data, std::size_t length)
{
    hid_device* device = deviceOf(handle);
    return device ? hid_get_feature_report(device, data, length) : -1;
}

int HidapiBackend::write(HidHandle* handle, const uchar* data, std::size_t length)
{
    hid_device* device = deviceOf(handle);
    return device ? hid_write(device, data, length) : -1;
}

int HidapiBackend::read(HidHandle* handle, uchar* data, std::size_t length)
{
    hid_device* device = deviceOf(handle);
    return device ? hid_read(device, data, length) : -1;
}

int HidapiBackend::readTimeout(HidHandle* handle, uchar* data, std::size_t length, int timeoutMs)
{
    hid_device* device = deviceOf(handle);
    return device ? hid_read_timeout(device, data, length, timeoutMs) : -1;
}

int HidapiBackend::readOrWake(HidHandle* handle, uchar* data, std::size_t length, int wakeFd, int sliceMs)
{
    auto* h = static_cast<HidapiHandle*>(handle);
    if (!h || !h->device)
        return -1;
    if (h->waitFd < 0)
        h->waitFd = ::open(h->path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (h->waitFd < 0 || wakeFd < 0)
        return readTimeout(handle, data, length, sliceMs);
    return waitAndReadReport(h->waitFd, wakeFd, data, length);
}

void HidapiBackend::close(HidHandle* handle)
{
    auto* h = static_cast<HidapiHandle*>(handle);
    if (h && h->waitFd >= 0)
        ::close(h->waitFd);
    if (hid_device* device = deviceOf(handle))
        hid_close(device);
    delete handle;
}

HidapiBackend& hidapiBackend()
{
    static HidapiBackend backend;
    return backend;
}

bool HidapiBackend::accessDenied(const QByteArray& path)
{
    return ::access(path.constData(), R_OK | W_OK) != 0 && errno == EACCES;
}
