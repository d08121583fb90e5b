#include "E2eProgram.h"
#include "app/Widget.h"
#include "view/KeyAssignment.h"
#include "view/myQQuickView.h"

#include <QSettings>
#include <QTest>

#include <linux/input-event-codes.h>

// The keyboard pages on the whole program: what the user sets on the keyboard
// picture reaches the keyboard and the profile file on Save.
class TestE2eKeyboard : public QObject
{
    Q_OBJECT

    static constexpr int kRow = 24;
    static constexpr int kSlideMs = 200;

    // The factory profile's four bytes per key: function table (`led` < 0) or picture `led`.
    static QByteArray factoryBytes(const QString& root, int led)
    {
        const QSettings factory(root + QStringLiteral("/modules/setting/pD.bin"), QSettings::IniFormat);
        QByteArray bytes(512, '\0');
        for (int i = 0; i < 126; ++i) {
            if (led >= 0) {
                const QStringList colours = factory.value(QStringLiteral("keyboardLEDData/%1").arg(i)).toStringList();
                if (led < colours.size())
                    bytes.replace(4 * i, 4, QByteArray::fromHex(colours[led].toLatin1()));
                continue;
            }
            const QStringList fn = factory.value(QStringLiteral("keyboardFunctionData/%1").arg(i)).toStringList();
            for (int b = 0; b < 4; ++b)
                bytes[4 * i + b] = char(fn.size() == 4 ? fn[b].toInt() : (b == 2 ? i + 5 : 0));
        }
        return bytes;
    }

    static void setEntry(QByteArray& bytes, int key, const char* hex)
    {
        bytes.replace(4 * key, 4, QByteArray::fromHex(hex));
    }

    // Opens a drop-down, waits until it has slid open and clicks its row `row`, in
    // column `column` of a grid (cells as wide as the field); a list reports its
    // choice when it has finished closing.
    static void choose(E2eProgram& app, QQuickItem* dropDown, int row, int column = 0)
    {
        app.click(dropDown);
        app.advance(kSlideMs);
        QVERIFY(app.settle());
        const qreal w = dropDown->width();
        app.click(dropDown, QPointF(w * column + w / 2, dropDown->height() + kRow * row + kRow / 2));
        app.advance(kSlideMs);
        QVERIFY(app.settle());
    }

