#pragma once

#include "protocol/HidBackend.h"

// The back end of the program: hidapi on hidraw.
class HidapiBackend final : public HidBackend
{
public:
    HidapiBackend();
    ~HidapiBackend() override;
    HidapiBackend(const HidapiBackend&) = delete;
    HidapiBackend& operator=(const HidapiBackend&) = delete;

    QList<HidInterfaceInfo> enumerate(quint16 vendorId, quint16 productId) override;
    HidHandle* open(const QByteArray& path) override;
    int setNonblocking(HidHandle* handle, bool nonblocking) override;
    int sendFeatureReport(HidHandle* handle, const uchar* data, std::size_t length) override;
    int getFeatureReport(HidHandle* handle, uchar* data, std::size_t length) override;
    int write(HidHandle* handle, const uchar* data, std::size_t length) override;
    int read(HidHandle* handle, uchar* data, std::size_t length) override;
    int readTimeout(HidHandle* handle, uchar* data, std::size_t length, int timeoutMs) override;
    void close(HidHandle* handle) override;
    int readOrWake(HidHandle* handle, uchar* data, std::size_t length, int wakeFd, int sliceMs) override;
    bool accessDenied(const QByteArray& path) override;
};

// The process-wide hidapi back end.
HidapiBackend& hidapiBackend();
