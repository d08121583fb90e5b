#include "app/AppStartup.h"

#include <QQuickWindow>

// Apart from AppStartup.cpp, which needs QtCore only.
void AppStartup::useSoftwareRenderer()
{
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
}
