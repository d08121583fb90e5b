#include "view/MacroEncoding.h"

#include <QtTest>

using MacroEncoding::Action;

namespace {

Action delay(int ms) { return {MacroEncoding::Delay, ms}; }
Action press(int code) { return {MacroEncoding::KeyPress, code}; }
Action release(int code) { return {MacroEncoding::KeyRelease, code}; }
Action buttonPress(int code) { return {MacroEncoding::ButtonPress, code}; }
Action buttonRelease(int code) { return {MacroEncoding::ButtonRelease, code}; }

constexpr int A = 0x04;
constexpr int B = 0x05;
constexpr int MsL = 0xF0;

} // namespace

Q_DECLARE_METATYPE(QList<Action>)

class tst_MacroEncoding : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void encode_data();
    void encode();
    void estimate_data();
    void estimate();
    void codecTakesPairsFromTheScreens();
};

void tst_MacroEncoding::encode_data()
{
    QTest::addColumn<QList<Action>>("actions");
    QTest::addColumn<int>("repeat");
    QTest::addColumn<QList<int>>("bytes");

    QTest::newRow("press and release, no delay")
        << QList<Action>{press(A), release(A)} << 2 << QList<int>{0x00, 0x02, 0x01, A, 0x81, A, 0x00, 0x00};
    QTest::newRow("1500 ms after a press takes the long form")
        << QList<Action>{press(A), delay(1500), release(A)} << 1
        << QList<int>{0x00, 0x01, 0x7F, A, 0x00, 0x96, 0x81, A, 0x00, 0x00};
    QTest::newRow("1500 ms after a release keeps the release bit")
        << QList<Action>{release(A), delay(1500), press(B)} << 1
        << QList<int>{0x00, 0x01, 0xFF, A, 0x00, 0x96, 0x01, B, 0x00, 0x00};
    QTest::newRow("2000 ms is 200 units")
        << QList<Action>{press(A), delay(2000), release(A)} << 1
        << QList<int>{0x00, 0x01, 0x7F, A, 0x00, 0xC8, 0x81, A, 0x00, 0x00};
    QTest::newRow("two delay rows fold into one")
        << QList<Action>{press(A), delay(50), delay(50), release(A)} << 1
        << QList<int>{0x00, 0x01, 0x0A, A, 0x81, A, 0x00, 0x00};
    QTest::newRow("126 units still fit the timing byte")
        << QList<Action>{press(A), delay(1260), release(A)} << 1
        << QList<int>{0x00, 0x01, 0x7E, A, 0x81, A, 0x00, 0x00};
    QTest::newRow("127 units need the long form")
        << QList<Action>{press(A), delay(1270), release(A)} << 1
        << QList<int>{0x00, 0x01, 0x7F, A, 0x00, 0x7F, 0x81, A, 0x00, 0x00};
    QTest::newRow("leading and trailing delays are dropped")
        << QList<Action>{delay(300), delay(40), press(A), release(A), delay(900)} << 1
        << QList<int>{0x00, 0x01, 0x01, A, 0x81, A, 0x00, 0x00};
    QTest::newRow("a single press")
        << QList<Action>{press(A)} << 1 << QList<int>{0x00, 0x01, 0x01, A, 0x00, 0x00};
    QTest::newRow("no actions: the repeat count alone")
        << QList<Action>{delay(100)} << 300 << QList<int>{0x01, 0x2C};
    QTest::newRow("pauses under one unit read as none")
        << QList<Action>{press(A), delay(0), release(A), delay(4), press(A)} << 1
        << QList<int>{0x00, 0x01, 0x01, A, 0x81, A, 0x01, A, 0x00, 0x00};
    QTest::newRow("half a unit rounds up")
        << QList<Action>{press(A), delay(25), release(A)} << 1
        << QList<int>{0x00, 0x01, 0x03, A, 0x81, A, 0x00, 0x00};
    QTest::newRow("mouse buttons")
        << QList<Action>{buttonPress(MsL), delay(30), buttonRelease(MsL)} << 9999
        << QList<int>{0x27, 0x0F, 0x03, MsL, 0x81, MsL, 0x00, 0x00};
    // Many long rows between two actions must not wrap the 16-bit pause.
    QTest::newRow("the longest pause is kept, not wrapped")
        << (QList<Action>{press(A)} + QList<Action>(11, delay(65535)) + QList<Action>{release(A)}) << 1
        << QList<int>{0x00, 0x01, 0x7F, A, 0xFF, 0xFF, 0x81, A, 0x00, 0x00};
}

void tst_MacroEncoding::encode()
{
    QFETCH(QList<Action>, actions);
    QFETCH(int, repeat);
    QFETCH(QList<int>, bytes);
    QCOMPARE(MacroEncoding::encode(actions, repeat), bytes);
}

void tst_MacroEncoding::estimate_data()
{
    QTest::addColumn<QList<Action>>("actions");
    QTest::addColumn<int>("size");

    QTest::newRow("empty") << QList<Action>{} << 4;
    QTest::newRow("delay rows count nothing") << QList<Action>{press(A), delay(50), delay(50), release(A)} << 8;
    QTest::newRow("a long pause counts six") << QList<Action>{press(A), delay(1500), release(A)} << 12;
    QTest::newRow("a trailing long delay counts nothing") << QList<Action>{press(A), delay(1500)} << 6;
}

void tst_MacroEncoding::estimate()
{
    QFETCH(QList<Action>, actions);
    QFETCH(int, size);
    QCOMPARE(MacroEncoding::sizeEstimate(actions), size);
}

void tst_MacroEncoding::codecTakesPairsFromTheScreens()
{
    MacroCodec codec;
    // Numbers arrive from the screens as doubles or texts; broken rows are skipped.
    const QVariantList actions{QVariantList{1, 4.0}, QVariantList{0, QStringLiteral("1500")},
                               QVariantList{7, 4}, QVariantList{2}, QVariantList{2, 4}};
    QCOMPARE(codec.encode(actions, 1),
             (QVariantList{0, 1, 0x7F, 4, 0, 0x96, 0x81, 4, 0, 0}));
    QCOMPARE(codec.sizeEstimate(actions), 12);
}

QTEST_GUILESS_MAIN(tst_MacroEncoding)

#include "tst_MacroEncoding.moc"
