#pragma once

#include "Options.h"
#include "app/Widget.h"
#include "view/FileDialogs.h"

#include <atomic>
#include <functional>
#include <memory>

class Clock;
class HidBackend;
class SimulatedHid;
class TracingBackend;
class VirtualClock;

// The window host the screens use, watched from the command line: `monitor`
// prints its detection outcomes and the reader's events.
class CtlHost : public Widget
{
public:
    // The tool never shows the window, so it has no use for a tray icon.
    CtlHost()
        : Widget(false)
    {
        // Calls reach the screens whether or not a device is served.
        ensureScreens();
    }

    // One monitor line; keys in the documented order (QJsonObject would sort them).
    std::function<void(const QString&)> onEvent;

    void readerSetCurrentDPI(int stage) override;
    void readerShowBalloon(const QString& title, const QString& text, int msecs) override;
    void readerSetViewEnabled(bool enabled) override;

protected:
    bool trayAvailable() const override { return false; }
    void connectSequence(int index) override;
    void disconnectSequence() override;

private:
    void emitEvent(const QString& e);
    std::atomic_int m_stage{0};
};

// The program's objects as the tool drives them: the data root entered, the back
// end chosen (hidraw, or the simulated devices), traced when asked, on the real or
// a virtual clock, and the window host with its view, never shown.
class ToolHost
{
public:
    // Throws UsageError for a data root or trace file that cannot be used.
    explicit ToolHost(const Options& options);
    ~ToolHost();

    CtlHost& host() { return *m_host; }
    HidBackend& backend() { return *m_backend; }
    // The simulated devices, or null on hidraw.
    SimulatedHid* sim() { return m_sim.get(); }

    // Reads the device list, finds the interfaces and selects the record given
    // with --device (or the first present one). Throws UsageError for a record
    // the list does not have, Failure for an absent device when `required`;
    // otherwise -1 when none is present.
    int selectDevice(bool required);
    // ui_View or hid; throws UsageError for another name.
    QObject* object(const QString& name);
    // Stops the event reader and waits for it.
    void stopReader();

private:
    Options m_opt;
    std::unique_ptr<VirtualClock> m_virtualClock;
    Clock* m_clock = nullptr;
    std::unique_ptr<SimulatedHid> m_sim;
    std::unique_ptr<TracingBackend> m_tracer;
    HidBackend* m_backend = nullptr;
    AnsweredFileDialogs m_dialogs;
    std::unique_ptr<CtlHost> m_host;
};
