#include "Lite.h"

#include "Calls.h"
#include "SlotTable.h"
#include "devices/DeviceList.h"
#include "view/FileDialogs.h"
#include "view/SettingsView.h"

#include <QFile>
#include <QMetaMethod>
#include <QTextStream>

namespace {

bool isSettingsSlot(const QString& target)
{
    if (!target.startsWith(QLatin1String("ui_View.")))
        return false;
    const QByteArray slot = target.mid(int(sizeof("ui_View.")) - 1).toLatin1();
    const QMetaObject& mo = SettingsView::staticMetaObject;
    for (int i = mo.methodOffset(); i < mo.methodCount(); ++i) {
        const QMetaMethod m = mo.method(i);
        if (m.methodType() == QMetaMethod::Slot && m.access() == QMetaMethod::Public && m.name() == slot)
            return true;
    }
    return false;
}

// Script files only: standard input cannot be read twice, and the window host
// must see it from its first line.
bool isSettingsScript(const QStringList& args)
{
    if (args.size() != 1 || args.first() == QLatin1String("-"))
        return false;
    QFile file(args.first());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    for (const QString& target : scriptTargets(file))
        if (!isSettingsSlot(target))
            return false;
    return true;
}

} // namespace

namespace Lite {

bool serves(const Options& o)
{
    if (o.command == QLatin1String("help"))
        return true;
    // The trace file is the window host's to open.
    if (!o.shared.trace.isEmpty())
        return false;
    if (o.command == QLatin1String("slots"))
        return true;
    if (o.command == QLatin1String("call"))
        return !o.args.isEmpty() && isSettingsSlot(o.args.first());
    if (o.command == QLatin1String("script"))
        return isSettingsScript(o.args);
    return false;
}

int run(const Options& o)
{
    if (o.command == QLatin1String("help")) {
        out() << kUsage;
        return 0;
    }
    enterDataRoot(o);
    if (o.command == QLatin1String("slots")) {
        printSlots(o.args, SlotTable::view(), SlotTable::hid());
        return 0;
    }
    AnsweredFileDialogs dialogs(o.file);
    SettingsView view(dialogs);
    const ObjectLookup object = [&view](const QString&) -> QObject* { return &view; };
    QList<SlotCall> calls;
    if (o.command == QLatin1String("call")) {
        calls << prepareCall(object, o.args.first(), parseArgs(o.args.mid(1)), o.file);
    } else {
        QFile file(o.args.first());
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            throw UsageError{QStringLiteral("cannot read the script %1").arg(o.args.first())};
        calls = prepareScript(file, object, o.file);
    }
    // The device is only chosen, never addressed: none of these calls sends anything.
    requireDeviceInList(o.device, int(DeviceList::read().size()));
    for (SlotCall& call : calls) {
        call.invoke();
        if (o.command == QLatin1String("call"))
            printCallResult(call);
        else
            printScriptResult(call);
    }
    return 0;
}

} // namespace Lite
