#include "CaptureFixture.h"

#include "hooks/EvdevTranslator.h"
#include "hooks/Set1ScanCodes.h"

#include <QTest>

#include <linux/input-event-codes.h>

namespace {

struct IsoKey
{
    int evdev;
    int usage; // what a USB keyboard sends for the key (HID Usage Tables, page 0x07)
    const char* label;
};

// Every key of a 105-key ISO keyboard, row by row, with its USB usage.
const IsoKey kIso105[] = {
    {KEY_ESC, 0x29, "Esc"},
    {KEY_F1, 0x3A, "F1"}, {KEY_F2, 0x3B, "F2"}, {KEY_F3, 0x3C, "F3"}, {KEY_F4, 0x3D, "F4"},
    {KEY_F5, 0x3E, "F5"}, {KEY_F6, 0x3F, "F6"}, {KEY_F7, 0x40, "F7"}, {KEY_F8, 0x41, "F8"},
    {KEY_F9, 0x42, "F9"}, {KEY_F10, 0x43, "F10"}, {KEY_F11, 0x44, "F11"}, {KEY_F12, 0x45, "F12"},
    {KEY_SYSRQ, 0x46, "Print Screen"}, {KEY_SCROLLLOCK, 0x47, "Scroll Lock"}, {KEY_PAUSE, 0x48, "Pause"},

    {KEY_GRAVE, 0x35, "`"},
    {KEY_1, 0x1E, "1"}, {KEY_2, 0x1F, "2"}, {KEY_3, 0x20, "3"}, {KEY_4, 0x21, "4"}, {KEY_5, 0x22, "5"},
    {KEY_6, 0x23, "6"}, {KEY_7, 0x24, "7"}, {KEY_8, 0x25, "8"}, {KEY_9, 0x26, "9"}, {KEY_0, 0x27, "0"},
    {KEY_MINUS, 0x2D, "-"}, {KEY_EQUAL, 0x2E, "="}, {KEY_BACKSPACE, 0x2A, "Backspace"},

    {KEY_TAB, 0x2B, "Tab"},
    {KEY_Q, 0x14, "Q"}, {KEY_W, 0x1A, "W"}, {KEY_E, 0x08, "E"}, {KEY_R, 0x15, "R"}, {KEY_T, 0x17, "T"},
    {KEY_Y, 0x1C, "Y"}, {KEY_U, 0x18, "U"}, {KEY_I, 0x0C, "I"}, {KEY_O, 0x12, "O"}, {KEY_P, 0x13, "P"},
    {KEY_LEFTBRACE, 0x2F, "["}, {KEY_RIGHTBRACE, 0x30, "]"}, {KEY_ENTER, 0x28, "Enter"},

    {KEY_CAPSLOCK, 0x39, "Caps Lock"},
    {KEY_A, 0x04, "A"}, {KEY_S, 0x16, "S"}, {KEY_D, 0x07, "D"}, {KEY_F, 0x09, "F"}, {KEY_G, 0x0A, "G"},
    {KEY_H, 0x0B, "H"}, {KEY_J, 0x0D, "J"}, {KEY_K, 0x0E, "K"}, {KEY_L, 0x0F, "L"},
    {KEY_SEMICOLON, 0x33, ";"}, {KEY_APOSTROPHE, 0x34, "'"}, {KEY_BACKSLASH, 0x32, "# (non-US)"},

    {KEY_LEFTSHIFT, 0xE1, "Left Shift"}, {KEY_102ND, 0x64, "\\ (non-US)"},
    {KEY_Z, 0x1D, "Z"}, {KEY_X, 0x1B, "X"}, {KEY_C, 0x06, "C"}, {KEY_V, 0x19, "V"}, {KEY_B, 0x05, "B"},
    {KEY_N, 0x11, "N"}, {KEY_M, 0x10, "M"}, {KEY_COMMA, 0x36, ","}, {KEY_DOT, 0x37, "."},
    {KEY_SLASH, 0x38, "/"}, {KEY_RIGHTSHIFT, 0xE5, "Right Shift"},

    {KEY_LEFTCTRL, 0xE0, "Left Ctrl"}, {KEY_LEFTMETA, 0xE3, "Left GUI"}, {KEY_LEFTALT, 0xE2, "Left Alt"},
    {KEY_SPACE, 0x2C, "Space"}, {KEY_RIGHTALT, 0xE6, "Right Alt"}, {KEY_RIGHTMETA, 0xE7, "Right GUI"},
    {KEY_COMPOSE, 0x65, "Application"}, {KEY_RIGHTCTRL, 0xE4, "Right Ctrl"},

    {KEY_INSERT, 0x49, "Insert"}, {KEY_HOME, 0x4A, "Home"}, {KEY_PAGEUP, 0x4B, "Page Up"},
    {KEY_DELETE, 0x4C, "Delete"}, {KEY_END, 0x4D, "End"}, {KEY_PAGEDOWN, 0x4E, "Page Down"},
    {KEY_UP, 0x52, "Up"}, {KEY_LEFT, 0x50, "Left"}, {KEY_DOWN, 0x51, "Down"}, {KEY_RIGHT, 0x4F, "Right"},

    {KEY_NUMLOCK, 0x53, "Num Lock"}, {KEY_KPSLASH, 0x54, "Keypad /"}, {KEY_KPASTERISK, 0x55, "Keypad *"},
    {KEY_KPMINUS, 0x56, "Keypad -"}, {KEY_KP7, 0x5F, "Keypad 7"}, {KEY_KP8, 0x60, "Keypad 8"},
    {KEY_KP9, 0x61, "Keypad 9"}, {KEY_KPPLUS, 0x57, "Keypad +"}, {KEY_KP4, 0x5C, "Keypad 4"},
    {KEY_KP5, 0x5D, "Keypad 5"}, {KEY_KP6, 0x5E, "Keypad 6"}, {KEY_KP1, 0x59, "Keypad 1"},
    {KEY_KP2, 0x5A, "Keypad 2"}, {KEY_KP3, 0x5B, "Keypad 3"}, {KEY_KPENTER, 0x58, "Keypad Enter"},
    {KEY_KP0, 0x62, "Keypad 0"}, {KEY_KPDOT, 0x63, "Keypad ."},
};

} // namespace

