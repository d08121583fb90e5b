#pragma once

#include <QString>

class QWidget;

// Where the user picks a file to import or a target to export to. The program
// asks with modal dialogs; tests answer with prepared paths and never open one.
class FileDialogs
{
public:
    virtual ~FileDialogs() = default;
    // Empty when the user cancels.
    virtual QString openFileName(const QString& caption, const QString& filter) = 0;
    virtual QString saveFileName(const QString& caption, const QString& filter) = 0;
};

// Modal dialogs parented to `parent`, opening in the user's desktop folder.
class WidgetFileDialogs : public FileDialogs
{
public:
    explicit WidgetFileDialogs(QWidget* parent) : m_parent(parent) {}
    QString openFileName(const QString& caption, const QString& filter) override;
    QString saveFileName(const QString& caption, const QString& filter) override;

private:
    QWidget* m_parent;
};
