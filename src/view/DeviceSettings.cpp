#include "view/DeviceSettings.h"

#include "protocol/DeviceCommands.h"
#include "view/DeviceBlocks.h"
#include "view/ListValues.h"
#include "view/SettingsStore.h"

#include <cstring>

using ListValues::byteAt;

namespace {

using namespace m560::layout;

constexpr int kColourBytes = static_cast<int>(kStageColourBytes);
constexpr int kKeyboardStages = 7;
constexpr int kKeyboardKeys = 126;

constexpr uchar kStageDisabled = 0x80;
constexpr uchar kHighRangeBit = 0x40;
constexpr int kHigh3389 = 12799;
constexpr int kHighDefault = 5000;

struct Threshold {
    int dpi;
    uchar code;
};
constexpr Threshold k3050[] = {{250, 1},   {500, 2},   {750, 3},   {1000, 4},  {1250, 5},  {1500, 6},
                               {1750, 7},  {2000, 8},  {2500, 69}, {3000, 70}, {3500, 71}, {4000, 72}};

constexpr uchar kBrightness[] = {64, 128, 192, 255};
constexpr uchar kRateFast[] = {10, 7, 5, 3, 1};
constexpr uchar kRate8[] = {20, 17, 15, 13, 11};
constexpr uchar kRate9[] = {15, 13, 10, 7, 5};
constexpr uchar kRate10[] = {30, 27, 24, 22, 20};
constexpr uchar kSingleLevel[] = {1, 3, 5, 7, 10};
constexpr uchar kSingleBreath[] = {30, 24, 18, 12, 6};
// Single-colour mice without gun layers take this third byte in block 1.
constexpr uchar kSingleColourPlain = 3;
constexpr uchar kDefaultThird = 2;

constexpr uchar kKeyboardEffects[] = {1, 2, 3, 4, 6, 15, 8, 5, 10, 11, 12, 13, 51, 52, 53, 54, 55};
constexpr uchar kKeyboardSpeeds[] = {10, 9, 6, 3};
constexpr uchar kKeyboardSpeedOther = 1;
constexpr uchar kKeyboardBrightness[] = {0, 5, 15, 30};
constexpr uchar kKeyboardBrightnessOther = 50;

template <size_t N>
uchar pick(const uchar (&table)[N], int i)
{
    return i >= 0 && static_cast<size_t>(i) < N ? table[i] : 0;
}

uchar brightness(uchar b)
{
    return pick(kBrightness, b - 1);
}

// Two hexadecimal digits at `at`, 0 when they are missing or not hexadecimal.
uchar hexPair(const QString& text, int at)
{
    if (at + 2 > text.size())
        return 0;
    bool ok = false;
    const uint v = text.mid(at, 2).toUInt(&ok, 16);
    return ok ? static_cast<uchar>(v) : 0;
}

} // namespace

uchar DeviceSettings::dpiCode(int d, const QString& sensorType)
{
    if (sensorType == QLatin1String("3360"))
        return static_cast<uchar>(d / 100 - 1);
    if (sensorType == QLatin1String("3050")) {
        for (const Threshold& t : k3050)
            if (t.dpi >= d)
                return t.code;
        return 0;
    }
    if (sensorType == QLatin1String("3389"))
        return static_cast<uchar>((d / 50) & 0xFF);
    if (d > kHighDefault)
        return static_cast<uchar>((d / 200) | kHighRangeBit);
    return static_cast<uchar>(d / 100 - 1);
}

DeviceSettings::DpiTable DeviceSettings::encodeDpi(const QString& sensorType, const QVariantList& dpiValueArray)
{
    DpiTable table;
    const bool is3389 = sensorType == QLatin1String("3389");
    for (int i = 0; i < kDpiStages && i < dpiValueArray.size(); ++i) {
        const int d = dpiValueArray.at(i).toInt();
        table.codes[static_cast<size_t>(i)] = dpiCode(d, sensorType);
        if (is3389 && d > kHigh3389)
            table.highMask = static_cast<quint16>(table.highMask | (1u << i));
    }
    return table;
}

