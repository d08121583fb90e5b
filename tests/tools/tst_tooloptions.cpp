#include "ToolOptions.h"

#include <QTest>

// The option walk quorixctl and quorix-sim share.
class TestToolOptions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parse_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("parsed"); // data|simulate|keyboard|mouse|family|trace|rest, or the error
        QTest::newRow("nothing") << QStringList{} << "|0|1|1|||";
        QTest::newRow("value apart and inline")
            << QStringList{"--trace", "a b", "--mouse-family=560"} << "|0|1|1|560|a b|";
        QTest::newRow("simulate alone means both") << QStringList{"--simulate"} << "|1|1|1|||";
        QTest::newRow("simulate one") << QStringList{"--simulate=mouse"} << "|1|0|1|||";
        QTest::newRow("simulate none") << QStringList{"--simulate="} << "|1|0|0|||";
        QTest::newRow("last simulate holds") << QStringList{"--simulate=mouse", "--simulate"} << "|1|1|1|||";
        QTest::newRow("options end at the command")
            << QStringList{"--data", "d", "call", "--trace", "x"} << "d|0|1|1|||call --trace x";
        QTest::newRow("a value may look like an option") << QStringList{"--data", "--x"} << "--x|0|1|1|||";
        QTest::newRow("missing value") << QStringList{"--data"} << "error: --data needs a value";
        QTest::newRow("empty trace") << QStringList{"--trace="} << "error: --trace needs a file name";
        QTest::newRow("bad family") << QStringList{"--mouse-family", "55"} << "error: --mouse-family is 553 or 560, not \"55\"";
        QTest::newRow("bad device")
            << QStringList{"--simulate=mouse,pad"} << "error: --simulate takes keyboard and/or mouse, not \"pad\"";
        QTest::newRow("not ours") << QStringList{"--device", "1"} << "error: not shared: --device";
    }

    void parse()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, parsed);
        ToolOptions::Shared o;
        ToolOptions::Reader reader(QStringList{QStringLiteral("tool")} + args);
        QString got;
        try {
            while (reader.next())
                if (!ToolOptions::take(reader, o))
                    throw ToolOptions::Error{QStringLiteral("not shared: ") + reader.name()};
            got = QStringList{o.data, QString::number(o.simulate), QString::number(o.keyboard),
                              QString::number(o.mouse), o.family, o.trace, reader.rest().join(QLatin1Char(' '))}
                      .join(QLatin1Char('|'));
        } catch (const ToolOptions::Error& e) {
            got = QStringLiteral("error: ") + e.message;
        }
        QCOMPARE(got, parsed);
    }
};

QTEST_GUILESS_MAIN(TestToolOptions)
#include "tst_tooloptions.moc"
