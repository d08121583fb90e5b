#include "view/KeyAssignment.h"

#include "view/DeviceBlocks.h"
#include "protocol/DeviceCommands.h"
#include "view/ListValues.h"
#include "view/SettingsStore.h"
#include "view/ViewLog.h"

#include <cstring>

using ListValues::byteAt;

namespace {

// Function classes as the screens store them.
enum StoredType : uchar {
    kStoredMouse = 0,
    kStoredFire = 1,
    kStoredCombo = 2,
    kStoredMedia = 3,
    kStoredMacro = 4,
    kStoredDpi = 5,
    kStoredWindows = 6,
    kStoredShortcut = 7,
    kStoredGunSwitch = 8,
    kStoredNone = 255,
};

// Function numbers of the device's key matrix.
enum DeviceFunction : uchar {
    kDevKey = 0,
    kDevMouse = 1,
    kDevMedia = 3,
    kDevNone = 4,
    kDevDpi = 7,
    kDevGunSwitch = 8,
    kDevMacro = 9,
    kDevFire = 10,
    kDevSpecial = 11,
};

constexpr uchar kDoubleFireCode2 = 0x1E;
constexpr uchar kDoubleFireCode3 = 2;
constexpr uchar kDpiSniper = 4;
constexpr uchar kGunMasks[] = {7, 15, 31};

// Keyboard keys whose entries the other layout takes from a neighbour: {from, to}.
constexpr int kLayoutCopies[][2] = {{5, 4}, {18, 24}, {72, 60}};

bool s_keyboardLayoutFlag = false;

KeyAssignment::Entry entryAt(const KeyAssignment::Matrix& m, int k)
{
    KeyAssignment::Entry e;
    std::memcpy(e.data(), m.data() + 4 * k, 4);
    return e;
}

void setEntry(KeyAssignment::Matrix& m, int k, const KeyAssignment::Entry& e)
{
    std::memcpy(m.data() + 4 * k, e.data(), 4);
}

} // namespace

bool KeyAssignment::keyboardLayoutFlag()
{
    return s_keyboardLayoutFlag;
}

void KeyAssignment::setKeyboardLayoutFlag(bool flag)
{
    s_keyboardLayoutFlag = flag;
}

KeyAssignment::Entry KeyAssignment::translate(const Entry& stored, bool is560)
{
    Entry e = stored;
    switch (stored[0]) {
    case kStoredMouse:
        e[0] = (stored[2] == kDoubleFireCode2 && stored[3] == kDoubleFireCode3) ? kDevFire : kDevMouse;
        break;
    case kStoredFire:
        e[0] = kDevFire;
        break;
    case kStoredCombo:
    case kStoredWindows:
    case kStoredShortcut:
        e[0] = kDevKey;
        break;
    case kStoredMedia:
        e[0] = kDevMedia;
        break;
    case kStoredMacro:
        // Device macro numbers start at 1.
        e[0] = kDevMacro;
        e[2] = static_cast<uchar>(stored[2] + 1);
        break;
    case kStoredDpi:
        if (stored[2] != kDpiSniper)
            e[0] = kDevDpi;
        else
            e = is560 ? Entry{kDevSpecial, 0, 1, 1} : Entry{kDevDpi, 0, kDpiSniper, 1};
        break;
    case kStoredGunSwitch:
        e[0] = kDevGunSwitch;
        break;
    case kStoredNone:
        e[0] = kDevNone;
        break;
    default:
        break;
    }
    return e;
}

KeyAssignment::Matrix KeyAssignment::translateAll(const Matrix& stored, bool is560)
{
    Matrix m{};
    for (int k = 0; k < kButtons; ++k)
        setEntry(m, k, translate(entryAt(stored, k), is560));
    return m;
}

bool KeyAssignment::hasGunButton(const Matrix& layer1)
{
    for (int k = 0; k < kButtons; ++k)
        if (layer1[static_cast<size_t>(4 * k)] == kDevGunSwitch)
            return true;
    return false;
}

KeyAssignment::Layers KeyAssignment::buildGunLayers(const Matrix& layer1, const Matrix& base,
                                                    const QVariantList& otherParam, bool is560,
                                                    uchar& layerMask)
{
    Layers layers{layer1, base, base, base};
    for (int k = 0; k < kButtons; ++k) {
        const size_t at = static_cast<size_t>(4 * k);
        if (layer1[at] != kDevGunSwitch)
            continue;
        const int g = layer1[at + 2];
        for (int l = 1; l < 4; ++l)
            layers[static_cast<size_t>(l)][at] = kDevGunSwitch;
        if (g >= 1 && g <= 3) {
            // Layer l (0-based) leads to the next gun layer while one is left.
            for (int l = 0; l < 4; ++l) {
                uchar& target = layers[static_cast<size_t>(l)][at + (is560 ? 2 : 3)];
                if (l == 0)
                    target = 1;
                else if (l < g)
                    target = static_cast<uchar>(is560 ? 3 : l + 1);
                else
                    target = 0;
            }
            if (is560)
                layerMask = kGunMasks[g - 1];
        }
        if (!is560) {
            for (auto& layer : layers) {
                layer[at + 1] = 0;
                layer[at + 2] = 1;
            }
        }
    }
    // Button 0 of each gun layer fires with that layer's repeat period.
    for (int l = 1; l < 4; ++l)
        setEntry(layers[static_cast<size_t>(l)], 0,
                 Entry{kDevSpecial, static_cast<uchar>(l - 1), byteAt(otherParam, l - 1), 0});
    return layers;
}

