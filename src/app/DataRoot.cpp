#include "app/DataRoot.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

Q_LOGGING_CATEGORY(lcDataRoot, "quorix.app")

namespace DataRoot {

Choice choose(const QString& executableDir, const QString& dataHome)
{
    if (QFileInfo::exists(executableDir + QStringLiteral("/modules/setting/apConfig.bin")))
        return {QDir::cleanPath(executableDir), Mode::Portable};
    return {QDir::cleanPath(dataHome + QLatin1Char('/') + QStringLiteral(QUORIX_APP_NAME)),
            Mode::Installed};
}

QString userDataHome()
{
    const QString env = qEnvironmentVariable("XDG_DATA_HOME");
    if (!env.isEmpty() && QDir::isAbsolutePath(env))
        return env;
    return QDir::homePath() + QStringLiteral("/.local/share");
}

QString factoryModules(const QString& executableDir)
{
    return QDir::cleanPath(executableDir + QStringLiteral("/../share/") + QStringLiteral(QUORIX_APP_NAME)
                           + QStringLiteral("/modules"));
}

bool ensure(const Choice& choice, const QString& factoryModulesDir)
{
    if (choice.mode == Mode::Portable || QFileInfo::exists(choice.path))
        return true;
    // Built aside and moved in whole, so an interrupted first start leaves no half tree.
    const QString staging = choice.path + QStringLiteral(".partial");
    QDir(staging).removeRecursively();
    bool ok = QFileInfo(factoryModulesDir).isDir() && QDir().mkpath(staging + QStringLiteral("/modules"));
    QDirIterator it(factoryModulesDir, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    const QDir src(factoryModulesDir);
    while (ok && it.hasNext()) {
        const QString from = it.next();
        const QString to = staging + QStringLiteral("/modules/") + src.relativeFilePath(from);
        ok = QFileInfo(from).isDir() ? QDir().mkpath(to) : QFile::copy(from, to);
        // Installed files are read-only; the user's copies must be writable.
        if (ok && !QFileInfo(from).isDir())
            QFile::setPermissions(to, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup
                                          | QFile::ReadOther);
    }
    if (ok)
        ok = QDir().rename(staging, choice.path);
    if (!ok) {
        QDir(staging).removeRecursively();
        qCCritical(lcDataRoot, "Cannot create the settings folder %s from %s", qPrintable(choice.path),
                   qPrintable(factoryModulesDir));
    }
    return ok;
}

} // namespace DataRoot
