#pragma once

#include "hooks/CopyData.h"
#include "hooks/InputSink.h"

#include <QMetaObject>
#include <QObject>
#include <QPointer>

#include <array>
#include <map>

class EvdevReader;
class InputEventFilter;
class QWidget;

// Global key and button capture for the screens: every physical key becomes a USB
// HID keyboard usage (page 0x07), whatever the active layout, and only changes of
// a key's state are reported. Two layers feed it: an application-wide event filter
// that sees the key and button events of our own windows, and, while the main
// window is shown, a read-only reader of the keyboards and mice under /dev/input so
// keys are seen while another window has the focus. While the window is hidden or
// minimised nothing outside our own windows is read: no screen is on view to use it.
class GlobalInputHook : public QObject, public InputSink
{
    Q_OBJECT

public:
    using KeyboardCallback = void (*)(quint8 usage, bool isDown, void* context);
    using MouseCallback = void (*)(quint8 button, quint8 isDown, int x, int y, void* context);
    using CopyDataCallback = void (*)(const CopyData* data, void* context);

    explicit GlobalInputHook(QObject* parent = nullptr);
    ~GlobalInputHook() override;

    // The instance registered by the last initialise(); null before.
    static GlobalInputHook* instance();

    // `isoVariant` non-zero reports the key beside Enter as 0x32 (ISO "#~") rather
    // than 0x31 (ANSI backslash): the key code cannot tell the two apart.
    void initialise(quint8 isoVariant);
    // Installs the application-wide filter; false when there is no application.
    bool installHooks();
    void removeHooks();
    bool keyboardHookInstalled() const { return m_keyboardHook; }
    bool mouseHookInstalled() const { return m_mouseHook; }

    void setKeyboardCallback(KeyboardCallback callback, void* context);
    void setMouseCallback(MouseCallback callback, void* context);
    // Data messages handed to copyDataProc go to `callback` from now on; the
    // program connects its single-instance channel to copyDataProc.
    void setCopyDataCallback(CopyDataCallback callback, void* context);

    // The reader of /dev/input runs while the hooks are installed and this is on.
    void setGlobalCaptureActive(bool active);
    bool globalCaptureActive() const { return m_captureWanted; }
    // Turns the global capture on while `window` is shown and not minimised.
    void followWindow(QWidget* window);

    // The translation and de-duplication, fed by the layers.
    void keyboardProc(const KeyNotification& notification) override;
    void mouseProc(quint32 message, int x, int y) override;
    void copyDataProc(quint32 tag, const QByteArray& bytes);

    quint8 isoVariant() const { return m_isoVariant; }
    const std::map<quint16, quint8>& scanToVirtualKey() const { return m_scanToVirtualKey; }
    const std::map<quint8, quint8>& virtualKeyToUsage() const { return m_virtualKeyToUsage; }
    bool keyDownState(quint8 usage) const { return m_keyDownState[usage]; }

    EvdevReader* evdevReader() const { return m_reader; }
    InputEventFilter* eventFilter() const { return m_filter; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildScanToVirtualKey();
    void buildVirtualKeyToUsage();
    void updateReader();

    quint8 m_isoVariant = 0;
    bool m_keyboardHook = false;
    bool m_mouseHook = false;
    bool m_captureWanted = false;
    std::map<quint16, quint8> m_scanToVirtualKey;
    std::map<quint8, quint8> m_virtualKeyToUsage;
    std::array<bool, 256> m_keyDownState{};

    KeyboardCallback m_keyboardCallback = nullptr;
    void* m_keyboardContext = nullptr;
    MouseCallback m_mouseCallback = nullptr;
    void* m_mouseContext = nullptr;
    CopyDataCallback m_copyDataCallback = nullptr;
    void* m_copyDataContext = nullptr;

    EvdevReader* m_reader = nullptr;
    InputEventFilter* m_filter = nullptr;
    QPointer<QWidget> m_followed;
};