DeviceSettings::Lighting DeviceSettings::mouseLighting(uchar effect, uchar option1, uchar option2, bool colorful,
                                                       bool is560, bool is55328)
{
    const int s = option1;
    if (colorful) {
        const uchar b = brightness(option2);
        switch (effect) {
        case 0: return {1, b, 0};
        case 1: return {3, 0, pick(kRateFast, s)};
        case 2: return {4, 0, pick(kRateFast, s)};
        case 4: return {2, b, 0};
        case 5: return {5, b, pick(kRateFast, s)};
        case 6: return {6, 0, 0};
        case 7: return {7, b, 0};
        case 8: return {8, b, pick(kRate8, s)};
        case 9: return {9, b, pick(kRate9, s)};
        case 10: return {10, b, pick(kRate10, s)};
        default: return {};
        }
    }
    Lighting l;
    uchar variantThird = 0;
    switch (effect) {
    case 0:
        l = {1, pick(kSingleLevel, option2), 0};
        variantThird = 1;
        break;
    case 1:
        l = {2, static_cast<uchar>(s + 1), 0};
        variantThird = 1;
        break;
    case 2:
        l = {3, pick(kSingleBreath, s), 0};
        variantThird = 1;
        break;
    case 4:
        l = {2, static_cast<uchar>(s + 1), 0};
        variantThird = 3;
        break;
    default:
        break;
    }
    l.third = (!is560 && is55328) ? variantThird : kDefaultThird;
    return l;
}

DeviceSettings::KeyboardEffect DeviceSettings::keyboardEffect(uchar effect, uchar speed, uchar brightness,
                                                              uchar color)
{
    KeyboardEffect k;
    k.effect = effect < std::size(kKeyboardEffects) ? kKeyboardEffects[effect] : static_cast<uchar>(effect + 1);
    k.speed = speed < std::size(kKeyboardSpeeds) ? kKeyboardSpeeds[speed] : kKeyboardSpeedOther;
    k.brightness = brightness < std::size(kKeyboardBrightness) ? kKeyboardBrightness[brightness]
                                                               : kKeyboardBrightnessOther;
    k.color = static_cast<uchar>(color + 1);
    return k;
}

std::array<uchar, DeviceSettings::kPictureSize> DeviceSettings::buildPicture(const QList<QVariantList>& keys,
                                                                            int pictureIndex)
{
    std::array<uchar, kPictureSize> picture{};
    for (int i = 0; i < kKeyboardKeys && i < keys.size(); ++i) {
        const QVariantList& colours = keys.at(i);
        if (pictureIndex < 0 || pictureIndex >= colours.size())
            continue;
        const QString text = colours.at(pictureIndex).toString();
        for (int b = 0; b < 4; ++b)
            picture[static_cast<size_t>(4 * i + b)] = hexPair(text, 2 * b);
    }
    return picture;
}

DeviceSettings::DeviceSettings(SettingsStore& settings, DeviceBlocks& blocks, DeviceCommands& device)
    : m_settings(settings)
    , m_blocks(blocks)
    , m_device(device)
{
}

void DeviceSettings::sendLayerBlocks()
{
    // Without gun layers only the normal layer's block is in use.
    const int last = m_settings.isGun() ? kLastLayerBlock : kFirstLayerBlock;
    for (int n = kFirstLayerBlock; n <= last; ++n)
        m_device.hid560_0CH_setProfile(m_blocks.data(n), static_cast<uchar>(n));
}

void DeviceSettings::setDpi(int dpiCount, const QString& sensorType, const QVariantList& dpiValueArray)
{
    DpiTable table = encodeDpi(sensorType, dpiValueArray);
    if (m_settings.is560()) {
        const int enabled = qBound(0, dpiCount, kDpiStages);
        const uchar mask = static_cast<uchar>((1u << enabled) - 1);
        for (int n = kFirstLayerBlock; n <= kLastLayerBlock; ++n) {
            auto& block = m_blocks.block(n);
            std::memcpy(block.data() + kDpiCodesByte, table.codes.data(), kDpiStages);
            std::memcpy(block.data() + kDpiCodesCopyByte, table.codes.data(), kDpiStages);
            block[kDpiEnabledByte] = mask;
            if (sensorType == QLatin1String("3389")) {
                // Eight stages fit the first byte; the second is kept for the
                // mask's upper half, always 0 here.
                block[kHighDpiMaskByte] = static_cast<uchar>(table.highMask & 0xFF);
                block[kHighDpiMaskByte + 1] = static_cast<uchar>(table.highMask >> 8);
            }
        }
        sendLayerBlocks();
        return;
    }
    for (int i = qMax(dpiCount, 0); i < kDpiStages; ++i)
        table.codes[static_cast<size_t>(i)] = kStageDisabled;
    m_device.hid553_11H_SetDPISet(static_cast<uchar>(dpiCount), table.codes.data());
}

