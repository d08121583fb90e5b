#pragma once

#include "Options.h"

// The commands quorixctl serves with QtCore alone, without the program's window
// host: --help, `slots` (from a table made at build time), and `call` and
// `script FILE` when every call is on the settings side of ui_View
// (SettingsView), since those need neither a device nor a screen. They print,
// write and fail exactly as on the window host.
namespace Lite {

// Whether these options ask only for such commands (reads a script file to tell).
bool serves(const Options& options);

// Runs them; returns the exit status, throws UsageError or Failure.
int run(const Options& options);

} // namespace Lite
