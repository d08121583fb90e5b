#include "E2eProgram.h"
#include "FakeDialogs.h"
#include "view/myQQuickView.h"

#include <QFile>
#include <QSettings>
#include <QTest>

#include <linux/input-event-codes.h>

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Some visible item below `under` shows exactly `text`.
bool showsText(QQuickItem* under, const QString& text)
{
    for (QQuickItem* item : under->childItems()) {
        if (item->isVisible() && (item->property("text").toString() == text || showsText(item, text)))
            return true;
    }
    return false;
}

QQuickItem* openEditor(E2eProgram& app)
{
    app.click("macroEditorButton");
    QQuickItem* editor = app.item("macroEditor");
    return editor && editor->isVisible() ? editor : nullptr;
}

QString macroFile(E2eProgram& app, const QString& name)
{
    return app.dataRoot() + QStringLiteral("/modules/macro/") + name + QStringLiteral(".bin");
}

// Right-clicks a row and picks entry `entry` of the menu it opens.
void menuEntry(E2eProgram& app, QQuickItem* row, const QString& menu, int entry, QQuickItem* under)
{
    app.click(row, QPointF(40, 12), Qt::RightButton);
    app.click(app.item(QStringLiteral("menuEntry%1").arg(entry), app.item(menu, under)));
    QVERIFY(app.settle());
}

} // namespace

