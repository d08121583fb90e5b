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
        for (const char* dir : {"modules/setting", "modules/macro", "modules/gun", "modules/i18n"})
            QDir(QString::fromLatin1(dir)).removeRecursively();
        reset(flags);
    }

    // Rewrites the flags and reopens the store, as a new start of the program would.
    void reset(const ViewFlags& flags)
    {
        settings.reset();
        QDir().mkpath(QStringLiteral("modules/setting"));
        QDir().mkpath(QStringLiteral("modules/macro"));
        QDir().mkpath(QStringLiteral("modules/gun"));
        QDir().mkpath(QStringLiteral("modules/i18n"));
        {
            QSettings global(SettingsStore::globalPath(), QSettings::IniFormat);
            global.setValue(QStringLiteral("mouse/icType"), flags.icType);
            global.setValue(QStringLiteral("mouse/isColorful"), flags.colorful);
            global.setValue(QStringLiteral("mouse/isGun"), flags.gun);
            global.setValue(QStringLiteral("mouse/is55328"), flags.is55328);
        }
        settings = std::make_unique<SettingsStore>();
    }

    // Writes keys straight into a settings file, as the installation would.
    static void writeFile(const QString& path, const QVariantMap& values)
    {
        QSettings file(path, QSettings::IniFormat);
        for (auto it = values.begin(); it != values.end(); ++it)
            file.setValue(it.key(), it.value());
    }

    TestDataRoot root;
    std::unique_ptr<SettingsStore> settings;
    DeviceBlocks blocks;
    RecordingDevice device;
};
