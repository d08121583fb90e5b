#include "E2eProgram.h"
#include "view/PointerSettings.h"
#include "view/myQQuickView.h"

#include <QSettings>
#include <QTest>

// The DPI page, the mouse lighting page and the system settings dialog, driven
// through the window, checked on the wire and on disk.

namespace {

using Family = sim::MouseFamily;

// Both desktops' stores, recording what the program writes there.
class RecordingStores : public GSettingsBackend, public KConfigBackend
{
public:
    QStringList written;
    bool isWritable(const QString& schema, const QString&) override
    {
        return schema == QLatin1String(PointerSettings::kMouseSchema);
    }
    bool set(const QString& schema, const QString& key, const QString& value) override
    {
        written << QStringList({schema, key, value}).join(QLatin1Char(' '));
        return true;
    }
    bool isAvailable() override { return true; }
    bool write(const QString& file, const QString& group, const QString& key, const QString& value) override
    {
        written << QStringList({file, group, key, value}).join(QLatin1Char(' '));
        return true;
    }
    void notifyMouseSettingsChanged() override {}
};

// Lets slides and glides (at most 180 ms) run to their end.
bool glideDone(E2eProgram& app)
{
    app.advance(250);
    return app.settle();
}

int save(E2eProgram& app)
{
    const int mark = app.mark();
    app.click("saveButton");
    app.settle();
    return mark;
}

// Clicks a slider's track at its right end, or its left end.
void clickTrack(E2eProgram& app, QQuickItem* slider, bool right)
{
    app.click(slider, QPointF(right ? slider->width() - 2 : 0, slider->height() / 2));
}

// The mouse lighting effect bytes (mode, level, third) sent since `mark`.
QByteArray effectBytes(E2eProgram& app, Family family, int mark)
{
    // The 560 family: every layer block carries the effect; block 1 goes first.
    if (family == Family::F560)
        return app.payloadAfter("mouse", QByteArray::fromHex("0c01"), mark).mid(71, 3).toHex(' ');
    for (const QByteArray& report : app.traceBytes("mouse", QStringLiteral("send-feature"), mark)) {
        if (report.size() > 4 && report[1] == '\x0d')
            return report.mid(2, 3).toHex(' ');
    }
    return QByteArray();
}

} // namespace

class TestE2eDpiLight : public QObject
{
    Q_OBJECT

    // Opens a drop-down list and clicks its row `row` (0-based), scrolling a long list first.
    void chooseRow(E2eProgram& app, const QString& listName, int row)
    {
        QQuickItem* list = app.item(listName);
        QVERIFY(list);
        app.click(list);
        QVERIFY(glideDone(app));
        constexpr int rowHeight = 24;
        const int shown = list->property("shownRows").toInt();
        const int count = list->property("count").toInt();
        int visibleRow = row;
        if (count > shown) {
            // The bar on the right scrolls a long list to its top, or to its end for
            // the rows beyond; its middle lies under the bar either way.
            const int toEnd = row >= shown ? 1 : -1;
            app.drag(list, QPoint(0, toEnd * shown * rowHeight),
                     QPointF(list->width() - 6, rowHeight + shown * rowHeight / 2));
            if (toEnd > 0)
                visibleRow = row - (count - shown);
        }
        app.click(list, QPointF(list->width() / 3, rowHeight + rowHeight * visibleRow + rowHeight / 2));
        QVERIFY(glideDone(app));
        QCOMPARE(list->property("currentSelect").toInt(), row);
    }

private Q_SLOTS:
    void dpiKnobAndStageCountReachTheMouse_data()
    {
        QTest::addColumn<Family>("family");
        QTest::newRow("553") << Family::F553;
        QTest::newRow("560") << Family::F560;
    }

