#pragma once

#include <QtGlobal>

// Command set of the 553 mouse controller family.
namespace m553 {

inline constexpr uchar kGetSecrecyCode = 0x00;
inline constexpr uchar kSetReportRate = 0x01;
inline constexpr uchar kSetCurrentKeyMatrix = 0x02;
inline constexpr uchar kSetKeyboardOption = 0x03;
inline constexpr uchar kSetGunData = 0x04;
inline constexpr uchar kSetCurrentDpi = 0x0B;
inline constexpr uchar kSetFixLedColor = 0x0C;
inline constexpr uchar kSetRgbLedEffect = 0x0D;
inline constexpr uchar kSetLed8StageColor = 0x10;
inline constexpr uchar kSetDpiSet = 0x11;
inline constexpr uchar kSetKeyMatrix = 0x12;
inline constexpr uchar kSetMacroKey = 0x13;
inline constexpr uchar kGetKeyboardOption = 0x83;
inline constexpr uchar kGetCurrentDpi = 0x8B;

// Payload lengths, announced in the command block.
inline constexpr int kDpiTableBytes = 8;
inline constexpr int kKeyMatrixBytes = 64;
inline constexpr int kMacroBytes = 128;
inline constexpr int kStageColorBytes = 24;
// Stage colour type 2 carries a single colour plus one byte.
inline constexpr uchar kStageColorShortType = 2;
inline constexpr int kStageColorShortBytes = 4;
// Constant c3 of the key matrix command.
inline constexpr uchar kKeyMatrixMarker = 0x08;

inline constexpr const char* kFailGetSecrecyCode = "cmd Failed 00";
inline constexpr const char* kFailSetReportRate = "cmd Failed 01";
inline constexpr const char* kFailSetCurrentKeyMatrix = "cmd Failed 02";
inline constexpr const char* kFailSetKeyboardOption = "cmd Failed 03";
inline constexpr const char* kFailSetGunData = "cmd Failed 04";
inline constexpr const char* kFailSetCurrentDpi = "cmd Failed 0B";
inline constexpr const char* kFailSetFixLedColor = "cmd Failed 0C";
inline constexpr const char* kFailSetRgbLedEffect = "cmd Failed 0D";
inline constexpr const char* kFailSetLed8StageColor = "cmd Failed 10";
inline constexpr const char* kFailSetDpiSet = "cmd Failed 11";
inline constexpr const char* kFailSetKeyMatrix = "cmd Failed 12";
inline constexpr const char* kFailSetMacroKey = "cmd Failed 13";
inline constexpr const char* kFailGetKeyboardOption = "cmd Failed 83";
inline constexpr const char* kFailGetCurrentDpi = "cmd Failed 8BH";

// The option bit connect time sets in the fourth option byte.
inline constexpr uchar kConnectOptionBit = 0x40;

} // namespace m553
