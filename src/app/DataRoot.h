#pragma once

#include <QLoggingCategory>
#include <QString>

// The program's own category by name; an object of its own, so that the data root
// links without the window host, which defines lcApp.
Q_DECLARE_LOGGING_CATEGORY(lcDataRoot)

// The folder holding `modules/`, which becomes the working directory.
//  - portable: the executable's folder, when it holds modules/setting/apConfig.bin
//    (a build tree runs this way);
//  - installed: $XDG_DATA_HOME/quorix-config (default ~/.local/share/quorix-config),
//    made at first start as a copy of <prefix>/share/quorix-config/modules.
namespace DataRoot {

enum class Mode { Portable, Installed };

struct Choice
{
    QString path;
    Mode mode = Mode::Portable;
};

// Pure choice from the executable's folder and the user's data home (the resolved
// value of $XDG_DATA_HOME); touches nothing.
Choice choose(const QString& executableDir, const QString& dataHome);

// $XDG_DATA_HOME, or ~/.local/share when it is unset or not absolute.
QString userDataHome();

// The factory tree an installed executable ships: <prefix>/share/<program>/modules.
QString factoryModules(const QString& executableDir);

// Creates an installed data root from the factory tree when it does not exist yet.
// Returns false (with a log line) when the copy could not be made.
bool ensure(const Choice& choice, const QString& factoryModulesDir);

} // namespace DataRoot