    void dpiKnobAndStageCountReachTheMouse()
    {
        QFETCH(Family, family);
        E2eProgram app;
        QVERIFY(app.start(E2eProgram::Plugged::Mouse, family));
        // Factory: stages 400 … 12000 between 200 and 12000 in steps of 100, four in use.
        QQuickItem* slider = app.item("dpiSlider0");
        QVERIFY(slider);
        app.drag(app.item("knob", slider), QPoint(0, -60));
        QVERIFY(app.settle());
        QCOMPARE(app.item("dpiValue0")->property("text").toString(), QStringLiteral("4800"));
        chooseRow(app, QStringLiteral("dpiStageList"), 5);

        const int mark = save(app);
        // Sensor "3360": code = DPI / 100 − 1; stages beyond the six in use go disabled (553).
        const QByteArray codes("2f 07 0f 1f 2f 3f 5f 77");
        if (family == Family::F553) {
            const QByteArray payload = app.payloadAfter("mouse", QByteArray::fromHex("110608"), mark);
            QCOMPARE(payload.left(8).toHex(' '), QByteArray("2f 07 0f 1f 2f 3f 80 80"));
        } else {
            const QByteArray block = app.payloadAfter("mouse", QByteArray::fromHex("0c01"), mark);
            QCOMPARE(block.size(), 128);
            QCOMPARE(block.mid(84, 8).toHex(' '), codes);
            QCOMPARE(block.mid(92, 8).toHex(' '), codes);
            QCOMPARE(int(uchar(block[100])), 0x3f);
        }
        QCOMPARE(app.profileValue(0, QStringLiteral("mouse/dpiValueArray")).toStringList(),
                 QStringList({"4800", "800", "1600", "3200", "4800", "6400", "9600", "12000"}));
        QCOMPARE(app.profileValue(0, QStringLiteral("mouse/currentDpiCount")).toInt(), 6);
    }

    void everyEffectAndPickedColoursReachTheMouse_data()
    {
        QTest::addColumn<Family>("family");
        QTest::addColumn<bool>("colourful");
        // The effect bytes after choosing each effect in turn, from the factory's speed 2, brightness 4.
        QTest::addColumn<QStringList>("effects");
        QTest::newRow("colourful 560") << Family::F560 << true
                                       << QStringList{"01 ff 00", "03 00 0a", "04 00 0a", "00 00 00", "02 ff 00",
                                                      "05 ff 0a", "06 00 00", "07 ff 00", "08 ff 14", "09 ff 0f",
                                                      "0a ff 1e"};
        QTest::newRow("single-colour 553") << Family::F553 << false
                                           << QStringList{"01 0a 02", "02 01 02", "03 1e 02", "00 00 02"};
    }

    void everyEffectAndPickedColoursReachTheMouse()
    {
        QFETCH(Family, family);
        QFETCH(bool, colourful);
        QFETCH(QStringList, effects);
        E2eProgram app;
        QSettings(app.dataRoot() + QStringLiteral("/modules/setting/apConfig.bin"), QSettings::IniFormat)
            .setValue(QStringLiteral("mouse/isColorful"), colourful);
        QVERIFY(app.start(E2eProgram::Plugged::Mouse, family));

        QCOMPARE(app.item("lightEffectList")->property("count").toInt(), effects.size());
        for (int effect = 0; effect < effects.size(); ++effect) {
            chooseRow(app, QStringLiteral("lightEffectList"), effect);
            QCOMPARE(effectBytes(app, family, save(app)), effects[effect].toLatin1());
        }
        if (colourful) {
            // The last effect shows speed: its fastest step gives the rate 20.
            clickTrack(app, app.item("stepSlider", app.item("speedRow")), true);
            QVERIFY(glideDone(app));
            QCOMPARE(effectBytes(app, family, save(app)), QByteArray("0a ff 14"));
        }

        // Static shows the colours: block 2 from the hue bar, block 3 typed.
        chooseRow(app, QStringLiteral("lightEffectList"), 0);
        app.click("colorBlock1");
        // The knob's centre comes to the press: position 101, between cyan and blue.
        app.click(app.item("hueBar"), QPointF(100, 8));
        app.click("colorBlock2");
        const QStringList typed{"12", "200", "7"};
        const QStringList fields{"redField", "greenField", "blueField"};
        for (int i = 0; i < 3; ++i) {
            app.doubleClick(fields[i]);
            app.typeText(typed[i]);
        }
        // Pressing a slider ends the typing.
        clickTrack(app, app.item("stepSlider", app.item("brightnessRow")), true);
        QVERIFY(glideDone(app));

        const int mark = save(app);
        const QByteArray colours = family == Family::F560
            ? app.payloadAfter("mouse", QByteArray::fromHex("0c00"), mark).mid(24, 24)
            : app.payloadAfter("mouse", QByteArray::fromHex("1001"), mark).left(24);
        QCOMPARE(colours.toHex(' '), QByteArray("fb 63 7e 00 a2 ff 0c c8 07 ff ff 00 00 ff 00 00 ff ff 00 00 ff ff ff ff"));
        QCOMPARE(app.profileValue(0, QStringLiteral("mouse/lightValue")).toStringList(),
                 QStringList({"0", colourful ? "4" : "0", "4"}));
        QCOMPARE(app.profileValue(0, QStringLiteral("mouse/colorValue")).toStringList().mid(3, 6),
                 QStringList({"0", "162", "255", "12", "200", "7"}));
    }

