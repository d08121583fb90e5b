#include "hooks/GlobalInputHook.h"

#include "hooks/EvdevReader.h"
#include "hooks/HookLog.h"
#include "hooks/InputEventFilter.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

Q_LOGGING_CATEGORY(lcHooks, "quorix.hooks")

namespace {

GlobalInputHook* g_instance = nullptr;

// The keypad's Enter key has no virtual key of its own; this unassigned code keeps
// it apart from the main Enter key.
constexpr quint8 kVkKeypadEnter = 0x0E;
constexpr quint8 kVkPause = 0x13;
constexpr quint8 kVkSnapshot = 0x2C;
constexpr quint8 kVkBackslash = 0xDC;
constexpr quint8 kScanScrollLockOrBreak = 0x46;
constexpr quint8 kScanSysRq = 0x54;

template<typename Key>
void putRange(std::map<Key, quint8>& map, Key first, Key last, quint8 firstValue, Key step = 1)
{
    quint8 value = firstValue;
    for (unsigned key = first; key <= last; key += step)
        map[static_cast<Key>(key)] = value++;
}

quint16 plainKey(quint8 scan)
{
    return static_cast<quint16>(scan << 8);
}

quint16 extendedKey(quint8 scan)
{
    return static_cast<quint16>(scan << 8 | 1);
}

} // namespace

GlobalInputHook::GlobalInputHook(QObject* parent)
    : QObject(parent)
    , m_reader(new EvdevReader(this, this))
    , m_filter(new InputEventFilter(this, m_reader, this))
{
}

GlobalInputHook::~GlobalInputHook()
{
    // Whoever registered the callbacks may be half gone by now.
    m_keyboardCallback = nullptr;
    m_mouseCallback = nullptr;
    m_copyDataCallback = nullptr;
    removeHooks();
    if (g_instance == this)
        g_instance = nullptr;
}

GlobalInputHook* GlobalInputHook::instance()
{
    return g_instance;
}

void GlobalInputHook::initialise(quint8 isoVariant)
{
    m_isoVariant = isoVariant;
    g_instance = this;
    buildScanToVirtualKey();
    buildVirtualKeyToUsage();
    installHooks();
}

void GlobalInputHook::buildScanToVirtualKey()
{
    auto& m = m_scanToVirtualKey;
    m.clear();
    auto plain = [&m](quint8 first, quint8 last, quint8 vk) {
        putRange<quint16>(m, plainKey(first), plainKey(last), vk, 0x100);
    };
    plain(0x01, 0x01, 0x1B);
    plain(0x02, 0x0A, 0x31);
    plain(0x0B, 0x0B, 0x30);
    plain(0x0C, 0x0C, 0xBD);
    plain(0x0D, 0x0D, 0xBB);
    plain(0x0E, 0x0F, 0x08);
    plain(0x10, 0x10, 0x51);
    plain(0x11, 0x11, 0x57);
    plain(0x12, 0x12, 0x45);
    plain(0x13, 0x13, 0x52);
    plain(0x14, 0x14, 0x54);
    plain(0x15, 0x15, 0x59);
    plain(0x16, 0x16, 0x55);
    plain(0x17, 0x17, 0x49);
    plain(0x18, 0x19, 0x4F);
    plain(0x1A, 0x1A, 0xDB);
    plain(0x1B, 0x1B, 0xDD);
    plain(0x1C, 0x1C, 0x0D);
    plain(0x1D, 0x1D, 0xA2);
    plain(0x1E, 0x1E, 0x41);
    plain(0x1F, 0x1F, 0x53);
    plain(0x20, 0x20, 0x44);
    plain(0x21, 0x23, 0x46);
    plain(0x24, 0x26, 0x4A);
    plain(0x27, 0x27, 0xBA);
    plain(0x28, 0x28, 0xDE);
    plain(0x29, 0x29, 0xC0);
    plain(0x2A, 0x2A, 0xA0);
    plain(0x2B, 0x2B, 0xDC);
    plain(0x2C, 0x2C, 0x5A);
    plain(0x2D, 0x2D, 0x58);
    plain(0x2E, 0x2E, 0x43);
    plain(0x2F, 0x2F, 0x56);
    plain(0x30, 0x30, 0x42);
    plain(0x31, 0x31, 0x4E);
    plain(0x32, 0x32, 0x4D);
    plain(0x33, 0x33, 0xBC);
    plain(0x34, 0x35, 0xBE);
    plain(0x37, 0x37, 0x6A);
    plain(0x38, 0x38, 0xA4);
    plain(0x39, 0x39, 0x20);
    plain(0x3A, 0x3A, 0x14);
    plain(0x3B, 0x44, 0x70);
    plain(0x45, 0x45, 0x13);
    plain(0x46, 0x46, 0x91);
    plain(0x47, 0x49, 0x67);
    plain(0x4A, 0x4A, 0x6D);
    plain(0x4B, 0x4D, 0x64);
    plain(0x4E, 0x4E, 0x6B);
    plain(0x4F, 0x51, 0x61);
    plain(0x52, 0x52, 0x60);
    plain(0x53, 0x53, 0x6E);
    plain(0x56, 0x56, 0xE2);
    plain(0x57, 0x58, 0x7A);
    plain(0x6E, 0x6E, 0x86);

    m[extendedKey(0x1C)] = kVkKeypadEnter;
    m[extendedKey(0x1D)] = 0xA3;
    m[extendedKey(0x35)] = 0x6F;
    m[extendedKey(0x36)] = 0xA1;
    m[extendedKey(0x37)] = 0x2C;
    m[extendedKey(0x38)] = 0xA5;
    m[extendedKey(0x45)] = 0x90;
    m[extendedKey(0x47)] = 0x24;
    m[extendedKey(0x48)] = 0x26;
    m[extendedKey(0x49)] = 0x21;
    m[extendedKey(0x4B)] = 0x25;
    m[extendedKey(0x4D)] = 0x27;
    m[extendedKey(0x4F)] = 0x23;
    m[extendedKey(0x50)] = 0x28;
    m[extendedKey(0x51)] = 0x22;
    m[extendedKey(0x52)] = 0x2D;
    m[extendedKey(0x53)] = 0x2E;
    m[extendedKey(0x5B)] = 0x5B;
    m[extendedKey(0x5D)] = 0x5D;
}

