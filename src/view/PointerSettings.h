#pragma once

#include <QString>
#include <QVariant>

#include <optional>

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

// Plasma's configuration files (KConfig INI files such as `kdeglobals`), the
// store its own settings pages read and apply at every login.
class KConfigBackend
{
public:
    virtual ~KConfigBackend() = default;
    // Whether the tools that reach the files are installed.
    virtual bool isAvailable() = 0;
    // Writes one entry and reads it back; false unless the file holds `value` afterwards
    // (a locked-down entry is left unchanged by the tools).
    virtual bool write(const QString& file, const QString& group, const QString& key, const QString& value) = 0;
    // Tells running KDE programs that the mouse settings changed, as Plasma's own page does.
    virtual void notifyMouseSettingsChanged() = 0;
};

// Runs `kwriteconfig5` and `kreadconfig5` (Plasma 5) and `dbus-send`.
class KConfigTool : public KConfigBackend
{
public:
    bool isAvailable() override;
    bool write(const QString& file, const QString& group, const QString& key, const QString& value) override;
    void notifyMouseSettingsChanged() override;
};

// The three pointer options of the system settings screen. The values are
// computed as for the desktop they were designed for, then mapped onto the
// desktop the user runs, found once at the first call: Plasma when the session
// names KDE and its configuration tools are there, otherwise GNOME where its
// mouse schema is installed. Elsewhere, or when a desktop refuses a value, the
// failure text goes to the debug log and nothing changes.
//
// Pointer speed: the value v = cursorSpeed × 2 (1 when that is 0) lies on a
// 1 … 20 scale whose middle, 10, is the unaccelerated speed. Both desktops keep
// the libinput pointer speed, a double from −1 to 1 with 0 as its default, so v
// maps linearly to (v − 10) / 10, clamped to that range: 1 → −0.9, 10 → 0, 20 → 1.
// GNOME: `speed` of the mouse schema. Plasma: `XLbInptPointerAcceleration` of
// group "Mouse" in `kcminputrc`, which its mouse page shows and applies at login.
// Double-click: 900 − 70 × speed milliseconds; GNOME `double-click`, Plasma
// `DoubleClickInterval` of group "KDE" in `kdeglobals`.
// Wheel lines: Plasma `WheelScrollLines` of group "KDE" in `kdeglobals` (1000,
// one screen, works as such: Qt scrolls at most a page per notch). GNOME keeps
// no lines-per-notch setting, so there this always reports failure.
class PointerSettings
{
public:
    static constexpr char kMouseSchema[] = "org.gnome.desktop.peripherals.mouse";
    static constexpr char kInterfaceSchema[] = "org.gnome.desktop.interface";

    enum class Desktop { None, Gnome, Plasma };

    // `sessionDesktops` is the session's desktop list as in XDG_CURRENT_DESKTOP ("KDE", "ubuntu:GNOME").
    PointerSettings(GSettingsBackend& gsettings, KConfigBackend& kconfig, const QString& sessionDesktops)
        : m_gsettings(gsettings), m_kconfig(kconfig), m_sessionDesktops(sessionDesktops)
    {
    }

    static int cursorSpeedValue(uint cursorSpeed);
    static double libinputSpeed(int value);
    static qint64 doubleClickMs(uint speed);

    bool setCursorSpeed(uint cursorSpeed);
    bool setDoubleClickSpeed(uint speed);
    bool setVerticalScrollLines(uint lines);

    Desktop desktop();

private:
    Desktop detect();
    bool applyGnome(const char* const schemas[], int count, const QString& key, const QString& value);
    bool applyPlasma(const QString& file, const QString& key, const QString& value);

    GSettingsBackend& m_gsettings;
    KConfigBackend& m_kconfig;
    QString m_sessionDesktops;
    std::optional<Desktop> m_desktop;
};
