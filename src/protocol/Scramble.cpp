#include "protocol/Scramble.h"

#include <utility>

namespace scramble {
namespace {

constexpr char kTable[8] = {'M', 'x', 'Q', 'p', 'L', 'z', 'W', 'b'};

uchar tableByte(int i)
{
    const auto t = static_cast<uchar>(kTable[i]);
    return static_cast<uchar>((t << 4) | (t >> 4));
}

void swapPairs(uchar* b)
{
    std::swap(b[0], b[5]);
    std::swap(b[1], b[4]);
    std::swap(b[2], b[7]);
    std::swap(b[3], b[6]);
}

void xorCode(uchar* b, const uchar* code)
{
    for (int i = 1; i <= 6; ++i)
        b[i] ^= code[i];
}

} // namespace

uchar checksum(const uchar* block)
{
    unsigned sum = 0;
    for (int i = 0; i < 7; ++i)
        sum += block[i];
    return static_cast<uchar>(~sum);
}

void encrypt(uchar* b, const uchar* code)
{
    swapPairs(b);
    xorCode(b, code);
    const uchar first = b[0];
    for (int i = 0; i < 7; ++i)
        b[i] = static_cast<uchar>((b[i] << 3) | (b[i + 1] >> 5));
    b[7] = static_cast<uchar>((b[7] << 3) | (first >> 5));
    for (int i = 0; i < 8; ++i)
        b[i] = static_cast<uchar>(b[i] + tableByte(i));
}

void decrypt(uchar* b, const uchar* code)
{
    for (int i = 0; i < 8; ++i)
        b[i] = static_cast<uchar>(b[i] - tableByte(i));
    const uchar last = b[7];
    for (int i = 7; i > 0; --i)
        b[i] = static_cast<uchar>((b[i] >> 3) | (b[i - 1] << 5));
    b[0] = static_cast<uchar>((b[0] >> 3) | (last << 5));
    xorCode(b, code);
    swapPairs(b);
}

} // namespace scramble
