#include "view/FileDialogs.h"

#include <QFileDialog>
#include <QStandardPaths>

namespace {

QString desktopDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

} // namespace

QString WidgetFileDialogs::openFileName(const QString& caption, const QString& filter)
{
    return QFileDialog::getOpenFileName(m_parent, caption, desktopDir(), filter);
}

QString WidgetFileDialogs::saveFileName(const QString& caption, const QString& filter)
{
    return QFileDialog::getSaveFileName(m_parent, caption, desktopDir(), filter);
}
