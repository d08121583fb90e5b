#pragma once

#include <QtGlobal>

#include <array>
#include <cstddef>

namespace hidframe {

// Unnumbered reports: the report-ID byte is always zero.
inline constexpr uchar kReportId = 0x00;
inline constexpr std::size_t kBlockSize = 8;
inline constexpr std::size_t kCommandReportSize = 1 + kBlockSize;
// Largest payload of any command (the keyboard's 512-byte tables).
inline constexpr std::size_t kBulkBufferSize = 512;
// Data bytes of one event report on the event interface.
inline constexpr std::size_t kEventReportSize = 4;

} // namespace hidframe

// Report ID 0x00, then the command block c0..c7 (opcode, six parameters, checksum).
struct CommandReport
{
    std::array<uchar, hidframe::kCommandReportSize> bytes{};

    uchar* data() { return bytes.data(); }
    const uchar* data() const { return bytes.data(); }
    uchar* block() { return bytes.data() + 1; }
    const uchar* block() const { return bytes.data() + 1; }
};

// Report ID, then the reply block r0..r7.
struct ReplyReport
{
    std::array<uchar, hidframe::kCommandReportSize> bytes{};

    uchar* data() { return bytes.data(); }
    uchar* block() { return bytes.data() + 1; }
    const uchar* block() const { return bytes.data() + 1; }
};

// Payload of the bulk phase, in either direction.
struct BulkBuffer
{
    std::array<uchar, hidframe::kBulkBufferSize> bytes{};

    uchar* data() { return bytes.data(); }
    const uchar* data() const { return bytes.data(); }
};

static_assert(sizeof(CommandReport) == 9, "command report is report ID plus 8 block bytes");
static_assert(sizeof(ReplyReport) == 9, "reply report is report ID plus 8 block bytes");
static_assert(sizeof(BulkBuffer) == 512, "bulk buffer holds the largest payload");