    void systemSettingsApplyAtOnce_data()
    {
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<QStringList>("applied");
        QTest::newRow("Plasma") << "KDE"
                                << QStringList{"kcminputrc Mouse XLbInptPointerAcceleration 0.8",
                                               "kdeglobals KDE DoubleClickInterval 900",
                                               "kdeglobals KDE WheelScrollLines 1000",
                                               "kdeglobals KDE WheelScrollLines 3",
                                               "kdeglobals KDE WheelScrollLines 7"};
        // GNOME keeps no wheel lines: only the two speeds arrive.
        QTest::newRow("GNOME") << "GNOME"
                               << QStringList{"org.gnome.desktop.peripherals.mouse speed 0.8",
                                              "org.gnome.desktop.peripherals.mouse double-click 900"};
    }

    void systemSettingsApplyAtOnce()
    {
        QFETCH(QString, desktop);
        QFETCH(QStringList, applied);
        E2eProgram app;
        QVERIFY(app.start(E2eProgram::Plugged::Mouse));
        RecordingStores stores;
        app.view().setPointerBackends(&stores, &stores, desktop);
        const auto stored = [&app](const char* key) { return app.profileValue(0, QLatin1String(key)).toInt(); };

        app.click("systemSettingButton");
        QVERIFY(app.settle());
        // The cursor knob dragged from the factory's 171 to 295: step 9.
        QQuickItem* cursor = app.item("slider", app.item("cursorSlider"));
        app.drag(cursor, QPoint(124, 0), QPointF(171 + 4.5, cursor->height() / 2));
        QVERIFY(app.settle());
        QCOMPARE(stored("mouse/mouseRate"), 295);
        // A click at the far left of the track glides the knob there: step 0, 900 ms.
        clickTrack(app, app.item("slider", app.item("doubleSlider")), false);
        QVERIFY(glideDone(app));
        QCOMPARE(stored("mouse/doubleRate"), 2);

        app.click("screenRadio");
        QCOMPARE(stored("mouse/scrollRate"), 1000);
        app.click("rowsRadio");
        QCOMPARE(stored("mouse/scrollRate"), 3);
        app.doubleClick("rowsField");
        app.typeText(QStringLiteral("7"));
        // A press on the dimming layer ends the edit, which applies it.
        app.click(app.item("mainMask"), QPointF(10, 10));
        QVERIFY(app.settle());
        QCOMPARE(stored("mouse/scrollRate"), 7);
        QCOMPARE(stores.written, applied);
    }
};

QTEST_MAIN(TestE2eDpiLight)
#include "tst_e2e_dpilight.moc"
