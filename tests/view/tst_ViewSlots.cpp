#include "FakeDialogs.h"
#include "ViewWorld.h"

#include "protocol/Hid_Thread.h"
#include "view/PointerSettings.h"
#include "view/myQQuickView.h"

#include <QQmlContext>
#include <QQuickItem>
#include <QThread>
#include <QtTest>

namespace {

// The screens' view of ui_View: every public slot, in declaration order.
const char* const kSlots[] = {
    "void clearHidBusy()",
    "void initUI()",
    "void runUI()",
    "void resetApconfig()",
    "bool loadMacroFile(QVariant macroFileName)",
    "void saveMacroFile(QVariant macroFileName)",
    "bool loadProfile(int profile)",
    "void saveProfile(int profile)",
    "void resetProfile(int profile)",
    "void copyProfile(int destprofile, int srcprofile)",
    "QStringList getLangStrings(QString typeStr, QString langCode)",
    "QVariant createMacroIni(QVariant name, QVariant macroIndex)",
    "QVariant updataNameList(QVariant type, QStringList nameList)",
    "QVariant modifyMacroNameUpdateProfile(QVariant oldname, QVariant newname)",
    "void deleteMacroUpdateProfile(QVariant macroName)",
    "QVariant deleteMacroIni(QVariant name)",
    "QVariantList getNameList(QVariant type)",
    "QVariant saveMacroIni(QVariant name, QStringList macros, QVariant repeat)",
    "QVariant keyboardSendMacroData(QVariantList macroData, QVariant macroIndex)",
    "QVariant mouseSendMacroData(QVariantList macroData, QVariant macroIndex)",
    "QStringList loadMacroIni(QVariant name)",
    "void mouseSaveGundata(QVariant index, QVariantList src6)",
    "void mouseSendGundata(int, QVariantList)",
    "void modifyGundata(QVariant modifyType, QVariantList src6)",
    "QVariantList getGunData(QVariant name)",
    "QStringList getGunDataKey()",
    "QVariant getXYSensitive(QVariant index)",
    "QVariant getselectGun(QVariant index)",
    "void setXYSensitive(QVariant index, QVariant xyData)",
    "void setSelectGun(QVariant index, QVariant xyData)",
    "void setCurrentProfile(int profile)",
    "void mouseSetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4)",
    "void mouseSetReportRate(uchar rate)",
    "void mouseSetCurrentDPI(uchar currentDPI)",
    "void mouseResetKeyMatrix()",
    "QVariant mouseGetCurrentDPI()",
    "void keyboardLEDPicture(int pictureIndex, bool isRecovery)",
    "void mouseSetKeyMatrix(QVariantList src64, bool isSendData, QVariantList otherParam)",
    "void keyboardSetKeyMatrix(bool isRecovery)",
    "void mouseSetDpi(int dpiCount, QString sensorType, QVariantList dpiValueArray)",
    "void keyboardSetRGBEffect(uchar effect, uchar speed, uchar brightness, uchar color)",
    "void mouseSetRGBEffect(uchar effect, uchar option1, uchar option2)",
    "void keyboardSetRGBColor(uchar type, QVariantList src24)",
    "void mouseSetRGBColor(uchar type, QVariantList src24)",
    "void mouseSetProfile(uint profileNo)",
    "uchar mouseReadKeyboardType()",
    "void mouseReadProfile(uint profileNo)",
    "QVariant mouseReadCurrentProfile()",
    "void mouseSwitchKeyMatrix(int indexNo)",
    "QVariantList GetKeyboardoption()",
    "void mouseSetCursorSpeed(uint cursorSpeed)",
    "void mouseSetVerticalScrollLines(uint lines)",
    "void mouseSetDoubleClickSpeed(uint speed)",
    "QVariantList mouseGetKeydefine(QVariant index, bool)",
    "void openUpdateExe()",
    "QVariant getData(QVariant key, bool isRecovery)",
    "QVariant getGlobalData(QVariant key)",
    "QVariantList getDataList(QVariant key, bool isRecovery)",
    "void setData(QVariant key, QVariant data)",
    "void setGlobalData(QVariant key, QVariant tmpdata)",
    "void setDataList(QVariant key, QVariantList datalist)",
    "void setBusy(int busyTime)",
    "void setCurrentDPI(int dpiValue)",
};

QString describe(const QMetaMethod& m)
{
    QStringList params;
    const QList<QByteArray> types = m.parameterTypes();
    const QList<QByteArray> names = m.parameterNames();
    for (int i = 0; i < types.size(); ++i)
        params.append(names.at(i).isEmpty() ? QString::fromLatin1(types.at(i))
                                            : QString::fromLatin1(types.at(i) + ' ' + names.at(i)));
    return QStringLiteral("%1 %2(%3)").arg(QString::fromLatin1(m.typeName()), QString::fromLatin1(m.name()),
                                           params.join(QStringLiteral(", ")));
}

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
    void exactlyTheseSlotsInOrder();
    void forwardsToRootFunctions();
    void currentDpiFromReaderThreadReachesGuiThread();
    void slotsReachTheLogic();
    void callsWithExtraArgumentsKeepDeclaredBehaviour();
    void clearHidBusyAndUpdateDoNothingHarmful();
    void screensPassNumbersToByteParameters();

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

void tst_ViewSlots::exactlyTheseSlotsInOrder()
{
    const QMetaObject& mo = myQQuickView::staticMetaObject;
    QStringList found;
    for (int i = mo.methodOffset(); i < mo.methodCount(); ++i) {
        const QMetaMethod m = mo.method(i);
        if (m.methodType() == QMetaMethod::Slot && m.access() == QMetaMethod::Public)
            found.append(describe(m));
    }
    QStringList expected;
    for (const char* s : kSlots)
        expected.append(QString::fromLatin1(s));
    QCOMPARE(expected.size(), 63);
    QCOMPARE(found, expected);
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

QTEST_MAIN(tst_ViewSlots)
#include "tst_ViewSlots.moc"
