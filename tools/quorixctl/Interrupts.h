#pragma once

// SIGINT and SIGTERM end the process as they would any tool, except while
// `monitor` runs its event loop: there they end the loop, so the event reader
// is stopped cleanly before the process exits.
namespace Interrupts {

void install();
void endLoopInsteadOfProcess(bool on);

} // namespace Interrupts
