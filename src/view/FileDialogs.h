#pragma once

#include <QString>

#include <utility>

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

// Answers every dialog with one path given beforehand, for tools that run
// without a window. With no path every dialog reads as cancelled; `asked()`
// tells the caller that a dialog was needed.
class AnsweredFileDialogs : public FileDialogs
{
public:
    explicit AnsweredFileDialogs(QString answer = {}) : m_answer(std::move(answer)) {}
    QString openFileName(const QString& caption, const QString& filter) override;
    QString saveFileName(const QString& caption, const QString& filter) override;
    bool asked() const { return m_asked; }
    void resetAsked() { m_asked = false; }

private:
    QString m_answer;
    bool m_asked = false;
};
