#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class Clock;
class SimulatedHid;

// Command-line options that quorixctl and quorix-sim share, and the walk over
// "--name value" / "--name=value" arguments both use.
namespace ToolOptions {

// A bad option or value; the tools print it on one line and exit with 2.
struct Error
{
    QString message;
};

// The options of both tools that pick the data root, the simulated devices and the trace.
struct Shared
{
    QString data;           // absolute; empty: the program's own data root
    bool simulate = false;  // --simulate was given
    bool keyboard = true;   // simulated devices plugged at start
    bool mouse = true;
    QString family;         // "553", "560", or empty: mouse/icType of the data root
    QString trace;          // absolute; empty: no trace
};

// Walks the options before the first argument that does not start with "--".
class Reader
{
public:
    explicit Reader(const QStringList& arguments, int first = 1);

    // Moves to the next option; false at the first non-option argument or the end.
    bool next();
    // The current option's name, up to any '='.
    QString name() const { return m_name; }
    bool hasInlineValue() const { return !m_inline.isNull(); }
    // The inline value, or else the following argument (taken); Error when there is none.
    QString value();
    // The arguments after the options.
    QStringList rest() const { return m_args.mid(m_index); }

private:
    QStringList m_args;
    int m_index;
    bool m_started = false;
    QString m_name;
    QString m_inline;
};

// Takes the reader's current option when it is one of Shared's; false when it is not.
bool take(Reader& reader, Shared& options);

// Makes the file names absolute, so they keep their meaning once the program
// has entered its data root; Error when `data` is not a data root.
void finish(Shared& options);

// The simulated devices as the options ask; the data root must be the working
// directory already when no family was given.
std::unique_ptr<SimulatedHid> makeSimulator(const Shared& options, Clock* clock);

} // namespace ToolOptions
