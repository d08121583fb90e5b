#pragma once

#include <QString>
#include <QVariant>

// The desktop's settings store, reached through GSettings.
class GSettingsBackend
{
public:
    virtual ~GSettingsBackend() = default;
    // Whether `schema` is installed and has a writable `key`.
    virtual bool isWritable(const QString& schema, const QString& key) = 0;
    // Stores `value` (a GVariant text such as "0.5" or "400"); false on failure.
    virtual bool set(const QString& schema, const QString& key, const QString& value) = 0;
};

// Runs the `gsettings` tool, so the program needs no GLib at build time.
class GSettingsTool : public GSettingsBackend
{
public:
    bool isWritable(const QString& schema, const QString& key) override;
    bool set(const QString& schema, const QString& key, const QString& value) override;
};

// The three pointer options of the system settings screen. The values are
// computed as for the desktop they were designed for, then mapped onto GNOME's
// settings; where those don't exist the failure text goes to the debug log and
// nothing changes.
//
// Pointer speed: the value v = cursorSpeed × 2 (1 when that is 0) lies on a
// 1 … 20 scale whose middle, 10, is the unaccelerated speed. GNOME's `speed` is a
// double from −1 to 1 with 0 as its default, so v maps linearly to (v − 10) / 10
// and is clamped to that range: 1 → −0.9, 10 → 0, 20 → 1.
// Double-click: 900 − 70 × speed milliseconds, stored as `double-click` in ms.
// Wheel lines: GNOME keeps no lines-per-notch setting, so this always reports
// failure there.
class PointerSettings
{
public:
    static constexpr char kMouseSchema[] = "org.gnome.desktop.peripherals.mouse";
    static constexpr char kInterfaceSchema[] = "org.gnome.desktop.interface";

    explicit PointerSettings(GSettingsBackend& backend) : m_backend(backend) {}

    static int cursorSpeedValue(uint cursorSpeed);
    static double gnomeSpeed(int value);
    static qint64 doubleClickMs(uint speed);

    bool setCursorSpeed(uint cursorSpeed);
    bool setDoubleClickSpeed(uint speed);
    bool setVerticalScrollLines(uint lines);

private:
    bool apply(const char* const schemas[], int count, const QString& key, const QString& value);

    GSettingsBackend& m_backend;
};
