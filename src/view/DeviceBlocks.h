#pragma once

#include <QtGlobal>

#include <array>

// The host's mirror of the 560 family's five 128-byte profile memories. Block 0
// holds device-wide data, blocks 1 … 4 the normal layer and the three gun layers.
// The view rewrites only its own byte ranges; every other byte stays as read.
class DeviceBlocks
{
public:
    static constexpr int kCount = 5;
    static constexpr int kSize = 128;
    using Block = std::array<uchar, kSize>;

    static bool isValid(int n) { return n >= 0 && n < kCount; }

    Block& block(int n) { return m_blocks[static_cast<size_t>(n)]; }
    const Block& block(int n) const { return m_blocks[static_cast<size_t>(n)]; }
    uchar* data(int n) { return block(n).data(); }

private:
    std::array<Block, kCount> m_blocks{};
};
