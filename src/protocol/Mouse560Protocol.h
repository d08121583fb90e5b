#pragma once

#include <QtGlobal>

// Command set of the 560 mouse controller family.
namespace m560 {

inline constexpr uchar kSetKeyboardOption = 0x01;
inline constexpr uchar kSetCurrentProfile = 0x02;
inline constexpr uchar kSetReportRate = 0x03;
inline constexpr uchar kSetCurrentDpi = 0x04;
inline constexpr uchar kSetProfile = 0x0C;
inline constexpr uchar kSetKeyMatrix = 0x0D;
inline constexpr uchar kSetMacroKey = 0x0F;
inline constexpr uchar kGetKeyboardOption = 0x81;
inline constexpr uchar kGetCurrentProfile = 0x82;
inline constexpr uchar kGetCurrentDpi = 0x84;
inline constexpr uchar kReadProfile = 0x8C;

// Report rate and current stage go to each of these indexes in turn.
inline constexpr uchar kFirstRepeatIndex = 1;
inline constexpr uchar kLastRepeatIndex = 4;

inline constexpr int kProfileBlockBytes = 128;
inline constexpr int kProfileBlockCount = 5;
// The key matrix travels as a whole block: 64 bytes of keys, then zeros.
inline constexpr int kKeyMatrixSourceBytes = 64;
inline constexpr int kMacroBytes = 128;

inline constexpr const char* kFailSetKeyboardOption = "cmd Failed 03";
inline constexpr const char* kFailSetCurrentProfile = "cmd Failed 02";
inline constexpr const char* kFailSetReportRate = "cmd Failed 01";
inline constexpr const char* kFailSetCurrentDpi = "cmd Failed 04";
inline constexpr const char* kFailSetProfile = "cmd Failed 0C";
inline constexpr const char* kFailSetKeyMatrix = "cmd Failed 12";
inline constexpr const char* kFailSetMacroKey = "cmd Failed 0F";
inline constexpr const char* kFailGetKeyboardOption = "cmd Failed 81";
inline constexpr const char* kFailGetCurrentProfile = "cmd Failed 82";
inline constexpr const char* kFailGetCurrentDpi = "cmd Failed 84";
inline constexpr const char* kFailReadProfile = "cmd Failed 8c";

// The option bit connect time sets in the first option byte.
inline constexpr uchar kConnectOptionBit = 0x08;

} // namespace m560
