#pragma once

#include "protocol/Mouse560ProfileLayout.h"

#include <QtGlobal>

#include <array>

// The host's mirror of the 560 family's profile memories (their layout is
// m560::layout). The view rewrites only its own byte ranges; every other byte
// stays as read.
class DeviceBlocks
{
public:
    static constexpr int kCount = m560::layout::kBlockCount;
    static constexpr std::size_t kSize = m560::layout::kBlockBytes;
    using Block = std::array<uchar, kSize>;

    static bool isValid(int n) { return n >= 0 && n < kCount; }

    Block& block(int n) { return m_blocks[static_cast<size_t>(n)]; }
    const Block& block(int n) const { return m_blocks[static_cast<size_t>(n)]; }
    uchar* data(int n) { return block(n).data(); }

private:
    std::array<Block, kCount> m_blocks{};
};
