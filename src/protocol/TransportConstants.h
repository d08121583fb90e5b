#pragma once

namespace transport {

// Rounds and pause while waiting for the channel token (about 2 s in all).
inline constexpr int kChannelRounds = 255;
inline constexpr int kChannelRoundMs = 8;
// The settle pause is two halves of 64 ms.
inline constexpr int kSettleHalfMs = 64;
// After every output report of a payload train.
inline constexpr int kOutputReportGapMs = 120;
// After a command sent without settling.
inline constexpr int kQuickCommandPauseMs = 8;
// Bound of one input report read of a bulk transfer, waited in slices so the
// screens keep processing events while a silent device is waited for.
inline constexpr int kBulkReadBoundMs = 1000;
inline constexpr int kBulkReadSliceMs = 100;
// Bound of one wait of the event reader.
inline constexpr int kEventReadMs = 500;

} // namespace transport
