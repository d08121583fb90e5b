#pragma once

#include <QVariantList>

#include <array>

class DeviceBlocks;
class DeviceCommands;
class SettingsStore;

// Button and key assignments: stores the screens' four-number functions, turns
// them into the device's key matrices (with the gun layers where a button
// switches them) and sends them with the family's commands.
class KeyAssignment
{
public:
    static constexpr int kButtons = 16;
    static constexpr int kKeyboardKeys = 126;
    static constexpr int kKeyboardTableSize = 512;
    // Key-matrix commands read a 128-byte payload although a matrix is 64 bytes.
    static constexpr int kMatrixBufferSize = 128;

    using Entry = std::array<uchar, 4>;
    using Matrix = std::array<uchar, kButtons * 4>;
    using Layers = std::array<Matrix, 4>;
    using KeyboardTable = std::array<uchar, kKeyboardTableSize>;

    // Stored function class of a button to the device's function, per family.
    static Entry translate(const Entry& stored, bool is560);
    static Matrix translateAll(const Matrix& stored, bool is560);
    static bool hasGunButton(const Matrix& layer1);

    // The four layers of a matrix with gun buttons. `layerMask` receives the
    // 560 family's key-layer mask when a gun button with 1 … 3 layers is found,
    // and is left as it is otherwise.
    static Layers buildGunLayers(const Matrix& layer1, const Matrix& base, const QVariantList& otherParam,
                                 bool is560, uchar& layerMask);

    // Keyboard function table from per-key lists (absent or malformed keys get
    // their default entry), with the layout's three copied entries.
    static KeyboardTable buildKeyboardTable(const QList<QVariantList>& keys, bool layoutFlag);

    // Process-wide keyboard layout, set by the layout read.
    static bool keyboardLayoutFlag();
    static void setKeyboardLayoutFlag(bool flag);

    KeyAssignment(SettingsStore& settings, DeviceBlocks& blocks, DeviceCommands& device);

    void setKeyMatrix(const QVariantList& src64, bool isSendData, const QVariantList& otherParam);
    QVariantList keydefine(int index, bool isRecovery) const;
    void resetKeyMatrix();
    void switchKeyMatrix(int indexNo);
    void sendKeyboardMatrix(bool isRecovery);
    uchar readKeyboardType();

private:
    Matrix storedMatrix(const QString& group) const;
    void sendMatrix(const Matrix& matrix, int layer);

    SettingsStore& m_settings;
    DeviceBlocks& m_blocks;
    DeviceCommands& m_device;
};
