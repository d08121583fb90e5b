#include "app/AppStartup.h"

#include "app/DataRoot.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace AppStartup {

QString enterDataRoot(const QString& explicitRoot)
{
    QString root = explicitRoot;
    if (root.isEmpty()) {
        const QString exeDir = QCoreApplication::applicationDirPath();
        const DataRoot::Choice choice = DataRoot::choose(exeDir, DataRoot::userDataHome());
        DataRoot::ensure(choice, DataRoot::factoryModules(exeDir));
        root = choice.path;
    }
    const QFileInfo info(root);
    if (!info.isDir() || !info.isReadable() || !QDir::setCurrent(root)) {
        qCCritical(lcDataRoot, "Cannot enter the settings folder %s; the program stops", qPrintable(root));
        return QString();
    }
    return QDir::currentPath();
}

QString defaultDataRoot()
{
    return DataRoot::choose(QCoreApplication::applicationDirPath(), DataRoot::userDataHome()).path;
}

} // namespace AppStartup