KeyAssignment::KeyboardTable KeyAssignment::buildKeyboardTable(const QList<QVariantList>& keys, bool layoutFlag)
{
    KeyboardTable t{};
    for (int i = 0; i < kKeyboardKeys; ++i)
        t[static_cast<size_t>(4 * i + 2)] = static_cast<uchar>(i + 5);
    for (int i = 0; i < kKeyboardKeys && i < keys.size(); ++i) {
        const QVariantList& list = keys.at(i);
        if (list.size() != 4)
            continue;
        for (int b = 0; b < 4; ++b)
            t[static_cast<size_t>(4 * i + b)] = static_cast<uchar>(list.at(b).toUInt() & 0xFF);
    }
    if (layoutFlag) {
        for (const auto& copy : kLayoutCopies)
            std::memcpy(t.data() + 4 * copy[1], t.data() + 4 * copy[0], 4);
    }
    return t;
}

KeyAssignment::KeyAssignment(SettingsStore& settings, DeviceBlocks& blocks, DeviceCommands& device)
    : m_settings(settings)
    , m_blocks(blocks)
    , m_device(device)
{
}

KeyAssignment::Matrix KeyAssignment::storedMatrix(const QString& group) const
{
    Matrix m{};
    for (int k = 0; k < kButtons; ++k) {
        const QVariantList list = m_settings.getDataList(group + QString::number(k), false);
        for (int b = 0; b < 4; ++b)
            m[static_cast<size_t>(4 * k + b)] = byteAt(list, b);
    }
    return m;
}

void KeyAssignment::sendMatrix(const Matrix& matrix, int layer)
{
    std::array<uchar, kMatrixBufferSize> buffer{};
    std::memcpy(buffer.data(), matrix.data(), matrix.size());
    if (m_settings.is560())
        m_device.hid560_0DH_SetKeyMatrix(buffer.data(), static_cast<uchar>(layer));
    else
        m_device.hid553_12H_SetKeyMatrix(buffer.data(), static_cast<uchar>(layer));
}

void KeyAssignment::setKeyMatrix(const QVariantList& src64, bool isSendData, const QVariantList& otherParam)
{
    Matrix stored{};
    for (int k = 0; k < kButtons; ++k) {
        QVariantList entry;
        for (int b = 0; b < 4; ++b) {
            const int value = ListValues::intAt(src64, 4 * k + b);
            entry.append(value);
            stored[static_cast<size_t>(4 * k + b)] = static_cast<uchar>(value & 0xFF);
        }
        m_settings.setDataList(QStringLiteral("mouseKeyMatrix/") + QString::number(k), entry);
    }
    if (!isSendData)
        return;

    const bool is560 = m_settings.is560();
    const Matrix layer1 = translateAll(stored, is560);
    if (!hasGunButton(layer1)) {
        sendMatrix(layer1, 1);
        return;
    }
    uchar& mask = m_blocks.block(0)[m560::layout::kLayerMaskByte];
    const Layers layers =
        buildGunLayers(layer1, storedMatrix(QStringLiteral("mouseFwKeyMatrix/")), otherParam, is560, mask);
    if (is560) {
        m_device.hid560_0CH_setProfile(m_blocks.data(0), 0);
        for (int l = 0; l < 4; ++l)
            sendMatrix(layers[static_cast<size_t>(l)], l + 1);
        m_device.hid560_02H_SetCurrentProfile(1);
    } else {
        for (int l = 0; l < 4; ++l)
            sendMatrix(layers[static_cast<size_t>(l)], l + 1);
        m_device.hid553_02H_SetCurrentKeyMatrix(1);
    }
}

QVariantList KeyAssignment::keydefine(int index, bool isRecovery) const
{
    return m_settings.getDataList(QStringLiteral("mouseKeyMatrix/") + QString::number(index), isRecovery);
}

void KeyAssignment::resetKeyMatrix()
{
    const Matrix base = storedMatrix(QStringLiteral("mouseFwKeyMatrix/"));
    for (int layer = 2; layer <= 4; ++layer)
        sendMatrix(base, layer);
}

void KeyAssignment::switchKeyMatrix(int indexNo)
{
    if (m_settings.is560())
        m_device.hid560_02H_SetCurrentProfile(static_cast<uchar>(indexNo));
    else
        m_device.hid553_02H_SetCurrentKeyMatrix(static_cast<uchar>(indexNo - 1));
}

void KeyAssignment::sendKeyboardMatrix(bool isRecovery)
{
    QList<QVariantList> keys;
    keys.reserve(kKeyboardKeys);
    for (int i = 0; i < kKeyboardKeys; ++i)
        keys.append(m_settings.getDataList(QStringLiteral("keyboardFunctionData/") + QString::number(i),
                                           isRecovery));
    KeyboardTable table = buildKeyboardTable(keys, keyboardLayoutFlag());
    m_device.keyboard_0DH_SetKeyMatrix(table.data());
}

uchar KeyAssignment::readKeyboardType()
{
    constexpr size_t kLayoutByte = 240;
    constexpr uchar kOtherLayout = 2;
    std::array<uchar, kKeyboardTableSize> profile{};
    m_device.keyboardReadProfile(profile.data());
    const uchar type = profile[kLayoutByte];
    qCDebug(lcView) << "test" << int(type);
    setKeyboardLayoutFlag(type == kOtherLayout);
    return type == kOtherLayout ? 1 : 0;
}
