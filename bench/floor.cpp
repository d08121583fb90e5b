// The floor of the start-up benchmark: the least a program of ours can do to
// show its window, a bare QQuickWidget with one 1024 x 640 rectangle on the
// software backend. Our program's figures are read against it.

#include <QApplication>
#include <QQuickWidget>
#include <QQuickWindow>
#include <QUrl>

int main(int argc, char* argv[])
{
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    QApplication app(argc, argv);
    QQuickWidget view;
    view.setResizeMode(QQuickWidget::SizeRootObjectToView);
    view.setWindowFlags(Qt::FramelessWindowHint);
    view.setSource(QUrl(QStringLiteral("qrc:/floor.qml")));
    view.resize(1024, 640);
    view.show();
    return QApplication::exec();
}
