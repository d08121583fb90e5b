#include "E2eProgram.h"
#include "view/myQQuickView.h"

#include <QTest>

#include <cmath>

#include <linux/input-event-codes.h>

// The mouse page over the simulator: a factory reset and a restart, functions
// given to the buttons through the assignment dialog's own controls, sent on
// Save, and guns bound in the gun editor, sent when it closes.
class TestE2eMousePage : public QObject
{
    Q_OBJECT

    // Longer than any drop-down's slide, which settle() does not wait for.
    static constexpr int kSlideMs = 250;

    E2eProgram* m_app = nullptr;
    QQuickItem* m_dialog = nullptr;

    void openButton(int button)
    {
        m_app->click(QStringLiteral("mouseLabel%1").arg(button));
        m_dialog = m_app->item("keyAssigment");
        QVERIFY(m_dialog && m_dialog->isVisible());
    }

    // Drags the dialog's scroll bar until the section is at the top, or as near as it goes.
    QQuickItem* scrollTo(const QString& sectionName)
    {
        QQuickItem* area = m_app->item("assignSections", m_dialog);
        QQuickItem* section = m_app->item(sectionName, m_dialog);
        QQuickItem* bar = m_app->item("scrollBar", area);
        if (!area || !section || !bar)
            return nullptr;
        const qreal travel = area->height() - bar->height();
        const qreal wanted = travel * std::min<qreal>(1.0, section->y() / area->property("maxContentY").toReal());
        m_app->drag(bar, QPoint(0, qRound(wanted - bar->y())));
        return section;
    }

    void clickIn(const QString& sectionName, const QString& control)
    {
        QQuickItem* section = scrollTo(sectionName);
        QVERIFY(section);
        m_app->click(m_app->item(control, section));
        QVERIFY(m_app->settle());
    }

    // Opens a section's grid and clicks cell `cell` (six to a row, each as wide as the field).
    void chooseCell(const QString& sectionName, int cell)
    {
        QQuickItem* section = scrollTo(sectionName);
        QVERIFY(section);
        QQuickItem* grid = m_app->item(sectionName + QStringLiteral("Grid"), section);
        QVERIFY(grid);
        m_app->click(grid);
        m_app->advance(kSlideMs);
        m_app->click(grid, QPointF(grid->width() * (cell % 6 + 0.5), grid->height() * (cell / 6 + 1.5)));
        m_app->advance(kSlideMs);
    }

    void closeDialog()
    {
        m_app->click(m_app->item("dialogClose", m_dialog));
        QVERIFY(m_app->settle());
        QVERIFY(!m_dialog->isVisible());
    }

    // Save (from `mark` on); the entries of key layer 1 it sent.
    QStringList saveAndTakeLayers(int& mark)
    {
        mark = m_app->mark();
        m_app->click("saveButton");
        if (!m_app->settle())
            return {};
        return entries(1, mark);
    }

    // The sixteen four-byte entries of a key layer, as hex.
    QStringList entries(int layer, int mark)
    {
        const QByteArray bytes = m_app->payloadAfter("mouse", QByteArray::fromHex("0d") + char(layer), mark);
        QStringList out;
        for (int i = 0; i + 4 <= bytes.size() && i < 64; i += 4)
            out << bytes.mid(i, 4).toHex(' ');
        return out;
    }

    QStringList keyMatrix(int button) const
    {
        return m_app->profileValue(0, QStringLiteral("mouseKeyMatrix/%1").arg(button)).toStringList();
    }

private Q_SLOTS:
    // A JavaScript array once reached apConfig.bin as an unreadable QJSValue blob.
    void factoryResetKeepsTheGunSlotsReadable()
    {
        E2eProgram app;
        QVERIFY(app.start(E2eProgram::Plugged::Mouse));
        QVERIFY(app.isShown("mouseMain"));
        app.click("resetButton");
        app.click("resetOk");
        QVERIFY(app.settle());
        QVERIFY(!app.isShown("resetDialog"));
        QVERIFY(app.fileText("modules/setting/apConfig.bin").contains(QLatin1String("selectGun=0, 1, 2")));

        QVERIFY(app.restart());
        const QVariantList guns = app.view().getGlobalData(QStringLiteral("mouse/selectGun")).toList();
        QCOMPARE(guns.size(), 3);
        for (int i = 0; i < 3; ++i) {
            bool ok = false;
            QCOMPARE(guns[i].toInt(&ok), i);
            QVERIFY(ok);
        }
    }

