#include "FakeDialogs.h"
#include "ViewWorld.h"

#include "protocol/Hid_Thread.h"
#include "view/Macros.h"
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
    function extraArgument() { return ui_View.getGlobalData("mouse/icType", true) }
    function numbersAsBytes() {
        ui_View.mouseSetRGBEffect(1, 2, 3)
        ui_View.keyboardSetRGBEffect(12, 4, 4, 0)
        ui_View.mouseSetCursorSpeed(5)
        ui_View.mouseSetProfile(1)
        return ui_View.mouseReadKeyboardType() + 1
    }
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

class tst_ViewSlots : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void forwardsToRootFunctions();
    void currentDpiFromReaderThreadReachesGuiThread();
    void slotsReachTheLogic();
    void callsWithExtraArgumentsKeepDeclaredBehaviour();
    void clearHidBusyAndUpdateDoNothingHarmful();
    void screensPassNumbersToByteParameters();
    void theFileSlotsAreTheOnesThatAsk();
    void settingsViewSlotsAreTheViews();
    void scriptValuesReachTheFilesAsPlainText_data();
    void scriptValuesReachTheFilesAsPlainText();

private:
    std::unique_ptr<myQQuickView> makeView(ViewWorld& w);
};

std::unique_ptr<myQQuickView> tst_ViewSlots::makeView(ViewWorld& w)
{
    QFile qml(w.root.file(QStringLiteral("root.qml")));
    if (!qml.open(QIODevice::WriteOnly))
        return {};
    qml.write(kRootQml);
    qml.close();
    auto view = std::make_unique<myQQuickView>();
    view->rootContext()->setContextProperty(QStringLiteral("ui_View"), view.get());
    view->setSource(QUrl::fromLocalFile(qml.fileName()));
    if (view->status() != QQuickWidget::Ready)
        qWarning() << view->errors();
    return view;
}

void tst_ViewSlots::forwardsToRootFunctions()
{
    ViewWorld w;
    auto view = makeView(w);
    QVERIFY(view && view->rootObject());
    QObject* root = view->rootObject();

    view->setBusy(300);
    view->setCurrentDPI(2);
    // Direct calls: already there.
    QCOMPARE(root->property("log").toString(), QStringLiteral("protect 300;dpi 2;"));

    view->initUI();
    view->runUI();
    view->detectKeyboard(true, 0x04);
    view->detectMouse(false, 0xF1, -1, 20);
    QCOMPARE(root->property("log").toString(), QStringLiteral("protect 300;dpi 2;"));
    QCoreApplication::processEvents();
    QCOMPARE(root->property("log").toString(),
             QStringLiteral("protect 300;dpi 2;initUI;run;kb true 4;ms false 241 4294967295 20;"));
}

void tst_ViewSlots::currentDpiFromReaderThreadReachesGuiThread()
{
    ViewWorld w;
    auto view = makeView(w);
    QVERIFY(view && view->rootObject());
    std::unique_ptr<QThread> reader(QThread::create([&view] { view->setCurrentDPI(5); }));
    reader->start();
    QVERIFY(reader->wait(5000));
    QCOMPARE(view->rootObject()->property("log").toString(), QString());
    QCoreApplication::processEvents();
    QCOMPARE(view->rootObject()->property("log").toString(), QStringLiteral("dpi 5;"));
}

void tst_ViewSlots::slotsReachTheLogic()
{
    ViewWorld w;
    ViewWorld::writeFile(SettingsStore::profilePath(1), {{"mouse/reportRate", 4}});
    w.reset(ViewFlags());
    auto view = std::make_unique<myQQuickView>();
    FakeDialogs dialogs;
    view->setFileDialogs(&dialogs);

    QVariant result;
    QVERIFY(QMetaObject::invokeMethod(view.get(), "createMacroIni", Q_RETURN_ARG(QVariant, result),
                                      Q_ARG(QVariant, "m"), Q_ARG(QVariant, 0)));
    QCOMPARE(result, QVariant(true));
    QCOMPARE(view->loadMacroIni("m"), QStringList{"1"});
    QCOMPARE(view->getXYSensitive(3).toInt(), 4);

    dialogs.answer = w.root.file(QStringLiteral("slot2.pf"));
    view->saveProfile(1);
    QCOMPARE(dialogs.asked, (QStringList{"Save File", "Profile(*.pf)"}));
    QVERIFY(QFile::exists(dialogs.answer));
    QVERIFY(view->loadProfile(3));
    view->setCurrentProfile(3);
    QCOMPARE(view->getData("mouse/reportRate", false).toInt(), 4);

    view->copyProfile(5, 3);
    view->setCurrentProfile(5);
    QCOMPARE(view->getData("mouse/reportRate", false).toInt(), 4);
    QCOMPARE(view->mouseGetCurrentDPI().toInt(), 0);
    QVERIFY(view->updataNameList(0, {"m"}).toBool());
    QCOMPARE(view->getNameList(0).size(), 2);

    // A button index that is not a number names no button, not button 0.
    view->setDataList("mouseKeyMatrix/0", {1, 2, 3, 4});
    QCOMPARE(view->mouseGetKeydefine(0, false).size(), 4);
    QVERIFY(view->mouseGetKeydefine("abc", false).isEmpty());
    QVERIFY(view->mouseGetKeydefine(QVariant(), false).isEmpty());
}

