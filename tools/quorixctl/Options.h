#pragma once

#include "ToolOptions.h"

#include <QString>
#include <QStringList>

#include <cstdio>

// The command line of quorixctl: options, the command and its arguments.

// A wrong command line: reported in one line, exit status 2.
struct UsageError
{
    QString message;
};

// A device or command failure: reported in one line, exit status 1.
struct Failure
{
    QString message;
};

// Runs `body`, reporting the errors above as one line with their exit status.
template <typename Body>
int reportingErrors(Body&& body)
{
    try {
        return body();
    } catch (const UsageError& e) {
        std::fprintf(stderr, "quorixctl: %s\n", qPrintable(e.message));
        return 2;
    } catch (const Failure& e) {
        std::fprintf(stderr, "quorixctl: %s\n", qPrintable(e.message));
        return 1;
    }
}

struct Options
{
    ToolOptions::Shared shared; // --data, --simulate, --mouse-family, --trace
    bool virtualTime = false;
    int device = -1;
    // What a slot that asks for a file gets instead of a dialog.
    QString file;
    QString command;
    QStringList args;
};

// The text of --help.
extern const char kUsage[];

// Reads the options and the command; throws UsageError. File names become
// absolute, since the tool works inside the data root.
Options parseOptions(const QStringList& argv);

// A whole number given on the command line; throws UsageError naming `what`.
int parseWholeNumber(const QString& text, const QString& what);
