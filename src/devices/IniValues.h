#pragma once

#include <QString>

#include <functional>

class QSettings;

// Typed reads of the values in our INI files. A value that is present but not
// what its key holds (a boolean other than true/false/1/0, a number that is not
// a whole decimal number) takes the given default, and the file, key and value
// are logged once per process, however often the file is read.
namespace IniValues {

bool readBool(const QSettings& file, const QString& key, bool absent);
int readInt(const QSettings& file, const QString& key, int absent);

// A count of numbered entries stored under `countKey`: never more than `limit`,
// and never past the first entry for which `exists` says no, so a count that lies
// can neither hang a reader nor make it allocate without bound. What was cut is
// logged once.
int boundedCount(const QSettings& file, const QString& countKey, int limit,
                 const std::function<bool(int)>& exists);
// The same for entries stored as `group`/index where a gap has a meaning (the
// entry reads as absent): never past the last entry present, nor `limit`.
int boundedCount(const QSettings& file, const QString& countKey, int limit, const QString& group);

// Logs `message` the first time it is given in this process.
void warnOnce(const QString& message);

} // namespace IniValues
