#pragma once

#include <QtGlobal>

// Block scrambling of command and reply blocks for devices that ask for it,
// and the command block checksum. Shared by the host side and the simulated
// firmware so both ends agree by construction.
namespace scramble {

// Bitwise NOT of the sum of block[0..6], kept to 8 bits.
uchar checksum(const uchar* block);
// Scrambles the 8 bytes at `block` in place; code bytes 1..6 are used.
void encrypt(uchar* block, const uchar* code);
// The exact inverse of encrypt().
void decrypt(uchar* block, const uchar* code);

} // namespace scramble
