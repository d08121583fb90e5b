#pragma once

#include <QtGlobal>

// A key as a PC keyboard reports it in scan code set 1: the make code and whether
// it comes after the 0xE0 prefix (the "extended" keys).
struct Set1Code
{
    quint8 scan = 0;
    bool extended = false;
};

// Turns a Linux input key code (KEY_*) into the set-1 make code of the same
// physical key. Print Screen reads 0x54 while Alt is held, as the key itself sends
// SysRq then. False for codes that have no set-1 form here.
bool set1FromEvdev(int evdevCode, bool altDown, Set1Code* out);

// Whether a Linux input key code belongs to the keyboard keys translated above.
bool hasSet1Code(int evdevCode);
