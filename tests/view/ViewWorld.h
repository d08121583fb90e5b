#pragma once

#include "RecordingDevice.h"
#include "TestData.h"

#include "view/DeviceBlocks.h"
#include "view/SettingsStore.h"

#include <QDir>
#include <QSettings>

#include <memory>

// The capability flags of the global settings file.
struct ViewFlags {
    QString icType = QStringLiteral("553");
    bool colorful = true;
    bool gun = false;
    bool is55328 = false;
};

// A throw-away data root with the global flags a test needs, the settings
// store on it, the device blocks and a recording device.
struct ViewWorld {
    // Starts from empty folders, so the tests state every file they rely on.
    explicit ViewWorld(const ViewFlags& flags = ViewFlags())
    {
        if (!root.isValid())
            qFatal("No temporary data root");
        for (const char* dir : {"modules/setting", "modules/macro", "modules/gun", "modules/i18n"}) {
            QDir(QString::fromLatin1(dir)).removeRecursively();
            QDir().mkpath(QString::fromLatin1(dir));
        }
        reset(flags);
    }

    // Rewrites the flags and reopens the store, as a new start of the program would.
    void reset(const ViewFlags& flags)
    {
        settings.reset();
        writeFile(SettingsStore::globalPath(), {{"mouse/icType", flags.icType}, {"mouse/isColorful", flags.colorful},
                                                {"mouse/isGun", flags.gun}, {"mouse/is55328", flags.is55328}});
        settings = std::make_unique<SettingsStore>();
        device.calls.clear();
    }

    // Writes keys straight into a settings file, as the installation would.
    static void writeFile(const QString& path, const QVariantMap& values)
    {
        QSettings file(path, QSettings::IniFormat);
        for (auto it = values.begin(); it != values.end(); ++it)
            file.setValue(it.key(), it.value());
    }

    static QByteArray readBytes(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    static void writeBytes(const QString& path, const QByteArray& bytes)
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
    }

    TestDataRoot root;
    std::unique_ptr<SettingsStore> settings;
    DeviceBlocks blocks;
    RecordingDevice device;
};
