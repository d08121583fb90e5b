#pragma once

#include <QtGlobal>

// Command set of the keyboard (key table, pictures, macros, lighting).
namespace kbd {

inline constexpr uchar kSetLedEffect = 0x08;
inline constexpr uchar kSetKeyboardMode = 0x09;
inline constexpr uchar kSetKeyMatrix = 0x0D;
inline constexpr uchar kSetMacroKey = 0x11;
inline constexpr uchar kSetPicture = 0x12;
inline constexpr uchar kRecoveryData = 0x13;
inline constexpr uchar kSetLed8StageColor = 0x14;
inline constexpr uchar kReadProfile = 0x8D;

// c1 of the recovery command.
inline constexpr uchar kRecoveryAll = 0xFF;

// Payloads; c3 announces them as counts of 64-byte reports.
inline constexpr int kTableBytes = 512;
inline constexpr int kMacroBytes = 192;
inline constexpr int kReportBytes = 64;
inline constexpr uchar kTableReports = kTableBytes / kReportBytes;
inline constexpr uchar kMacroReports = kMacroBytes / kReportBytes;
// Byte of the profile whose value selects the keyboard layout.
inline constexpr int kLayoutByte = 240;

inline constexpr const char* kFailSetKeyMatrix = "cmd Failed 0DH";
inline constexpr const char* kFailSetMacroKey = "cmd Failed 11";
inline constexpr const char* kFailSetPicture = "cmd Failed 12H";
inline constexpr const char* kFailSetLed8StageColor = "cmd Failed 14";
inline constexpr const char* kFailReadProfile = "cmd Failed 8c";
inline constexpr const char* kFailSetLedEffect = "hidARM_08H_SetRGBLedEffect";
inline constexpr const char* kFailSetKeyboardMode = "cmd Failed 09";
inline constexpr const char* kFailRecoveryData = "cmd Failed 13H";

} // namespace kbd
