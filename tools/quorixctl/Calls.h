#pragma once

#include "Options.h"
#include "SlotCall.h"

#include <QJsonArray>
#include <QList>
#include <QString>

#include <functional>

class QIODevice;
class QTextStream;

// What both halves of quorixctl do alike: the front end that serves the settings
// side of ui_View with QtCore alone, and the commands on the program's window
// host. One copy of each check keeps their errors and output the same.

// Standard output, shared by every printed line.
QTextStream& out();
// One JSON value on one line; a bare scalar prints as itself.
void printJson(const QJsonValue& v);
// Each argument parsed as one JSON value; UsageError otherwise.
QJsonArray parseArgs(const QStringList& args);

// UsageError for a command quorixctl does not have.
void requireKnownCommand(const QString& command);

// Checks --data and makes the data root (the given one, or the program's) the
// working directory: UsageError for a --data that is no data root, Failure
// when the root cannot be used.
void enterDataRoot(const Options& options);

// UsageError when --device names a record beyond the device list's `count`.
void requireDeviceInList(int device, int count);

// UsageError for an object name other than ui_View and hid.
void requireKnownObject(const QString& name);

// What `slots` prints for its arguments (none, or one object name), given the
// slot lines of ui_View and hid; UsageError for other arguments.
void printSlots(const QStringList& args, const QStringList& viewSlots, const QStringList& hidSlots);

// The objects a call may address, by name; throws UsageError for another name.
using ObjectLookup = std::function<QObject*(const QString& name)>;

// Finds and converts OBJECT.SLOT with its arguments before anything runs;
// UsageError when the call cannot be made as given.
SlotCall prepareCall(const ObjectLookup& object, const QString& target, const QJsonArray& args,
                     const QString& fileOption);

// A script holds one call per line (OBJECT.SLOT ARG...); blank lines and
// # comments are skipped. Every line is prepared before the first runs, so a
// bad line sends nothing; errors name their line.
QList<SlotCall> prepareScript(QIODevice& file, const ObjectLookup& object, const QString& fileOption);
// The OBJECT.SLOT of each call in a script.
QStringList scriptTargets(QIODevice& file);

// Prints what `call` printed for it: the result, then the reference and buffer
// parameters' values when the slot has any.
void printCallResult(const SlotCall& call);
// Prints one script line's result: the result, or {"result":R,"out":[...]}.
void printScriptResult(const SlotCall& call);
