#include "view/myQQuickView.h"

#include "protocol/Hid_Thread.h"
#include "view/DeviceBlocks.h"
#include "view/DeviceSettings.h"
#include "view/FileDialogs.h"
#include "view/GunData.h"
#include "view/KeyAssignment.h"
#include "view/MacroEncoding.h"
#include "view/Macros.h"
#include "view/NameLists.h"
#include "view/PointerSettings.h"
#include "view/Profiles.h"
#include "view/ScreenValues.h"
#include "view/SettingsStore.h"
#include "view/ViewLog.h"

#include <QQuickItem>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QThread>

myQQuickView::myQQuickView(QWidget* parent)
    : QQuickWidget(parent)
    , m_settings(new SettingsStore(this))
    , m_blocks(std::make_unique<DeviceBlocks>())
    , m_defaultDialogs(std::make_unique<WidgetFileDialogs>(this))
    , m_dialogs(m_defaultDialogs.get())
    , m_defaultGSettings(std::make_unique<GSettingsTool>())
    , m_defaultKConfig(std::make_unique<KConfigTool>())
{
    MacroCodec::registerForScreens();
    buildLogic();
    setPointerBackends(nullptr, nullptr, qEnvironmentVariable("XDG_CURRENT_DESKTOP"));
}

myQQuickView::~myQQuickView()
{
    // The screens go first, while the slots they may still call are intact.
    setSource(QUrl());
    // Qt's software scene graph frees the texture of an image only at the frame
    // sync after the image is gone, and the widget takes down its render context
    // without another one, after its window has emptied the image cache: every
    // image the screens showed would stay allocated. So empty that cache here
    // and sync once (one grab of the now empty scene) while the context lives.
    // A view never given a size has drawn nothing and has nothing to free.
    QQuickWindow* window = quickWindow();
    window->releaseResources();
    if (window->rendererInterface()->graphicsApi() == QSGRendererInterface::Software && !window->size().isEmpty())
        grabFramebuffer();
}

void myQQuickView::buildLogic()
{
    DeviceCommands& device = m_hid ? static_cast<DeviceCommands&>(*m_hid) : m_noDevice;
    m_profiles = std::make_unique<Profiles>(*m_settings, *m_blocks, device, *m_dialogs);
    m_keys = std::make_unique<KeyAssignment>(*m_settings, *m_blocks, device);
    m_macros = std::make_unique<Macros>(*m_settings, device, *m_dialogs);
    m_guns = std::make_unique<GunData>(*m_settings, *m_blocks, device);
    m_device = std::make_unique<DeviceSettings>(*m_settings, *m_blocks, device);
}

void myQQuickView::setHid(Hid_Thread* hid)
{
    m_hid = hid;
    buildLogic();
}

Hid_Thread* myQQuickView::hid() const
{
    return m_hid;
}

void myQQuickView::setFileDialogs(FileDialogs* dialogs)
{
    m_dialogs = dialogs ? dialogs : m_defaultDialogs.get();
    buildLogic();
}

void myQQuickView::setPointerBackends(GSettingsBackend* gsettings, KConfigBackend* kconfig,
                                      const QString& sessionDesktops)
{
    m_pointer = std::make_unique<PointerSettings>(gsettings ? *gsettings : *m_defaultGSettings,
                                                  kconfig ? *kconfig : *m_defaultKConfig, sessionDesktops);
}

QStringList myQQuickView::slotsAskingForFiles()
{
    return {QStringLiteral("loadMacroFile"), QStringLiteral("saveMacroFile"), QStringLiteral("loadProfile"),
            QStringLiteral("saveProfile")};
}

void myQQuickView::invokeRoot(const char* function, Qt::ConnectionType type, const QVariantList& args)
{
    QObject* root = rootObject();
    if (!root) {
        qCWarning(lcView, "No screen is loaded to receive %s", function);
        return;
    }
    bool ok = false;
    switch (args.size()) {
    case 0:
        ok = QMetaObject::invokeMethod(root, function, type);
        break;
    case 1:
        ok = QMetaObject::invokeMethod(root, function, type, Q_ARG(QVariant, args[0]));
        break;
    case 2:
        ok = QMetaObject::invokeMethod(root, function, type, Q_ARG(QVariant, args[0]),
                                       Q_ARG(QVariant, args[1]));
        break;
    case 4:
        ok = QMetaObject::invokeMethod(root, function, type, Q_ARG(QVariant, args[0]),
                                       Q_ARG(QVariant, args[1]), Q_ARG(QVariant, args[2]),
                                       Q_ARG(QVariant, args[3]));
        break;
    default:
        break;
    }
    if (!ok)
        qCWarning(lcView, "The screen has no function %s taking %lld arguments", function,
                  static_cast<long long>(args.size()));
}

void myQQuickView::detectKeyboard(bool isDown, int usage)
{
    invokeRoot("detectKeyboard", Qt::QueuedConnection, {isDown, usage});
}

