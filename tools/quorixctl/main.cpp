// quorixctl: the program's objects from the command line, for scripts, login-time
// profile restore, diagnosis and black-box tests. Exit status: 0 done, 1 device or
// command failure, 2 usage error (with a one-line message).
//
// This front end needs QtCore only. It serves the calls that touch nothing but
// the data root itself (Lite.h), in a fraction of the time and memory the window
// stack takes to load; every other command goes to quorixctl-gui.so, loaded into
// this process and run on the same command line.

#include "Calls.h"
#include "Lite.h"
#include "Options.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

#include <dlfcn.h>

namespace {

// Options of the window stack's application object (-platform, --style, -reverse …),
// which it takes off the command line before quorixctl sees it. A command line
// holding one is left to that object; quorixctl's own options and JSON values
// never look like one.
bool mayHoldToolkitOptions(const QStringList& arguments)
{
    static const QStringList own = {QStringLiteral("--data"), QStringLiteral("--simulate"),
                                    QStringLiteral("--mouse-family"), QStringLiteral("--trace"),
                                    QStringLiteral("--virtual-time"), QStringLiteral("--device"),
                                    QStringLiteral("--file"), QStringLiteral("--help")};
    for (const QString& a : arguments.mid(1)) {
        if (a.startsWith(QLatin1String("--")) ? !own.contains(a.section(QLatin1Char('='), 0, 0))
                                              : a.size() > 1 && a[0] == QLatin1Char('-') && a[1].isLetter())
            return true;
    }
    return false;
}

// Beside the executable in a build tree; in <libdir>/quorix-config once installed.
QString guiModule(const QString& executableDir)
{
    const QString name = QStringLiteral("quorixctl-gui.so");
    const QString beside = executableDir + QLatin1Char('/') + name;
    if (QFileInfo::exists(beside))
        return beside;
    return QDir::cleanPath(executableDir + QStringLiteral("/" QUORIXCTL_GUI_DIR "/") + name);
}

int runWithWindowStack(const QString& module, int argc, char* argv[])
{
    void* handle = dlopen(QFile::encodeName(module).constData(), RTLD_NOW | RTLD_LOCAL);
    using Main = int (*)(int, char**);
    Main entry = handle ? reinterpret_cast<Main>(dlsym(handle, "quorixctl_gui_main")) : nullptr;
    if (!entry) {
        std::fprintf(stderr, "quorixctl: cannot load %s: %s\n", qPrintable(module), dlerror());
        return 1;
    }
    return entry(argc, argv);
}

} // namespace

int main(int argc, char* argv[])
{
    QString module;
    {
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("quorixctl"));
        module = guiModule(QCoreApplication::applicationDirPath());
        const QStringList arguments = QCoreApplication::arguments();
        if (!mayHoldToolkitOptions(arguments)) {
            const QString startedIn = QDir::currentPath();
            constexpr int kToWindowStack = -1;
            const int status = reportingErrors([&] {
                const Options options = parseOptions(arguments);
                if (Lite::serves(options))
                    return Lite::run(options);
                // What the window host would check first is checked here, so that
                // it is reported alike when the module is missing.
                requireKnownCommand(options.command);
                if (options.command != QLatin1String("warn"))
                    enterDataRoot(options);
                return kToWindowStack;
            });
            if (status != kToWindowStack)
                return status;
            // The window host reads the command line afresh, relative names included.
            QDir::setCurrent(startedIn);
        }
    }
    return runWithWindowStack(module, argc, argv);
}
