// Writes SlotTable.cpp: the slot lines of ui_View and hid, as SlotCall lists
// them from the objects' meta-objects. Runs at build time.
//   quorixctl_slot_table OUTPUT.cpp

#include "SlotCall.h"
#include "protocol/Hid_Thread.h"
#include "view/myQQuickView.h"

#include <QFile>

#include <cstdio>

namespace {

QByteArray function(const char* name, const QStringList& lines)
{
    QByteArray text = QByteArray("QStringList SlotTable::") + name + "()\n{\n    return {\n";
    for (const QString& line : lines) {
        QByteArray quoted = line.toUtf8();
        quoted.replace('\\', "\\\\").replace('"', "\\\"");
        text += "        QStringLiteral(\"" + quoted + "\"),\n";
    }
    return text + "    };\n}\n";
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: quorixctl_slot_table OUTPUT.cpp\n");
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "quorixctl_slot_table: cannot write %s\n", argv[1]);
        return 1;
    }
    file.write("// Generated from the program's objects by quorixctl_slot_table; do not edit.\n"
               "#include \"SlotTable.h\"\n\n");
    file.write(function("view", SlotCall::signatures(myQQuickView::staticMetaObject, QStringLiteral("ui_View"))));
    file.write("\n");
    file.write(function("hid", SlotCall::signatures(Hid_Thread::staticMetaObject, QStringLiteral("hid"))));
    return file.flush() ? 0 : 1;
}
