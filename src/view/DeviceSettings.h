#pragma once

#include <QString>
#include <QVariantList>

#include <array>

class DeviceBlocks;
class DeviceCommands;
class SettingsStore;

// DPI stages, report rate, lighting and colours of the mouse and the keyboard:
// the screens' values turned into device codes and sent with the family's commands.
class DeviceSettings
{
public:
    static constexpr int kDpiStages = 8;
    static constexpr int kPictureSize = 512;

    struct Lighting {
        uchar mode = 0;
        uchar level = 0;
        uchar third = 0;
        bool operator==(const Lighting& o) const
        {
            return mode == o.mode && level == o.level && third == o.third;
        }
    };
    struct KeyboardEffect {
        uchar effect = 0;
        uchar speed = 0;
        uchar brightness = 0;
        uchar color = 0;
    };
    struct DpiTable {
        std::array<uchar, kDpiStages> codes{};
        // Stages above the sensor's native range ("3389" only).
        quint16 highMask = 0;
    };

    static uchar dpiCode(int dpi, const QString& sensorType);
    // Stages without a value get code 0.
    static DpiTable encodeDpi(const QString& sensorType, const QVariantList& dpiValueArray);
    static Lighting mouseLighting(uchar effect, uchar option1, uchar option2, bool colorful, bool is560,
                                  bool is55328);
    static KeyboardEffect keyboardEffect(uchar effect, uchar speed, uchar brightness, uchar color);
    // Picture `pictureIndex` from each key's list of colour strings.
    static std::array<uchar, kPictureSize> buildPicture(const QList<QVariantList>& keys, int pictureIndex);

    DeviceSettings(SettingsStore& settings, DeviceBlocks& blocks, DeviceCommands& device);

    void setDpi(int dpiCount, const QString& sensorType, const QVariantList& dpiValueArray);
    void setCurrentDpi(uchar stage);
    int currentDpi();
    void setReportRate(uchar rate);
    void setMouseEffect(uchar effect, uchar option1, uchar option2);
    void setMouseColor(uchar type, const QVariantList& src24);
    void setKeyboardEffect(uchar effect, uchar speed, uchar brightness, uchar color);
    void setKeyboardColor(const QVariantList& src21);
    void sendPicture(int pictureIndex, bool isRecovery);
    void setKeyboardOption(uchar byte1, uchar byte2, uchar byte3, uchar byte4);
    QVariantList keyboardOption();

private:
    // Sends block 1, and the gun layers' blocks 2 … 4 when the mouse has them.
    void sendLayerBlocks();

    SettingsStore& m_settings;
    DeviceBlocks& m_blocks;
    DeviceCommands& m_device;
};