    // The command blocks sent to the keyboard since `mark` that start with `opcode`.
    static QList<QByteArray> commands(E2eProgram& app, char opcode, int mark)
    {
        QList<QByteArray> found;
        for (const QByteArray& report : app.traceBytes("keyboard", QStringLiteral("send-feature"), mark)) {
            if (report.size() >= 9 && report[1] == opcode)
                found.append(report.mid(1, 8));
        }
        return found;
    }

private Q_SLOTS:
    void functionsPicturesAndEffectReachTheKeyboardOnSave()
    {
        E2eProgram app;
        QVERIFY(app.start(E2eProgram::Plugged::Keyboard));
        // A macro to bind; the macro editor lists it from the next start on.
        app.view().createMacroIni(QStringLiteral("Jump"), 0);
        app.view().saveMacroIni(QStringLiteral("Jump"), {QStringLiteral("1,A"), QStringLiteral("2,A")}, 1);
        app.view().updataNameList(0, {QStringLiteral("Jump")});
        QVERIFY(app.restart());
        QVERIFY(app.isShown("keyboardMain"));
        const QString keyboard = QStringLiteral("keyboard");

        // Q (matrix index 9) becomes Z, captured from the keyboard.
        app.click("key201");
        app.click("keyValueBox");
        app.keyTap(KEY_Z);
        QVERIFY(app.settle());
        // W (15) becomes Mute, the fifth cell of the multimedia grid.
        app.click("key202");
        choose(app, app.item("mediaGrid"), 0, 4);
        // E (21) runs the macro, which goes to the keyboard at once as macro 0.
        app.click("key203");
        const int bound = app.mark();
        choose(app, app.item("kbMacroList"), 0);
        QCOMPARE(commands(app, 0x11, bound).size(), 1);
        QCOMPARE(commands(app, 0x11, bound).first().left(4).toHex(' '), QByteArray("11 00 00 03"));
        QCOMPARE(app.payloadAfter(keyboard, QByteArray::fromHex("11000003"), bound).size(), 192);

        // Colour view: A (8) red in picture 1, S (14) dark there; then in
        // picture 3 the hue knob gives S and D (20) green-cyan.
        app.click("kbViewTab1");
        app.click("key301");
        app.rightClick("key302");
        app.click("kbPicture2");
        app.drag(app.item("hueKnob", app.item("kbHueBar")), QPoint(75, 0));
        QVERIFY(app.settle());
        app.click("key303");
        // Lighting: breathing; choosing it puts speed and brightness on their last step.
        choose(app, app.item("kbEffectList"), 1);

        const int saved = app.mark();
        app.click("saveButton");
        QVERIFY(app.settle());
        QByteArray table = factoryBytes(app.dataRoot(), -1);
        setEntry(table, 9, "00001d00");
        setEntry(table, 15, "0300e200");
        setEntry(table, 21, "04010000");
        if (KeyAssignment::keyboardLayoutFlag()) {
            table.replace(16, 4, table.mid(20, 4));
            table.replace(96, 4, table.mid(72, 4));
            table.replace(240, 4, table.mid(288, 4));
        }
        QCOMPARE(app.payloadAfter(keyboard, QByteArray::fromHex("0d000008"), saved).toHex(' '), table.toHex(' '));

        // Both painted pictures, the one shown last.
        const QList<QByteArray> pictures = commands(app, 0x12, saved);
        QCOMPARE(pictures.size(), 2);
        QCOMPARE(pictures[0].left(4).toHex(' '), QByteArray("12 00 00 08"));
        QCOMPARE(pictures[1].left(4).toHex(' '), QByteArray("12 00 02 08"));
        QByteArray first = factoryBytes(app.dataRoot(), 0);
        setEntry(first, 8, "00ff0000");
        setEntry(first, 14, "00000000");
        QCOMPARE(app.payloadAfter(keyboard, QByteArray::fromHex("12000008"), saved).toHex(' '), first.toHex(' '));
        QByteArray third = factoryBytes(app.dataRoot(), 2);
        setEntry(third, 14, "0000ff88");
        setEntry(third, 20, "0000ff88");
        QCOMPARE(app.payloadAfter(keyboard, QByteArray::fromHex("12000208"), saved).toHex(' '), third.toHex(' '));

        // Breathing is the keyboard's effect 2, speed step 4 its 1, brightness step 4
        // its 50; the factory's colour choice, block 8 (own colours), is 8.
        const QList<QByteArray> effect = commands(app, 0x08, saved);
        QVERIFY(!effect.isEmpty());
        QCOMPARE(effect.first().toHex(' '), QByteArray("08 00 02 01 32 08 00 ba"));

        const auto stored = [&app](const QString& key) { return app.profileValue(0, key).toStringList(); };
        QCOMPARE(stored(QStringLiteral("keyboardFunctionData/9")), QStringList({"0", "0", "29", "0"}));
        QCOMPARE(stored(QStringLiteral("keyboardFunctionData/15")), QStringList({"3", "0", "226", "0"}));
        QCOMPARE(stored(QStringLiteral("keyboardFunctionData/21")), QStringList({"4", "1", "0", "0"}));
        QCOMPARE(app.profileValue(0, QStringLiteral("keyboardMacroKey/0")).toString(), QStringLiteral("Jump"));
        const QStringList a = stored(QStringLiteral("keyboardLEDData/8"));
        const QStringList s = stored(QStringLiteral("keyboardLEDData/14"));
        QCOMPARE(a.size(), 5);
        QCOMPARE(a[0], QStringLiteral("00ff0000"));
        QCOMPARE(s.value(0), QStringLiteral("00000000"));
        QCOMPARE(s.value(2), QStringLiteral("0000ff88"));
        QCOMPARE(stored(QStringLiteral("keyboardLEDData/20")).value(2), QStringLiteral("0000ff88"));
        QCOMPARE(stored(QStringLiteral("keyboard/lightValue")), QStringList({"1", "4", "4", "7"}));

        // A new program shows what was stored.
        QVERIFY(app.restart());
        app.click("key203");
        QCOMPARE(app.item("kbInfoFunction")->property("text").toString(), QStringLiteral("Macro"));
    }

    void aKeyboardPluggedInAgainShowsNoEarlierChoice()
    {
        E2eProgram app;
        QVERIFY(app.start(E2eProgram::Plugged::Keyboard));
        app.click("key201");
        QQuickItem* grid = app.item("mediaGrid");
        choose(app, grid, 0, 1);
        QVERIFY(!grid->property("textValue").toString().isEmpty());
        QQuickItem* setting = app.item("kbKeySetting");
        app.click("keyValueBox");
        QVERIFY(setting->property("isKeyInput").toBool());
        const QString waiting = setting->property("keyValueText").toString();

        // Each change as the kernel announces it; the screens stay locked while no device is served.
        app.sim().unplug(SimulatedHid::Device::Keyboard);
        // The reader notices on its own thread, in real time; virtual time must not run ahead of it.
        QTRY_VERIFY_WITH_TIMEOUT(!app.host().hid().isReaderRunning(), 2000);
        app.host().deviceChangeNotified();
        app.advance(3000);
        app.sim().plug(SimulatedHid::Device::Keyboard);
        app.host().deviceChangeNotified();
        // In one stretch: the detection timer is due only after its whole interval.
        app.advance(3000);
        QVERIFY(app.settle());
        QVERIFY(app.isShown("keyboardMain"));
        QVERIFY(!setting->property("isKeyInput").toBool());
        QCOMPARE(setting->property("keyValueText").toString(), waiting);
        QCOMPARE(grid->property("textValue").toString(), QString());
    }
};

QTEST_MAIN(TestE2eKeyboard)
#include "tst_e2e_keyboard.moc"
