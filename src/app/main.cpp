#include "app/Program.h"
#include "protocol/HidapiBackend.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral(QUORIX_APP_NAME));
    Program program;
    if (!program.start())
        return 1;
    return program.run(hidapiBackend());
}