void myQQuickView::detectMouse(bool isDown, int button, int x, int y)
{
    // Coordinates travel as unsigned 32-bit values, negative ones as two's complement.
    invokeRoot("detectMouse", Qt::QueuedConnection,
               {isDown, static_cast<uint>(button), static_cast<uint>(x), static_cast<uint>(y)});
}

void myQQuickView::clearHidBusy()
{
    if (Hid_Thread* h = hid())
        h->setChannelFree();
}

void myQQuickView::initUI()
{
    invokeRoot("initUI", Qt::QueuedConnection);
}

void myQQuickView::runUI()
{
    invokeRoot("run", Qt::QueuedConnection);
}

void myQQuickView::resetApconfig()
{
    m_settings->resetApconfig();
}

bool myQQuickView::loadMacroFile(QVariant macroFileName)
{
    return m_macros->importFrom(macroFileName.toString());
}

void myQQuickView::saveMacroFile(QVariant macroFileName)
{
    m_macros->exportTo(macroFileName.toString());
}

bool myQQuickView::loadProfile(int profile)
{
    return m_profiles->loadProfile(profile);
}

void myQQuickView::saveProfile(int profile)
{
    m_profiles->saveProfile(profile);
}

void myQQuickView::resetProfile(int profile)
{
    m_profiles->resetProfile(profile);
}

void myQQuickView::copyProfile(int destprofile, int srcprofile)
{
    m_profiles->copyProfile(destprofile, srcprofile);
}

QStringList myQQuickView::getLangStrings(QString typeStr, QString langCode)
{
    return NameLists::langStrings(typeStr, langCode);
}

QVariant myQQuickView::createMacroIni(QVariant name, QVariant macroIndex)
{
    return m_macros->create(name.toString(), macroIndex.toUInt());
}

QVariant myQQuickView::updataNameList(QVariant type, QStringList nameList)
{
    return NameLists::update(type, nameList);
}

QVariant myQQuickView::modifyMacroNameUpdateProfile(QVariant oldname, QVariant newname)
{
    return m_macros->rename(oldname.toString(), newname.toString());
}

void myQQuickView::deleteMacroUpdateProfile(QVariant macroName)
{
    m_macros->resetButtonsRunning(macroName.toString());
}

QVariant myQQuickView::deleteMacroIni(QVariant name)
{
    return m_macros->remove(name.toString());
}

QVariantList myQQuickView::getNameList(QVariant type)
{
    return NameLists::get(type);
}

QVariant myQQuickView::saveMacroIni(QVariant name, QStringList macros, QVariant repeat)
{
    return m_macros->save(name.toString(), macros, ScreenValues::plain(repeat));
}

QVariant myQQuickView::keyboardSendMacroData(QVariantList macroData, QVariant macroIndex)
{
    m_macros->sendToKeyboard(ScreenValues::plainList(macroData), macroIndex.toUInt());
    return true;
}

QVariant myQQuickView::mouseSendMacroData(QVariantList macroData, QVariant macroIndex)
{
    m_macros->sendToMouse(ScreenValues::plainList(macroData), macroIndex.toUInt());
    return true;
}

QStringList myQQuickView::loadMacroIni(QVariant name)
{
    return m_macros->load(name.toString());
}

void myQQuickView::mouseSaveGundata(QVariant index, QVariantList src6)
{
    m_guns->saveRecord(index.toString(), ScreenValues::plainList(src6));
}

void myQQuickView::mouseSendGundata(int layer, QVariantList data)
{
    m_guns->send(layer, ScreenValues::plainList(data));
}

void myQQuickView::modifyGundata(QVariant modifyType, QVariantList src6)
{
    bool ok = false;
    const int type = modifyType.toInt(&ok);
    if (ok)
        m_guns->modify(type, ScreenValues::plainList(src6));
}

QVariantList myQQuickView::getGunData(QVariant name)
{
    return m_guns->record(name.toString());
}

QStringList myQQuickView::getGunDataKey()
{
    return m_guns->recordKeys();
}

QVariant myQQuickView::getXYSensitive(QVariant index)
{
    return m_guns->xySensitive(index.toString());
}

QVariant myQQuickView::getselectGun(QVariant index)
{
    return m_guns->selectGun(index.toString());
}

void myQQuickView::setXYSensitive(QVariant index, QVariant xyData)
{
    m_guns->setXYSensitive(index.toString(), ScreenValues::plain(xyData));
}

void myQQuickView::setSelectGun(QVariant index, QVariant xyData)
{
    m_guns->setSelectGun(index.toString(), ScreenValues::plain(xyData));
}

void myQQuickView::setCurrentProfile(int profile)
{
    m_settings->setCurrentProfile(profile);
}

void myQQuickView::mouseSetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4)
{
    m_device->setKeyboardOption(byte1, byte2, byte3, byte4);
}

void myQQuickView::mouseSetReportRate(uchar rate)
{
    m_device->setReportRate(rate);
}

void myQQuickView::mouseSetCurrentDPI(uchar currentDPI)
{
    m_device->setCurrentDpi(currentDPI);
}

