// Runs one slot-file operation in a data root and kills itself with SIGKILL just
// before the n-th step of the replacement (write, sync, rename, folder sync), as a
// power cut or kill -9 would. Exit code 0 when the operation ran to its end.
//
//   robust_crashchild OPERATION KILL_AT ROOT
//   OPERATION: copy | reset | import | export | resetApconfig; KILL_AT 0 kills never.

#include "FakeDialogs.h"
#include "RecordingDevice.h"

#include "view/DeviceBlocks.h"
#include "view/Profiles.h"
#include "view/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>

#include <csignal>

#include <unistd.h>

namespace {

int g_killAt = 0;
int g_steps = 0;

void countStep(const char*)
{
    if (++g_steps == g_killAt)
        ::kill(::getpid(), SIGKILL);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4 || !QDir::setCurrent(args[3]))
        return 2;
    const QString op = args[1];
    g_killAt = args[2].toInt();
    SettingsFiles::setStepHook(&countStep);

    SettingsStore store;
    DeviceBlocks blocks;
    RecordingDevice device;
    FakeDialogs dialogs;
    Profiles profiles(store, blocks, device, dialogs);
    bool ok = false;
    if (op == QLatin1String("copy")) {
        ok = profiles.copyProfile(1, 4);
    } else if (op == QLatin1String("reset")) {
        ok = profiles.resetProfile(2);
    } else if (op == QLatin1String("import")) {
        dialogs.answer = QDir::current().filePath(QStringLiteral("import.pf"));
        ok = profiles.loadProfile(3);
    } else if (op == QLatin1String("export")) {
        dialogs.answer = QDir::current().filePath(QStringLiteral("out/export.pf"));
        ok = profiles.saveProfile(5);
    } else if (op == QLatin1String("resetApconfig")) {
        ok = store.resetApconfig();
    } else {
        return 2;
    }
    return ok ? 0 : 1;
}
