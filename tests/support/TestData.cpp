#include "TestData.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

QString factoryModulesDir()
{
    const QByteArray env = qgetenv("QUORIX_FACTORY_DIR");
    return env.isEmpty() ? QStringLiteral(QUORIX_FACTORY_DIR_DEFAULT) : QString::fromLocal8Bit(env);
}

bool copyTree(const QString& from, const QString& to)
{
    QDir src(from);
    if (!src.exists() || !QDir().mkpath(to))
        return false;
    bool ok = true;
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = to + QLatin1Char('/') + src.relativeFilePath(path);
        if (QFileInfo(path).isDir())
            ok = QDir().mkpath(target) && ok;
        else
            ok = QFile::copy(path, target) && ok;
    }
    return ok;
}

TestDataRoot::TestDataRoot()
    : m_previousCwd(QDir::currentPath())
{
    if (!m_dir.isValid())
        return;
    m_valid = copyTree(factoryModulesDir(), m_dir.filePath(QStringLiteral("modules")))
        && QDir::setCurrent(m_dir.path());
}

TestDataRoot::~TestDataRoot()
{
    QDir::setCurrent(m_previousCwd);
}