void GlobalInputHook::buildVirtualKeyToUsage()
{
    auto& m = m_virtualKeyToUsage;
    m.clear();
    auto put = [&m](quint8 first, quint8 last, quint8 usage) { putRange<quint8>(m, first, last, usage); };
    put(0x08, 0x09, 0x2A);
    put(0x0D, 0x0D, 0x28);
    put(kVkKeypadEnter, kVkKeypadEnter, 0x58);
    put(0x13, 0x13, 0x48);
    put(0x14, 0x14, 0x39);
    put(0x1B, 0x1B, 0x29);
    put(0x20, 0x20, 0x2C);
    put(0x21, 0x21, 0x4B);
    put(0x22, 0x22, 0x4E);
    put(0x23, 0x23, 0x4D);
    put(0x24, 0x24, 0x4A);
    put(0x25, 0x25, 0x50);
    put(0x26, 0x26, 0x52);
    put(0x27, 0x27, 0x4F);
    put(0x28, 0x28, 0x51);
    put(0x2C, 0x2C, 0x46);
    put(0x2D, 0x2D, 0x49);
    put(0x2E, 0x2E, 0x4C);
    put(0x30, 0x30, 0x27);
    put(0x31, 0x39, 0x1E);
    put(0x41, 0x5A, 0x04);
    put(0x5B, 0x5B, 0xE3);
    put(0x5C, 0x5C, 0xE7);
    put(0x5D, 0x5D, 0x65);
    put(0x60, 0x60, 0x62);
    put(0x61, 0x69, 0x59);
    put(0x6A, 0x6A, 0x55);
    put(0x6B, 0x6B, 0x57);
    put(0x6D, 0x6D, 0x56);
    put(0x6E, 0x6E, 0x63);
    put(0x6F, 0x6F, 0x54);
    put(0x70, 0x7B, 0x3A);
    put(0x7C, 0x87, 0x68);
    put(0x90, 0x90, 0x53);
    put(0x91, 0x91, 0x47);
    put(0xA0, 0xA0, 0xE1);
    put(0xA1, 0xA1, 0xE5);
    put(0xA2, 0xA2, 0xE0);
    put(0xA3, 0xA3, 0xE4);
    put(0xA4, 0xA4, 0xE2);
    put(0xA5, 0xA5, 0xE6);
    put(0xBA, 0xBA, 0x33);
    put(0xBB, 0xBB, 0x2E);
    put(0xBC, 0xBC, 0x36);
    put(0xBD, 0xBD, 0x2D);
    put(0xBE, 0xBF, 0x37);
    put(0xC0, 0xC0, 0x35);
    put(0xC1, 0xC1, 0x87);
    put(0xC2, 0xC2, 0x85);
    put(0xDB, 0xDB, 0x2F);
    put(kVkBackslash, kVkBackslash, m_isoVariant ? 0x32 : 0x31);
    put(0xDD, 0xDD, 0x30);
    put(0xDE, 0xDE, 0x34);
    put(0xE2, 0xE2, 0x64);
    put(0xEB, 0xEB, 0x8B);
    put(0xFF, 0xFF, 0x66);
}