    void everyClassReachesTheMouseOnSave()
    {
        E2eProgram app;
        m_app = &app;
        QVERIFY(app.start(E2eProgram::Plugged::Mouse));

        openButton(1);
        clickIn("mouseSection", QStringLiteral("mouseSectionRadio1"));
        closeDialog();
        openButton(2);
        clickIn("fireSection", QStringLiteral("fireKeyBox"));
        app.keyTap(KEY_A);
        QVERIFY(app.settle());
        closeDialog();
        openButton(3);
        clickIn("groupSection", QStringLiteral("comboBox"));
        app.keyPress(KEY_LEFTCTRL);
        app.keyTap(KEY_C);
        app.keyRelease(KEY_LEFTCTRL);
        app.keyTap(KEY_V);
        app.keyTap(KEY_B);
        QVERIFY(app.settle());
        clickIn("groupSection", QStringLiteral("comboConfirm"));
        closeDialog();
        openButton(4);
        chooseCell("mediaSection", 4);
        closeDialog();

        // A new macro from the editor the dialog opens, chosen in the macro list.
        openButton(5);
        clickIn("macroSection", QStringLiteral("assignMacroEditor"));
        QQuickItem* editor = app.item("macroEditor");
        QVERIFY(editor && editor->isVisible());
        app.click(app.item("macroNew", editor));
        QVERIFY(app.settle());
        app.click(app.item("dialogClose", editor));
        QVERIFY(app.settle());
        clickIn("macroSection", QStringLiteral("macroRunMode2"));
        clickIn("macroSection", QStringLiteral("assignMacroList"));
        app.advance(kSlideMs);
        QQuickItem* list = app.item("assignMacroList", m_dialog);
        app.click(list, QPointF(list->width() / 2, list->height() * 1.5));
        app.advance(kSlideMs);
        const QString macroName = list->property("textValue").toString();
        QVERIFY(!macroName.isEmpty());
        closeDialog();

        openButton(6);
        clickIn("dpiSection", QStringLiteral("dpiSectionRadio3"));
        closeDialog();
        openButton(7);
        chooseCell("windowsSection", 3);
        closeDialog();

        int mark = 0;
        QStringList layer = saveAndTakeLayers(mark);
        QVERIFY2(layer.size() == 16, qPrintable(app.trace("mouse").mid(-20).join('\n')));
        // The two fixed entries no control shows reach the mouse as "no function" with their parameters.
        QCOMPARE(layer.mid(0, 8) + layer.mid(14),
                 QStringList({"01 00 f0 00", "01 00 f2 00", "0a 04 0a 00", "00 01 06 19", "03 00 e2 00",
                              "09 02 06 00", "0b 00 01 01", "00 04 2c 1b", "04 00 01 00", "04 00 02 00"}));
        QCOMPARE(keyMatrix(2), QStringList({"1", "4", "10", "0"}));
        QCOMPARE(keyMatrix(3), QStringList({"2", "1", "6", "25"}));
        QCOMPARE(keyMatrix(14), QStringList({"255", "0", "1", "0"}));
        QCOMPARE(keyMatrix(15), QStringList({"255", "0", "2", "0"}));
        QCOMPARE(app.profileValue(0, QStringLiteral("mouseMacroKey/5")).toString(), macroName);

        openButton(1);
        chooseCell("shortcutSection", 2);
        closeDialog();
        openButton(2);
        clickIn("gunSection", QStringLiteral("gunSectionRadio1"));
        closeDialog();

        layer = saveAndTakeLayers(mark);
        QCOMPARE(layer.mid(1, 3), QStringList({"00 00 e0 06", "08 00 01 00", "00 01 06 19"}));
        QCOMPARE(keyMatrix(2), QStringList({"8", "0", "2", "0"}));
        // Two gun layers: the button switches into layer 2, whose button 1 fires
        // with the period of the gun bound to slot 1 (9 ms in the factory guns).
        const QStringList layer2 = entries(2, mark);
        QCOMPARE(layer2.size(), 16);
        QCOMPARE(layer2[2], QStringLiteral("08 00 03 00"));
        QCOMPARE(layer2[0], QStringLiteral("0b 00 09 00"));
    }

    void boundGunsReachTheMouseWhenTheEditorCloses()
    {
        E2eProgram app;
        QVERIFY(app.start(E2eProgram::Plugged::Mouse, sim::MouseFamily::F553));

        app.click("gunEditorButton");
        QQuickItem* editor = app.item("gunControl");
        QVERIFY(editor && editor->isVisible());
        QQuickItem* slotList = app.item("gunSlotList", editor);
        app.click(slotList);
        app.advance(kSlideMs);
        app.click(slotList, QPointF(slotList->width() / 2, slotList->height() * 2.5));
        app.advance(kSlideMs);
        // Gun 5 into slot 2, its pull dragged 40 pixels lower: 10 + 40 / 94 * 64, truncated.
        app.click(app.item("gun4", editor));
        app.drag(app.item("gunDot", editor), QPoint(0, 40));
        QVERIFY(app.settle());

        const int mark = app.mark();
        app.click(app.item("dialogClose", editor));
        QVERIFY(app.settle());
        QVERIFY(!editor->isVisible());
        // One gun-data command per slot: repeat count, x step, y step, slot index.
        QStringList gunCommands;
        for (const QByteArray& report : app.traceBytes("mouse", QStringLiteral("send-feature"), mark)) {
            if (report.size() > 6 && report[1] == 0x04)
                gunCommands << report.mid(1, 6).toHex(' ');
        }
        QCOMPARE(gunCommands, QStringList({"04 00 00 00 05 00", "04 00 00 00 25 01", "04 00 00 00 08 02"}));
        // The key matrix follows with the bound guns' periods.
        QVERIFY(!app.payloadAfter("mouse", QByteArray::fromHex("1201"), mark).isNull());
        QVERIFY(app.fileText("modules/gun/gunData.bin").contains(QLatin1String("4=UNP9, L-Click, 10, 0, 37, 0")));
        QCOMPARE(app.globalValue("mouse/selectGun").toStringList(), QStringList({"0", "4", "2"}));

        // Closed again without a change, the editor sends nothing.
        app.click("gunEditorButton");
        const int quiet = app.mark();
        app.click(app.item("dialogClose", editor));
        QVERIFY(app.settle());
        QVERIFY(app.trace("mouse", QStringLiteral("send-feature"), quiet).isEmpty());
    }
};

QTEST_MAIN(TestE2eMousePage)
#include "tst_e2e_mousepage.moc"
