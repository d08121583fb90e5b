#pragma once

#include "protocol/Mouse560Protocol.h"

#include <cstddef>

// The 560 family's profile memory: five blocks of 128 bytes, read and written
// whole. Block 0 holds device-wide data; blocks 1 to 4 belong to the key layers
// (1 the normal layer, 2 to 4 gun layers 1 to 3). The host changes only the
// byte ranges below and keeps every other byte as the device gave it.
namespace m560::layout {

using std::size_t;

inline constexpr size_t kBlockBytes = kProfileBlockBytes;
inline constexpr int kBlockCount = kProfileBlockCount;
inline constexpr int kFirstLayerBlock = 1;
inline constexpr int kLastLayerBlock = 4;
inline constexpr int kFirstGunBlock = 2;

inline constexpr size_t kStages = 8;
inline constexpr size_t kStageColourBytes = 3 * kStages;

// Block 0.
// Which key layers are in use: 7, 15 or 31.
inline constexpr size_t kLayerMaskByte = 2;
// Eight colour stages of a colourful mouse, RGB each.
inline constexpr size_t kColourfulStagesByte = 24;

// Gun layer blocks.
// Option byte; its gun-off bit is cleared when gun data is sent.
inline constexpr size_t kGunOptionByte = 65;
inline constexpr unsigned char kGunOffBit = 0x04;
// Gun data: marker, repeat count, x, y.
inline constexpr size_t kGunMarkerByte = 78;
inline constexpr unsigned char kGunMarker = 0xF0;
inline constexpr size_t kGunRepeatByte = 79;
inline constexpr size_t kGunXByte = 80;
inline constexpr size_t kGunYByte = 81;

// Every layer block.
// Lighting effect: mode, level, third parameter.
inline constexpr size_t kEffectByte = 71;
inline constexpr size_t kEffectBytes = 3;
// High-DPI stage mask, low byte first (one sensor type only).
inline constexpr size_t kHighDpiMaskByte = 82;
// Eight DPI stage codes, written twice.
inline constexpr size_t kDpiCodesByte = 84;
inline constexpr size_t kDpiCodesCopyByte = 92;
// One bit per enabled stage.
inline constexpr size_t kDpiEnabledByte = 100;

// Block 1 of a mouse that is not colourful: its eight colour stages.
inline constexpr size_t kSingleStagesByte = 104;

// The ranges lie inside a block, in this order, without overlapping.
static_assert(kBlockBytes == 128 && kBlockCount == 5);
static_assert(kLayerMaskByte < kColourfulStagesByte);
static_assert(kColourfulStagesByte + kStageColourBytes <= kGunOptionByte);
static_assert(kGunOptionByte < kEffectByte);
static_assert(kEffectByte + kEffectBytes <= kGunMarkerByte);
static_assert(kGunMarkerByte + 1 == kGunRepeatByte && kGunRepeatByte + 1 == kGunXByte && kGunXByte + 1 == kGunYByte);
static_assert(kGunYByte < kHighDpiMaskByte);
static_assert(kHighDpiMaskByte + 2 <= kDpiCodesByte);
static_assert(kDpiCodesByte + kStages == kDpiCodesCopyByte);
static_assert(kDpiCodesCopyByte + kStages == kDpiEnabledByte);
static_assert(kDpiEnabledByte < kSingleStagesByte);
static_assert(kSingleStagesByte + kStageColourBytes == kBlockBytes);

} // namespace m560::layout
