#pragma once

#include <QtGlobal>

// One data message from another process of the same user: a tag and a byte block.
// `lpData` points at `cbData` bytes that live only for the callback's duration.
struct CopyData
{
    quintptr dwData = 0;
    quint32 cbData = 0;
    const void* lpData = nullptr;
};