// The macro editor and the profile dialog in the whole program: what a recorded
// macro becomes on the mouse, how bindings follow a rename, and the files that
// export and import write.
class TestE2eMacroProfile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void recordedMacroRunsOnAButtonAndFollowsItsRename()
    {
        E2eProgram app;
        QVERIFY(app.start(E2eProgram::Plugged::Mouse));
        constexpr int button = 3;
        QQuickItem* editor = openEditor(app);
        QVERIFY(editor);
        app.click(app.item("macroNew", editor));
        QVERIFY(app.settle());
        QVERIFY(QFile::exists(macroFile(app, QStringLiteral("Macro_0"))));

        // Keys as the window system delivers them, with pauses between.
        app.click(app.item("macroDelayCheck", editor));
        app.click(app.item("recordButton", editor));
        app.advance(300);
        app.keyPress(KEY_A);
        app.advance(1500);
        app.keyRelease(KEY_A);
        app.advance(50);
        app.keyPress(KEY_B);
        app.advance(20);
        app.keyRelease(KEY_B);
        app.click(app.item("recordButton", editor));
        QVERIFY(app.settle());
        QSettings stored(macroFile(app, QStringLiteral("Macro_0")), QSettings::IniFormat);
        QStringList actions;
        for (int i = 0; i < stored.value(QStringLiteral("config/total")).toInt(); ++i)
            actions << stored.value(QStringLiteral("macro/%1").arg(i)).toString();
        QCOMPARE(actions, QStringList({"1,A", "0,1500", "2,A", "0,50", "1,B", "0,20", "2,B"}));
        app.click(app.item("dialogClose", editor));

        // Bound in the assignment dialog's macro section, scrolled into view.
        app.click(QStringLiteral("mouseLabel%1").arg(button));
        QQuickItem* dialog = app.item("keyAssigment");
        QVERIFY(dialog && dialog->isVisible());
        QQuickItem* section = app.item("macroSection", dialog);
        QVERIFY(section);
        QVERIFY(QMetaObject::invokeMethod(app.item("assignSections", dialog), "scrollTo",
                                          Q_ARG(QVariant, section->y())));
        QVERIFY(app.settle());
        QQuickItem* list = app.item("assignMacroList", dialog);
        app.click(list);
        // The list slides open, then closes after the choice.
        app.advance(200);
        app.click(list, QPointF(list->width() / 2, list->height() + 12));
        app.advance(200);
        const int bound = app.mark();
        app.click(app.item("dialogClose", dialog));
        QVERIFY(app.settle());

        // Sent at once to the button's macro slot (button index + 1): repeat count,
        // A pressed with 150 units in the long form, A released then 5 units, B
        // pressed then 2, B released last, the end mark.
        const QByteArray payload = app.payloadAfter("mouse", QByteArray::fromHex("0f04"), bound);
        QVERIFY2(!payload.isEmpty(), qPrintable(app.trace("mouse", QString(), bound).join('\n')));
        QCOMPARE(payload.left(16).toHex(' '), QByteArray("00 01 7f 04 00 96 85 04 02 05 81 05 00 00 00 00"));
        const QString bindingKey = QStringLiteral("mouseMacroKey/%1").arg(button);
        QCOMPARE(app.profileValue(0, bindingKey).toString(), QStringLiteral("Macro_0"));

        const int saved = app.mark();
        app.click("saveButton");
        QVERIFY(app.settle());
        const QByteArray layer = app.payloadAfter("mouse", QByteArray::fromHex("0d01"), saved);
        QVERIFY(layer.size() >= 64);
        // The device's macro function, run once per press, macro number button + 1.
        QCOMPARE(layer.mid(4 * button, 4).toHex(' '), QByteArray("09 00 04 00"));

        // Renamed in place: the button list and the stored binding follow, and nothing is left for Save.
        editor = openEditor(app);
        QVERIFY(editor);
        app.doubleClick(app.item("macroName0", editor));
        app.typeText(QStringLiteral("Jump"));
        // A press elsewhere in the editor ends the edit.
        app.click(editor, QPointF(300, 420));
        QVERIFY(app.settle());
        app.click(app.item("dialogClose", editor));
        QVERIFY(app.settle());
        QVERIFY(QFile::exists(macroFile(app, QStringLiteral("Jump"))));
        QVERIFY(!QFile::exists(macroFile(app, QStringLiteral("Macro_0"))));
        QCOMPARE(app.profileValue(0, bindingKey).toString(), QStringLiteral("Jump"));
        QQuickItem* keyMatrix = app.item("keyMatrix");
        QVERIFY(showsText(keyMatrix, QStringLiteral("Jump")));
        QVERIFY(!keyMatrix->property("isSave").toBool());
    }

    void profileAndMacroGoOutAndComeBackAsTheSameFiles()
    {
        E2eProgram app;
        QVERIFY(app.start(E2eProgram::Plugged::Mouse));
        FakeDialogs picked;
        app.view().setFileDialogs(&picked);
        QTemporaryDir outside;
        const QString setting = app.dataRoot() + QStringLiteral("/modules/setting/");

        // Export of the first profile, import as a new one.
        app.click("configButton");
        QQuickItem* profiles = app.item("profilePage");
        QVERIFY(profiles && profiles->isVisible());
        picked.answer = outside.filePath(QStringLiteral("standard.pf"));
        menuEntry(app, app.item("profileRow0", profiles), QStringLiteral("profileRowMenu"), 1, profiles);
        const QByteArray exported = bytesOf(picked.answer);
        QVERIFY(!exported.isEmpty());
        QCOMPARE(exported, bytesOf(setting + QStringLiteral("p1.bin")));
        app.click(app.item("profileImport", profiles));
        QVERIFY(app.settle());
        QCOMPARE(bytesOf(setting + QStringLiteral("p2.bin")), exported);
        QVERIFY(app.fileText("modules/setting/name.bin").contains(QLatin1String("profile_01")));
        app.click(app.item("dialogClose", profiles));

        // A macro out as .mc and back in under the next free name.
        QQuickItem* editor = openEditor(app);
        QVERIFY(editor);
        app.click(app.item("macroNew", editor));
        app.click(app.item("recordButton", editor));
        app.keyTap(KEY_Q);
        app.click(app.item("recordButton", editor));
        QVERIFY(app.settle());
        picked.answer = outside.filePath(QStringLiteral("q.mc"));
        QQuickItem* name = app.item("macroName0", editor);
        menuEntry(app, name, QStringLiteral("macroNameMenu"), 2, editor);
        const QByteArray macro = bytesOf(picked.answer);
        QVERIFY(macro.contains("1,Q"));
        QCOMPARE(macro, bytesOf(macroFile(app, QStringLiteral("Macro_0"))));
        menuEntry(app, name, QStringLiteral("macroNameMenu"), 1, editor);
        QCOMPARE(bytesOf(macroFile(app, QStringLiteral("Macro_1"))), macro);
        QCOMPARE(app.view().getNameList(0), QVariantList({"Macro_1", "Macro_0"}));
    }
};

QTEST_MAIN(TestE2eMacroProfile)
#include "tst_e2e_macroprofile.moc"