bool GlobalInputHook::installHooks()
{
    if (m_keyboardHook || m_mouseHook)
        removeHooks();
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) {
        m_keyboardHook = m_mouseHook = false;
        return false;
    }
    app->installEventFilter(m_filter);
    m_keyboardHook = m_mouseHook = true;
    updateReader();
    return true;
}

void GlobalInputHook::removeHooks()
{
    if (QCoreApplication* app = QCoreApplication::instance())
        app->removeEventFilter(m_filter);
    m_keyboardHook = false;
    m_mouseHook = false;
    updateReader();
}

void GlobalInputHook::setKeyboardCallback(KeyboardCallback callback, void* context)
{
    m_keyboardCallback = callback;
    m_keyboardContext = context;
}

void GlobalInputHook::setMouseCallback(MouseCallback callback, void* context)
{
    m_mouseCallback = callback;
    m_mouseContext = context;
}

void GlobalInputHook::setCopyDataCallback(CopyDataCallback callback, void* context)
{
    m_copyDataCallback = callback;
    m_copyDataContext = context;
}

void GlobalInputHook::setGlobalCaptureActive(bool active)
{
    m_captureWanted = active;
    updateReader();
}

void GlobalInputHook::followWindow(QWidget* window)
{
    if (m_followed)
        m_followed->removeEventFilter(this);
    m_followed = window;
    if (!window)
        return;
    window->installEventFilter(this);
    setGlobalCaptureActive(window->isVisible() && !window->isMinimized());
}

bool GlobalInputHook::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_followed) {
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::WindowStateChange:
            // A window the window system minimises gets a hide event but stays visible.
            setGlobalCaptureActive(event->type() != QEvent::Hide && m_followed->isVisible()
                                   && !m_followed->isMinimized());
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void GlobalInputHook::updateReader()
{
    const bool run = m_captureWanted && m_keyboardHook && m_mouseHook;
    if (run && !m_reader->isRunning())
        m_reader->start();
    else if (!run && m_reader->isRunning())
        m_reader->stop();
}

void GlobalInputHook::keyboardProc(const KeyNotification& n)
{
    const quint16 scan = n.scanCode > 0xFF ? 0 : n.scanCode;
    const quint16 key = static_cast<quint16>(scan << 8 | (n.extended ? 1 : 0));
    quint8 vk = 0;
    if (const auto it = m_scanToVirtualKey.find(key); it != m_scanToVirtualKey.end())
        vk = it->second;
    // Ctrl+Break reads as Pause and Alt+SysRq as Print Screen: one key, one usage.
    if (scan == kScanScrollLockOrBreak && n.extended)
        vk = kVkPause;
    if (scan == kScanSysRq && n.altDown)
        vk = kVkSnapshot;
    if (vk == 0)
        return;
    const auto it = m_virtualKeyToUsage.find(vk);
    if (it == m_virtualKeyToUsage.end() || it->second == 0)
        return;
    const quint8 usage = it->second;
    if (m_keyDownState[usage] == n.isDown)
        return;
    m_keyDownState[usage] = n.isDown;
    if (m_keyboardCallback)
        m_keyboardCallback(usage, n.isDown, m_keyboardContext);
}

void GlobalInputHook::mouseProc(quint32 message, int x, int y)
{
    quint8 button = 0;
    quint8 isDown = 0;
    switch (message) {
    case kLButtonDown: button = 0xF0; isDown = 1; break;
    case kLButtonUp: button = 0xF0; break;
    case kRButtonDown: button = 0xF1; isDown = 1; break;
    case kRButtonUp: button = 0xF1; break;
    case kMButtonDown: button = 0xF2; isDown = 1; break;
    case kMButtonUp: button = 0xF2; break;
    default: return;
    }
    if (m_mouseCallback)
        m_mouseCallback(button, isDown, x, y, m_mouseContext);
}

void GlobalInputHook::copyDataProc(quint32 tag, const QByteArray& bytes)
{
    if (!m_copyDataCallback)
        return;
    const CopyData data{tag, static_cast<quint32>(bytes.size()), bytes.constData()};
    m_copyDataCallback(&data, m_copyDataContext);
}