void DeviceSettings::setCurrentDpi(uchar stage)
{
    if (m_settings.is560())
        m_device.hid560_04H_SetCurrentDPI(stage);
    else
        m_device.hid553_0BH_SetCurrentDPI(stage);
}

int DeviceSettings::currentDpi()
{
    if (m_settings.is560()) {
        // The first byte asks for the stage; the second carries it back.
        uchar request = 1;
        uchar stage = 0;
        m_device.hid560_84H_GetCurrentDPI(request, stage);
        return stage;
    }
    uchar stage = 0;
    m_device.hid553_8BH_GetCurrentDPI(stage);
    return stage;
}

void DeviceSettings::setReportRate(uchar rate)
{
    if (m_settings.is560())
        m_device.hid560_03H_SetReportRate(rate);
    else
        m_device.hid553_01H_SetReportRate(rate);
}

void DeviceSettings::setMouseEffect(uchar effect, uchar option1, uchar option2)
{
    const bool is560 = m_settings.is560();
    const bool colorful = m_settings.isColorful();
    const Lighting l = mouseLighting(effect, option1, option2, colorful, is560, m_settings.is55328());
    if (!is560) {
        m_device.hid553_0DH_SetRGBLedEffect(l.mode, l.level, l.third);
        return;
    }
    for (int n = kFirstLayerBlock; n <= kLastLayerBlock; ++n) {
        auto& block = m_blocks.block(n);
        block[kEffectByte] = l.mode;
        block[kEffectByte + 1] = l.level;
        block[kEffectByte + 2] = l.third;
    }
    if (!colorful && !m_settings.isGun())
        m_blocks.block(1)[kEffectByte + 2] = kSingleColourPlain;
    sendLayerBlocks();
}

void DeviceSettings::setMouseColor(uchar type, const QVariantList& src24)
{
    std::array<uchar, kColourBytes> colours{};
    for (int i = 0; i < kColourBytes; ++i)
        colours[static_cast<size_t>(i)] = byteAt(src24, i);
    if (m_settings.is560()) {
        if (m_settings.isColorful()) {
            std::memcpy(m_blocks.data(0) + kColourfulStagesByte, colours.data(), colours.size());
            m_device.hid560_0CH_setProfile(m_blocks.data(0), 0);
        } else {
            std::memcpy(m_blocks.data(1) + kSingleStagesByte, colours.data(), colours.size());
            m_device.hid560_0CH_setProfile(m_blocks.data(1), 1);
        }
        return;
    }
    if (!m_settings.is55328()) {
        m_device.hid553_10H_SetLED8StageColor(type, colours.data());
        m_device.hid553_10H_SetLED8StageColor(type, colours.data());
        return;
    }
    if (colours[21] || colours[22] || colours[23])
        m_device.hid553_10H_SetLED8StageColor(0, colours.data());
    else
        m_device.hid553_0CH_SetFixLEDColor(colours.data());
}

void DeviceSettings::setKeyboardEffect(uchar effect, uchar speed, uchar brightness, uchar color)
{
    const KeyboardEffect k = keyboardEffect(effect, speed, brightness, color);
    m_device.hidARM_08H_SetRGBLedEffect(k.effect, k.speed, k.brightness, k.color);
}

void DeviceSettings::setKeyboardColor(const QVariantList& src21)
{
    for (int i = 0; i < kKeyboardStages; ++i)
        m_device.keyboard_14H_SetLED8StageColor(static_cast<uchar>(i), byteAt(src21, 3 * i),
                                                byteAt(src21, 3 * i + 1), byteAt(src21, 3 * i + 2));
}

void DeviceSettings::sendPicture(int pictureIndex, bool isRecovery)
{
    QList<QVariantList> keys;
    keys.reserve(kKeyboardKeys);
    for (int i = 0; i < kKeyboardKeys; ++i)
        keys.append(m_settings.getDataList(QStringLiteral("keyboardLEDData/") + QString::number(i), isRecovery));
    auto picture = buildPicture(keys, pictureIndex);
    m_device.keyboard_12H_SetPicture(picture.data(), static_cast<uchar>(pictureIndex));
}

void DeviceSettings::setKeyboardOption(uchar byte1, uchar byte2, uchar byte3, uchar byte4)
{
    m_device.hid553_03H_SetKeyboardoption(byte1, byte2, byte3, byte4);
}

QVariantList DeviceSettings::keyboardOption()
{
    uchar b1 = 0, b2 = 0, b3 = 0, b4 = 0;
    m_device.hid553_83H_GetKeyboardoption(b1, b2, b3, b4);
    return {int(b1), int(b2), int(b3), int(b4)};
}