void myQQuickView::mouseResetKeyMatrix()
{
    m_keys->resetKeyMatrix();
}

QVariant myQQuickView::mouseGetCurrentDPI()
{
    return m_device->currentDpi();
}

void myQQuickView::keyboardLEDPicture(int pictureIndex, bool isRecovery)
{
    m_device->sendPicture(pictureIndex, isRecovery);
}

void myQQuickView::mouseSetKeyMatrix(QVariantList src64, bool isSendData, QVariantList otherParam)
{
    m_keys->setKeyMatrix(ScreenValues::plainList(src64), isSendData, ScreenValues::plainList(otherParam));
}

void myQQuickView::keyboardSetKeyMatrix(bool isRecovery)
{
    m_keys->sendKeyboardMatrix(isRecovery);
}

void myQQuickView::mouseSetDpi(int dpiCount, QString sensorType, QVariantList dpiValueArray)
{
    m_device->setDpi(dpiCount, sensorType, ScreenValues::plainList(dpiValueArray));
}

void myQQuickView::keyboardSetRGBEffect(uchar effect, uchar speed, uchar brightness, uchar color)
{
    m_device->setKeyboardEffect(effect, speed, brightness, color);
}

void myQQuickView::mouseSetRGBEffect(uchar effect, uchar option1, uchar option2)
{
    m_device->setMouseEffect(effect, option1, option2);
}

void myQQuickView::keyboardSetRGBColor(uchar type, QVariantList src24)
{
    Q_UNUSED(type)
    m_device->setKeyboardColor(ScreenValues::plainList(src24));
}

void myQQuickView::mouseSetRGBColor(uchar type, QVariantList src24)
{
    m_device->setMouseColor(type, ScreenValues::plainList(src24));
}

void myQQuickView::mouseSetProfile(uint profileNo)
{
    m_profiles->setProfile(profileNo);
}

uchar myQQuickView::mouseReadKeyboardType()
{
    // Only a keyboard has the profile memory that names its layout.
    constexpr qint32 kKeyboardType = 0;
    if (Hid_Thread* h = hid(); h && h->devices().value(h->currentDevice()).type != kKeyboardType)
        return 0;
    return m_keys->readKeyboardType();
}

void myQQuickView::mouseReadProfile(uint profileNo)
{
    m_profiles->readProfile(profileNo);
}

QVariant myQQuickView::mouseReadCurrentProfile()
{
    return m_profiles->readCurrentProfile();
}

void myQQuickView::mouseSwitchKeyMatrix(int indexNo)
{
    m_keys->switchKeyMatrix(indexNo);
}

QVariantList myQQuickView::GetKeyboardoption()
{
    return m_device->keyboardOption();
}

void myQQuickView::mouseSetCursorSpeed(uint cursorSpeed)
{
    m_pointer->setCursorSpeed(cursorSpeed);
}

void myQQuickView::mouseSetVerticalScrollLines(uint lines)
{
    m_pointer->setVerticalScrollLines(lines);
}

void myQQuickView::mouseSetDoubleClickSpeed(uint speed)
{
    m_pointer->setDoubleClickSpeed(speed);
}

QVariantList myQQuickView::mouseGetKeydefine(QVariant index, bool isRecovery)
{
    // Not a button number is no button, not button 0.
    bool ok = false;
    const int button = index.toInt(&ok);
    return ok ? m_keys->keydefine(button, isRecovery) : QVariantList();
}

void myQQuickView::openUpdateExe()
{
}

QVariant myQQuickView::getData(QVariant key, bool isRecovery)
{
    return m_settings->getData(key.toString(), isRecovery);
}

QVariant myQQuickView::getGlobalData(QVariant key)
{
    return m_settings->getGlobalData(key.toString());
}

QVariantList myQQuickView::getDataList(QVariant key, bool isRecovery)
{
    return m_settings->getDataList(key.toString(), isRecovery);
}

void myQQuickView::setData(QVariant key, QVariant data)
{
    m_settings->setData(key.toString(), ScreenValues::plain(data));
}

void myQQuickView::setGlobalData(QVariant key, QVariant tmpdata)
{
    m_settings->setGlobalData(key.toString(), ScreenValues::plain(tmpdata));
}

void myQQuickView::setDataList(QVariant key, QVariantList datalist)
{
    m_settings->setDataList(key.toString(), ScreenValues::plainList(datalist));
}

void myQQuickView::setBusy(int busyTime)
{
    invokeRoot("setProtectUI", Qt::DirectConnection, {busyTime});
}

void myQQuickView::setCurrentDPI(int dpiValue)
{
    // The event reader calls this from its pool thread; the engine lives here.
    if (QThread::currentThread() != thread()) {
        QMetaObject::invokeMethod(this, [this, dpiValue] { setCurrentDPI(dpiValue); },
                                  Qt::QueuedConnection);
        return;
    }
    invokeRoot("setCurrentDPI", Qt::DirectConnection, {dpiValue});
}
