#pragma once

#include "app/Widget.h"
#include "hooks/GlobalInputHook.h"

class Clock;
class HidBackend;
class SingleInstance;

// The running program's parts, wired as the program runs them: the window host
// on a chosen back end and clock, and the input capture feeding the screens.
// The program, the simulator and the end-to-end tests build it the same way.
// Taken down in the program's order: the hooks go first, then the host.
class ProgramSession
{
public:
    // `instance` carries later starts' messages and warnings; may be null.
    ProgramSession(HidBackend& backend, Clock& clock, SingleInstance* instance);
    ~ProgramSession();
    ProgramSession(const ProgramSession&) = delete;
    ProgramSession& operator=(const ProgramSession&) = delete;

    Widget& host() { return m_host; }
    GlobalInputHook& hook() { return m_hook; }

    // Shows the window and runs the first detection pass, as at start-up.
    void showAndDetect();

private:
    Widget m_host;
    GlobalInputHook m_hook;
};
