#include "ViewWorld.h"

#include "view/PointerSettings.h"
#include "view/SettingsView.h"
#include "view/myQQuickView.h"

#include <QQmlContext>
#include <QQmlExpression>
#include <QQuickItem>
#include <QThread>
#include <QtTest>

namespace {

const char kRootQml[] = R"(import QtQuick
Item {
    property string log: ""
    function initUI() { log += "initUI;" }
    function run() { log += "run;" }
    function detectKeyboard(down, code) { log += "kb " + down + " " + code + ";" }
    function detectMouse(down, button, x, y) { log += "ms " + down + " " + button + " " + x + " " + y + ";" }
    function setProtectUI(ms) { log += "protect " + ms + ";" }
    function setCurrentDPI(v) { log += "dpi " + v + ";" }
}
)";

// Every key exists; remembers what would be written.
class RecordingGSettings : public GSettingsBackend
{
public:
    QStringList written;
    bool isWritable(const QString&, const QString&) override { return true; }
    bool set(const QString& schema, const QString& key, const QString& value) override
    {
        written.append(schema + QLatin1Char(' ') + key + QLatin1Char(' ') + value);
        return true;
    }
};

} // namespace

// The slots as the screens call them: from QML, with script values, from other threads.
class tst_ViewSlots : public QObject
{
    Q_OBJECT

    std::unique_ptr<ViewWorld> w;
    std::unique_ptr<myQQuickView> view;

    QVariant evaluate(const QString& script)
    {
        QQmlExpression expression(view->rootContext(), view->rootObject(), script);
        const QVariant result = expression.evaluate();
        if (expression.hasError())
            qWarning() << expression.error();
        return result;
    }

private Q_SLOTS:
    void init()
    {
        view.reset();
        w.reset();
        w = std::make_unique<ViewWorld>();
        ViewWorld::writeBytes(w->root.file("root.qml"), kRootQml);
        view = std::make_unique<myQQuickView>();
        view->rootContext()->setContextProperty(QStringLiteral("ui_View"), view.get());
        view->setSource(QUrl::fromLocalFile(w->root.file("root.qml")));
        QVERIFY(view->rootObject());
    }

    // Calls into the screens arrive on the GUI thread, in order, after the caller returns.
    void forwardsToRootFunctions()
    {
        view->setBusy(300);
        std::unique_ptr<QThread> reader(QThread::create([this] {
            view->initUI();
            view->runUI();
            view->detectKeyboard(true, 0x04);
            view->detectMouse(false, 0xF1, -1, 20);
            view->setCurrentDPI(5);
        }));
        reader->start();
        QVERIFY(reader->wait(5000));
        QCOMPARE(view->rootObject()->property("log").toString(), QStringLiteral("protect 300;"));
        QCoreApplication::processEvents();
        QCOMPARE(view->rootObject()->property("log").toString(),
                 QStringLiteral("protect 300;initUI;run;kb true 4;ms false 241 4294967295 20;dpi 5;"));
    }

    void screensPassNumbersAndExtraArguments()
    {
        // The screens call this one with an extra argument; it answers as declared.
        QCOMPARE(evaluate("ui_View.getGlobalData('mouse/icType', true)").toString(), QStringLiteral("553"));
        RecordingGSettings gsettings;
        view->setGSettingsBackend(&gsettings);
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
        QTest::ignoreMessage(QtDebugMsg, "test 0");
        QCOMPARE(evaluate("ui_View.mouseSetRGBEffect(1, 2, 3); ui_View.keyboardSetRGBEffect(12, 4, 4, 0);"
                          "ui_View.mouseSetCursorSpeed(5); ui_View.mouseSetProfile(1);"
                          "ui_View.mouseReadKeyboardType() + 1").toInt(), 1);
        QCOMPARE(gsettings.written, QStringList{"org.gnome.desktop.peripherals.mouse speed 0"});
        // A button index that is not a number names no button, not button 0.
        view->setDataList("mouseKeyMatrix/0", {1, 2, 3, 4});
        QCOMPARE(view->mouseGetKeydefine(0, false).size(), 4);
        QVERIFY(view->mouseGetKeydefine("abc", false).isEmpty() && view->mouseGetKeydefine(QVariant(), false).isEmpty());
        QVERIFY(evaluate("ui_View.mouseGetKeydefine('abc', false)").toList().isEmpty());
    }

    void scriptValuesReachTheFilesAsPlainText_data()
    {
        QTest::addColumn<QString>("call");
        QTest::addColumn<bool>("global");
        QTest::addColumn<QString>("line");
        QTest::newRow("array to a global value") << "ui_View.setGlobalData('mouse/selectGun', [0, 1, 2])" << true
                                                 << "selectGun=0, 1, 2";
        QTest::newRow("array to a profile value") << "ui_View.setData('mouse/dpiValueArray', [4, 8, 1 / 2])" << false
                                                  << "dpiValueArray=4, 8, 0.5";
        QTest::newRow("computed whole number") << "ui_View.setData('mouse/reportRate', 6 / 2)" << false << "reportRate=3";
        QTest::newRow("strings to a list") << "ui_View.setDataList('keyboardLEDData/0', ['ff0000', '00ff00'])" << false
                                           << "0=ff0000, 00ff00";
        QTest::newRow("array to a gun choice") << "ui_View.setSelectGun(1, ['a', 'b'])" << false << "1=a, b";
        QTest::newRow("number to a sensitivity") << "ui_View.setXYSensitive(2, 7)" << false << "2=7";
    }

    // What a script hands over is stored as the same value from C++ would be.
    void scriptValuesReachTheFilesAsPlainText()
    {
        QFETCH(QString, call);
        QFETCH(bool, global);
        evaluate(call);
        view->settings().flush();
        const QString text = QString::fromUtf8(
            ViewWorld::readBytes(global ? SettingsStore::globalPath() : SettingsStore::profilePath(0)));
        QFETCH(QString, line);
        QVERIFY2(text.split(QLatin1Char('\n')).contains(line) && !text.contains(QLatin1String("@Variant")), qPrintable(text));
    }

    // The tool answers settings calls without the window stack through
    // SettingsView; both must offer the same slots, or scripts would differ.
    void settingsViewSlotsAreTheViews()
    {
        const auto publicSlots = [](const QMetaObject& mo, const QByteArray& name) {
            QStringList found;
            for (int i = mo.methodOffset(); i < mo.methodCount(); ++i) {
                const QMetaMethod m = mo.method(i);
                if (m.methodType() == QMetaMethod::Slot && m.access() == QMetaMethod::Public && m.name() == name)
                    found << QString::fromLatin1(QByteArray(m.typeName()) + ' ' + m.methodSignature() + ' '
                                                 + m.parameterNames().join(','));
            }
            return found;
        };
        const QMetaObject& lite = SettingsView::staticMetaObject;
        QVERIFY(lite.methodCount() - lite.methodOffset() > 20);
        for (int i = lite.methodOffset(); i < lite.methodCount(); ++i) {
            const QByteArray name = lite.method(i).name();
            QCOMPARE(publicSlots(lite, name), publicSlots(myQQuickView::staticMetaObject, name));
        }
        QCOMPARE(SettingsView::slotsAskingForFiles(), myQQuickView::slotsAskingForFiles());
    }
};

QTEST_MAIN(tst_ViewSlots)
#include "tst_ViewSlots.moc"
