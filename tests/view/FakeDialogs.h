#pragma once

#include "view/FileDialogs.h"

#include <QStringList>

// Answers file dialogs with a prepared path and remembers what was asked.
class FakeDialogs : public FileDialogs
{
public:
    QString answer;
    QStringList asked;

    QString openFileName(const QString& caption, const QString& filter) override
    {
        asked << caption << filter;
        return answer;
    }
    QString saveFileName(const QString& caption, const QString& filter) override
    {
        asked << caption << filter;
        return answer;
    }
};
