#pragma once

#include <QString>
#include <QTemporaryDir>

#include <memory>

// A throw-away data root: a copy of the factory `modules/` tree in a temporary
// folder, made the working directory for as long as the object lives.
class TestDataRoot
{
public:
    TestDataRoot();
    ~TestDataRoot();
    TestDataRoot(const TestDataRoot&) = delete;
    TestDataRoot& operator=(const TestDataRoot&) = delete;

    bool isValid() const { return m_valid; }
    QString path() const { return m_dir.path(); }
    QString file(const QString& relative) const { return m_dir.filePath(relative); }

private:
    QTemporaryDir m_dir;
    QString m_previousCwd;
    bool m_valid = false;
};

// The factory tree in the source checkout.
QString factoryModulesDir();
// Copies a directory tree; false when any file could not be copied.
bool copyTree(const QString& from, const QString& to);
