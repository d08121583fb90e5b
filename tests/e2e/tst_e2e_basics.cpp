#include "E2eProgram.h"
#include "view/myQQuickView.h"

#include <QTest>

#include <linux/input-event-codes.h>

// Flows across the main screen, the view and the devices that the screens'
// own tests cannot see: they run against recording stand-ins.
class TestE2eBasics : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void factoryResetKeepsTheGunSlotsReadable()
    {
        E2eProgram app;
        QVERIFY(app.start(E2eProgram::Options::mouseOnly()));
        QVERIFY(app.isShown(QStringLiteral("mouseMain")));

        app.click(QStringLiteral("resetButton"));
        app.click(QStringLiteral("resetOk"));
        QVERIFY(app.settle());
        QVERIFY(!app.isShown(QStringLiteral("resetDialog")));
        QVERIFY(app.fileText(QStringLiteral("modules/setting/apConfig.bin")).contains(QLatin1String("selectGun=0, 1, 2")));

        QVERIFY(app.restart());
        const QVariantList guns = app.view().getGlobalData(QStringLiteral("mouse/selectGun")).toList();
        QCOMPARE(guns.size(), 3);
        for (int i = 0; i < 3; ++i) {
            bool ok = false;
            QCOMPARE(guns[i].toInt(&ok), i);
            QVERIFY(ok);
        }
    }

    void fireKeyAssignedOnTheMousePageIsSentOnSave()
    {
        E2eProgram app;
        QVERIFY(app.start(E2eProgram::Options::mouseOnly()));
        constexpr int button = 3;

        app.click(QStringLiteral("mouseLabel%1").arg(button));
        QQuickItem* dialog = app.item(QStringLiteral("keyAssigment"));
        QVERIFY(dialog && dialog->isVisible());
        app.click(app.item(QStringLiteral("fireKeyBox"), dialog));
        app.keyTap(KEY_A);
        QVERIFY(app.settle());
        app.click(app.item(QStringLiteral("dialogClose"), dialog));
        QVERIFY(!dialog->isVisible());

        const int mark = app.mark();
        app.click(QStringLiteral("saveButton"));
        QVERIFY(app.settle());

        // Key layer 1: command 0D for layer 1, then the 16 four-byte entries.
        const QByteArray payload = app.payloadAfter(QStringLiteral("mouse"), QByteArray::fromHex("0d01"), mark);
        QVERIFY2(payload.size() >= 64, qPrintable(app.trace(QStringLiteral("mouse"), QString(), mark).join('\n')));
        // A fire key: device function 10, the key's usage (A = 04), then the stored rate and count.
        QCOMPARE(payload.mid(4 * button, 4).toHex(' '), QByteArray("0a 04 0a 00"));
        QCOMPARE(app.profileValue(0, QStringLiteral("mouseKeyMatrix/%1").arg(button)).toStringList(),
                 QStringList({"1", "4", "10", "0"}));
    }
};

QTEST_MAIN(TestE2eBasics)
#include "tst_e2e_basics.moc"
