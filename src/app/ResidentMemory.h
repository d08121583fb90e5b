#pragma once

#include <QByteArray>
#include <QString>

// Gives the clean pages of the program's mapped files (its code, the libraries'
// code and read-only data, fonts) back to the kernel. Hidden in the tray for
// hours, the window's code is dead weight; the next show faults back what it
// touches, from the page cache while the files are still there.
namespace ResidentMemory {

// Whether one line of /proc/<pid>/maps names pages that can be dropped and read
// back unchanged: a private or read-only mapping of a file that still exists.
// Never anonymous memory, shared writable files, deleted files or devices.
bool isReleasable(const QByteArray& mapsLine);

// Advises every releasable mapping of `mapsPath` (this process's own) out.
// Returns the bytes advised; -1 where the kernel has no such advice (before 5.4).
qint64 releaseFilePages(const QString& mapsPath = QStringLiteral("/proc/self/maps"));

} // namespace ResidentMemory
