#pragma once

#include "Options.h"
#include "SlotCall.h"

#include <memory>

class ToolHost;

// The commands of quorixctl, run on the program's own objects. Each returns the
// exit status; failures are thrown as UsageError or Failure.
class Commands
{
public:
    explicit Commands(const Options& options);
    ~Commands();

    int run();

private:
    int cmdDevices();
    int cmdSlots();
    int cmdCall();
    int cmdScript();
    int cmdConnect();
    int cmdApplyProfile();
    int cmdMonitor();
    int cmdWarn();
    void requireNoFailedTransfer(int failedBefore);
    SlotCall prepareCall(const QString& target, const QJsonArray& args);

    Options m_opt;
    std::unique_ptr<ToolHost> m_tool;
};
