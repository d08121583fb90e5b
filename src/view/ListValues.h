#pragma once

#include <QVariantList>

// Screens hand over lists of numbers that may be shorter than a command needs;
// a value that is not there counts as 0, and nothing is read past the end.
namespace ListValues {

inline int intAt(const QVariantList& list, qsizetype i)
{
    return i >= 0 && i < list.size() ? list.at(i).toInt() : 0;
}

// The low byte, as the device takes every value.
inline uchar byteAt(const QVariantList& list, qsizetype i)
{
    return static_cast<uchar>(intAt(list, i) & 0xFF);
}

} // namespace ListValues