// Tools without a window refuse these slots unless a file is given beforehand.
void tst_ViewSlots::theFileSlotsAreTheOnesThatAsk()
{
    ViewWorld w;
    auto view = std::make_unique<myQQuickView>();
    AnsweredFileDialogs unanswered;
    view->setFileDialogs(&unanswered);
    const QStringList named = myQQuickView::slotsAskingForFiles();
    QCOMPARE(named.size(), 4);
    for (const QString& slot : named) {
        unanswered.resetAsked();
        const QByteArray name = slot.toLatin1();
        const bool called = slot.endsWith(QLatin1String("Profile"))
            ? QMetaObject::invokeMethod(view.get(), name.constData(), Q_ARG(int, 1))
            : QMetaObject::invokeMethod(view.get(), name.constData(), Q_ARG(QVariant, QStringLiteral("m")));
        QVERIFY2(called, name.constData());
        QVERIFY2(unanswered.asked(), name.constData());
    }
    // Cancelled: nothing was imported or exported.
    QVERIFY(!QFile::exists(Macros::filePath(QStringLiteral("m"))));
}

// quorixctl serves these slots without the view: a slot that differs in any
// overload would take other arguments, or fail otherwise, than the screens' one.
void tst_ViewSlots::settingsViewSlotsAreTheViews()
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

void tst_ViewSlots::callsWithExtraArgumentsKeepDeclaredBehaviour()
{
    ViewWorld w;
    w.settings->setGlobalData("common/language", "xx");
    w.settings->flush();
    w.reset(ViewFlags());
    auto view = makeView(w);
    QVERIFY(view && view->rootObject());
    QVariant fromScreen;
    QVERIFY(QMetaObject::invokeMethod(view->rootObject(), "extraArgument", Q_RETURN_ARG(QVariant, fromScreen)));
    QCOMPARE(fromScreen.toString(), QStringLiteral("553"));
    QCOMPARE(view->getGlobalData("common/language").toString(), QStringLiteral("xx"));
    QCOMPARE(view->getGlobalData("mouse/icType").toString(), QStringLiteral("553"));
    QVERIFY(!view->getData("never/written", false).isValid());
    view->setDataList("pair", {1, 2});
    QCOMPARE(view->getDataList("pair", false), (QVariantList{"1", "2"}));
    view->setDataList("one", {1});
    QVERIFY(view->getDataList("one", false).isEmpty());
    view->settings().flush();
    QVERIFY(view->getDataList("one", false).isEmpty());
}

void tst_ViewSlots::clearHidBusyAndUpdateDoNothingHarmful()
{
    ViewWorld w;
    auto view = std::make_unique<myQQuickView>();
    view->clearHidBusy();
    view->openUpdateExe();
    QVERIFY(!view->hid());
    Hid_Thread hid;
    view->setHid(&hid);
    QCOMPARE(view->hid(), &hid);
    view->clearHidBusy();
    QVERIFY(hid.isChannelFree());
}

void tst_ViewSlots::screensPassNumbersToByteParameters()
{
    ViewWorld w;
    auto view = makeView(w);
    QVERIFY(view && view->rootObject());
    RecordingGSettings gsettings;
    view->setGSettingsBackend(&gsettings);
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
    QVariant result;
    QTest::ignoreMessage(QtDebugMsg, "test 0");
    QVERIFY(QMetaObject::invokeMethod(view->rootObject(), "numbersAsBytes", Q_RETURN_ARG(QVariant, result)));
    QCOMPARE(result.toInt(), 1);
    QCOMPARE(gsettings.written, QStringList{"org.gnome.desktop.peripherals.mouse speed 0"});
}

void tst_ViewSlots::scriptValuesReachTheFilesAsPlainText_data()
{
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("line");
    const QString global = SettingsStore::globalPath();
    const QString slot = SettingsStore::profilePath(0);
    QTest::newRow("array to a global value") << "ui_View.setGlobalData('mouse/selectGun', [0, 1, 2])" << global
                                             << "selectGun=0, 1, 2";
    QTest::newRow("number to a global value") << "ui_View.setGlobalData('mouse/profileNo', 3)" << global
                                              << "profileNo=3";
    QTest::newRow("array to a profile value") << "ui_View.setData('mouse/dpiValueArray', [4, 8, 1 / 2])" << slot
                                              << "dpiValueArray=4, 8, 0.5";
    QTest::newRow("computed whole number") << "ui_View.setData('mouse/reportRate', 6 / 2)" << slot
                                           << "reportRate=3";
    QTest::newRow("strings to a list") << "ui_View.setDataList('keyboardLEDData/0', ['ff0000', '00ff00'])" << slot
                                       << "0=ff0000, 00ff00";
    QTest::newRow("array to a gun choice") << "ui_View.setSelectGun(1, ['a', 'b'])" << slot << "1=a, b";
    QTest::newRow("number to a sensitivity") << "ui_View.setXYSensitive(2, 7)" << slot << "2=7";
}

// What a script hands over is stored as the same value from C++ would be.
void tst_ViewSlots::scriptValuesReachTheFilesAsPlainText()
{
    QFETCH(QString, call);
    QFETCH(QString, file);
    QFETCH(QString, line);
    ViewWorld w;
    auto view = makeView(w);
    QVERIFY(view && view->rootObject());
    QQmlExpression expression(view->rootContext(), nullptr, call);
    expression.evaluate();
    QVERIFY2(!expression.hasError(), qPrintable(expression.error().toString()));
    view->settings().flush();
    QFile written(file);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(written.readAll());
    QVERIFY2(text.split(QLatin1Char('\n')).contains(line), qPrintable(text));
    QVERIFY(!text.contains(QLatin1String("@Variant")));
}

QTEST_MAIN(tst_ViewSlots)
#include "tst_ViewSlots.moc"
