#pragma once

// SIGINT and SIGTERM end the event loop with exit code 0 instead of killing the
// process, so the tool stops its reader and closes its trace cleanly.
void quitOnSignals();
