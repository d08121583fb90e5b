#include "view/FileDialogs.h"

// The widget dialogs are in WidgetFileDialogs.cpp, so that what answers without
// a window links without the widget stack.

QString AnsweredFileDialogs::openFileName(const QString&, const QString&)
{
    m_asked = true;
    return m_answer;
}

QString AnsweredFileDialogs::saveFileName(const QString&, const QString&)
{
    m_asked = true;
    return m_answer;
}
