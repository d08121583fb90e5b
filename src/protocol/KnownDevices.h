#pragma once

#include <QtGlobal>

// The two supported devices, as the factory device list names them.
namespace known {

inline constexpr quint16 kVendor = 0x04d9;

inline constexpr quint16 kKeyboardProduct = 0x8008;
inline constexpr quint16 kKeyboardCommandPage = 0xff01;
inline constexpr quint16 kKeyboardCommandUsage = 0x0001;
inline constexpr quint16 kKeyboardEventPage = 0xff02;
inline constexpr quint16 kKeyboardEventUsage = 0x0001;
inline constexpr int kKeyboardReportLength = 64;

inline constexpr quint16 kMouseProduct = 0xa1ee;
inline constexpr quint16 kMouseCommandPage = 0xff00;
inline constexpr quint16 kMouseCommandUsage = 0xff00;
inline constexpr quint16 kMouseEventPage = 0xff01;
inline constexpr quint16 kMouseEventUsage = 0xff01;
inline constexpr int kMouseReportLength = 32;

} // namespace known