class TestKeyTables : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void iso105Keyboard_data();
    void iso105Keyboard();
    void everyTranslatedCodeIsDistinct();
};

void TestKeyTables::iso105Keyboard_data()
{
    QTest::addColumn<int>("evdev");
    QTest::addColumn<int>("usage");
    for (const IsoKey& key : kIso105)
        QTest::newRow(key.label) << key.evdev << key.usage;
}

void TestKeyTables::iso105Keyboard()
{
    QFETCH(int, evdev);
    QFETCH(int, usage);
    Capture capture(1);
    EvdevTranslator layer(&capture.hook);
    layer.key(evdev, 1);
    layer.key(evdev, 0);
    if (evdev == KEY_RIGHTMETA) {
        // Deliberately not reported: the scan-code table has no entry for it.
        QCOMPARE(capture.joined(), QString());
        return;
    }
    QCOMPARE(capture.joined(), QString::asprintf("%02X+ %02X-", usage, usage));
}

void TestKeyTables::everyTranslatedCodeIsDistinct()
{
    // Two Linux codes on one set-1 code would make two keys indistinguishable.
    QSet<int> seen;
    for (int code = 0; code < EvdevTranslator::kKeyCount; ++code) {
        Set1Code set1;
        if (!set1FromEvdev(code, false, &set1))
            continue;
        const int key = set1.scan << 8 | (set1.extended ? 1 : 0);
        QVERIFY2(!seen.contains(key), qPrintable(QString::number(code)));
        seen.insert(key);
    }
    QVERIFY(seen.size() > 105);
}

QTEST_MAIN(TestKeyTables)
#include "tst_keytables.moc"
