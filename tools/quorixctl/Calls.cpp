#include "Calls.h"

#include "app/AppStartup.h"
#include "view/SettingsView.h"

#include <QFileInfo>
#include <QIODevice>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

QTextStream& out()
{
    static QTextStream s(stdout);
    return s;
}

void printJson(const QJsonValue& v)
{
    QJsonDocument doc = v.isArray() ? QJsonDocument(v.toArray())
                                    : v.isObject() ? QJsonDocument(v.toObject()) : QJsonDocument(QJsonArray{v});
    QByteArray text = doc.toJson(QJsonDocument::Compact);
    if (!v.isArray() && !v.isObject())
        text = text.mid(1, text.size() - 2);
    out() << QString::fromUtf8(text) << Qt::endl;
}

QJsonArray parseArgs(const QStringList& args)
{
    QJsonArray values;
    for (const QString& a : args) {
        QJsonArray one;
        QString error;
        if (!parseJsonValues(a, &one, &error) || one.size() != 1)
            throw UsageError{QStringLiteral("argument is not one JSON value: %1").arg(a)};
        values.append(one.first());
    }
    return values;
}

void requireKnownCommand(const QString& command)
{
    static const QStringList known = {QStringLiteral("devices"), QStringLiteral("slots"), QStringLiteral("call"),
                                      QStringLiteral("connect"), QStringLiteral("apply-profile"),
                                      QStringLiteral("script"), QStringLiteral("monitor"), QStringLiteral("warn")};
    if (!known.contains(command))
        throw UsageError{QStringLiteral("unknown command %1 (see quorixctl --help)").arg(command)};
}

void enterDataRoot(const Options& options)
{
    const QString& data = options.shared.data;
    if (!data.isEmpty()) {
        const QFileInfo info(data);
        if (!info.isDir() || !info.isReadable() || !QFileInfo(data + QStringLiteral("/modules/setting")).isDir())
            throw UsageError{QStringLiteral("%1 is not a readable data root (a folder holding modules/setting)")
                                 .arg(data)};
    }
    if (AppStartup::enterDataRoot(data).isEmpty())
        throw Failure{QStringLiteral("cannot use the data root %1")
                          .arg(data.isEmpty() ? AppStartup::defaultDataRoot() : data)};
}

void requireDeviceInList(int device, int count)
{
    if (device >= count)
        throw UsageError{QStringLiteral("--device %1: the device list has %2 record(s)").arg(device).arg(count)};
}

void requireKnownObject(const QString& name)
{
    if (name != QLatin1String("ui_View") && name != QLatin1String("hid"))
        throw UsageError{QStringLiteral("unknown object %1 (ui_View or hid)").arg(name)};
}

void printSlots(const QStringList& args, const QStringList& viewSlots, const QStringList& hidSlots)
{
    if (args.size() > 1)
        throw UsageError{QStringLiteral("slots takes at most one object name")};
    if (!args.isEmpty())
        requireKnownObject(args.first());
    const bool all = args.isEmpty();
    if (all || args.first() == QLatin1String("ui_View"))
        for (const QString& line : viewSlots)
            out() << line << Qt::endl;
    if (all || args.first() == QLatin1String("hid"))
        for (const QString& line : hidSlots)
            out() << line << Qt::endl;
}

SlotCall prepareCall(const ObjectLookup& object, const QString& target, const QJsonArray& args,
                     const QString& fileOption)
{
    const int dot = target.indexOf(QLatin1Char('.'));
    if (dot <= 0)
        throw UsageError{QStringLiteral("expected OBJECT.SLOT, not \"%1\"").arg(target)};
    const QString name = target.left(dot);
    const QString slot = target.mid(dot + 1);
    SlotCall call;
    if (!call.prepare(object(name), name, slot, args))
        throw UsageError{call.error()};
    // Checked before anything runs: without a window such a slot would wait
    // for a dialog nobody can see.
    const bool asksForFile = name == QLatin1String("ui_View") && SettingsView::slotsAskingForFiles().contains(slot);
    if (asksForFile && fileOption.isEmpty())
        throw UsageError{QStringLiteral("%1 asks for a file: give it with --file PATH").arg(target)};
    // An import from a file that is not there would leave the slot empty.
    if (asksForFile && slot.startsWith(QLatin1String("load")) && !QFileInfo(fileOption).isReadable())
        throw UsageError{QStringLiteral("cannot read %1").arg(fileOption)};
    return call;
}

namespace {

// A script line's call and its arguments; false for a line to skip.
bool nextScriptLine(QIODevice& file, int* number, QString* target, QString* arguments)
{
    const QString line = QString::fromUtf8(file.readLine()).trimmed();
    ++*number;
    if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
        return false;
    const int space = line.indexOf(QLatin1Char(' '));
    *target = space < 0 ? line : line.left(space);
    *arguments = space < 0 ? QString() : line.mid(space + 1);
    return true;
}

} // namespace

QList<SlotCall> prepareScript(QIODevice& file, const ObjectLookup& object, const QString& fileOption)
{
    QList<SlotCall> calls;
    int number = 0;
    QString target;
    QString arguments;
    while (!file.atEnd()) {
        if (!nextScriptLine(file, &number, &target, &arguments))
            continue;
        QJsonArray args;
        QString error;
        if (!arguments.isNull() && !parseJsonValues(arguments, &args, &error))
            throw UsageError{QStringLiteral("line %1: %2").arg(number).arg(error)};
        try {
            calls.append(prepareCall(object, target, args, fileOption));
        } catch (const UsageError& e) {
            throw UsageError{QStringLiteral("line %1: %2").arg(number).arg(e.message)};
        }
    }
    return calls;
}

QStringList scriptTargets(QIODevice& file)
{
    QStringList targets;
    int number = 0;
    QString target;
    QString arguments;
    while (!file.atEnd())
        if (nextScriptLine(file, &number, &target, &arguments))
            targets << target;
    return targets;
}

void printCallResult(const SlotCall& call)
{
    printJson(call.result());
    if (call.hasOutputs())
        printJson(call.outputs());
}

void printScriptResult(const SlotCall& call)
{
    if (call.hasOutputs())
        printJson(QJsonObject{{QStringLiteral("result"), call.result()}, {QStringLiteral("out"), call.outputs()}});
    else
        printJson(call.result());
}
